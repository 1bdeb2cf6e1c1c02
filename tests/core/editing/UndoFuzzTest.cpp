// Random sequences of commands, undos and redos over real and made-up documents. After every
// undo the document is what it was before that step, after every redo what it was after it:
// rows with their flags, ids and tree links, the tree, the target text and the bytes Save
// writes, Modified and the caption. At the end everything is undone (back to the state at load)
// and redone (back to the end, byte for byte). Every undo and redo adds to the log, and its row
// entries name rows that hold the logged text.
//
// The default runs a few thousand sequences in a few seconds; for a longer search
//   VQ_UNDO_ROUNDS=50000 VQ_UNDO_SEED=7 build/tests/core_tests --gtest_filter='UndoFuzz.*'
// A failure names its seed and round.
#include "core/document/DocumentTexts.h"
#include "core/editing/EditingTexts.h"
#include "core/document/DocumentLoading.h"
#include "core/document/TreeBuilder.h"
#include "core/document/TreeOrder.h"
#include "core/editing/CommentCommands.h"
#include "core/editing/DeleteRestore.h"
#include "core/editing/EditLines.h"
#include "core/editing/InsertLines.h"
#include "core/editing/UndoHistory.h"
#include "core/extraction/Extraction.h"
#include "core/settings/SignPanel.h"
#include "core/text/Blanks.h"

#include "DocumentStates.h"
#include "SourceFiles.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace vq {
namespace {

unsigned long Setting(const char* name, unsigned long fallback) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::strtoul(value, nullptr, 10) : fallback;
}

// Lines of INI files: sections, keys, commented keys, title frames, blanks, odd bytes; breaks of
// both kinds, sometimes none at the end, sometimes a byte-order mark.
std::string RandomIni(std::mt19937& random) {
    static const char* const lines[] = {"[PHP]",
                                        "[mail function]",
                                        "engine = On",
                                        ";engine = Off",
                                        "key=1",
                                        "  key = 2",
                                        ";;;;;;",
                                        "; Title ;",
                                        "",
                                        "   ",
                                        "#x=1",
                                        "a=\xD6\xD0",
                                        "; note",
                                        "name=值",
                                        "odd=a\rb",
                                        ";;;"};
    std::string file = random() % 8 == 0 ? "\xEF\xBB\xBF" : "";
    const size_t count = random() % 40;
    for (size_t i = 0; i < count; ++i) {
        file += lines[random() % std::size(lines)];
        if (i + 1 < count || random() % 4 != 0)
            file += random() % 3 == 0 ? "\r\n" : "\n";
    }
    return file;
}

AnalysisSettings Pattern(int pattern, int titleType) {
    SignPanel signs;
    signs.PatternClick(pattern);
    AnalysisSettings s = signs.settings();
    s.titleType = TitleTypeFromIndex(titleType);
    return s;
}

std::unique_ptr<Document> Open(const std::string& bytes, const AnalysisSettings& s) {
    LoadOptions options;
    options.analysis = &s;
    LoadResult loaded = OpenBytesIntoDocument(ByteBuffer::copyOf(bytes), options);
    loaded.document->setFileName("/etc/php.ini");
    loaded.document->showFileNameInCaption();
    return std::move(loaded.document);
}

// Everything undo must give back; Modified and the caption are checked on their own.
struct Snapshot {
    std::vector<std::string> rows;
    std::vector<std::string> tree;
    std::string saved;
    bool mirrors = true;
    std::string hint;
    bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const Document& doc) {
    Snapshot s;
    s.rows = test::RowStates(doc);
    for (size_t i = 0; i < doc.rowCount(); ++i)
        s.rows[i] += "#" + std::to_string(doc.rowId(i)) + "@" + std::to_string(doc.nodeOfRow(i));
    const TopicTree& tree = doc.tree();
    ForEachNodeInTreeOrder(tree, [&](NodeId id, int depth) {
        const TopicNode node = tree.node(id);
        s.tree.push_back(std::to_string(depth) + " " + std::to_string(id) + " " + std::string(node.text) + " #" +
                         std::to_string(node.row) + " " + std::to_string(static_cast<int>(node.image)));
    });
    s.saved = doc.saveBytes();
    s.mirrors = doc.textMirrorsList();
    s.hint = doc.targetHint();
    return s;
}

// What a view learns: whether a command reached the target text, and how many rows and lines
// there are when it follows the inserts and removals it is told of.
struct ViewWatch : DocumentListener {
    explicit ViewWatch(const Document& doc) : doc(doc), rows(doc.rowCount()), lines(doc.target().lineCount()) {}
    const Document& doc;
    size_t rows;
    size_t lines;
    bool changed = false;
    void rowsReset() override { rows = doc.rowCount(); }
    void rowsInserted(Range r) override { rows += r.count; }
    void rowsRemoved(Range r) override { rows -= r.count; }
    void targetReset() override {
        changed = true;
        lines = doc.target().lineCount();
    }
    void targetLinesReplaced(Range) override { changed = true; }
    void targetLinesInserted(Range r) override {
        changed = true;
        lines += r.count;
    }
    void targetLinesRemoved(Range r) override {
        changed = true;
        lines -= r.count;
    }
};

