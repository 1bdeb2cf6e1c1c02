#include "core/document/SignEncoding.h"

#include "core/document/DocumentTexts.h"
#include "core/document/TreeBuilder.h"

namespace vq {

std::string SignForDocument(std::string_view sign, TextEncoding encoding, LegacyCodePage page) {
    if (encoding == TextEncoding::Utf8)
        return std::string(sign);
    LegacyEncoded encoded = EncodeLegacy(sign, page);
    return encoded.ok ? std::move(encoded.bytes) : std::string(sign);
}

AnalysisSettings SignsForDocument(const AnalysisSettings& typed, TextEncoding encoding, LegacyCodePage page) {
    AnalysisSettings s = typed;
    s.remSign = SignForDocument(typed.remSign, encoding, page);
    s.splitSign = SignForDocument(typed.splitSign, encoding, page);
    s.titleBeginSign = SignForDocument(typed.titleBeginSign, encoding, page);
    s.titleEndSign = SignForDocument(typed.titleEndSign, encoding, page);
    return s;
}

bool SameSigns(const AnalysisSettings& a, const AnalysisSettings& b) {
    return a.remSign == b.remSign && a.splitSign == b.splitSign && a.titleBeginSign == b.titleBeginSign &&
           a.titleEndSign == b.titleEndSign;
}

bool AnalyseInCodePage(Document& doc, const AnalysisSettings& typed, LegacyCodePage page, const Progress& progress,
                       std::string* error) {
    if (doc.encoding() != TextEncoding::Legacy)
        return true;
    const AnalysisSettings legacy = SignsForDocument(typed, TextEncoding::Legacy, page);
    if (SameSigns(legacy, typed))
        return true;
    if (BuildTopicTree(doc, legacy, progress, error))
        return true;
    if (error && error->empty())
        *error = texts::kTitleSettingsError;
    return false;
}

}  // namespace vq
