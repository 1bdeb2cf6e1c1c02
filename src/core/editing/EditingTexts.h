// The editing commands' texts: their captions (also the words of their log entries), summaries,
// undo and redo.
#pragma once

#include "core/TextFormat.h"

namespace vq::texts {

// Editing commands: the summaries and words of their log entries, and what they refuse
inline constexpr Phrase kSelectionSummary = VQ_TEXT("<<选择 %d 行，%S %d 行>>");
inline constexpr Phrase kRestoreAllSummary = VQ_TEXT("<<共恢复了 %d 行>>");
inline constexpr Phrase kWordComment = VQ_TEXT("注释");
inline constexpr Phrase kWordUncomment = VQ_TEXT("取消注释");
inline constexpr Phrase kWordDelete = VQ_TEXT("删除");
inline constexpr Phrase kWordRestore = VQ_TEXT("恢复");
inline constexpr Phrase kRemovedNewRowMark = VQ_TEXT("<<删除>>");
// Undo and redo: the menu items without and with the step they take back or make again, the
// summaries of their log entries, and the steps of the user's own check-box clicks
inline constexpr Phrase kCapUndo = VQ_TEXT("撤销");
inline constexpr Phrase kCapRedo = VQ_TEXT("重做");
inline constexpr Phrase kUndoStep = VQ_TEXT("撤销 %S");
inline constexpr Phrase kRedoStep = VQ_TEXT("重做 %S");
inline constexpr Phrase kUndoSummary = VQ_TEXT("<<共撤销了 %d 行>>");
inline constexpr Phrase kRedoSummary = VQ_TEXT("<<共重做了 %d 行>>");
inline constexpr Phrase kCapCheckRow = VQ_TEXT("钩选");
inline constexpr Phrase kCapUncheckRow = VQ_TEXT("取消钩选");
inline constexpr Phrase kLineBreakInRow = VQ_TEXT("一行文本中不能含有换行符，未作任何修改。");

// Action captions (also the words of log entries) and hints
inline constexpr Phrase kCapReload = VQ_TEXT("重载本文件(&R) ...");
inline constexpr Phrase kCapInsertUp = VQ_TEXT("向上插入项(&U) ...");
inline constexpr Phrase kCapInsertDown = VQ_TEXT("向下插入项(&D) ...");
inline constexpr Phrase kCapEditLine = VQ_TEXT("编辑选定行(&E) ...");
inline constexpr Phrase kCapUnRem = VQ_TEXT("取消注释(&C)");
inline constexpr Phrase kCapRemLine = VQ_TEXT("注释选定行(&R)");
inline constexpr Phrase kCapRestoreLine = VQ_TEXT("恢复选定行(&L)");
inline constexpr Phrase kCapRestoreAll = VQ_TEXT("恢复所有行(&O) ...");
inline constexpr Phrase kCapDelLine = VQ_TEXT("删除选定行(&T)");
inline constexpr Phrase kCapRefreshTree = VQ_TEXT("刷新目录树(&R)");

}  // namespace vq::texts
