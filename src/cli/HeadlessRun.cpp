#include "cli/HeadlessRun.h"

#include "cli/CommandLine.h"
#include "cli/EditCommand.h"
#include "cli/Outline.h"
#include "cli/StreamedOutput.h"
#include "cli/WholeOutput.h"

#include "cli/CliTexts.h"
#include "core/about/VersionInfo.h"
#include "core/document/LineTable.h"
#include "core/document/OpenAndAnalyse.h"
#include "core/document/SignEncoding.h"
#include "core/files/FileAccess.h"
#include "core/files/FileErrorText.h"
#include "core/files/FileTexts.h"
#include "core/settings/LanguageChoice.h"
#include "core/settings/SettingsFile.h"
#include "core/settings/SettingsTexts.h"
#include "core/text/Utf16Text.h"

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <optional>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace vq::cli {

namespace {

// A message and its line break; standard error has nobody to tell when it fails.
void Say(int err, const std::string& text) { WholeOutput(err).write(text + "\n"); }

// Missing: nothing at the path, or a part of it that is not a folder. Anything else (a folder,
// no permission) is for reading the file to report.
bool IsMissing(const std::string& path) {
    struct stat st {};
    return path.empty() || (::stat(path.c_str(), &st) != 0 && (errno == ENOENT || errno == ENOTDIR));
}

// The status of a command whose output ended with `error` (0 when all went out), and its report.
int Ended(const WholeOutput& output, int error, int err) {
    if (error == 0)
        return kExitOk;
    if (error == EPIPE)
        return kExitClosedPipe;  // the reader has all it wants: nothing to say
    std::string text = std::string(texts::kCliWriteFailed) + "\n" + ReasonText(FileError::System(error));
    if (!output.restored())
        text += std::string("\n") + texts::kCliOutputNotRestored;
    Say(err, text);
    return kExitFailed;
}

int Emit(int out, int err, std::string_view bytes) {
    WholeOutput output(out);
    const int error = output.write(bytes);
    return Ended(output, error, err);
}

// The outline or extraction classified and written in one pass over the file, read piece by
// piece, without a document: for a regular file that is not UTF-16, under signs that are the
// same bytes in UTF-8 and in the code page (so the file's encoding does not change the analysis).
// Nothing when that does not hold; the document's way gives the same output then, or the error.
std::optional<int> Streamed(const Request& r, int out, int err) {
    if (r.path == "-" || !SameSigns(r.settings, SignsForDocument(r.settings, TextEncoding::Legacy, r.codePage)))
        return std::nullopt;
    const OpenedFile file = OpenWalkedFile(r.path);
    if (file.error || static_cast<std::uint64_t>(file.st.st_size) > LineTable::kMaxBytes)
        return std::nullopt;
    FileLines lines(file.handle.get());
    if (lines.start() != 0 || StartsWithUtf16Mark(lines.head()))
        return std::nullopt;
    WholeOutput output(out);
    const OutputSink sink = [&output](std::string_view piece) { return output.write(piece); };
    const int error = r.command == Command::Outline ? StreamOutline(lines, r.settings, sink)
                                                    : StreamExtraction(lines, r.settings, r.extraction, sink);
    if (error == 0 && lines.error() != 0) {
        // The file could not be read to its end: what was written of it goes.
        std::string text = OpenErrorMessage(r.path, FileError::System(lines.error()));
        if (!output.restore())
            text += std::string("\n") + texts::kCliOutputNotRestored;
        Say(err, text);
        return kExitFailed;
    }
    return Ended(output, error, err);
}

// Standard input for "-"; a fifo or a terminal named by its path is read to its end too.
LoadResult Load(const Request& r) {
    OpenRequest open;
    open.path = r.path;
    open.signs = r.settings;
    open.codePage = r.codePage;
    open.streams = Streams::ReadToEnd;
    return OpenAndAnalyse(open);
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

int Edit(const Request& r, int out, int err) {
    FileEditRequest request;
    request.path = r.path;
    request.standardInput = r.path == "-";
    request.edits = r.edits;
    request.settings = r.settings;
    request.codePage = r.codePage;
    request.check = r.check;
    request.diff = r.diff;
    return RunEdits(request, EditOutput{r.json}, out, err);
}

int RunOnFile(const Request& r, int out, int err) {
    if (r.path != "-" && IsMissing(r.path)) {
        Say(err, FormatMessage(texts::kFileMissing, {r.path}));
        return kExitUsage;
    }
    if (r.command == Command::Edit)
        return Edit(r, out, err);
    if (const std::optional<int> status = Streamed(r, out, err))
        return *status;
    LoadResult loaded = Load(r);
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

std::vector<std::string_view> Arguments(int argc, char** argv) {
    std::vector<std::string_view> args;
    for (int k = 1; k < argc; ++k)
        args.emplace_back(argv[k]);
    return args;
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
        case Command::Extract:
        case Command::Edit: return RunOnFile(r, out, err);
        }
    } catch (const std::bad_alloc&) {
        Say(err, ReasonText(FileError::System(ENOMEM)));
    }
    return kExitFailed;
}

Language ChooseRunLanguage(std::span<const std::string_view> args) {
    const Language language = ChooseLanguage(args, LocateSettingsFiles(ProgramSettingsPlace()).read);
    SetLanguage(language);
    return language;
}

int RunHeadless(std::span<const std::string_view> args) {
    // A reader that goes away ends the program quietly, as it ends cat, even when the caller
    // ignored the signal. A file-size limit must give a write error to report instead, so the
    // output file can be put back.
    std::signal(SIGPIPE, SIG_DFL);
    std::signal(SIGXFSZ, SIG_IGN);
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

namespace {

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

}  // namespace

int CheckWindowCanStart(bool built) {
    if (!built) {
        Say(STDERR_FILENO, std::string(texts::kCliNoWindow) + "\n" + texts::kCliUsageHint);
        return kExitUsage;
    }
    // Without any of these Qt finds no platform and aborts.
    if (IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY") || IsSet("QT_QPA_PLATFORM"))
        return kExitOk;
    Say(STDERR_FILENO, std::string(texts::kCliNoDisplay) + "\n" + texts::kCliUsageHint);
    return kExitFailed;
}

}  // namespace vq::cli
