// Row edits as the editing commands make them: batches, ranges, removal in one pass, inserted
// runs, copy on edit, and the target text that follows or stops following the rows.

#include "DocumentStates.h"
#include "Recorder.h"
#include "TreeDump.h"
#include "core/document/DocumentLoading.h"
#include "core/document/DocumentTexts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace vq {
namespace {

using test::Captions;
using test::Opened;
using test::Recorder;
using test::TargetLines;

std::string Of(Range r) { return std::to_string(r.first) + "+" + std::to_string(r.count); }

std::string Numbered(int n, const char* lineBreak = "\n") {
    std::string out;
    for (int i = 0; i < n; ++i)
        out += "r" + std::to_string(i) + lineBreak;
    return out;
}

TEST(ChangeBatch, OneCommandIsOneBatchOfRanges) {
    auto doc = Opened(Numbered(12));
    Recorder rec;
    doc->addListener(&rec);
    {
        Document::ChangeBatch batch(*doc);
        doc->addLogEntry(kLogMarker, "c", texts::kOpStart, {});
        for (size_t i : {2, 3, 4, 7, 9, 10}) {
            doc->setCaption(i, ";" + std::string(doc->caption(i)));
            doc->setEdited(i, true);
            doc->addLogEntry(static_cast<int>(i), "c", "x");
        }
        doc->setChecked(5, false);  // not mirrored: a changed row, no changed line
        doc->addLogEntry(kLogMarker, "c", texts::kOpEnd, {});
    }
    EXPECT_EQ(rec.events, (std::vector<std::string>{"begin", "rows 2+4", "rows 7+1", "rows 9+2", "lines 2+3",
                                                    "lines 7+1", "lines 9+2", "log 0+8", "state", "end"}));
    EXPECT_TRUE(doc->modified());
    EXPECT_EQ(doc->windowCaption(), "Varnoquil-/a.ini *");
    doc->removeListener(&rec);
}

TEST(ChangeBatch, NothingChangedSaysNothing) {
    auto doc = Opened(Numbered(3));
    Recorder rec;
    doc->addListener(&rec);
    {
        Document::ChangeBatch batch(*doc);
        doc->setCaption(1, "r1");
        doc->setChecked(1, doc->checked(1));
        doc->setEdited(1, false);
    }
    EXPECT_TRUE(rec.events.empty());
    EXPECT_FALSE(doc->modified());
    doc->removeListener(&rec);
}

// Changes noted before a removal go out with the indexes they were made with.
TEST(ChangeBatch, ChangedRowsGoOutBeforeRowsMove) {
    auto doc = Opened(Numbered(6));
    Recorder rec;
    doc->addListener(&rec);
    {
        Document::ChangeBatch batch(*doc);
        doc->setChecked(4, false);
        doc->deleteRow(1);
        doc->setChecked(3, true);  // the row that was 4
    }
    EXPECT_EQ(rec.events, (std::vector<std::string>{"begin", "rows 4+1", "removeRows? 1+1", "nodesLostRows 1",
                                                    "removeRows 1+1", "removeLines 1+1", "rows 3+1", "state", "end"}));
    doc->removeListener(&rec);
}

// While each removed run is announced, the document reads as it would with the runs above it
// gone and this one still there; once it is reported removed, with this one gone too.
struct RemovalChecker : DocumentListener {
    const Document* doc = nullptr;
    std::vector<std::string> model;  // what the view shows, kept in step by the notifications
    std::vector<std::string> events;
    void rowsAboutToBeRemoved(Range r) override {
        events.push_back(Of(r));
        EXPECT_EQ(doc->rowCount(), model.size());
        for (size_t i = 0; i < doc->rowCount(); ++i)
            EXPECT_EQ(doc->caption(i), model[i]) << "before " << Of(r) << ", row " << i;
        model.erase(model.begin() + static_cast<std::ptrdiff_t>(r.first),
                    model.begin() + static_cast<std::ptrdiff_t>(r.first + r.count));
    }
    void rowsRemoved(Range r) override {
        EXPECT_EQ(doc->rowCount(), model.size()) << "after " << Of(r);
        for (size_t i = 0; i < doc->rowCount(); ++i)
            EXPECT_EQ(doc->caption(i), model[i]) << "after " << Of(r) << ", row " << i;
    }
};

TEST(RemoveRows, RunsFromTheTopWithTheIndexesOfTheMoment) {
    auto doc = Opened(Numbered(10));
    RemovalChecker checker;
    checker.doc = doc.get();
    checker.model = Captions(*doc);
    doc->addListener(&checker);
    const std::vector<size_t> selected{1, 2, 5, 8, 9};
    doc->removeRows(selected);
    EXPECT_EQ(checker.events, (std::vector<std::string>{"1+2", "3+1", "5+2"}));
    EXPECT_EQ(Captions(*doc), (std::vector<std::string>{"r0", "r3", "r4", "r6", "r7"}));
    EXPECT_EQ(doc->saveBytes(), "r0\nr3\nr4\nr6\nr7\n");
    doc->removeListener(&checker);
}

// Removing a random set in one pass ends exactly where removing the rows one by one from the
// bottom ends: captions, flags, ids, target text, and the tree nodes that lost their rows.
TEST(RemoveRows, OnePassEqualsOneByOne) {
    std::mt19937 random(8);
    std::string file;
    for (int i = 0; i < 300; ++i)
        file += (i % 7 == 0 ? "[s" : "k") + std::to_string(i) + (i % 7 == 0 ? "]" : "=1") + (i % 2 ? "\r\n" : "\n");
    for (int round = 0; round < 20; ++round) {
        auto fast = Opened(file);
        auto slow = Opened(file);
        for (auto* doc : {fast.get(), slow.get()}) {  // the same edits first: texts, new rows
            doc->setCaption(3, "edited");
            doc->insertRow(10, "new");
        }
        std::vector<size_t> selected;
        for (size_t i = 0; i < fast->rowCount(); ++i)
            if (random() % 3 == 0)
                selected.push_back(i);
        RemovalChecker checker;
        checker.doc = fast.get();
        checker.model = Captions(*fast);
        fast->addListener(&checker);
        fast->removeRows(selected);
        fast->removeListener(&checker);
        for (auto it = selected.rbegin(); it != selected.rend(); ++it)
            slow->deleteRow(*it);

        ASSERT_EQ(Captions(*fast), Captions(*slow));
        EXPECT_EQ(TargetLines(*fast), Captions(*fast));
        EXPECT_EQ(fast->saveBytes(), slow->saveBytes());
        for (size_t i = 0; i < fast->rowCount(); ++i) {
            EXPECT_EQ(fast->rowId(i), slow->rowId(i));
            EXPECT_EQ(fast->isNewRow(i), slow->isNewRow(i));
            EXPECT_EQ(fast->checked(i), slow->checked(i));
            EXPECT_EQ(fast->indexOf(fast->rowId(i)), i);
        }
        EXPECT_EQ(test::DumpTree(*fast), test::DumpTree(*slow));
        EXPECT_EQ(test::DumpRowNodes(*fast), test::DumpRowNodes(*slow));
    }
}

TEST(RemoveRows, RefusesIndexesOutOfOrderAndChangesNothing) {
    auto doc = Opened(Numbered(5));
    for (const std::vector<size_t>& bad : {std::vector<size_t>{3, 1}, {1, 1}, {2, 5}}) {
        EXPECT_THROW(doc->removeRows(bad), std::invalid_argument);
        EXPECT_EQ(doc->rowCount(), 5u);
    }
    EXPECT_FALSE(doc->modified());
}

TEST(InsertRows, ARunIsOneInsertWithTheDocumentsBreak) {
    auto doc = Opened("a\r\nb\r\n");
    Recorder rec;
    doc->addListener(&rec);
    const NewRow rows[] = {{"x=1", true}, {"", true}, {";y", false}};
    doc->insertRows(1, rows);
    EXPECT_EQ(rec.events, (std::vector<std::string>{"begin", "insertRows? 1+3", "insertRows 1+3", "insertLines 1+3",
                                                    "state", "end"}));
    EXPECT_EQ(doc->saveBytes(), "a\r\nx=1\r\n\r\n;y\r\nb\r\n");
    for (size_t i = 1; i <= 3; ++i) {
        EXPECT_TRUE(doc->isNewRow(i));
        EXPECT_FALSE(doc->edited(i));
        EXPECT_EQ(doc->original(i), "");
        EXPECT_EQ(doc->checked(i), rows[i - 1].checked);
    }
    EXPECT_THROW(doc->insertRow(9, "z"), std::out_of_range);
    doc->removeListener(&rec);
}

// Texts handed in may be views into the document itself, whose store may move while they are
// taken.
TEST(CopyOnEdit, TextsFromTheDocumentItself) {
    auto doc = Opened(Numbered(4));
    doc->setCaption(0, std::string(5000, 'q'));
    doc->setCaption(1, doc->caption(0));
    doc->setCaption(0, doc->caption(0).substr(4990));
    const std::string_view twice[] = {doc->caption(1), doc->caption(0)};
    const NewRow rows[] = {{twice[0]}, {twice[1]}};
    doc->insertRows(2, rows);
    doc->replaceTarget({doc->caption(2), doc->caption(3)});
    EXPECT_EQ(Captions(*doc), (std::vector<std::string>{"qqqqqqqqqq", std::string(5000, 'q'), std::string(5000, 'q'),
                                                        "qqqqqqqqqq", "r2", "r3"}));
    EXPECT_EQ(TargetLines(*doc), (std::vector<std::string>{std::string(5000, 'q'), "qqqqqqqqqq"}));
}

// Giving rows texts of their own and taking them back again and again does not grow memory.
TEST(CopyOnEdit, RepeatedEditsKeepMemoryBounded) {
    auto doc = Opened(Numbered(2000));
    size_t afterFirst = 0;
    for (int round = 0; round < 40; ++round) {
        Document::ChangeBatch batch(*doc);
        for (size_t i = 0; i < doc->rowCount(); ++i)
            doc->setCaption(i, std::to_string(round) + ";" + std::string(doc->original(i)) + std::string(50, 'x'));
        if (round == 0)
            afterFirst = doc->memoryBytes();
    }
    EXPECT_LE(doc->memoryBytes(), afterFirst * 3 / 2);
    {
        Document::ChangeBatch batch(*doc);
        for (size_t i = 0; i < doc->rowCount(); ++i)
            doc->setCaption(i, doc->original(i));  // a restore: the rows read their lines again
    }
    EXPECT_EQ(doc->saveBytes(), Numbered(2000));
    for (size_t i = 0; i < doc->rowCount(); ++i)
        ASSERT_EQ(doc->caption(i).data(), doc->original(i).data()) << "row " << i << " kept a copy";
    for (int round = 0; round < 40; ++round) {
        Document::ChangeBatch batch(*doc);
        for (size_t i = 0; i < doc->rowCount(); ++i)
            doc->setCaption(i, i % 2 ? "x" : std::string(doc->original(i)));
    }
    EXPECT_LE(doc->memoryBytes(), afterFirst * 3 / 2);
}

TEST(TargetText, StopsFollowingTheRowsAndFollowsThemAgain) {
    auto doc = Opened("a\r\nb\nc");
    Recorder rec;
    doc->addListener(&rec);
    doc->setTextMirrorsList(false, "extracted");
    EXPECT_EQ(doc->saveBytes(), "a\r\nb\nc");
    EXPECT_FALSE(doc->modified());
    EXPECT_EQ(rec.events, (std::vector<std::string>{"begin", "state", "end"}));

    doc->setCaption(1, "B");
    doc->deleteRow(0);
    doc->insertRow(0, "new");
    EXPECT_EQ(doc->saveBytes(), "a\r\nb\nc");
    EXPECT_FALSE(doc->modified());

    doc->setTextMirrorsList(true, "mirrors");
    EXPECT_EQ(doc->saveBytes(), "new\r\nB\nc");
    EXPECT_TRUE(doc->modified());
    EXPECT_EQ(doc->targetHint(), "mirrors");
    doc->removeListener(&rec);
}

TEST(TargetText, MirroringAgainOverTheSameTextIsNoChange) {
    auto doc = Opened("a\nb\n");
    doc->setTextMirrorsList(false, "x");
    doc->setTextMirrorsList(true, "y");
    EXPECT_FALSE(doc->modified());
    EXPECT_TRUE(doc->target().followsRows());
}

// An extracted line keeps the break its line was read with; a last line read without one takes
// the document's, and the text ends with a break.
TEST(TargetText, ExtractedRowsKeepTheirBreaks) {
    auto doc = Opened("a\r\nb\nc");
    doc->insertRow(3, "new");
    const size_t rows[] = {0, 1, 2, 3};
    doc->replaceTargetByRows(rows);
    EXPECT_EQ(doc->saveBytes(), "a\r\nb\nc\r\nnew\r\n");
    EXPECT_FALSE(doc->textMirrorsList());
    doc->setCaption(0, "A");  // the rows change, the extracted text stays
    EXPECT_EQ(doc->saveBytes(), "a\r\nb\nc\r\nnew\r\n");
}

}  // namespace
}  // namespace vq
