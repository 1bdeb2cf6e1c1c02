#pragma once

// The headless command line: what the arguments ask for, or the usage error they make.
//   varnoquil --outline [options] FILE
//   varnoquil --extract checked|tree|all [options] FILE
//   varnoquil EDIT... [--check] [--diff] [--json] [options] FILE
//     EDIT: --get S K | --set S K V | --disable S K | --enable S K | --delete S K
//   varnoquil -h|--help | -V|--version
// FILE "-" is standard input.

#include "core/extraction/Extraction.h"
#include "core/headless/KeyEdit.h"
#include "core/settings/AnalysisSettings.h"
#include "core/text/LegacyEncoding.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vq::cli {

enum class Command { Outline, Extract, Edit, Help, Version };

struct Request {
    Command command = Command::Outline;
    ExtractionKind extraction = ExtractionKind::Checked;
    // The pattern's settings with the sign, title and omit-spaces options put over them, the
    // signs as given (UTF-8).
    AnalysisSettings settings;
    // The code page a file that is not UTF-8 is read in, as the window's font character set picks it.
    LegacyCodePage codePage = LegacyCodePage::Gb18030;
    std::string path;  // "-" for standard input
    // Edit: the operations in the order given (texts as given, UTF-8), and how to run them.
    std::vector<KeyEdit> edits;
    bool check = false;
    bool diff = false;
    bool json = false;
};

struct ParseResult {
    std::optional<Request> request;
    std::string error;  // the usage error when there is no request
};

inline constexpr int kDefaultPattern = 2;

// True when an argument before a lone "--" is an option, known or not, other than a --lang with
// a known language: then the command line runs (and reports an unknown one), else the window
// starts on the arguments in the language asked for.
bool IsHeadless(std::span<const std::string_view> args);

// The window's arguments: the files to open, without --lang and the "--" that may come before them.
std::vector<std::string> WindowArguments(std::span<const std::string_view> args);

// The arguments after the program's name. Options come as "--name value" or "--name=value";
// the editing operations take their two or three values as the arguments after them, whatever
// they hold ("--set PHP memory_limit -1"). "--" ends the options, so a file name may start with
// "-". --help and --version answer at once,
// whatever follows them; an error before them is reported instead.
ParseResult ParseCommandLine(std::span<const std::string_view> args);

}  // namespace vq::cli
