#pragma once

// Runs the built program as a process, the way a script does, and collects what it printed.

#include <string>
#include <vector>

#include <sys/types.h>

namespace clitest {

struct Outcome {
    int status = -1;  // the exit status; -1 when the program did not exit normally
    int signal = 0;   // the signal that ended it, if one did
    std::string out;  // standard output, when it went to a file of the run's own
    std::string err;  // standard error
};

// Where standard output goes.
struct Output {
    enum Kind { Capture, Path, ClosedPipe } kind = Capture;
    // For Path: opened for writing and created; truncated unless `append` or `over`. `over`
    // writes over the old bytes from the start, as the shell's 1<> does (`readable`: read and
    // write, else write only).
    std::string path;
    bool append = false;
    bool over = false;
    bool readable = true;
};

// Where standard input comes from.
struct Input {
    enum Kind { Nothing, Pipe, Path } kind = Nothing;  // Nothing: /dev/null
    std::string bytes;                                 // for Pipe: written by a thread as it is read
    std::string path;                                  // for Path: opened for reading
};

struct RunOptions {
    Output output;
    Input input;
    // A limit on the size of files the program writes (RLIMIT_FSIZE), 0 for none.
    off_t fileSizeLimit = 0;
    // Run as this user and group (only root can); -1 to stay.
    uid_t uid = static_cast<uid_t>(-1);
    gid_t gid = static_cast<gid_t>(-1);
    // HOME and XDG_CONFIG_HOME of the run; the caller's environment otherwise, always without
    // DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM.
    std::string home;
};

// The program with these arguments after its name.
Outcome RunProgram(const std::vector<std::string>& args, const RunOptions& options = {});

// The program's path in the build tree.
std::string ProgramPath();

// A shell command line run by /bin/sh, "$VQ" standing for the program; its standard output, and
// its standard error in `err`.
Outcome RunShell(const std::string& command);

}  // namespace clitest
