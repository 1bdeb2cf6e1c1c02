// The window's actions: captions and hints, and what several features share.
#pragma once

#include "core/TextFormat.h"

namespace vq::texts {

// Loading
inline constexpr Phrase kOpening = VQ_TEXT("正在打开文件 ...");
inline constexpr Phrase kProgramNotFound = VQ_TEXT("可执行文件\"%S\"未找到！");
inline constexpr Phrase kCancelLoading = VQ_TEXT("取消");
inline constexpr Phrase kCancelLoadingHint = VQ_TEXT("停止打开文件 (Esc)");

// New, save, close
inline constexpr const char* kConfirmTitle = "Confirm";

// Editing commands: the summaries and words of their log entries, and what they refuse
inline constexpr Phrase kHintUndo = VQ_TEXT("撤销上一步操作");
inline constexpr Phrase kHintRedo = VQ_TEXT("重做撤销的操作");

// Action captions (also the words of log entries) and hints
inline constexpr Phrase kCapNew = VQ_TEXT("新建(&N)");
inline constexpr Phrase kCapOpen = VQ_TEXT("打开(&O) ...");
inline constexpr Phrase kCapOpenSamples = VQ_TEXT("打开示例 ...");
inline constexpr Phrase kCapNotepad = VQ_TEXT("用\"记事本\"打开(&T) ...");
inline constexpr Phrase kCapSave = VQ_TEXT("保存(&S)");
inline constexpr Phrase kCapSaveAs = VQ_TEXT("另存为(&A) ...");
inline constexpr Phrase kCapExit = VQ_TEXT("退出(&E)");
inline constexpr Phrase kCapFind = VQ_TEXT("查找(&F) ...");
inline constexpr Phrase kCapFindNext = VQ_TEXT("查找下一个(&N)");
inline constexpr Phrase kCapConfiguration = VQ_TEXT("配置(&C)...");
inline constexpr Phrase kCapHelpTopic = VQ_TEXT("帮助主题(&T)");
inline constexpr Phrase kCapReport = VQ_TEXT("使用报告(&P) ...");
inline constexpr Phrase kCapAbout = VQ_TEXT("关于(&A)");
inline constexpr Phrase kCapGotoLineByLog = VQ_TEXT("转到此行(双击)");
inline constexpr Phrase kCapCopyLogLine = VQ_TEXT("复制到剪贴板");
inline constexpr Phrase kCapRECopy = VQ_TEXT("复制(&C)");
inline constexpr Phrase kCapRESelAll = VQ_TEXT("全选(&A)");

inline constexpr Phrase kHintNew = VQ_TEXT("新建文件");
inline constexpr Phrase kHintOpen = VQ_TEXT("打开文件");
inline constexpr Phrase kHintReload = VQ_TEXT("重载本文件");
inline constexpr Phrase kHintNotepad = VQ_TEXT("用\"记事本\"打开");
inline constexpr Phrase kHintSave = VQ_TEXT("保存");
inline constexpr Phrase kHintSaveAs = VQ_TEXT("另存为");
inline constexpr Phrase kHintExit = VQ_TEXT("退出");
inline constexpr Phrase kHintInsertUp = VQ_TEXT("向上插入项");
inline constexpr Phrase kHintInsertDown = VQ_TEXT("向下插入项");
inline constexpr Phrase kHintEditLine = VQ_TEXT("编辑选定行");
inline constexpr Phrase kHintUnRem = VQ_TEXT("取消注释");
inline constexpr Phrase kHintRemLine = VQ_TEXT("注释选定行");
inline constexpr Phrase kHintRestoreLine = VQ_TEXT("恢复选定行(若为新建行则删除)");
inline constexpr Phrase kHintRestoreAll = VQ_TEXT("恢复到打开时的内容, 不包括删除的行!!");
inline constexpr Phrase kHintDelLine = VQ_TEXT("删除选定行（建议用注释代替）");
inline constexpr Phrase kHintFind = VQ_TEXT("查找选定字符串, 按 F3 键,查找下一个");
inline constexpr Phrase kHintFindNext = VQ_TEXT("查找下一个");
inline constexpr Phrase kHintRefreshTree = VQ_TEXT("刷新目录树的内容以及列表项的Check值");
inline constexpr Phrase kHintConfiguration = VQ_TEXT("配置");
inline constexpr Phrase kHintHelpTopic = VQ_TEXT("帮助主题");
inline constexpr Phrase kHintAbout = VQ_TEXT("关于");

}  // namespace vq::texts
