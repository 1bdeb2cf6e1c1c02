// The three extractions on whole documents: the lines chosen, their breaks, invalid tree nodes,
// the mirror going off and coming back, the page hint, Modified, and edits made before and after.

#include "DocumentStates.h"
#include "Recorder.h"
#include "core/extraction/Extraction.h"
#include "core/settings/SignPanel.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vq {
namespace {

AnalysisSettings Pattern(int p) {
    SignPanel signs;
    signs.PatternClick(p);
    return signs.settings();
}

// Opened as the window opens it, under pattern 1 unless told.
std::unique_ptr<Document> Opened(const std::string& bytes, int pattern = 1) {
    return test::Opened(bytes, Pattern(pattern));
}

const std::string kFromChecked = "当前文本内容为上次操作:提取钩选项(&S) ...";
const std::string kFromTree = "当前文本内容为上次操作:提取目录树(&D) ...";
const std::string kSameAsList = "当前文本内容与列表相同";

struct ExtractionCase {
    std::string name;
    std::string file;
    std::function<void(Document&)> before;  // edits made before the extraction
    ExtractionKind kind;
    std::string saved;  // what Save writes afterwards
    size_t invalid = 0;
};

void PrintTo(const ExtractionCase& c, std::ostream* os) { *os << c.name; }

void Nothing(Document&) {}

// "; c", "[S]", "k=1", ";x=2", "", "root" with CR LF, the last line without a break.
const std::string kCrLf = "; c\r\n[S]\r\nk=1\r\n;x=2\r\n\r\nroot";
// The same with LF and a final break, and once more with the breaks mixed.
const std::string kLf = "; c\n[S]\nk=1\n;x=2\n\nroot\n";
const std::string kMixed = "; c\n[S]\r\nk=1\n;x=2\r\n\nroot";

const std::vector<ExtractionCase> kCases = {
    // Checked rows: right after opening, the lines that are neither blank nor comments.
    {"checked_crlf", kCrLf, Nothing, ExtractionKind::Checked, "[S]\r\nk=1\r\nroot\r\n"},
    {"checked_lf", kLf, Nothing, ExtractionKind::Checked, "[S]\nk=1\nroot\n"},
    {"checked_mixed_keeps_each_break", kMixed, Nothing, ExtractionKind::Checked, "[S]\r\nk=1\nroot\n"},
    {"checked_none", "; a\r\n\r\n; b\r\n", Nothing, ExtractionKind::Checked, ""},
    {"checked_as_the_user_left_them", kLf,
     [](Document& d) {
         d.setChecked(1, false);
         d.setChecked(3, true);
     },
     ExtractionKind::Checked, "k=1\n;x=2\nroot\n"},
    {"checked_current_text", kCrLf, [](Document& d) { d.setCaption(2, "k=2"); }, ExtractionKind::Checked,
     "[S]\r\nk=2\r\nroot\r\n"},
    // A row the user inserted takes the document's break: the file's first one.
    {"checked_inserted_row_mixed", kMixed, [](Document& d) { d.insertRow(2, "new=1", true); }, ExtractionKind::Checked,
     "[S]\r\nnew=1\nk=1\nroot\n"},
    {"checked_inserted_row_crlf", kCrLf, [](Document& d) { d.insertRow(6, "end=1", true); }, ExtractionKind::Checked,
     "[S]\r\nk=1\r\nroot\r\nend=1\r\n"},
    {"checked_lone_cr_stays_in_text", "a=1\rb\r\nc=2", Nothing, ExtractionKind::Checked, "a=1\rb\r\nc=2\r\n"},
    {"checked_empty_document", "", Nothing, ExtractionKind::Checked, ""},

    // The tree: sections, keys and commented keys, in tree order.
    {"tree_crlf", kCrLf, Nothing, ExtractionKind::Tree, "[S]\r\nk=1\r\n;x=2\r\nroot\r\n"},
    {"tree_mixed", kMixed, Nothing, ExtractionKind::Tree, "[S]\r\nk=1\n;x=2\r\nroot\n"},
    {"tree_deleted_rows_are_invalid", kLf,
     [](Document& d) {
         const size_t rows[] = {2, 3};
         d.removeRows(rows);
     },
     ExtractionKind::Tree, "[S]\nroot\n", 2},
    {"tree_deleted_row_without_node_is_no_loss", kLf, [](Document& d) { d.deleteRow(0); }, ExtractionKind::Tree,
     "[S]\nk=1\n;x=2\nroot\n"},
    {"tree_edited_and_moved_rows", kLf,
     [](Document& d) {
         d.insertRow(0, "top=1", true);  // no node until the tree is rebuilt
         d.setCaption(3, "k=changed");
     },
     ExtractionKind::Tree, "[S]\nk=changed\n;x=2\nroot\n"},
    {"tree_every_node_gone", "[S]\nk=1\n",
     [](Document& d) {
         const size_t rows[] = {0, 1};
         d.removeRows(rows);
     },
     ExtractionKind::Tree, "", 2},

    // All rows: the file back, each line with its own break, a missing final one added.
    {"all_crlf", kCrLf, Nothing, ExtractionKind::All, kCrLf + "\r\n"},
    {"all_lf", kLf, Nothing, ExtractionKind::All, kLf},
    {"all_mixed", kMixed, Nothing, ExtractionKind::All, kMixed + "\n"},
    {"all_no_break_at_all", "only", Nothing, ExtractionKind::All, "only\r\n"},
    {"all_with_edits", kMixed,
     [](Document& d) {
         d.deleteRow(0);
         d.insertRow(0, "; new", false);
         d.setCaption(2, "k=3");
     },
     ExtractionKind::All, "; new\n[S]\r\nk=3\n;x=2\r\n\nroot\n"},
    {"all_after_checked_brings_back_every_row", kCrLf,
     [](Document& d) {
         ExtractLines(d, ExtractionKind::Checked);
         d.setCaption(1, "[T]");
     },
     ExtractionKind::All, "; c\r\n[T]\r\nk=1\r\n;x=2\r\n\r\nroot\r\n"},
};

class Extraction : public ::testing::TestWithParam<ExtractionCase> {};

TEST_P(Extraction, WritesTheChosenLines) {
    const ExtractionCase& c = GetParam();
    auto doc = Opened(c.file);
    c.before(*doc);
    const ExtractionOutcome outcome = ExtractLines(*doc, c.kind);
    EXPECT_EQ(doc->saveBytes(), c.saved);
    EXPECT_EQ(outcome.invalidNodes, c.invalid);
    EXPECT_EQ(outcome.lines, doc->target().lineCount());
    EXPECT_TRUE(doc->modified());
    EXPECT_EQ(doc->windowCaption(), "Varnoquil-/a.ini *");
    const bool all = c.kind == ExtractionKind::All;
    EXPECT_EQ(doc->textMirrorsList(), all);
    EXPECT_EQ(doc->targetHint(), all ? kSameAsList : c.kind == ExtractionKind::Tree ? kFromTree : kFromChecked);
}

INSTANTIATE_TEST_SUITE_P(Cases, Extraction, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return info.param.name; });

