// Inserting lines and titles: the dialog's values become lines, the lines become new rows.

#include "DocumentStates.h"
#include "core/editing/EditingTexts.h"
#include "core/editing/InsertLines.h"

#include <gtest/gtest.h>

namespace vq::test {
namespace {

struct InsertCase {
    const char* name;
    std::vector<std::string_view> rows;
    std::optional<size_t> focused;
    InsertWhere where;
    InsertDialogValues dialog;
    std::vector<std::string> rowsAfter;
    std::vector<std::string> log;
    std::string remSign = ";";
};

void PrintTo(const InsertCase& c, std::ostream* os) { *os << c.name; }

class InsertCommand : public ::testing::TestWithParam<InsertCase> {};

TEST_P(InsertCommand, RowsTargetAndLog) {
    const InsertCase& c = GetParam();
    std::vector<RowSetup> rows;
    for (auto t : c.rows)
        rows.push_back(RowSetup{std::string(t)});
    auto doc = MakeDocument(rows);
    const AnalysisSettings s = Signs(c.remSign);
    const auto lines = DialogLines(s, c.dialog);
    ASSERT_EQ(InsertLines(*doc, s, InsertPosition(c.where, c.focused), lines, InsertCaption(c.where)), EditError::None);
    EXPECT_EQ(RowStates(*doc), c.rowsAfter);
    EXPECT_EQ(LogEntries(*doc), c.log);
    std::vector<std::string> captions;
    for (const std::string& r : c.rowsAfter)
        captions.push_back(r.substr(0, r.find('|')));
    EXPECT_EQ(TargetLines(*doc), captions);
    EXPECT_EQ(doc->modified(), !c.log.empty());
}

InsertDialogValues PlainText(std::string_view text, bool allRem = false) {
    InsertDialogValues v;
    v.text = text;
    v.allRem = allRem;
    return v;
}

InsertDialogValues Title(int type, std::string_view title, bool addRem = true) {
    InsertDialogValues v;
    v.page = InsertPage::Title;
    v.titleTypeIndex = type;
    v.title = title;
    v.addRem = addRem;
    v.text = "ignored\nwhen the title page is active";
    v.allRem = true;
    return v;
}

const InsertCase kInsertCases[] = {
    {"BelowInEmptyDocument",
     {},
     std::nullopt,
     InsertWhere::Below,
     PlainText("a=1\n;b\n"),
     {"a=1|<<新建行>>|cn", ";b|<<新建行>>|n"},
     {"(1)向下插入项(&D) ...: a=1", "(2)向下插入项(&D) ...: ;b"}},
    {"NoFocusInsertsAtTheTop",
     {"x", "y"},
     std::nullopt,
     InsertWhere::Below,
     PlainText("n"),
     {"n|<<新建行>>|cn", "x|x|-", "y|y|-"},
     {"(1)向下插入项(&D) ...: n"}},
    {"AboveTheFocusedRow",
     {"x", "y", "z"},
     1,
     InsertWhere::Above,
     PlainText("n1\nn2"),
     {"x|x|-", "n1|<<新建行>>|cn", "n2|<<新建行>>|cn", "y|y|-", "z|z|-"},
     {"(2)向上插入项(&U) ...: n1", "(3)向上插入项(&U) ...: n2"}},
    {"BelowTheLastRowAppends",
     {"x", "y"},
     1,
     InsertWhere::Below,
     PlainText("n"),
     {"x|x|-", "y|y|-", "n|<<新建行>>|cn"},
     {"(3)向下插入项(&D) ...: n"}},
    {"BlankLineIsChecked",
     {"x"},
     0,
     InsertWhere::Below,
     PlainText("\n  \n"),
     {"x|x|-", "|<<新建行>>|cn", "  |<<新建行>>|cn"},
     {"(2)向下插入项(&D) ...", "(3)向下插入项(&D) ..."}},
    {"BlankLineWithBlankSignIsUnchecked",
     {},
     std::nullopt,
     InsertWhere::Below,
     PlainText("\nk=1"),
     {"|<<新建行>>|n", "k=1|<<新建行>>|n"},
     {"(1)向下插入项(&D) ...", "(2)向下插入项(&D) ...: k=1"},
     " "},
    {"ForcedToComments",
     {},
     std::nullopt,
     InsertWhere::Below,
     PlainText("\n;c\nk=1\n  #x", true),
     {";|<<新建行>>|n", ";c|<<新建行>>|n", ";k=1|<<新建行>>|n", ";  #x|<<新建行>>|n"},
     {"(1)向下插入项(&D) ...: ;", "(2)向下插入项(&D) ...: ;c", "(3)向下插入项(&D) ...: ;k=1",
      "(4)向下插入项(&D) ...: ;  #x"}},
    {"EmptyTextInsertsNothing", {"x"}, 0, InsertWhere::Above, PlainText(""), {"x|x|-"}, {}},
    {"TitleThreeLinesSameSign",
     {"x"},
     0,
     InsertWhere::Below,
     Title(3, "Proxy"),
     {"x|x|-", ";;;;;;|<<新建行>>|n", ";Proxy|<<新建行>>|n", ";;;;;;|<<新建行>>|n"},
     {"(2)向下插入项(&D) ...: ;;;;;;", "(3)向下插入项(&D) ...: ;Proxy", "(4)向下插入项(&D) ...: ;;;;;;"}},
    {"TitleOneLineEmptyTitle",
     {},
     std::nullopt,
     InsertWhere::Below,
     Title(1, ""),
     {";;;;;;|<<新建行>>|n"},
     {"(1)向下插入项(&D) ...: ;;;;;;"}},
    {"TitleNoneInsertsNothing", {"x"}, 0, InsertWhere::Below, Title(0, "Proxy"), {"x|x|-"}, {}},
    {"TitleWithKeySignsIsChecked",
     {},
     std::nullopt,
     InsertWhere::Below,
     Title(2, "Proxy", false),
     {";;;;;;|<<新建行>>|n", "Proxy|<<新建行>>|cn"},
     {"(1)向下插入项(&D) ...: ;;;;;;", "(2)向下插入项(&D) ...: Proxy"}},
};

INSTANTIATE_TEST_SUITE_P(Editing, InsertCommand, ::testing::ValuesIn(kInsertCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct TitleCase {
    const char* name;
    int type;
    std::string_view title;
    bool addRem;
    std::vector<std::string> lines;
};

class TitleLines : public ::testing::TestWithParam<TitleCase> {};

TEST_P(TitleLines, ByType) {
    const TitleCase& c = GetParam();
    EXPECT_EQ(BuildTitleLines(Signs(), c.type, c.title, c.addRem), c.lines);
}

INSTANTIATE_TEST_SUITE_P(Editing, TitleLines,
                         ::testing::Values(TitleCase{"None", 0, "T", true, {}},
                                           TitleCase{"OneLineNeverAddsTheSign", 1, "T", true, {";;;;;;T"}},
                                           TitleCase{"TwoLines", 2, "T", true, {";;;;;;", ";T"}},
                                           TitleCase{"SameSignAround", 3, "T", true, {";;;;;;", ";T", ";;;;;;"}},
                                           TitleCase{"BeginAndEndSigns", 4, "T", true, {";;;;;;", ";T", "######"}},
                                           TitleCase{"WithoutCommentSign", 4, "T", false, {";;;;;;", "T", "######"}},
                                           TitleCase{"AlreadyAComment", 2, "  ; T", true, {";;;;;;", "  ; T"}},
                                           TitleCase{"EmptyTitleGetsTheSign", 3, "", true, {";;;;;;", ";", ";;;;;;"}},
                                           TitleCase{"OutOfRangeType", 7, "T", true, {}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(InsertCommand, EnabledAndPosition) {
    EXPECT_FALSE(CanInsertLines(InsertWhere::Above, 0));
    EXPECT_TRUE(CanInsertLines(InsertWhere::Above, 1));
    EXPECT_TRUE(CanInsertLines(InsertWhere::Below, 0));
    EXPECT_EQ(InsertPosition(InsertWhere::Above, std::nullopt), 0u);
    EXPECT_EQ(InsertPosition(InsertWhere::Below, std::nullopt), 0u);
    EXPECT_EQ(InsertPosition(InsertWhere::Above, 4), 4u);
    EXPECT_EQ(InsertPosition(InsertWhere::Below, 4), 5u);
}

TEST(InsertCommand, ALineBreakInALineIsRefusedUntouched) {
    auto doc = MakeDocument(Plain({"x"}));
    const std::vector<std::string> lines = {"ok", "a\nb"};
    EXPECT_EQ(InsertLines(*doc, Signs(), 0, lines, texts::kCapInsertUp), EditError::LineBreakInRow);
    EXPECT_EQ(RowStates(*doc), (std::vector<std::string>{"x|x|-"}));
    EXPECT_EQ(doc->log().size(), 0u);
    EXPECT_FALSE(doc->modified());
    EXPECT_THROW((void)InsertLines(*doc, Signs(), 2, std::vector<std::string>{"a"}, texts::kCapInsertUp),
                 std::out_of_range);
}

TEST(InsertCommand, MirrorOffKeepsTheTarget) {
    auto doc = MakeDocument(Plain({"x"}));
    doc->setTextMirrorsList(false, "");
    doc->setModified(false);
    const std::vector<std::string> lines = {"a", "b"};
    ASSERT_EQ(InsertLines(*doc, Signs(), 1, lines, texts::kCapInsertDown), EditError::None);
    EXPECT_EQ(RowStates(*doc), (std::vector<std::string>{"x|x|-", "a|<<新建行>>|cn", "b|<<新建行>>|cn"}));
    EXPECT_EQ(TargetLines(*doc), (std::vector<std::string>{"x"}));
    EXPECT_FALSE(doc->modified());
}

// A last line read without a break whose text ends in a lone CR gets a break when a line comes
// below it: CR LF, so that the CR stays in its text when the file is read again, whatever break
// the file uses.
TEST(InsertBelowTheLastLine, KeepsItsLoneCr) {
    for (const std::string file : {"a=1\nb=2\r", "a=1\r\nb=2\r"}) {
        auto doc = MakeDocument(file);
        const AnalysisSettings s = Signs();
        ASSERT_EQ(InsertLines(*doc, s, InsertPosition(InsertWhere::Below, 1), DialogLines(s, PlainText("c=3")),
                              InsertCaption(InsertWhere::Below)),
                  EditError::None);
        EXPECT_EQ(doc->saveBytes(), file + "\r\nc=3");
        auto again = MakeDocument(doc->saveBytes());
        EXPECT_EQ(TargetLines(*again), (std::vector<std::string>{"a=1", "b=2\r", "c=3"}));
    }
}

}  // namespace
}  // namespace vq::test
