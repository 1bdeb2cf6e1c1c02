// The version information's texts.
#pragma once

#include "core/TextFormat.h"

namespace vq::texts {

// About box: its caption, the labels' own captions (kept when the program has no version
// information), the links and the introduction
// The version information's comment, in the language of the run's first use
inline constexpr Phrase kVersionComments = VQ_TEXT("逐行编辑 INI 格式配置文件，显示文件的结构。");
inline constexpr const char* kNotAvailable = " not available";

}  // namespace vq::texts