// php.ini: titles framed by ;;;;;; lines sit under their section, and their keys under them.
TEST(ExtractionTree, TakesTitlesAndTheirKeysInTreeOrder) {
    auto doc = Opened("top=0\n[S]\n;;;;;;\n; Paths\n;;;;;;\na=1\n;b=2\n\n[U]\nc=3\n", 2);
    const ChosenLines chosen = ChooseLines(*doc, ExtractionKind::Tree);
    EXPECT_EQ(chosen.rows, (std::vector<size_t>{0, 1, 3, 5, 6, 8, 9}));
    ExtractLines(*doc, ExtractionKind::Tree);
    EXPECT_EQ(doc->saveBytes(), "top=0\n[S]\n; Paths\na=1\n;b=2\n[U]\nc=3\n");
}

TEST(ExtractionTree, CountsEveryInvalidNodeAndSaysSo) {
    auto doc = Opened("[S]\nk=1\nk=2\n[T]\nk=3\n");
    const size_t rows[] = {1, 3};
    doc->removeRows(rows);
    const ExtractionOutcome outcome = ExtractLines(*doc, ExtractionKind::Tree);
    EXPECT_EQ(outcome.invalidNodes, 2u);
    EXPECT_EQ(InvalidNodesMessage(outcome.invalidNodes), "目录树有 2 项无效！");
    EXPECT_EQ(doc->saveBytes(), "[S]\nk=2\nk=3\n");
}

// After an extraction that ends the mirror, edits change only the rows; "all" makes the text
// follow them again, and later edits reach it.
TEST(ExtractionMirror, OffAfterCheckedThenOnAfterAll) {
    for (const ExtractionKind off : {ExtractionKind::Checked, ExtractionKind::Tree}) {
        auto doc = Opened(kLf);
        ExtractLines(*doc, off);
        const std::string extracted = doc->saveBytes();
        doc->setCaption(2, "k=9");
        doc->deleteRow(5);
        doc->insertRow(0, "first", true);
        EXPECT_EQ(doc->saveBytes(), extracted);

        ExtractLines(*doc, ExtractionKind::All);
        EXPECT_EQ(doc->saveBytes(), "first\n; c\n[S]\nk=9\n;x=2\n\n");
        doc->setCaption(0, "again");
        doc->deleteRow(1);
        EXPECT_EQ(doc->saveBytes(), "again\n[S]\nk=9\n;x=2\n\n");
    }
}

TEST(ExtractionMirror, AllRightAfterOpeningIsStillAChange) {
    auto doc = Opened(kLf);
    ExtractLines(*doc, ExtractionKind::All);
    EXPECT_TRUE(doc->modified());
    EXPECT_EQ(doc->saveBytes(), kLf);
}

TEST(ExtractionMirror, WhileLoadingIsNoChange) {
    auto doc = Opened(kLf);
    doc->setLoading(true);
    ExtractLines(*doc, ExtractionKind::Checked);
    EXPECT_FALSE(doc->modified());
    EXPECT_EQ(doc->windowCaption(), "Varnoquil-/a.ini");
}

TEST(ExtractionBytes, KeepsTheByteOrderMarkAside) {
    auto doc = Opened("\xEF\xBB\xBF[S]\r\n; c\r\nk=1");
    ExtractLines(*doc, ExtractionKind::Checked);
    EXPECT_EQ(doc->saveBytes(), "\xEF\xBB\xBF[S]\r\nk=1\r\n");
    ExtractLines(*doc, ExtractionKind::All);
    EXPECT_EQ(doc->saveBytes(), "\xEF\xBB\xBF[S]\r\n; c\r\nk=1\r\n");
}

// One command reaches the views as one batch with one reset of the text.
TEST(ExtractionBytes, OneBatchOneReset) {
    for (const ExtractionKind kind : {ExtractionKind::Checked, ExtractionKind::Tree, ExtractionKind::All}) {
        auto doc = Opened(kLf);
        test::Recorder heard;
        doc->addListener(&heard);
        ExtractLines(*doc, kind);
        EXPECT_EQ(heard.events, (std::vector<std::string>{"begin", "targetReset", "state", "end"}));
        doc->removeListener(&heard);
    }
}

}  // namespace
}  // namespace vq
