// The editing window's texts: the insert dialog, the log's hints, the check-box steps.
#pragma once

#include "core/TextFormat.h"

namespace vq::texts {

// Operation log
inline constexpr Phrase kLogHoverEmpty = VQ_TEXT("双击转到指定行。");
inline constexpr Phrase kLogRowMissing = VQ_TEXT("指定行不存在!!");

// Editing commands: the summaries and words of their log entries, and what they refuse
inline constexpr Phrase kRestoreAllQuestion = VQ_TEXT("确定要\"恢复所有行\"吗?");

// Insert dialog (its buttons read as the configuration dialog's)
inline constexpr Phrase kInsertCaption = VQ_TEXT("插入文本");
inline constexpr Phrase kInsertPagePlain = VQ_TEXT("普通");
inline constexpr Phrase kInsertPageTitle = VQ_TEXT("标题");
inline constexpr Phrase kInsertTitleLabel = VQ_TEXT("标题:");
inline constexpr Phrase kInsertAddRem = VQ_TEXT("注释标题");
inline constexpr Phrase kInsertAllRem = VQ_TEXT("将每行强迫为注释");

}  // namespace vq::texts
