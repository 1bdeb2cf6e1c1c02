#include "core/files/FileErrorText.h"
#include "core/files/SafeWrite.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <string>
#include <utility>

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

MessageCase Failed(std::string name, FileError error, const std::string& reason, std::string keptCopy = {}) {
    MessageCase c;
    c.name = std::move(name);
    c.result.error = error;
    c.result.keptCopy = std::move(keptCopy);
    c.message = kFirstLine;
    c.message += reason;
    return c;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SaveErrorMessageTest,
    ::testing::Values(
        Failed("disk_full", FileError::System(ENOSPC), "磁盘空间不足。"),
        Failed("permission", FileError::System(EACCES), "没有访问权限。"),
        Failed("read_only_file_system", FileError::System(EROFS), "文件系统是只读的。"),
        Failed("size_limit", FileError::System(EFBIG), "文件太大。"),
        // An errno without words of ours gets the system's.
        Failed("other_errno", FileError::System(EPROTO), std::strerror(EPROTO)),
        Failed("folder", {FileProblem::Folder}, "这是一个文件夹。"),
        Failed("not_encodable", {FileProblem::NotEncodable}, "文本中有当前编码无法表示的字符，无法写入！"),
        Failed("changed_on_disk", {FileProblem::ChangedOnDisk, 0, "/etc/php.ini"},
               "文件在读入之后已被其他程序修改，没有写入。"),
        Failed("link_added", {FileProblem::LinkAdded, 0, "/etc/php.d"},
               "\"/etc/php.d\" 是读入文件之后才出现的符号链接，不经由它写入。"),
        Failed("copy_kept", FileError::System(EIO),
               "读写设备时出错。\n原文件可能已不完整，新内容完整保存在 \"/tmp/php.ini.vq-0123\"。",
               "/tmp/php.ini.vq-0123")),
    [](const auto& info) { return info.param.name; });

TEST(OpenErrorMessage, FirstLineThenTheReason) {
    EXPECT_EQ(OpenErrorMessage("/etc/hosts", FileError::System(ENOENT)),
              "打开文件 \"/etc/hosts\" 失败！\n文件或文件夹不存在。");
    EXPECT_EQ(OpenErrorMessage("/dev/null", {FileProblem::NotRegular}),
              "打开文件 \"/dev/null\" 失败！\n这不是一个普通文件。");
}

}  // namespace
}  // namespace vq
