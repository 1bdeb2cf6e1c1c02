#include "FileTestSupport.h"

#include <array>
#include <cstdio>
#include <stdexcept>

#include <grp.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vq::test {

namespace fs = std::filesystem;

struct stat StatOf(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st;
}

std::map<std::string, std::string> Snapshot(const std::string& folder) {
    std::map<std::string, std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        // Lexically: resolving would name a link after its target.
        const std::string name = entry.path().lexically_relative(folder).string();
        if (entry.is_symlink()) {
            entries[name] = "link to " + fs::read_symlink(entry.path()).string();
        } else if (entry.is_regular_file()) {
            entries[name] = GetBytes(entry.path().string());
        } else {
            entries[name] = entry.is_directory() ? "<folder>" : "<other>";
        }
    }
    return entries;
}

namespace {

void WriteAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n <= 0)
            return;
        done += static_cast<std::size_t>(n);
    }
}

std::string ReadAll(int fd) {
    std::string text;
    std::array<char, 4096> buffer{};
    for (;;) {
        const ssize_t n = ::read(fd, buffer.data(), buffer.size());
        if (n <= 0)
            return text;
        text.append(buffer.data(), static_cast<std::size_t>(n));
    }
}

// Changes users the order the kernel requires: groups while still root, then the user.
std::string BecomeUser(const Identity& who) {
    if (::setgroups(who.groups.size(), who.groups.data()) != 0)
        return "setup: setgroups failed";
    if (::setgid(who.gid) != 0)
        return "setup: setgid failed";
    if (::setuid(who.uid) != 0)
        return "setup: setuid failed";
    return {};
}

std::string RunForked(const std::function<std::string()>& work) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return "setup: pipe failed";
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid < 0)
        return "setup: fork failed";
    if (pid == 0) {
        ::close(pipeFds[0]);
        WriteAll(pipeFds[1], work());
        ::_exit(0);
    }
    ::close(pipeFds[1]);
    const std::string text = ReadAll(pipeFds[0]);
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (WIFSIGNALED(status))
        return "killed by signal " + std::to_string(WTERMSIG(status));
    return text;
}

}  // namespace

std::string RunInChild(const std::function<std::string()>& work) { return RunForked(work); }

std::string RunAs(const Identity& who, const std::function<std::string()>& work) {
    return RunForked([&] {
        const std::string failed = BecomeUser(who);
        return failed.empty() ? work() : failed;
    });
}

Identity UnprivilegedUser() {
    if (::geteuid() != 0)
        return {::getuid(), ::getgid(), {}};
    return {kNobody, kNogroup, {}};
}

std::string RunUnprivileged(const std::function<std::string()>& work) {
    // A child either way, so that what the work changes in its process (TMPDIR, say) stays there.
    if (::geteuid() != 0)
        return RunInChild(work);
    return RunAs(UnprivilegedUser(), work);
}

void HandOver(const std::string& path) {
    if (::geteuid() != 0)
        return;
    const Identity user = UnprivilegedUser();
    ::lchown(path.c_str(), user.uid, user.gid);
}

std::string CommandOutput(const std::string& command) {
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr)
        return {};
    std::string out = ReadAll(::fileno(pipe));
    return ::pclose(pipe) == 0 ? out : std::string();
}

bool HaveCommand(const std::string& name) { return ::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0; }

}  // namespace vq::test
