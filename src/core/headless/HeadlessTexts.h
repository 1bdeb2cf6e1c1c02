// The headless key edits: what they refuse and report.
#pragma once

#include "core/TextFormat.h"

namespace vq::texts {

// Headless edits (varnoquil --get/--set/--disable/--enable/--delete): what they refuse and report
inline constexpr Phrase kEditRemSignUnusable = VQ_TEXT("编辑需要一个单字节、非空白的注释标志 (如 --rem \";\")。");
inline constexpr Phrase kEditKeyEmpty = VQ_TEXT("项名不能为空。");
inline constexpr Phrase kEditKeyBlankEnds = VQ_TEXT("项名 \"%S\" 的开头或结尾不能是空白。");
inline constexpr Phrase kEditKeyHasSplit = VQ_TEXT("项名 \"%S\" 中不能含有分隔标志。");
inline constexpr Phrase kEditKeyReadsOtherwise = VQ_TEXT("项名 \"%S\" 会被读成注释或节名。");
inline constexpr Phrase kEditValueBlankEnds = VQ_TEXT("值 \"%S\" 的开头或结尾不能是空白。");
inline constexpr Phrase kEditSectionBracket = VQ_TEXT("节名 \"%S\" 中不能含有 \"]\"。");
inline constexpr Phrase kEditKeyNotFound = VQ_TEXT("节 \"%S\" 中没有有效的项 \"%S\"。");
inline constexpr Phrase kEditNothingToEnable = VQ_TEXT("节 \"%S\" 中没有可以启用的项 \"%S\"。");
inline constexpr Phrase kEditNotUtf8 = VQ_TEXT("参数 \"%S\" 不是有效的 UTF-8 文本。");

}  // namespace vq::texts
