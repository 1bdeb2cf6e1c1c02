#include "cli/EditCommand.h"

#include "cli/ExitStatus.h"
#include "cli/JsonText.h"
#include "cli/WholeOutput.h"

#include "cli/CliTexts.h"
#include "core/files/FileErrorText.h"

#include <cerrno>
#include <string>

namespace vq::cli {

namespace {

std::string OperationJson(const EditDone& done) {
    JsonObject o;
    o.add("operation", ActionName(done.edit.action)).add("section", done.edit.section).add("key", done.edit.key);
    if (done.edit.action == EditAction::Set)
        o.add("value", done.edit.value);
    else if (done.result.outcome == EditOutcome::Found)
        o.add("value", done.result.value);
    return o.add("result", OutcomeWord(done.result.outcome)).add("changed", done.result.changed()).close();
}

std::string ReportJson(const FileEditRequest& request, const FileEditResult& result) {
    std::string operations = "[";
    for (const EditDone& done : result.edits)
        operations += (operations.size() > 1 ? ", " : "") + OperationJson(done);
    operations += "]";
    JsonObject o;
    o.add("changed", result.ok && result.changed).add("written", result.written).add("check", request.check);
    o.add("path", request.path).addRaw("operations", operations);
    if (!result.ok)
        o.add("failed", true).add("msg", result.error);
    if (request.diff)
        o.add("diff", result.diff);
    return o.close() + "\n";
}

std::string ReportText(const FileEditResult& result) {
    std::string text;
    for (const EditDone& done : result.edits)
        if (done.result.outcome == EditOutcome::Found)
            text += done.result.value + "\n";
    return text + result.diff;
}

}  // namespace

std::string_view ActionName(EditAction action) {
    switch (action) {
    case EditAction::Get: return "get";
    case EditAction::Set: return "set";
    case EditAction::Disable: return "disable";
    case EditAction::Enable: return "enable";
    case EditAction::Delete: return "delete";
    }
    return "get";
}

int RunEdits(const FileEditRequest& request, const EditOutput& output, int out, int err) {
    const FileEditResult result = EditFile(request);
    if (!result.ok)
        WholeOutput(err).write(result.error + "\n");
    const std::string report = output.json ? ReportJson(request, result) : result.ok ? ReportText(result) : "";
    WholeOutput printed(out);
    if (const int error = printed.write(report)) {
        if (error == EPIPE)
            return kExitClosedPipe;  // the reader has all it wants: nothing to say
        WholeOutput(err).write(std::string(texts::kCliWriteFailed) + "\n" + ReasonText(FileError::System(error)) +
                               "\n");
        return kExitFailed;
    }
    return result.ok ? kExitOk : kExitFailed;
}

}  // namespace vq::cli
