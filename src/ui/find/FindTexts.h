// Find: the status text, the wrap-around question and the find dialog's own captions.
#pragma once

#include "core/TextFormat.h"

namespace vq::texts {

// Find: the status text, the wrap-around question and the find dialog's own captions
inline constexpr Phrase kFindNextHint = VQ_TEXT("按 F3 键,查找下一个");
inline constexpr Phrase kFindFailedTitle = VQ_TEXT("查找失败");
inline constexpr Phrase kFindFailed = VQ_TEXT("找不到 \"%S\" !\n是否要从头开始查找?");
inline constexpr Phrase kFindDlgTitle = VQ_TEXT("查找");
inline constexpr Phrase kFindWhat = VQ_TEXT("查找内容(&N):");
inline constexpr Phrase kFindWholeWord = VQ_TEXT("全字匹配(&W)");
inline constexpr Phrase kFindMatchCase = VQ_TEXT("区分大小写(&C)");
inline constexpr Phrase kFindDirection = VQ_TEXT("方向");
inline constexpr Phrase kFindUp = VQ_TEXT("向上(&U)");
inline constexpr Phrase kFindDown = VQ_TEXT("向下(&D)");
inline constexpr Phrase kFindNextButton = VQ_TEXT("查找下一个(&F)");
inline constexpr Phrase kFindCancel = VQ_TEXT("取消");

}  // namespace vq::texts
