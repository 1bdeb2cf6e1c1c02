#pragma once

// The headless command line: what the arguments ask for, or the usage error they make.
//   varnoquil --outline [options] FILE
//   varnoquil --extract checked|tree|all [options] FILE
//   varnoquil --help | --version

#include "core/extraction/Extraction.h"
#include "core/settings/AnalysisSettings.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vq::cli {

enum class Command { Outline, Extract, Help, Version };

struct Request {
    Command command = Command::Outline;
    ExtractionKind extraction = ExtractionKind::Checked;
    // The pattern's settings with the sign, title and omit-spaces options put over them.
    AnalysisSettings settings;
    std::string path;
};

struct ParseResult {
    std::optional<Request> request;
    std::string error;  // the usage error when there is no request
};

inline constexpr int kDefaultPattern = 2;

// True when an argument (before a lone "--") is one of the options above, --lang aside: then the program
// runs headless, else the window starts with the arguments as before.
bool IsHeadless(std::span<const std::string_view> args);

// The arguments after the program's name. Options come as "--name value" or "--name=value";
// "--" ends them, so a file name may start with "-". --help and --version answer at once,
// whatever follows them; an error before them is reported instead.
ParseResult ParseCommandLine(std::span<const std::string_view> args);

}  // namespace vq::cli
