#include "core/files/FileErrorText.h"

#include "core/files/FileTexts.h"
#include "core/files/SafeWrite.h"

#include <system_error>

namespace vq {

namespace {

std::string SystemReason(int code) {
    for (const auto& [known, text] : texts::kErrnoTexts) {
        if (known == code)
            return text;
    }
    return std::generic_category().message(code);
}

// The lines that are not empty, one below the other.
std::string Lines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines) {
        if (line.empty())
            continue;
        if (!text.empty())
            text += '\n';
        text += line;
    }
    return text;
}

}  // namespace

std::string ReasonText(const FileError& error) {
    switch (error.problem) {
    case FileProblem::None: return {};
    case FileProblem::System: return SystemReason(error.code);
    case FileProblem::Folder: return texts::kReasonFolder;
    case FileProblem::NotRegular: return texts::kReasonNotRegular;
    case FileProblem::NotEncodable: return texts::kTextNotEncodable;
    case FileProblem::ChangedOnDisk: return texts::kReasonChangedOnDisk;
    case FileProblem::LinkAdded: return FormatMessage(texts::kReasonLinkAdded, {error.path});
    case FileProblem::LinkChanged: return FormatMessage(texts::kReasonLinkChanged, {error.path});
    case FileProblem::LinkUnsafe: return FormatMessage(texts::kReasonLinkUnsafe, {error.path});
    }
    return {};
}

std::string OpenErrorMessage(const std::string& path, const FileError& error) {
    return Lines({FormatMessage(texts::kOpenFailed, {path}), ReasonText(error)});
}

std::string SaveErrorMessage(const std::string& path, const WriteResult& result) {
    const std::string kept =
        result.keptCopy.empty() ? std::string() : FormatMessage(texts::kNewContentKept, {result.keptCopy});
    return Lines({FormatMessage(texts::kSaveFailed, {path}), ReasonText(result.error), kept});
}

}  // namespace vq