std::vector<size_t> RandomSelection(std::mt19937& random, size_t rows) {
    std::vector<size_t> selected;
    const unsigned mode = random() % 4;
    for (size_t i = 0; i < rows; ++i)
        if (mode == 0 || random() % (mode + 1) == 0)
            selected.push_back(i);
    if (selected.empty() && rows > 0)
        selected.push_back(random() % rows);
    return selected;
}

// New texts, and now and then a row's line as read, which a row then reads from the file again.
std::string RandomText(std::mt19937& random, const Document& doc) {
    static const char* const texts[] = {"new=1", ";new=2", "", "[new]", "key=1", ";;;;;;", "值=3"};
    if (random() % 4 == 0 && doc.rowCount() > 0)
        return std::string(doc.original(random() % doc.rowCount()));
    return texts[random() % std::size(texts)];
}

std::vector<std::string> RandomLines(std::mt19937& random, const Document& doc) {
    std::vector<std::string> lines(random() % 4);
    for (std::string& line : lines)
        line = RandomText(random, doc);
    return lines;
}

// One document, its history, and the state after each step as it was when the step was made.
class Sequence {
public:
    Sequence(std::mt19937& random, std::unique_ptr<Document> doc)
        : m_random(random), m_doc(std::move(doc)), m_history(*m_doc), m_states{Take(*m_doc)},
          m_caption(m_doc->windowCaption()), m_savedBytes(m_doc->saveBytes()) {
        m_doc->addListener(&m_watch);
    }
    ~Sequence() { m_doc->removeListener(&m_watch); }

    void run(size_t operations) {
        for (size_t n = 0; n < operations && !::testing::Test::HasFatalFailure(); ++n) {
            const unsigned what = m_random() % 10;
            if (what < 2)
                undo();
            else if (what < 3)
                redo();
            else
                command();
        }
        if (::testing::Test::HasFatalFailure())
            return;
        const size_t top = m_states.size() - 1;
        const std::string end = m_position == top ? m_doc->saveBytes() : m_states.back().saved;
        while (m_history.canUndo() && !::testing::Test::HasFatalFailure())
            undo();
        ASSERT_EQ(m_position, 0u) << "everything undone";
        while (m_history.canRedo() && !::testing::Test::HasFatalFailure())
            redo();
        ASSERT_EQ(m_position, top) << "everything redone";
        ASSERT_EQ(m_doc->saveBytes(), end);
    }

private:
    void undo() {
        const bool possible = m_position > 0;
        ASSERT_EQ(m_history.canUndo(), possible);
        const size_t logged = m_doc->log().size();
        m_history.undo();
        if (!possible)
            return;
        --m_position;
        ASSERT_EQ(Take(*m_doc), m_states[m_position]) << "after undo to " << m_position;
        check(logged);
    }

    void redo() {
        const bool possible = m_position + 1 < m_states.size();
        ASSERT_EQ(m_history.canRedo(), possible);
        const size_t logged = m_doc->log().size();
        m_history.redo();
        if (!possible)
            return;
        ++m_position;
        ASSERT_EQ(Take(*m_doc), m_states[m_position]) << "after redo to " << m_position;
        check(logged);
    }

    // Modified as the steps between here and the saved state say; new log entries only, each
    // row entry leading to a row that holds its text (a removed row's entry has "<<删除>>").
    void check(size_t logged) {
        bool modified = !m_saved.has_value();
        if (m_saved)
            for (size_t k = std::min(m_position, *m_saved); k < std::max(m_position, *m_saved); ++k)
                modified = modified || m_changesTarget[k];
        ASSERT_EQ(m_doc->modified(), modified);
        ASSERT_EQ(m_watch.rows, m_doc->rowCount());
        ASSERT_EQ(m_watch.lines, m_doc->target().lineCount());
        ASSERT_EQ(m_doc->windowCaption(), m_caption + (modified ? texts::kModifiedMark : ""));
        if (!modified) {
            ASSERT_EQ(m_doc->saveBytes(), m_savedBytes);
        }
        const OperationLog& log = m_doc->log();
        ASSERT_GT(log.size(), logged);
        for (size_t k = logged; k < log.size(); ++k) {
            const int row = log.row(k);
            const LogEntry entry = log.entry(k);
            if (row < 0 || entry.note == texts::kRemovedNewRowMark)
                continue;
            ASSERT_LT(static_cast<size_t>(row), m_doc->rowCount()) << entry.full();
            const std::string_view caption = m_doc->caption(static_cast<size_t>(row));
            ASSERT_EQ(entry.text, IsBlankText(caption) ? std::string_view() : caption) << entry.full();
        }
    }

