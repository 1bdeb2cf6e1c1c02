#include "ProgramRun.h"

#include "TempFolder.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <thread>

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
[[noreturn]] void Exec(const std::vector<char*>& argv, const std::vector<char*>& envp, int in, int out, int err,
                       const RunOptions& options) {
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
    case Output::Path: {
        const int mode = output.append ? O_APPEND : output.over ? 0 : O_TRUNC;
        return ::open(output.path.c_str(), (output.readable ? O_RDWR : O_WRONLY) | O_CREAT | O_CLOEXEC | mode, 0644);
    }
    case Output::ClosedPipe:
        if (::pipe2(pipeEnds, O_CLOEXEC) != 0)
            return -1;
        ::close(pipeEnds[0]);  // nobody will ever read
        return pipeEnds[1];
    }
    return -1;
}

// Standard input of the run; for a pipe, the thread that fills it.
int OpenInput(const Input& input, std::thread& writer) {
    switch (input.kind) {
    case Input::Nothing: return ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    case Input::Path: return ::open(input.path.c_str(), O_RDONLY | O_CLOEXEC);
    case Input::Pipe: {
        int ends[2] = {-1, -1};
        if (::pipe2(ends, O_CLOEXEC) != 0)
            return -1;
        writer = std::thread([fd = ends[1], bytes = input.bytes] {
            // A program that stops reading gives EPIPE here, not a signal that ends the tests.
            sigset_t pipeSignal;
            sigemptyset(&pipeSignal);
            sigaddset(&pipeSignal, SIGPIPE);
            pthread_sigmask(SIG_BLOCK, &pipeSignal, nullptr);
            for (size_t done = 0; done < bytes.size();) {
                const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
                if (n <= 0 && errno != EINTR)
                    break;
                done += n > 0 ? static_cast<size_t>(n) : 0;
            }
            ::close(fd);
        });
        return ends[0];
    }
    }
    return -1;
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (std::string& s : strings)
        pointers.push_back(s.data());
    pointers.push_back(nullptr);
    return pointers;
}

Outcome Run(std::vector<std::string> strings, std::vector<std::string> env, const RunOptions& options) {
    const vq::test::TempFolder files;
    int pipeEnds[2] = {-1, -1};
    const int out = OpenOutput(options.output, files.at("out"), pipeEnds);
    const int err = ::open(files.at("err").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    std::thread writer;
    const int in = OpenInput(options.input, writer);
    if (out < 0 || err < 0 || in < 0)
        throw std::runtime_error("cannot open the run's input or output files");

    const std::vector<char*> argv = Pointers(strings);
    const std::vector<char*> envp = Pointers(env);
    const pid_t pid = ::fork();
    if (pid == 0)
        Exec(argv, envp, in, out, err, options);
    ::close(in);
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
    if (writer.joinable())
        writer.join();
    return outcome;
}

}  // namespace

// The built program, or another build of it named in $VQ_PROGRAM (an installed copy, say).
std::string ProgramPath() {
    const char* other = std::getenv("VQ_PROGRAM");
    return other != nullptr && *other != '\0' ? std::string(other) : std::string(VQ_PROGRAM);
}

Outcome RunProgram(const std::vector<std::string>& args, const RunOptions& options) {
    std::vector<std::string> strings{ProgramPath()};
    strings.insert(strings.end(), args.begin(), args.end());
    return Run(std::move(strings), Environment(options), options);
}

Outcome RunShell(const std::string& command) {
    const RunOptions options;
    std::vector<std::string> env = Environment(options);
    env.push_back("VQ=" + ProgramPath());
    return Run({"/bin/sh", "-c", command}, std::move(env), options);
}

}  // namespace clitest
