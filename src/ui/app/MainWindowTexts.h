// The main window's texts: its pages, menus and the names a screen reader reads.
#pragma once

#include "core/TextFormat.h"

namespace vq::texts {

// Content list and target text
inline constexpr Phrase kPageTarget = VQ_TEXT("目标文本");
inline constexpr Phrase kPageLog = VQ_TEXT("日志");

// What a screen reader reads: names of the controls that show no caption of their own, and the
// spoken form of a log entry's number
inline constexpr Phrase kNameTree = VQ_TEXT("目录树");
inline constexpr Phrase kNameList = VQ_TEXT("内容列表");
inline constexpr Phrase kNameStatusBar = VQ_TEXT("状态栏");
inline constexpr Phrase kNameToolBar = VQ_TEXT("工具栏");
inline constexpr Phrase kNameLinePanel = VQ_TEXT("行号");
inline constexpr Phrase kNameCaretPanel = VQ_TEXT("光标位置");
inline constexpr Phrase kNameMessagePanel = VQ_TEXT("消息");

// Menus
inline constexpr Phrase kMenuFile = VQ_TEXT("文件(&F)");
inline constexpr Phrase kMenuFileHint = VQ_TEXT("新建一个 ini 文件");
inline constexpr Phrase kMenuEdit = VQ_TEXT("编辑(&E)");
inline constexpr Phrase kMenuTools = VQ_TEXT("工具(&T)");
inline constexpr Phrase kMenuOptions = VQ_TEXT("选项(&O)");
inline constexpr Phrase kMenuHelp = VQ_TEXT("帮助(&H)");
inline constexpr Phrase kMenuRecent = VQ_TEXT("最近使用的文件");

}  // namespace vq::texts
