#pragma once

// The command line for scripts: runs without Qt or a display. Of the settings file it reads only
// the language (see ChooseLanguage).
// Exit status: 0 done, 1 the file could not be read or the output not written, 2 a usage error
// or a missing file.

#include <span>
#include <string>
#include <string_view>

namespace vq::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// True when the program's arguments ask for the command line rather than the window.
bool IsHeadlessCommandLine(int argc, char** argv);

// Runs the command line of main()'s arguments: output on standard output, errors on standard
// error. A closed pipe is a write error, not the end of the program.
int RunHeadless(int argc, char** argv);

// The same with the arguments after the program's name and the two descriptors given, in the
// language already chosen.
int RunCommandLine(std::span<const std::string_view> args, int out, int err);

// What --help and --version print.
std::string HelpText();
std::string VersionText();

}  // namespace vq::cli
