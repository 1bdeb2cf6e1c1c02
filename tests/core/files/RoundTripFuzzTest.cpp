// Random files through the whole load and save path: read, shown, loaded into a document,
// saved, read back. Nothing the user did not change may change on disk.
//
// Every round goes through the document in memory; every 50th also through the disk, whose
// syncs cost milliseconds. The default keeps this to about a second; for a longer search run
//   VQ_FUZZ_ROUNDS=50000 VQ_FUZZ_SEED=7 build/tests/core_tests --gtest_filter='RoundTripFuzz.*'
// (under a minute on two cores). A failure prints its seed and round.
#include "core/document/Document.h"
#include "core/files/FileAccess.h"
#include "core/files/TextFile.h"
#include "core/text/Utf16Text.h"

#include "FileTestSupport.h"
#include "WriteOutcome.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>

namespace vq {
namespace {

using namespace vq::test;

unsigned long Setting(const char* name, unsigned long fallback) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::strtoul(value, nullptr, 10) : fallback;
}

// Bytes an INI file is made of, in proportions that make lines, breaks of both kinds, lone
// CRs, marks at the start, and bytes that are not UTF-8.
std::string RandomFile(std::mt19937& random) {
    static const std::string pieces[] = {"\r\n",
                                         "\n",
                                         "\r",
                                         "[",
                                         "]",
                                         "=",
                                         ";",
                                         "#",
                                         " ",
                                         "\t",
                                         "key",
                                         "值",
                                         "\xEF\xBB\xBF",
                                         "\xFF\xFE",
                                         "\xFE\xFF",
                                         std::string(1, '\0'),
                                         "\xD6\xD0"};
    std::string file;
    const std::size_t parts = random() % 80;
    for (std::size_t i = 0; i < parts; ++i) {
        if (random() % 3 == 0)
            file += static_cast<char>(random() % 256);
        else
            file += pieces[random() % std::size(pieces)];
    }
    return file;
}

// A valid UTF-16 file half of the time, so that both forms go through the document.
std::string RandomFileOfAnyForm(std::mt19937& random) {
    std::string file = RandomFile(random);
    if (random() % 2 == 0)
        return file;
    const FileForm form = random() % 2 == 0 ? FileForm::Utf16LE : FileForm::Utf16BE;
    std::string text;
    for (unsigned char c : file)
        text += static_cast<char>(c & 0x7F);                          // ASCII is UTF-8
    text += random() % 2 == 0 ? "\xE4\xB8\xAD" : "\xF0\x9F\x98\x80";  // and some beyond it
    return *Utf8ToUtf16(text, form);
}

TEST(RoundTripFuzz, LoadThenSaveGivesTheSameBytes) {
    const unsigned long seed = Setting("VQ_FUZZ_SEED", 1);
    const unsigned long rounds = Setting("VQ_FUZZ_ROUNDS", 2000);
    std::mt19937 random(static_cast<std::mt19937::result_type>(seed));
    TempFolder folder;
    const std::string path = folder.at("fuzz.ini");
    for (unsigned long round = 0; round < rounds; ++round) {
        const std::string file = RandomFileOfAnyForm(random);
        const bool onDisk = round % 50 == 0;
        std::string read = file;
        if (onDisk) {
            PutBytes(path, file);
            const BytesResult fromDisk = ReadFileBytes(path, file.size());
            ASSERT_TRUE(fromDisk.ok);
            read = std::string(fromDisk.bytes.view());
        }
        ShownText shown = FromFileBytes(std::move(read));
        Document document;
        document.load(std::move(shown.bytes), {});
        if (!onDisk) {
            ASSERT_EQ(ToFileBytes(document.saveBytes(), shown.form), file) << "seed " << seed << " round " << round;
            continue;
        }
        const WriteResult written = WriteTextFile(path, document.saveBytes(), shown.form);
        ASSERT_TRUE(written.ok) << Outcome(written);
        ASSERT_EQ(GetBytes(path), file) << "seed " << seed << " round " << round;
    }
}

}  // namespace
}  // namespace vq
