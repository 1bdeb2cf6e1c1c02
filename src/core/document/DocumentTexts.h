// The document's texts: the caption, loading, the topic tree, the operation log's markers and the
// encoding of typed text.
#pragma once

#include "core/TextFormat.h"

namespace vq::texts {

// Window and document
inline constexpr const char* kAppTitle = "Varnoquil";
inline constexpr const char* kCaptionPrefix = "Varnoquil-";
inline constexpr const char* kModifiedMark = " *";
inline constexpr const char* kUntitled = "Untitled";

// Content list and target text
inline constexpr Phrase kNewLineMark = VQ_TEXT("<<新建行>>");
inline constexpr Phrase kRowGone = VQ_TEXT("所选择的行不存在！！！");

// Loading
inline constexpr Phrase kOpenLogEntry = VQ_TEXT("打开文件:\"%s\"");
inline constexpr Phrase kLoadingRows = VQ_TEXT("正在加载内容列表 ... %d行, 共%d行");
inline constexpr Phrase kDone = VQ_TEXT("处理完毕！");
inline constexpr Phrase kRowsFailed = VQ_TEXT("打开文件时，出现错误！可能是系统资源不足");
inline constexpr Phrase kFileTooLarge = VQ_TEXT("该文件超过 4 GB，无法打开！");
// A file that cannot be opened at all, with its size and why; loads that are stopped
inline constexpr Phrase kTooLargeToOpen = VQ_TEXT("文件 \"%S\" 太大（%S），无法打开！");
inline constexpr Phrase kTooLargeForLines = VQ_TEXT("最多只能打开 4 GB 的文件。");
inline constexpr Phrase kTooLargeForMemory = VQ_TEXT("打开它约需 %S 内存，现在只有 %S 可用。");
inline constexpr Phrase kOutOfMemoryOnOpen = VQ_TEXT("打开时内存不足。");
inline constexpr Phrase kByteUnit = VQ_TEXT("字节");

// Topic tree
inline constexpr Phrase kBuildingTree = VQ_TEXT("正在处理目录树和内容列表 ... %d行, 共%d行");
inline constexpr const char* kTitleSettingsError = "Some error happened, about your title settings?";

// New, save, close
inline constexpr Phrase kUnloading = VQ_TEXT("正在卸载数据 ...");

// Command line (varnoquil --outline / --extract): errors on standard error, then the usage
// hint; the help text is made from kCliHelp with the pattern and title-type captions
inline constexpr Phrase kReadStdinFailed = VQ_TEXT("读取标准输入失败！");

// Operation log
inline constexpr Phrase kOpStart = VQ_TEXT("<<操作开始>>");
inline constexpr Phrase kOpEnd = VQ_TEXT("<<操作结束>>");

// Typed text with a character the document's encoding cannot hold: the character and its number
inline constexpr Phrase kCharNotEncodable = VQ_TEXT("本文件的编码无法保存字符 \"%S\" (U+%S)，未作任何修改。");

}  // namespace vq::texts
