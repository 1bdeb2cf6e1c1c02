#include "DocumentStates.h"
#include "Recorder.h"
#include "core/document/Document.h"
#include "core/files/FileSizeCheck.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace vq {
namespace {

using test::Captions;
using test::Opened;
using test::Recorder;
using test::TargetLines;

TEST(DocumentLoad, OneRowPerLineWithTextAtLoad) {
    auto owned = Opened("a\r\n\r\n  b\t\r\n");
    Document& doc = *owned;
    EXPECT_EQ(Captions(doc), (std::vector<std::string>{"a", "", "  b\t"}));
    for (size_t i = 0; i < doc.rowCount(); ++i) {
        EXPECT_EQ(doc.row(i).original, doc.row(i).caption);
        EXPECT_EQ(doc.row(i).record.edited, 0);
        EXPECT_EQ(doc.row(i).record.newLine, 0);
    }
    EXPECT_FALSE(doc.modified());
    EXPECT_EQ(doc.windowCaption(), "Varnoquil-/a.ini");
}

TEST(DocumentLoad, FinalBreakMakesNoExtraRow) {
    EXPECT_EQ(Opened("a\nb\n")->rowCount(), 2u);
    EXPECT_EQ(Opened("a\nb")->rowCount(), 2u);
    EXPECT_EQ(Opened("")->rowCount(), 0u);
}

TEST(DocumentLoad, UnchangedDocumentSavesTheBytesItRead) {
    for (const std::string& bytes :
         {std::string("\xEF\xBB\xBF[a]\r\nk=v\r\n"), std::string("x\ny\r\nz"), std::string("\xD6\xD0\r\n", 4)}) {
        auto owned = Opened(bytes);
        Document& doc = *owned;
        EXPECT_EQ(doc.saveBytes(), bytes);
    }
}

TEST(DocumentLoad, EncodingFollowsTheBytes) {
    EXPECT_EQ(Opened("\xE4\xB8\xAD=1\n")->encoding(), TextEncoding::Utf8);
    EXPECT_EQ(Opened("\xD6\xD0=1\n")->encoding(), TextEncoding::Legacy);
    EXPECT_TRUE(Opened("\xEF\xBB\xBFk\n")->hasBom());
    EXPECT_EQ(Opened("\xEF\xBB\xBFk\n")->caption(0), "k");
}

TEST(Mirroring, CaptionChangeReplacesOnlyItsLine) {
    auto owned = Opened("0\n1\n2\n3\n4\n5\n6\n");
    Document& doc = *owned;
    Recorder rec;
    doc.addListener(&rec);
    doc.setCaption(5, ";5");
    EXPECT_EQ(TargetLines(doc), (std::vector<std::string>{"0", "1", "2", "3", "4", ";5", "6"}));
    EXPECT_EQ(rec.events, (std::vector<std::string>{"begin", "rows 5+1", "lines 5+1", "state", "end"}));
    EXPECT_TRUE(doc.modified());
    EXPECT_EQ(doc.windowCaption(), "Varnoquil-/a.ini *");
    EXPECT_EQ(doc.saveBytes(), "0\n1\n2\n3\n4\n;5\n6\n");
}

TEST(Mirroring, CheckBoxChangesAreNotMirrored) {
    auto owned = Opened("a\nb\n");
    Document& doc = *owned;
    Recorder rec;
    doc.addListener(&rec);
    doc.setChecked(1, true);
    doc.setChecked(1, false);
    EXPECT_EQ(rec.events, (std::vector<std::string>{"begin", "rows 1+1", "end"}));  // no line, no state
    EXPECT_FALSE(doc.modified());
}

TEST(Mirroring, CaptionMarkIsAddedOnce) {
    auto owned = Opened("a\nb\n");
    Document& doc = *owned;
    doc.setCaption(0, "x");
    doc.setCaption(1, "y");
    EXPECT_EQ(doc.windowCaption(), "Varnoquil-/a.ini *");
}

struct RowEditCase {
    const char* name;
    std::string file;
    bool insert;  // else delete
    size_t index;
    std::string saved;
};

void PrintTo(const RowEditCase& c, std::ostream* os) { *os << c.name; }

class RowEdits : public ::testing::TestWithParam<RowEditCase> {};

TEST_P(RowEdits, InsertedAndDeletedRowsAreMirroredWithTheDocumentsBreak) {
    const RowEditCase& c = GetParam();
    auto owned = Opened(c.file);
    Document& doc = *owned;
    if (c.insert)
        doc.insertRow(c.index, "new");
    else
        doc.deleteRow(c.index);
    EXPECT_EQ(doc.saveBytes(), c.saved);
    EXPECT_EQ(TargetLines(doc), Captions(doc));
    EXPECT_TRUE(doc.modified());
}

INSTANTIATE_TEST_SUITE_P(Document, RowEdits,
                         ::testing::Values(RowEditCase{"InsertFirstCrLf", "a\r\nb\r\n", true, 0, "new\r\na\r\nb\r\n"},
                                           RowEditCase{"InsertMiddleLf", "a\nb\n", true, 1, "a\nnew\nb\n"},
                                           RowEditCase{"AppendKeepsNoFinalBreak", "a\nb", true, 2, "a\nb\nnew"},
                                           RowEditCase{"AppendWithFinalBreak", "a\r\nb\r\n", true, 2,
                                                       "a\r\nb\r\nnew\r\n"},
                                           RowEditCase{"InsertIntoEmptyFile", "", true, 0, "new\r\n"},
                                           RowEditCase{"DeleteFirst", "a\nb\nc\n", false, 0, "b\nc\n"},
                                           RowEditCase{"DeleteLastWithoutFinalBreak", "a\nb\nc", false, 2, "a\nb"},
                                           RowEditCase{"DeleteOnlyRow", "a\n", false, 0, ""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Rows, InsertedRowIsNewWithoutTextAtLoad) {
    auto owned = Opened("a\n");
    Document& doc = *owned;
    doc.insertRow(1, "b");
    EXPECT_EQ(doc.row(1).record.newLine, 1);
    EXPECT_EQ(doc.row(1).record.edited, 0);
    EXPECT_TRUE(doc.row(1).original.empty());
}

TEST(Rows, StableIdsSurviveInsertsAndDeletes) {
    auto owned = Opened("a\nb\nc\nd\n");
    Document& doc = *owned;
    const RowId c = doc.row(2).id;
    doc.insertRow(0, "x");
    EXPECT_EQ(doc.indexOf(c), 3u);
    doc.deleteRow(1);
    doc.deleteRow(0);
    EXPECT_EQ(doc.indexOf(c), 1u);
    const RowId gone = doc.row(0).id;
    doc.deleteRow(0);
    EXPECT_FALSE(doc.indexOf(gone).has_value());
}

TEST(Mirroring, NothingIsMirroredWhileTheTextHoldsAnExtraction) {
    auto owned = Opened("a\nb\nc\n");
    Document& doc = *owned;
    doc.replaceTarget({"b"});
    doc.setModified(false);
    doc.setTextMirrorsList(false, "extracted");
    doc.setCaption(0, "x");
    doc.insertRow(0, "y");
    doc.deleteRow(3);
    EXPECT_EQ(TargetLines(doc), (std::vector<std::string>{"b"}));
    EXPECT_FALSE(doc.modified());
    EXPECT_EQ(Captions(doc), (std::vector<std::string>{"y", "x", "b"}));
}

TEST(Mirroring, ChangesWhileLoadingDoNotMarkModified) {
    auto owned = Opened("a\n");
    Document& doc = *owned;
    doc.setLoading(true);
    doc.setCaption(0, "b");
    doc.setLoading(false);
    EXPECT_FALSE(doc.modified());
    EXPECT_EQ(doc.windowCaption(), "Varnoquil-/a.ini");
}

TEST(Rows, DeletedRowClearsItsNodesReference) {
    auto owned = Opened("[s]\nk=v\n");
    Document& doc = *owned;
    TopicTree& tree = doc.beginTreeRebuild();
    const NodeId section = tree.add(kNoNode, doc.caption(0), doc.row(0).id, NodeKind::Section);
    const NodeId key = tree.add(section, doc.caption(1), doc.row(1).id, NodeKind::Key);
    doc.setRowAnalysis(0, true, section);
    doc.setRowAnalysis(1, true, key);
    doc.endTreeRebuild();
    Recorder rec;
    doc.addListener(&rec);
    doc.deleteRow(1);
    EXPECT_EQ(doc.tree().node(key).row, kNoRow);
    EXPECT_TRUE(doc.tree().node(key).alive);  // the node keeps its place until the next analysis
    EXPECT_EQ(doc.tree().node(section).row, doc.row(0).id);
    EXPECT_EQ(rec.events, (std::vector<std::string>{"begin", "removeRows? 1+1", "nodesLostRows " + std::to_string(key),
                                                    "removeRows 1+1", "removeLines 1+1", "state", "end"}));
}

TEST(Unload, ClearViewsEmptiesEverything) {
    auto owned = Opened("[s]\nk=v\n");
    Document& doc = *owned;
    doc.clearViews();
    EXPECT_EQ(doc.rowCount(), 0u);
    EXPECT_TRUE(doc.target().empty());
    EXPECT_TRUE(doc.tree().empty());
    EXPECT_EQ(doc.saveBytes(), "");
}

TEST(Caption, Forms) {
    Document doc;
    EXPECT_EQ(doc.windowCaption(), "Varnoquil");
    doc.setUntitled();
    doc.showFileNameInCaption();
    EXPECT_EQ(doc.windowCaption(), "Varnoquil-Untitled");
    EXPECT_TRUE(doc.isUntitled());
    doc.showFileNameInCaption(false);
    EXPECT_EQ(doc.windowCaption(), "Varnoquil");
}

// Having no file is the document's state: a file named "Untitled" is a file like any other.
TEST(Caption, UntitledIsStateNotName) {
    Document doc;
    EXPECT_TRUE(doc.isUntitled());
    doc.setFileName("Untitled");
    EXPECT_FALSE(doc.isUntitled());
    doc.showFileNameInCaption();
    EXPECT_EQ(doc.windowCaption(), "Varnoquil-Untitled");
    doc.setUntitled();
    EXPECT_TRUE(doc.isUntitled());
    EXPECT_EQ(doc.fileName(), "Untitled");
    doc.setFileName("/etc/hosts");
    EXPECT_FALSE(doc.isUntitled());
}

struct SizeCase {
    std::uint64_t bytes;
    SizeVerdict verdict;
};

class FileSizes : public ::testing::TestWithParam<SizeCase> {};

TEST_P(FileSizes, Thresholds) { EXPECT_EQ(CheckFileSize(GetParam().bytes), GetParam().verdict); }

INSTANTIATE_TEST_SUITE_P(Document, FileSizes,
                         ::testing::Values(SizeCase{0, SizeVerdict::Quiet}, SizeCase{71680, SizeVerdict::Quiet},
                                           SizeCase{71681, SizeVerdict::Notice}, SizeCase{153600, SizeVerdict::Notice},
                                           SizeCase{153601, SizeVerdict::Question}));

TEST(Progress, TextsComeAtMostEvery100Milliseconds) {
    std::uint32_t now = 0;
    std::vector<std::string> shown;
    Progress progress{[&] { return now += 30; }, [&](const std::string& s) { shown.push_back(s); }};
    Document doc;
    std::string file;
    for (int i = 0; i < 10; ++i)
        file += "k=v\n";
    doc.load(file, progress);
    // The clock advances 30 ms a call: a text every fourth row or so, the last text "done".
    ASSERT_GE(shown.size(), 2u);
    EXPECT_EQ(shown.front(), "正在加载内容列表 ... 4行, 共10行");
    EXPECT_EQ(shown.back(), "处理完毕！");
}

}  // namespace
}  // namespace vq
