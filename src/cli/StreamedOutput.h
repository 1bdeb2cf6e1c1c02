#pragma once

// The outline and the extractions written as the lines are classified, in one pass over the
// file's bytes: no rows, tree or target text are built for what is only printed.

#include "cli/FileLines.h"

#include "core/extraction/Extraction.h"
#include "core/settings/AnalysisSettings.h"

#include <functional>
#include <string_view>

namespace vq::cli {

// Takes the output piece by piece; returns 0 or the errno of a failed write, which ends the pass.
using OutputSink = std::function<int(std::string_view)>;

// Both take the lines of a file that has been started (FileLines::start) and read them to their
// end; a read error ends them early (FileLines::error).

// The outline (see Outline.h) of the file as the document holds it (a UTF-8 byte-order mark is
// not part of the first line). Returns 0 or the sink's error.
int StreamOutline(FileLines& lines, const AnalysisSettings& s, const OutputSink& sink);

// The bytes Save writes after the extraction of this kind: the byte-order mark kept, each chosen
// line with the break it was read with, a last line without one given the file's first break.
int StreamExtraction(FileLines& lines, const AnalysisSettings& s, ExtractionKind kind, const OutputSink& sink);

}  // namespace vq::cli
