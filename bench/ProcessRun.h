#pragma once
// Runs a program as a script would, its output thrown away, and measures what it took.

#include <chrono>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace vqbench {

struct ProcessRun {
    double wall = -1;           // seconds; negative when the program did not exit with status 0
    double cpu = -1;            // user + system seconds of the process
    long long maxResident = 0;  // bytes
};

// Standard output goes to /dev/null, and standard error too unless keepErrors.
inline ProcessRun RunQuietly(const std::vector<std::string>& command, bool keepErrors = true) {
    std::vector<std::string> copy = command;
    std::vector<char*> argv;
    for (std::string& s : copy)
        argv.push_back(s.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    if (!keepErrors)
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const auto t0 = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int rc = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0)
        return {};
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {};
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return {wall, seconds(usage.ru_utime) + seconds(usage.ru_stime), usage.ru_maxrss * 1024LL};
}

}  // namespace vqbench
