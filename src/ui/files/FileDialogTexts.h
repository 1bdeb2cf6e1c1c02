// The window's file texts: opening, the save question, the changed-on-disk bar and question,
// the open and save dialogs' filters.
#pragma once

#include "core/TextFormat.h"

#include <string>
#include <utility>
#include <vector>

namespace vq::texts {

// Loading
inline constexpr Phrase kLargeFileNotice = VQ_TEXT("该文件很大，打开可能要好几秒。");
inline constexpr Phrase kWarningTitle = VQ_TEXT("警告");
inline constexpr Phrase kHugeFileQuestion = VQ_TEXT("该文件太大，建议用记事本打开！");
inline constexpr Phrase kOpened = VQ_TEXT("打开成功！");
inline constexpr Phrase kOpenCancelled = VQ_TEXT("已取消打开文件。");

// New, save, close
inline constexpr Phrase kSaveQuestion = VQ_TEXT("文件已改变, 要保存吗?");
inline constexpr Phrase kSaveDialogTitle = VQ_TEXT("另存为");

// A file changed on disk by someone else: the bar above the views and the question before Save
inline constexpr Phrase kDiskChanged = VQ_TEXT("文件 \"%S\" 已被其他程序修改。");
inline constexpr Phrase kDiskMissing = VQ_TEXT("文件 \"%S\" 已被删除或移走。保存会在原路径重新写入。");
inline constexpr Phrase kDiskReload = VQ_TEXT("重新加载");
inline constexpr Phrase kDiskReloadHint = VQ_TEXT("放弃这里显示的内容，读入磁盘上的文件");
inline constexpr Phrase kDiskQuestionTitle = VQ_TEXT("文件已被修改");
inline constexpr Phrase kDiskQuestion = VQ_TEXT(
    "文件 \"%S\" 在读入之后已被其他程序修改。\n\n"
    "覆盖：用这里的内容写过它，其他程序的修改会丢失。\n"
    "重新加载：读入磁盘上的文件。\n"
    "另存为：把这里的内容保存为另一个文件。");
inline constexpr Phrase kDiskOverwrite = VQ_TEXT("覆盖");
inline constexpr Phrase kDiskSaveAs = VQ_TEXT("另存为");
inline constexpr Phrase kDiskCancel = VQ_TEXT("取消");

// Open and save dialogs: (description, pattern) pairs, in order. "All Files" is "*": many
// configuration files have no dot in their name (hosts, sshd_config).
inline const std::vector<std::pair<std::string, std::string>> kOpenFilters = {
    {"Supported Files(*.ini;*.inf;*.conf;*.txt)", "*.ini;*.inf;*.conf;*.txt"},
    {"Ini File(*.ini)", "*.ini"},
    {"Inf File(*.inf)", "*.inf"},
    {"Apache Configuration File(*.conf)", "*.conf"},
    {"Text File(*.txt)", "*.txt"},
    {"All Files(*)", "*"}};
inline const std::vector<std::pair<std::string, std::string>> kSaveFilters = {
    {"Ini File(*.ini)", "*.ini"},
    {"Inf File(*.inf)", "*.inf"},
    {"Apache Configuration File(*.conf)", "*.conf"},
    {"Text File(*.txt)", "*.txt"},
    {"All Files(*)", "*"}};
inline constexpr const char* kSaveDefaultSuffix = "ini";

}  // namespace vq::texts
