#include "core/files/FileErrorText.h"
#include "core/files/SafeWrite.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <string>

namespace vq {
namespace {

struct MessageCase {
    std::string name;
    WriteResult result;
    std::string message;
};

void PrintTo(const MessageCase& c, std::ostream* os) { *os << c.name; }

class SaveErrorMessageTest : public ::testing::TestWithParam<MessageCase> {};

// The first line stays the program's own; the reason follows on its own line.
TEST_P(SaveErrorMessageTest, FirstLineThenTheReason) {
    EXPECT_EQ(SaveErrorMessage("/etc/php.ini", GetParam().result), GetParam().message);
}

const std::string kFirstLine = "保存文件 \"/etc/php.ini\" 失败！\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, SaveErrorMessageTest,
    ::testing::Values(
        MessageCase{"disk_full", {false, FileError::System(ENOSPC), {}}, kFirstLine + "磁盘空间不足。"},
        MessageCase{"permission", {false, FileError::System(EACCES), {}}, kFirstLine + "没有访问权限。"},
        MessageCase{"read_only_file_system", {false, FileError::System(EROFS), {}}, kFirstLine + "文件系统是只读的。"},
        MessageCase{"size_limit", {false, FileError::System(EFBIG), {}}, kFirstLine + "文件太大。"},
        // An errno without words of ours gets the system's.
        MessageCase{"other_errno", {false, FileError::System(EPROTO), {}}, kFirstLine + std::strerror(EPROTO)},
        MessageCase{"folder", {false, {FileProblem::Folder}, {}}, kFirstLine + "这是一个文件夹。"},
        MessageCase{"not_encodable",
                    {false, {FileProblem::NotEncodable}, {}},
                    kFirstLine + "文本中有当前编码无法表示的字符，无法写入！"},
        MessageCase{"changed_on_disk",
                    {false, {FileProblem::ChangedOnDisk, 0, "/etc/php.ini"}, {}},
                    kFirstLine + "文件在读入之后已被其他程序修改，没有写入。"},
        MessageCase{"link_added",
                    {false, {FileProblem::LinkAdded, 0, "/etc/php.d"}, {}},
                    kFirstLine + "\"/etc/php.d\" 是读入文件之后才出现的符号链接，不经由它写入。"},
        MessageCase{"copy_kept",
                    {false, FileError::System(EIO), "/tmp/php.ini.vq-0123"},
                    kFirstLine + "读写设备时出错。\n原文件可能已不完整，新内容完整保存在 \"/tmp/php.ini.vq-0123\"。"}),
    [](const auto& info) { return info.param.name; });

TEST(OpenErrorMessage, FirstLineThenTheReason) {
    EXPECT_EQ(OpenErrorMessage("/etc/hosts", FileError::System(ENOENT)),
              "打开文件 \"/etc/hosts\" 失败！\n文件或文件夹不存在。");
    EXPECT_EQ(OpenErrorMessage("/dev/null", {FileProblem::NotRegular}),
              "打开文件 \"/dev/null\" 失败！\n这不是一个普通文件。");
}

}  // namespace
}  // namespace vq
