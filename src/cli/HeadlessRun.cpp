#include "cli/HeadlessRun.h"

#include "cli/CommandLine.h"
#include "cli/Outline.h"
#include "cli/WholeOutput.h"

#include "core/Texts.h"
#include "core/about/VersionInfo.h"
#include "core/document/DocumentLoading.h"
#include "core/files/FileErrorText.h"
#include "core/settings/LanguageChoice.h"
#include "core/settings/SettingsFile.h"

#include <cerrno>
#include <csignal>
#include <new>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace vq::cli {

namespace {

std::vector<std::string_view> Arguments(int argc, char** argv) {
    std::vector<std::string_view> args;
    for (int k = 1; k < argc; ++k)
        args.emplace_back(argv[k]);
    return args;
}

// A message and its line break; standard error has nobody to tell when it fails.
void Say(int err, const std::string& text) { WriteWhole(err, text + "\n"); }

// Missing: nothing at the path, or a part of it that is not a folder. Anything else (a folder,
// no permission) is for reading the file to report.
bool IsMissing(const std::string& path) {
    struct stat st {};
    return path.empty() || (::stat(path.c_str(), &st) != 0 && (errno == ENOENT || errno == ENOTDIR));
}

int Emit(int out, int err, std::string_view bytes) {
    if (const int error = WriteWhole(out, bytes)) {
        Say(err, std::string(texts::kCliWriteFailed) + "\n" + ReasonText(FileError::System(error)));
        return kExitFailed;
    }
    return kExitOk;
}

std::string NumberedLines(const texts::Phrase* captions, int count) {
    std::string lines;
    for (int k = 0; k < count; ++k)
        lines += "                         " + std::to_string(k) + "  " + captions[k] + "\n";
    return lines;
}

// The bytes Save writes after the extraction, in the file's own form (UTF-16 files go back to
// UTF-16); nothing when the text does not fit that form.
std::optional<std::string> ExtractedBytes(Document& doc, ExtractionKind kind, FileForm form) {
    ExtractLines(doc, kind);
    std::string bytes = doc.saveBytes();
    if (form == FileForm::Bytes)
        return bytes;
    return ToFileBytes(bytes, form);
}

int RunOnFile(const Request& r, int out, int err) {
    if (IsMissing(r.path)) {
        Say(err, FormatMessage(texts::kFileMissing, {r.path}));
        return kExitUsage;
    }
    LoadOptions options;
    options.analysis = &r.settings;
    LoadResult loaded = ReadFileIntoDocument(r.path, options);
    if (loaded.status != LoadStatus::Loaded) {
        Say(err, loaded.error);
        return kExitFailed;
    }
    Document& doc = *loaded.document;
    if (r.command == Command::Outline)
        return Emit(out, err, OutlineOf(doc).view());
    const std::optional<std::string> bytes = ExtractedBytes(doc, r.extraction, loaded.form);
    if (!bytes) {
        Say(err, ReasonText(FileError{FileProblem::NotEncodable, 0}));
        return kExitFailed;
    }
    return Emit(out, err, *bytes);
}

}  // namespace

std::string HelpText() {
    return FormatMessage(texts::kCliHelp, {NumberedLines(texts::kPatternCaptions, kPatternCount),
                                           NumberedLines(texts::kTitleTypeCaptions, kTitleTypeCount)});
}

std::string VersionText() {
    return FormatMessage(texts::kCliVersion, {about::GetVersionString(about::ProgramVersionInfo(), "ProductVersion")}) +
           "\n";
}

bool IsHeadlessCommandLine(int argc, char** argv) {
    const std::vector<std::string_view> args = Arguments(argc, argv);
    return IsHeadless(args);
}

int RunCommandLine(std::span<const std::string_view> args, int out, int err) {
    const ParseResult parsed = ParseCommandLine(args);
    if (!parsed.request) {
        Say(err, parsed.error + "\n" + texts::kCliUsageHint);
        return kExitUsage;
    }
    const Request& r = *parsed.request;
    try {
        switch (r.command) {
        case Command::Help: return Emit(out, err, HelpText());
        case Command::Version: return Emit(out, err, VersionText());
        case Command::Outline:
        case Command::Extract: return RunOnFile(r, out, err);
        }
    } catch (const std::bad_alloc&) {
        Say(err, ReasonText(FileError::System(ENOMEM)));
    }
    return kExitFailed;
}

int RunHeadless(int argc, char** argv) {
    // A reader that goes away, or a file-size limit, must give a write error to report, not end
    // the program silently.
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
    const std::vector<std::string_view> args = Arguments(argc, argv);
    // The window's language, so that a script's messages read as the user's window does.
    SetLanguage(ChooseLanguage(args, SettingsFilePath(ProgramSettingsPlace())));
    const int status = RunCommandLine(args, STDOUT_FILENO, STDERR_FILENO);
    // Some file systems report a failed write only when the file is closed.
    if (::close(STDOUT_FILENO) != 0 && status == kExitOk) {
        const int error = errno;
        if (error != EINTR && error != EBADF) {
            Say(STDERR_FILENO, std::string(texts::kCliWriteFailed) + "\n" + ReasonText(FileError::System(error)));
            return kExitFailed;
        }
    }
    return status;
}

}  // namespace vq::cli
