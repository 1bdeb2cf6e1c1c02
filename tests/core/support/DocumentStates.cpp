#include "DocumentStates.h"

#include "core/document/DocumentTexts.h"
#include "core/document/DocumentLoading.h"

#include <stdexcept>

namespace vq::test {

std::unique_ptr<Document> Opened(const std::string& bytes, const AnalysisSettings& analysis) {
    LoadOptions options;
    options.analysis = &analysis;
    LoadResult loaded = OpenBytesIntoDocument(ByteBuffer::copyOf(bytes), options);
    if (loaded.status != LoadStatus::Loaded)
        throw std::runtime_error("the bytes did not load");
    loaded.document->setFileName("/a.ini");
    loaded.document->showFileNameInCaption();
    return std::move(loaded.document);
}

std::unique_ptr<Document> MakeDocument(std::string_view bytes) {
    auto doc = std::make_unique<Document>();
    doc->load(bytes, Progress{});
    doc->setFileName("/a.ini");
    doc->setModified(false);
    return doc;
}

std::unique_ptr<Document> MakeDocument(const std::vector<RowSetup>& rows) {
    std::string bytes;
    for (const RowSetup& r : rows)
        if (!r.isNew)
            bytes += (r.edited ? r.original : r.text) + "\n";
    auto doc = MakeDocument(bytes);
    for (size_t i = 0; i < rows.size(); ++i) {
        const RowSetup& r = rows[i];
        if (r.isNew) {
            doc->insertRow(i, r.text, r.checked);
            doc->setEdited(i, r.edited);
            continue;
        }
        if (r.edited) {
            doc->setCaption(i, r.text);
            doc->setEdited(i, true);
        }
        doc->setChecked(i, r.checked);
    }
    doc->setModified(false);
    doc->clearLog();
    return doc;
}

std::vector<RowSetup> Plain(std::initializer_list<std::string_view> texts) {
    std::vector<RowSetup> rows;
    for (std::string_view t : texts) {
        RowSetup r;
        if (t.ends_with(" +c")) {
            t.remove_suffix(3);
            r.checked = true;
        }
        r.text = std::string(t);
        rows.push_back(r);
    }
    return rows;
}

std::vector<std::string> RowStates(const Document& doc) {
    std::vector<std::string> out;
    for (size_t i = 0; i < doc.rowCount(); ++i) {
        std::string flags;
        if (doc.checked(i))
            flags += 'c';
        if (doc.edited(i))
            flags += 'e';
        if (doc.isNewRow(i))
            flags += 'n';
        if (flags.empty())
            flags += '-';
        const std::string original = doc.isNewRow(i) ? std::string(texts::kNewLineMark) : std::string(doc.original(i));
        out.push_back(std::string(doc.caption(i)) + "|" + original + "|" + flags);
    }
    return out;
}

std::vector<std::string> Captions(const Document& doc) {
    std::vector<std::string> out;
    for (size_t i = 0; i < doc.rowCount(); ++i)
        out.emplace_back(doc.caption(i));
    return out;
}

std::vector<std::string> LogEntries(const Document& doc) {
    std::vector<std::string> out;
    for (size_t i = 0; i < doc.log().size(); ++i)
        out.push_back(doc.log().entry(i).full());
    return out;
}

std::vector<std::string> TargetLines(const Document& doc) {
    std::vector<std::string> out;
    const TargetText target = doc.target();
    for (size_t i = 0; i < target.lineCount(); ++i)
        out.emplace_back(target.line(i));
    return out;
}

AnalysisSettings Signs(std::string remSign) {
    AnalysisSettings s;
    s.remSign = std::move(remSign);
    s.titleBeginSign = ";;;;;;";
    s.titleEndSign = "######";
    return s;
}

}  // namespace vq::test
