// Random edits on random INI files: every line that no edit names keeps its bytes and its
// break, the final break stays as it was, and each edit does what it says (a key set reads back
// with its value, a key disabled or deleted is no longer active).
//
// The default runs 2,000 files in well under a second; for a longer search run
//   VQ_FUZZ_ROUNDS=20000 VQ_FUZZ_SEED=7 build/tests/core_tests --gtest_filter='KeyEditFuzz.*'
// A failure prints its seed and round.

#include "core/document/DocumentLoading.h"
#include "core/document/LineTests.h"
#include "core/headless/KeyEdit.h"
#include "core/headless/KeyLine.h"
#include "core/headless/KeyLookup.h"
#include "core/settings/SignPanel.h"
#include "core/text/Blanks.h"
#include "core/text/TextLines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace vq {
namespace {

unsigned long Setting(const char* name, unsigned long fallback) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::strtoul(value, nullptr, 10) : fallback;
}

const std::vector<std::string> kSections = {"", "s0", "s1", "s2", "gone"};
const std::vector<std::string> kKeys = {"k0", "k1", "k2", "key three", "k4"};

template <typename T>
const T& Pick(std::mt19937& random, const std::vector<T>& from) {
    return from[std::uniform_int_distribution<size_t>(0, from.size() - 1)(random)];
}

std::string RandomLine(std::mt19937& random) {
    static const std::vector<std::string> indents = {"", "", "", "   ", "\t"};
    static const std::vector<std::string> around = {"", " ", " ", "  "};
    const std::string indent = Pick(random, indents);
    const std::string key = Pick(random, kKeys) + (random() % 4 == 0 ? "x" : "");
    const std::string value = "v" + std::to_string(random() % 5);
    const std::string keyLine = indent + key + Pick(random, around) + "=" + Pick(random, around) + value;
    switch (random() % 11) {
    case 0:
    case 1: return "[" + Pick(random, kSections) + "]";
    case 2:
    case 3:
    case 4: return keyLine;
    case 5:
    case 6: return (random() % 2 ? indent + ";" : ";" + indent) + key + " = " + value;
    case 7: return "; prose that = explains " + key;
    case 8: return "";
    case 9: return ";;;;;;";
    default: return random() % 3 == 0 ? keyLine + "\r" : "#note " + std::to_string(random() % 9);
    }
}

std::string RandomFile(std::mt19937& random) {
    std::string bytes;
    const int lines = static_cast<int>(random() % 30);
    for (int k = 0; k < lines; ++k) {
        bytes += RandomLine(random);
        if (k + 1 < lines || random() % 3 != 0)
            bytes += random() % 4 == 0 ? "\r\n" : "\n";
    }
    return bytes;
}

KeyEdit RandomEdit(std::mt19937& random) {
    KeyEdit edit;
    edit.action = static_cast<EditAction>(random() % 5);
    edit.section = Pick(random, kSections);
    edit.key = Pick(random, kKeys);
    edit.value = "n" + std::to_string(random() % 4);
    return edit;
}

// The section each line as read belongs to: the name of the last header above it. A header "[]"
// names no section an edit can reach: "" is what comes before the first header.
std::vector<std::string> SectionsOf(const SplitText& lines, const AnalysisSettings& s) {
    std::vector<std::string> sections;
    std::string current;
    for (const std::string_view line : lines.texts) {
        std::string_view header;
        if (!IsCommentLine(s, line) && IsSectionHeader(line, header))
            current = header.size() > 2 ? std::string(header.substr(1, header.size() - 2)) : "(header [])";
        sections.push_back(current);
    }
    return sections;
}

// The key a line names, active or commented; empty when it names none.
std::string KeyOf(const AnalysisSettings& s, std::string_view line) {
    const std::string_view text = IsCommentLine(s, line) ? UncommentedKeyText(s, line) : line;
    const auto parts = SplitKeyLine(s, text);
    return parts ? std::string(parts->name(text)) : std::string();
}

std::string Joined(const std::vector<std::string_view>& pieces) {
    std::string out;
    for (const std::string_view piece : pieces)
        out.append(piece);
    return out;
}

