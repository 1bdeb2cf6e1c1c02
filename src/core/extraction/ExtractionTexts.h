// Extraction's texts: the target text's hint, the confirmations, the commands' captions and hints.
#pragma once

#include "core/TextFormat.h"

namespace vq::texts {

// Content list and target text
inline constexpr Phrase kTextMirrorsList = VQ_TEXT("当前文本内容与列表相同");
inline constexpr Phrase kTextFromAction = VQ_TEXT("当前文本内容为上次操作:%S");

// Extraction: the confirmations and the count of tree nodes whose row is gone
inline constexpr Phrase kConfirmSaveSel = VQ_TEXT("确定要\"提取钩选项\"吗?");
inline constexpr Phrase kConfirmSaveTree = VQ_TEXT("确定要\"提取目录树\"吗?");
inline constexpr Phrase kConfirmSaveAll = VQ_TEXT("确定要\"提取所有项\"吗?");
inline constexpr Phrase kInvalidTreeNodes = VQ_TEXT("目录树有 %d 项无效！");

// Action captions (also the words of log entries) and hints
inline constexpr Phrase kCapSaveAll = VQ_TEXT("提取所有(&A) ...");
inline constexpr Phrase kCapSaveSel = VQ_TEXT("提取钩选项(&S) ...");
inline constexpr Phrase kCapSaveTree = VQ_TEXT("提取目录树(&D) ...");

inline constexpr Phrase kHintSaveAll = VQ_TEXT("提取所有行");
inline constexpr Phrase kHintSaveSel = VQ_TEXT("提取列表钩选项所对应的行");
inline constexpr Phrase kHintSaveTree = VQ_TEXT("提取目录树每一项所对应的行");

}  // namespace vq::texts
