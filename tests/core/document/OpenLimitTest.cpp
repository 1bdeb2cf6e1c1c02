// Whether a file can be opened at all, and the message with its size when not.
#include "core/document/OpenLimit.h"

#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <string>

#include <sys/resource.h>

namespace vq {
namespace {

struct LimitCase {
    const char* name;
    std::uint64_t size;
    std::uint64_t allocatable;
    const char* message;  // nullptr: it can be opened
};

class TooLarge : public ::testing::TestWithParam<LimitCase> {};

TEST_P(TooLarge, RefusesWhatCannotFit) {
    const LimitCase& c = GetParam();
    const auto message = TooLargeToOpen("/d/f.ini", c.size, c.allocatable);
    if (!c.message) {
        EXPECT_FALSE(message.has_value()) << *message;
        return;
    }
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(*message, c.message);
}

constexpr std::uint64_t kGiB = std::uint64_t{1} << 30;

INSTANTIATE_TEST_SUITE_P(
    Sizes, TooLarge,
    ::testing::Values(
        LimitCase{"empty", 0, 0, nullptr}, LimitCase{"half the memory fits", 512 << 20, kGiB, nullptr},
        LimitCase{"one byte over half the memory", (512 << 20) + 1, kGiB,
                  "文件 \"/d/f.ini\" 太大（512.0 MB），无法打开！\n打开它约需 1.0 GB 内存，现在只有 1.0 GB 可用。"},
        LimitCase{"exactly 4 GB less one byte, memory to spare", 4 * kGiB - 1, 64 * kGiB, nullptr},
        LimitCase{"4 GB", 4 * kGiB, 64 * kGiB,
                  "文件 \"/d/f.ini\" 太大（4.0 GB），无法打开！\n最多只能打开 4 GB 的文件。"},
        LimitCase{"64 GB, no memory said", 64 * kGiB, 0,
                  "文件 \"/d/f.ini\" 太大（64.0 GB），无法打开！\n最多只能打开 4 GB 的文件。"}),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return name;
    });

TEST(ByteSize, WordsSizesInTheirUnit) {
    EXPECT_EQ(ByteSizeText(0), "0 字节");
    EXPECT_EQ(ByteSizeText(1023), "1023 字节");
    EXPECT_EQ(ByteSizeText(1024), "1.0 KB");
    EXPECT_EQ(ByteSizeText(1536 * 1024), "1.5 MB");
    EXPECT_EQ(ByteSizeText(kGiB * 64), "64.0 GB");
    EXPECT_EQ(ByteSizeText(kGiB * 1024 * 3), "3.0 TB");
}

// The process's own virtual size, from the kernel.
std::uint64_t VirtualSize() {
    std::ifstream status("/proc/self/status");
    std::string key;
    std::uint64_t kb = 0;
    while (status >> key) {
        if (key == "VmSize:" && status >> kb)
            return kb * 1024;
    }
    return 0;
}

// With an address-space limit 1 GB above what the process uses, about 1 GB can still be had,
// however much memory the machine has.
TEST(Allocatable, SeesTheAddressSpaceLimit) {
    struct rlimit old {};
    ASSERT_EQ(::getrlimit(RLIMIT_AS, &old), 0);
    const std::uint64_t used = VirtualSize();
    ASSERT_GT(used, std::uint64_t{0});
    struct rlimit tight = old;
    tight.rlim_cur = static_cast<rlim_t>(used + kGiB);
    if (old.rlim_max != RLIM_INFINITY && tight.rlim_cur > old.rlim_max)
        GTEST_SKIP() << "the hard limit is lower";
    ASSERT_EQ(::setrlimit(RLIMIT_AS, &tight), 0);
    const std::uint64_t limited = AllocatableBytes();
    ::setrlimit(RLIMIT_AS, &old);
    EXPECT_LE(limited, kGiB);
    EXPECT_GE(limited, kGiB - (kGiB / 8));
}

TEST(OutOfMemory, NamesTheFileAndItsSize) {
    EXPECT_EQ(OutOfMemoryOnOpen("/d/f.ini", 3 * kGiB),
              "文件 \"/d/f.ini\" 太大（3.0 GB），无法打开！\n打开时内存不足。");
}

}  // namespace
}  // namespace vq