// Runs the edits and checks everything the edits promise; returns the first broken promise.
std::string CheckRound(const std::string& file, const std::vector<KeyEdit>& edits, const AnalysisSettings& s) {
    LoadOptions options;
    options.analysis = &s;
    LoadResult loaded = OpenBytesIntoDocument(ByteBuffer::copyOf(file), options);
    if (loaded.status != LoadStatus::Loaded)
        return "load failed";
    Document& doc = *loaded.document;
    const SplitText old = SplitIntoLines(file, LineBreak::LF);
    const std::vector<std::string> sectionOf = SectionsOf(old, s);
    std::set<std::pair<std::string, std::string>> named;
    KeyEditor editor(doc, s);
    for (const KeyEdit& edit : edits) {
        named.insert({std::string(SectionName(edit.section)), edit.key});
        const KeyEditResult result = editor.apply(edit);
        if (result.outcome == EditOutcome::Refused)
            return "refused: " + result.error;
        KeyEdit get = edit;
        get.action = EditAction::Get;
        const KeyEditResult after = editor.apply(get);
        const bool active = after.outcome == EditOutcome::Found;
        if (edit.action == EditAction::Set && (!active || after.value != edit.value))
            return "set " + edit.section + "/" + edit.key + " reads back as " + after.value;
        if ((edit.action == EditAction::Disable || edit.action == EditAction::Delete) && active)
            return "still active after disable or delete: " + edit.key;
        if (edit.action == EditAction::Enable && (result.outcome == EditOutcome::NotFound) == active)
            return "enable: active " + std::to_string(active) + " after " + std::string(OutcomeWord(result.outcome));
    }

    // Each row read from the file stands for its line: one that changed or went must be a line
    // of a key named by an edit, in its section.
    const auto isNamed = [&](size_t line) { return named.count({sectionOf[line], KeyOf(s, old.texts[line])}) > 0; };
    const std::string saved = doc.saveBytes();
    if (Joined(doc.target().pieces(doc.hasBom() ? kUtf8Bom : std::string_view())) != saved)
        return "pieces differ from the bytes saved";
    const SplitText now = SplitIntoLines(saved, LineBreak::LF);
    if (now.texts.size() != doc.rowCount())
        return "saved lines and rows differ:\n" + saved;
    size_t next = 0;
    for (size_t i = 0; i < doc.rowCount(); ++i) {
        if (doc.isNewRow(i)) {
            const std::string_view text = doc.caption(i);
            std::string_view header;
            const bool ok =
                IsBlankText(text) || IsSectionHeader(text, header) ||
                std::any_of(named.begin(), named.end(), [&](const auto& n) { return n.second == KeyOf(s, text); });
            if (!ok)
                return "a new line names no edited key: " + std::string(text);
            continue;
        }
        const size_t line = doc.rowId(i);
        for (; next < line; ++next)
            if (!isNamed(next))
                return "line " + std::to_string(next) + " went: " + std::string(old.texts[next]);
        next = line + 1;
        if (now.texts[i] != old.texts[line]) {
            if (!isNamed(line))
                return "line " + std::to_string(line) + " changed: " + std::string(old.texts[line]);
            continue;
        }
        // A file without a final break keeps it that way: its new last line goes without.
        const bool hadBreak = line + 1 < old.texts.size() || old.endsWithBreak;
        const bool hasBreak = doc.target().writesBreak(i);
        if (hadBreak && hasBreak && now.breaks[i] != old.breaks[line])
            return "line " + std::to_string(line) + " changed its break";
    }
    for (; next < old.texts.size(); ++next)
        if (!isNamed(next))
            return "line " + std::to_string(next) + " went at the end";
    const bool emptyLast = doc.rowCount() > 0 && doc.caption(doc.rowCount() - 1).empty();
    if (!old.texts.empty() && !now.texts.empty() && now.endsWithBreak != old.endsWithBreak && !emptyLast)
        return "the final break changed";
    return {};
}

std::string Described(const std::vector<KeyEdit>& edits) {
    static const char* const kActions[] = {"get", "set", "disable", "enable", "delete"};
    std::string out;
    for (const KeyEdit& e : edits)
        out +=
            std::string(kActions[static_cast<int>(e.action)]) + " [" + e.section + "] " + e.key + " " + e.value + "\n";
    return out;
}

TEST(KeyEditFuzz, LinesNoEditNamesKeepTheirBytes) {
    const unsigned long seed = Setting("VQ_FUZZ_SEED", 1);
    const unsigned long rounds = Setting("VQ_FUZZ_ROUNDS", 2000);
    std::mt19937 random(static_cast<std::mt19937::result_type>(seed));
    for (unsigned long round = 0; round < rounds; ++round) {
        SignPanel signs;
        signs.PatternClick(random() % 2 ? 1 : 2);
        const AnalysisSettings s = signs.settings();
        const std::string file = RandomFile(random);
        std::vector<KeyEdit> edits;
        for (int k = static_cast<int>(random() % 8) + 1; k > 0; --k)
            edits.push_back(RandomEdit(random));
        const std::string broken = CheckRound(file, edits, s);
        ASSERT_TRUE(broken.empty()) << broken << "\nseed " << seed << ", round " << round << "\nedits:\n"
                                    << Described(edits) << "file:\n"
                                    << file;
    }
}

}  // namespace
}  // namespace vq
