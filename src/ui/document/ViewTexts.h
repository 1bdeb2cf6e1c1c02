// The views' texts: the list's columns, the status panels, the focus hints.
#pragma once

#include "core/TextFormat.h"

namespace vq::texts {

// Content list and target text
inline constexpr Phrase kColumnAfter = VQ_TEXT("修改后");
inline constexpr Phrase kColumnBefore = VQ_TEXT("修改前");
inline constexpr const char* kLinePanel = "Line:%d";
inline constexpr const char* kCaretPanel = "Row:%d Col:%d";

// Focus texts of the three views
inline constexpr Phrase kFocusTree = VQ_TEXT("目录树; 单击, 列表定位到相应项; 若列表项改变点刷新");
inline constexpr Phrase kFocusList = VQ_TEXT("列表项; 双击, 编辑项目, 文本定位到相应行");
inline constexpr Phrase kFocusText = VQ_TEXT("文本查看; 只读; 为最终保存的文本");

// What a screen reader reads: names of the controls that show no caption of their own, and the
// spoken form of a log entry's number
inline constexpr Phrase kSpokenLogRow = VQ_TEXT("第%d行 ");

}  // namespace vq::texts
