#pragma once

// Signs are what the user typed or gave on the command line, in UTF-8; a document's lines are
// bytes in its own encoding. This is the one rule that turns the one into the other, for the
// window and the command line alike.

#include "core/Progress.h"
#include "core/document/Document.h"
#include "core/settings/AnalysisSettings.h"
#include "core/text/LegacyEncoding.h"

#include <string>
#include <string_view>

namespace vq {

// The sign as the document's bytes: itself in a UTF-8 document, its bytes in the code page in a
// legacy one. A sign the code page cannot hold cannot occur in the document; its own bytes stand
// in, so bytes that are not UTF-8 are taken as the code page's already.
std::string SignForDocument(std::string_view sign, TextEncoding encoding, LegacyCodePage page);

// The settings with all four signs so turned.
AnalysisSettings SignsForDocument(const AnalysisSettings& typed, TextEncoding encoding, LegacyCodePage page);

// True when the signs are the same bytes: then a tree built under one holds for the other.
bool SameSigns(const AnalysisSettings& a, const AnalysisSettings& b);

// A load analyses under the signs as given, since which encoding applies is known only once the
// bytes are checked. A document that turned out to be in the code page is analysed again when its
// signs are other bytes there; false, with the text to show in `error`, when that fails.
bool AnalyseInCodePage(Document& doc, const AnalysisSettings& typed, LegacyCodePage page, const Progress& progress,
                       std::string* error);

}  // namespace vq
