// The tools' texts: the samples folder, the help page, a program not found.
#pragma once

#include "core/TextFormat.h"

namespace vq::texts {

// Target text commands and external programs: the samples folder, the help page, the report
// program
inline constexpr Phrase kPathMissing = VQ_TEXT("路径 \"%S\" 不存在！");
inline constexpr const char* kSamplesShownPath = "./Samples";
inline constexpr Phrase kHelpNotShown = VQ_TEXT("无法打开帮助页 \"%S\"，请检查是否安装了网页浏览器。");

}  // namespace vq::texts
