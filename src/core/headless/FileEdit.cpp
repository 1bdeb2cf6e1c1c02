#include "core/headless/FileEdit.h"

#include "core/document/OpenAndAnalyse.h"
#include "core/document/SignEncoding.h"
#include "core/files/FileErrorText.h"
#include "core/files/SafeWrite.h"
#include "core/headless/EditDiff.h"
#include "core/headless/EditEncoding.h"
#include "core/headless/HeadlessTexts.h"
#include "core/text/TextLines.h"
#include "core/text/Utf16Text.h"

#include <algorithm>
#include <optional>

namespace vq {

namespace {

std::optional<KeyEdit> Encoded(const KeyEdit& edit, const EditEncoding& encoding, std::string& error) {
    KeyEdit out = edit;
    for (std::string* text : {&out.section, &out.key, &out.value}) {
        std::optional<std::string> bytes = encoding.encode(*text, error);
        if (!bytes)
            return std::nullopt;
        *text = std::move(*bytes);
    }
    return out;
}

std::string FailureText(const KeyEdit& edit, const KeyEditResult& result) {
    if (result.outcome == EditOutcome::Refused)
        return result.error;
    return FormatMessage(edit.action == EditAction::Enable ? texts::kEditNothingToEnable : texts::kEditKeyNotFound,
                         {edit.section, edit.key});
}

FileEditResult Failure(FileEditResult result, std::string error) {
    result.ok = false;
    result.error = std::move(error);
    result.written = false;
    return result;
}

// True when the pieces are exactly the text read.
bool SameAsRead(std::string_view read, const std::vector<std::string_view>& pieces) {
    size_t at = 0;
    for (const std::string_view piece : pieces) {
        if (piece.size() > read.size() - at)
            return false;
        if (piece.data() != read.data() + at && read.compare(at, piece.size(), piece) != 0)
            return false;
        at += piece.size();
    }
    return at == read.size();
}

std::string Joined(const std::vector<std::string_view>& pieces) {
    std::string out;
    for (const std::string_view piece : pieces)
        out.append(piece);
    return out;
}

}  // namespace

FileEditResult EditFile(const FileEditRequest& request) {
    FileEditResult result;
    OpenRequest open;
    open.path = request.standardInput ? "-" : request.path;
    open.signs = request.settings;
    open.codePage = request.codePage;
    LoadResult loaded = OpenAndAnalyse(open);
    if (loaded.status != LoadStatus::Loaded)
        return Failure(std::move(result), loaded.error);
    Document& doc = *loaded.document;
    const AnalysisSettings settings = SignsForDocument(request.settings, doc.encoding(), request.codePage);
    const EditEncoding encoding(doc.encoding(), request.codePage);
    std::string error;

    KeyEditor editor(doc, settings);
    for (const KeyEdit& edit : request.edits) {
        const std::optional<KeyEdit> bytes = Encoded(edit, encoding, error);
        if (bytes)
            error = CheckEditTexts(settings, *bytes, edit);
        if (!bytes || !error.empty()) {
            result.edits.push_back({edit, {EditOutcome::Refused, {}, error, 0}});
            return Failure(std::move(result), error);
        }
        KeyEditResult done = editor.apply(*bytes);
        done.value = encoding.decode(done.value);
        result.edits.push_back({edit, done});
        if (done.failed())
            return Failure(std::move(result), FailureText(edit, done));
    }

    // The bytes to save, in the file's own form: the document's buffer where lines are as read.
    const TargetText target = doc.target();
    const std::vector<std::string_view> pieces = target.pieces();
    result.changed = !SameAsRead(target.readText(), pieces);
    result.ok = true;
    if (!result.changed)
        return result;
    if (request.diff)
        result.diff = UnifiedDiff(doc, request.path, [&](std::string_view line) { return encoding.decode(line); });
    if (request.check || request.standardInput)
        return result;

    // Written as the window saves, refused when another program changed the file since it was
    // read (or a link on its way changed).
    const std::string_view bom = doc.hasBom() ? kUtf8Bom : std::string_view();
    std::vector<std::string_view> newBytes;
    std::optional<std::string> utf16;
    if (loaded.form == FileForm::Bytes) {
        newBytes.push_back(bom);
        newBytes.insert(newBytes.end(), pieces.begin(), pieces.end());
    } else {
        utf16 = ToFileBytes(std::string(bom) + Joined(pieces), loaded.form);
        if (!utf16)
            return Failure(std::move(result), ReasonText(FileError{FileProblem::NotEncodable, 0, {}}));
        newBytes = {*utf16};
    }
    const WriteResult written = SaveKnownFile(request.path, newBytes, loaded.file, SaveCheck::IfUnchanged);
    if (!written.ok)
        return Failure(std::move(result), SaveErrorMessage(request.path, written));
    result.written = true;
    return result;
}

}  // namespace vq
