#pragma once

// The outline and the extractions written as the lines are classified, in one pass over the
// file's bytes: no rows, tree or target text are built for what is only printed.

#include "core/extraction/Extraction.h"
#include "core/settings/AnalysisSettings.h"

#include <functional>
#include <string_view>

namespace vq::cli {

// Takes the output piece by piece; returns 0 or the errno of a failed write, which ends the pass.
using OutputSink = std::function<int(std::string_view)>;

// The outline (see Outline.h) of a file's bytes as the document holds them (a UTF-8 byte-order
// mark is not part of the first line). Returns 0 or the sink's error.
int StreamOutline(std::string_view bytes, const AnalysisSettings& s, const OutputSink& sink);

// The bytes Save writes after the extraction of this kind: the byte-order mark kept, each chosen
// line with the break it was read with, a last line without one given the file's first break.
int StreamExtraction(std::string_view bytes, const AnalysisSettings& s, ExtractionKind kind, const OutputSink& sink);

}  // namespace vq::cli
