#include "core/document/OpenAndAnalyse.h"

#include "core/document/DocumentTexts.h"
#include "core/document/OpenLimit.h"
#include "core/document/SignEncoding.h"
#include "core/files/FileTexts.h"

#include <new>

namespace vq {

namespace {

LoadResult Read(const OpenRequest& request) {
    LoadOptions options;
    options.analysis = &request.signs;
    options.progress = request.progress;
    options.cancel = request.cancel;
    options.streams = request.streams;
    options.shownPath = request.shownPath;
    LoadResult loaded =
        request.path == "-" ? ReadStandardInputIntoDocument(options) : ReadFileIntoDocument(request.path, options);
    if (loaded.status == LoadStatus::Loaded &&
        !AnalyseInCodePage(*loaded.document, request.signs, request.codePage, request.progress, &loaded.error)) {
        loaded.status = LoadStatus::Failed;
        loaded.document.reset();
    }
    return loaded;
}

}  // namespace

LoadResult OpenAndAnalyse(const OpenRequest& request) {
    const std::string& shown = request.shownPath.empty() ? request.path : request.shownPath;
    LoadResult result;
    try {
        result = Read(request);
    } catch (const std::bad_alloc&) {
        result = {};
        result.outOfMemory = true;
    } catch (const std::exception&) {
        result = {};
        result.error = texts::kRowsFailed.c_str();
    }
    if (result.outOfMemory) {
        result.status = LoadStatus::Failed;
        result.document.reset();
        result.error = OutOfMemoryOnOpen(shown, request.size ? request.size : result.file.stamp.size);
    }
    if (result.status == LoadStatus::Failed && result.error.empty())
        result.error = FormatMessage(texts::kOpenFailed, {shown});
    return result;
}

}  // namespace vq
