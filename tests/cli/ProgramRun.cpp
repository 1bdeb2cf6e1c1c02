#include "ProgramRun.h"

#include "TempFolder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include <fcntl.h>
#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace clitest {

namespace {

std::vector<std::string> Environment(const RunOptions& options) {
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry = *e;
        const std::string name = entry.substr(0, entry.find('='));
        if (name == "DISPLAY" || name == "WAYLAND_DISPLAY" || name == "QT_QPA_PLATFORM")
            continue;
        if (!options.home.empty() && (name == "HOME" || name == "XDG_CONFIG_HOME"))
            continue;
        env.push_back(entry);
    }
    if (!options.home.empty()) {
        env.push_back("HOME=" + options.home);
        env.push_back("XDG_CONFIG_HOME=" + options.home + "/.config");
    }
    return env;
}

// In the child, between fork and exec: only async-signal-safe calls.
[[noreturn]] void Exec(const std::vector<char*>& argv, const std::vector<char*>& envp, int out, int err,
                       const RunOptions& options) {
    const int in = ::open("/dev/null", O_RDONLY);
    if (in < 0 || ::dup2(in, 0) < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0)
        ::_exit(126);
    if (options.fileSizeLimit > 0) {
        const rlimit limit{static_cast<rlim_t>(options.fileSizeLimit), static_cast<rlim_t>(options.fileSizeLimit)};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            ::_exit(126);
    }
    if (options.gid != static_cast<gid_t>(-1) && (::setgroups(0, nullptr) != 0 || ::setgid(options.gid) != 0))
        ::_exit(126);
    if (options.uid != static_cast<uid_t>(-1) && ::setuid(options.uid) != 0)
        ::_exit(126);
    ::execve(argv[0], argv.data(), envp.data());
    ::_exit(127);
}

int OpenOutput(const Output& output, const std::string& capture, int pipeEnds[2]) {
    switch (output.kind) {
    case Output::Capture: return ::open(capture.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    case Output::Path:
        return ::open(output.path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | (output.append ? O_APPEND : O_TRUNC), 0644);
    case Output::ClosedPipe:
        if (::pipe2(pipeEnds, O_CLOEXEC) != 0)
            return -1;
        ::close(pipeEnds[0]);  // nobody will ever read
        return pipeEnds[1];
    }
    return -1;
}

}  // namespace

std::string ProgramPath() { return VQ_PROGRAM; }

Outcome RunProgram(const std::vector<std::string>& args, const RunOptions& options) {
    const vq::test::TempFolder files;
    int pipeEnds[2] = {-1, -1};
    const int out = OpenOutput(options.output, files.at("out"), pipeEnds);
    const int err = ::open(files.at("err").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (out < 0 || err < 0)
        throw std::runtime_error("cannot open the run's output files");

    std::vector<std::string> strings{ProgramPath()};
    strings.insert(strings.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& s : strings)
        argv.push_back(s.data());
    argv.push_back(nullptr);
    std::vector<std::string> env = Environment(options);
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    const pid_t pid = ::fork();
    if (pid == 0)
        Exec(argv, envp, out, err, options);
    ::close(out);
    ::close(err);
    if (pid < 0)
        throw std::runtime_error("fork failed");
    int wstatus = 0;
    while (::waitpid(pid, &wstatus, 0) < 0 && errno == EINTR) {
    }
    Outcome outcome;
    if (WIFEXITED(wstatus))
        outcome.status = WEXITSTATUS(wstatus);
    else if (WIFSIGNALED(wstatus))
        outcome.signal = WTERMSIG(wstatus);
    if (options.output.kind == Output::Capture)
        outcome.out = vq::test::GetBytes(files.at("out"));
    outcome.err = vq::test::GetBytes(files.at("err"));
    return outcome;
}

}  // namespace clitest