    void command() {
        Document& doc = *m_doc;
        const size_t rows = doc.rowCount();
        const size_t steps = m_history.undoCount();
        const unsigned what = rows == 0 ? 3 : m_random() % 13;
        if (what == 12) {
            save();
            return;
        }
        m_watch.changed = false;
        {
            UndoHistory::Step step(m_history, texts::kCapRemLine);
            switch (what) {
            case 0: CommentRows(doc, m_signs, RandomSelection(m_random, rows)); break;
            case 1: UncommentRows(doc, m_signs, RandomSelection(m_random, rows)); break;
            case 2: DeleteRows(doc, RandomSelection(m_random, rows)); break;
            case 3:
                InsertLines(doc, m_signs, m_random() % (rows + 1), RandomLines(m_random, doc), texts::kCapInsertDown);
                break;
            case 4: EditRowInPlace(doc, m_random() % rows, RandomText(m_random, doc)); break;
            case 5: {
                const auto block = DialogEditBlock(RandomSelection(m_random, rows), m_random() % rows);
                ApplyDialogEdit(doc, m_signs, *block, RandomLines(m_random, doc));
                break;
            }
            case 6: RestoreRows(doc, RandomSelection(m_random, rows)); break;
            case 7: RestoreAllRows(doc); break;
            case 8:
                BuildTopicTree(doc, Pattern(static_cast<int>(m_random() % 4), static_cast<int>(m_random() % 5)),
                               Progress{});
                break;
            case 9: ExtractLines(doc, static_cast<ExtractionKind>(m_random() % 3)); break;
            case 10: {
                const size_t row = m_random() % rows;
                doc.setChecked(row, !doc.checked(row));
                break;
            }
            default: CommentRows(doc, m_signs, std::vector<size_t>{m_random() % rows}); break;
            }
        }
        if (m_history.undoCount() == steps) {
            // Nothing changed: no step, and what could be redone still can.
            ASSERT_EQ(Take(doc), m_states[m_position]);
            ASSERT_EQ(m_history.canRedo(), m_position + 1 < m_states.size());
            return;
        }
        ASSERT_EQ(m_history.undoCount(), steps + 1);
        ASSERT_FALSE(m_history.canRedo());
        m_states.resize(m_position + 1);
        m_changesTarget.resize(m_position);
        if (m_saved && *m_saved > m_position)
            m_saved.reset();
        m_states.push_back(Take(doc));
        m_changesTarget.push_back(m_watch.changed);
        ++m_position;
    }

    // As the window saves: Modified and the caption's mark go, and this is the saved state.
    void save() {
        m_doc->showFileNameInCaption();
        m_doc->setModified(false);
        m_history.markSaved();
        m_saved = m_position;
        m_savedBytes = m_doc->saveBytes();
    }

    std::mt19937& m_random;
    std::unique_ptr<Document> m_doc;
    UndoHistory m_history;
    ViewWatch m_watch{*m_doc};
    AnalysisSettings m_signs = Pattern(2, 3);
    std::vector<Snapshot> m_states;
    std::vector<bool> m_changesTarget;  // step k leads from state k to state k + 1
    size_t m_position = 0;
    std::optional<size_t> m_saved = 0;
    std::string m_caption;  // without the mark
    std::string m_savedBytes;
};

TEST(UndoFuzz, RandomSequencesGiveBackEveryState) {
    const unsigned long seed = Setting("VQ_UNDO_SEED", 1);
    const unsigned long rounds = Setting("VQ_UNDO_ROUNDS", 2000);
    const std::vector<std::string> files = {test::GetBytes(test::SourceFile("tests/data/files/mixed_breaks.ini")),
                                            test::GetBytes(test::SourceFile("resources/samples/php-sample.ini"))};
    for (const std::string& file : files)
        ASSERT_FALSE(file.empty());
    std::mt19937 random(static_cast<std::mt19937::result_type>(seed));
    for (unsigned long round = 0; round < rounds; ++round) {
        SCOPED_TRACE("seed " + std::to_string(seed) + ", round " + std::to_string(round));
        const std::string bytes = round % 3 == 2 ? RandomIni(random) : files[round % 2 == 0 ? 0 : 1];
        Sequence sequence(random, Open(bytes, Pattern(2, static_cast<int>(random() % 5))));
        sequence.run(10 + random() % 40);
        if (::testing::Test::HasFatalFailure())
            return;
    }
}

}  // namespace
}  // namespace vq
