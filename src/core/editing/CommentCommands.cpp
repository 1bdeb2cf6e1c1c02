#include "core/editing/CommentCommands.h"

#include "core/editing/EditingTexts.h"
#include "core/document/Document.h"
#include "core/document/LineTests.h"
#include "core/editing/CommandFrame.h"

#include <string>

namespace vq {

bool CanCommentRows(const Document& doc, const AnalysisSettings& s, SelectedRows selected) {
    RequireSelection(doc, selected);
    return selected.size() > 1 || (selected.size() == 1 && !IsCommentLine(s, doc.caption(selected.front())));
}

bool CanUncommentRows(const Document& doc, const AnalysisSettings& s, SelectedRows selected) {
    RequireSelection(doc, selected);
    return selected.size() > 1 || (selected.size() == 1 && IsCommentLine(s, doc.caption(selected.front())));
}

size_t CommentRows(Document& doc, const AnalysisSettings& s, SelectedRows selected) {
    RequireSelection(doc, selected);
    Document::ChangeBatch batch(doc);
    FramedCommand frame(doc, texts::kCapRemLine, texts::kWordComment, selected.size());
    std::string commented;  // reused: no allocation per row
    for (const size_t i : selected) {
        const std::string_view old = doc.caption(i);
        if (!IsCommentLine(s, old)) {
            // Logged first: the view of the old text is gone once the row has its new one.
            doc.addLogEntry(static_cast<int>(i), texts::kCapRemLine, old);
            commented.assign(s.remSign).append(old);
            doc.setCaption(i, commented);
            doc.setEdited(i, true);
            frame.count();
        }
        doc.setChecked(i, false);
    }
    return frame.finish();
}

Uncommented UncommentText(const AnalysisSettings& s, std::string_view text) {
    // A longer sign never equals one character, so it never counts here.
    const bool oneByteSign = s.remSign.size() == 1;
    const char sign = oneByteSign ? s.remSign.front() : '\0';
    size_t run = 0;
    bool hadSign = false;
    for (; run < text.size(); ++run) {
        const char c = text[run];
        if (oneByteSign && c == sign)
            hadSign = true;
        else if (c != ' ' && c != '\t')
            break;
    }
    // A row of blanks alone keeps its text; a run of signs (and blanks) alone leaves it empty.
    if (run == text.size() && !hadSign)
        return {text, false};
    return {text.substr(run), hadSign};
}

size_t UncommentRows(Document& doc, const AnalysisSettings& s, SelectedRows selected) {
    RequireSelection(doc, selected);
    Document::ChangeBatch batch(doc);
    FramedCommand frame(doc, texts::kCapUnRem, texts::kWordUncomment, selected.size());
    for (const size_t i : selected) {
        const std::string_view old = doc.caption(i);
        const Uncommented result = UncommentText(s, old);
        if (result.hadSign) {
            doc.addLogEntry(static_cast<int>(i), texts::kCapUnRem, old);
            frame.count();
        }
        doc.setCaption(i, result.text);  // a piece of the row's own text: the document copes
        doc.setChecked(i, true);
        doc.setEdited(i, true);
    }
    return frame.finish();
}

}  // namespace vq
