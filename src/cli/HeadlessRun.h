#pragma once

// The command line for scripts: runs without Qt or a display. Of the settings file it reads only
// the language (see ChooseLanguage).
// Its exit statuses are in ExitStatus.h.

#include "cli/ExitStatus.h"

#include "core/Language.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vq::cli {

// main()'s arguments after the program's name.
std::vector<std::string_view> Arguments(int argc, char** argv);

// Chooses the run's language before anything speaks (see ChooseLanguage) from main()'s arguments
// and the settings file the window reads, and returns it.
Language ChooseRunLanguage(std::span<const std::string_view> args);

// Runs the command line of main()'s arguments: output on standard output, errors on standard
// error.
int RunHeadless(std::span<const std::string_view> args);

// Whether the window can start: 0 when it can, else the exit status after the reason has been
// said on standard error (no display to show it on, or a build without a window). Called before
// anything of Qt exists.
int CheckWindowCanStart(bool built);

// The same with the arguments after the program's name and the two descriptors given, in the
// language already chosen.
int RunCommandLine(std::span<const std::string_view> args, int out, int err);

// What --help and --version print.
std::string HelpText();
std::string VersionText();

}  // namespace vq::cli
