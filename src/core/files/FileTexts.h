// Reading and writing files: the messages and the reasons for a failure.
#pragma once

#include "core/TextFormat.h"

#include <cerrno>
#include <utility>

namespace vq::texts {

// Window and document
inline constexpr Phrase kFileMissing = VQ_TEXT("文件 \"%S\" 不存在！");

// New, save, close
inline constexpr Phrase kSaveFailed = VQ_TEXT("保存文件 \"%S\" 失败！");
inline constexpr Phrase kTextNotEncodable = VQ_TEXT("文本中有当前编码无法表示的字符，无法写入！");

// Opening and saving errors: the first line, then the reason on its own line
inline constexpr Phrase kOpenFailed = VQ_TEXT("打开文件 \"%S\" 失败！");
inline constexpr Phrase kNewContentKept = VQ_TEXT("原文件可能已不完整，新内容完整保存在 \"%S\"。");
inline constexpr Phrase kReasonFolder = VQ_TEXT("这是一个文件夹。");
inline constexpr Phrase kReasonNotRegular = VQ_TEXT("这不是一个普通文件。");
inline constexpr Phrase kReasonChangedOnDisk = VQ_TEXT("文件在读入之后已被其他程序修改，没有写入。");
inline constexpr Phrase kReasonLinkAdded = VQ_TEXT("\"%S\" 是读入文件之后才出现的符号链接，不经由它写入。");
inline constexpr Phrase kReasonLinkChanged = VQ_TEXT("符号链接 \"%S\" 现在指向别处，与读入文件时不同，不经由它写入。");
inline constexpr Phrase kReasonLinkUnsafe =
    VQ_TEXT("符号链接 \"%S\" 属于其他用户，又在人人可写的粘滞文件夹中，不经由它读写。");
// Reasons by errno; any other errno is worded by the system.
inline constexpr std::pair<int, Phrase> kErrnoTexts[] = {
    {ENOENT, VQ_TEXT("文件或文件夹不存在。")},
    {ENOTDIR, VQ_TEXT("路径中有一部分不是文件夹。")},
    {EISDIR, VQ_TEXT("这是一个文件夹。")},
    {EACCES, VQ_TEXT("没有访问权限。")},
    {EPERM, VQ_TEXT("不允许这样操作。")},
    {EROFS, VQ_TEXT("文件系统是只读的。")},
    {ENOSPC, VQ_TEXT("磁盘空间不足。")},
    {EDQUOT, VQ_TEXT("超出了磁盘配额。")},
    {EFBIG, VQ_TEXT("文件太大。")},
    {ENAMETOOLONG, VQ_TEXT("文件名太长。")},
    {ELOOP, VQ_TEXT("符号链接的层数太多。")},
    {EIO, VQ_TEXT("读写设备时出错。")},
    {EBUSY, VQ_TEXT("文件或设备正忙。")},
    {ETXTBSY, VQ_TEXT("文件正被执行，不能写入。")},
    {EMFILE, VQ_TEXT("打开的文件太多。")},
    {ENFILE, VQ_TEXT("打开的文件太多。")},
    {ENOMEM, VQ_TEXT("内存不足。")},
    {EEXIST, VQ_TEXT("文件已存在。")},
    {EPIPE, VQ_TEXT("读取的一方已关闭。")},
};

}  // namespace vq::texts
