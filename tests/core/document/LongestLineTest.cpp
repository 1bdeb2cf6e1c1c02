// The longest line a loaded text knows without a walk over its lines, and when it stops knowing.
#include "core/document/Document.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

namespace vq {
namespace {

struct BoundCase {
    const char* name;
    std::string bytes;
    std::function<void(Document&)> change;  // what happens after the load; may be empty
    std::optional<size_t> bound;
};

class LongestLine : public ::testing::TestWithParam<BoundCase> {};

TEST_P(LongestLine, KnownOnlyWhileTheRowsAreTheirLines) {
    const BoundCase& c = GetParam();
    Document doc;
    doc.load(std::string_view(c.bytes), Progress{});
    if (c.change)
        c.change(doc);
    EXPECT_EQ(doc.target().longestLineBound(), c.bound);
    if (const auto bound = doc.target().longestLineBound()) {
        // A bound: no line is longer.
        for (size_t i = 0; i < doc.target().lineCount(); ++i)
            EXPECT_LE(doc.target().line(i).size(), *bound) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Loads, LongestLine,
    ::testing::Values(
        BoundCase{"EmptyFile", "", {}, size_t{0}}, BoundCase{"BreaksDoNotCount", "ab\r\nabcd\r\nabc\n", {}, size_t{4}},
        BoundCase{"LastLineWithoutBreak", "a\nabcdef", {}, size_t{6}},
        BoundCase{"LoneCrStaysInTheLine", "a\rbc\r\nd\n", {}, size_t{4}},
        BoundCase{"CheckingKeepsIt", "ab\nabcd\n", [](Document& d) { d.setChecked(1, true); }, size_t{4}},
        BoundCase{"EditedRowLosesIt", "ab\nabcd\n", [](Document& d) { d.setCaption(0, "xyzxyzxyz"); }, std::nullopt},
        BoundCase{"InsertedRowLosesIt", "ab\nabcd\n", [](Document& d) { d.insertRow(0, "x"); }, std::nullopt},
        BoundCase{"DeletedRowLosesIt", "ab\nabcd\n", [](Document& d) { d.deleteRow(1); }, std::nullopt},
        BoundCase{"ExtractionLosesIt", "ab\nabcd\n",
                  [](Document& d) {
                      d.setTextMirrorsList(false, "x");
                      d.replaceTarget({"ab"});
                  },
                  std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vq
