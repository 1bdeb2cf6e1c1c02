#pragma once

// What the settings file keeps between runs, and how it is read from and written into the
// file's text. Only the keys of section "General" named below and the four list sections are
// ever written; everything else in the file stays as the user left it.

#include "core/Language.h"
#include "core/settings/FontText.h"
#include "core/settings/ProfileText.h"

#include <string>
#include <vector>

namespace vq {

inline constexpr int kDefaultRecentCount = 5;
inline constexpr int kMaxRecentCount = 10;  // the recent-file submenu has ten items
inline constexpr int kDefaultPatternSetting = 2;
// What the profile reader takes of a list section, as the settings file's format has it: the key
// names of one section up to this many bytes, each counted with the zero byte that ends it in
// the reader's list of names (one more zero ends the list), and of a value this many bytes.
// 3,000 keys "0" to "2999" take 13,890 bytes of names, so that many entries come back.
inline constexpr size_t kMaxSectionNameBytes = 16384;
inline constexpr size_t kMaxValueBytes = 2047;

struct ProgramSettings {
    int recentCount = kDefaultRecentCount;        // 0-10
    int defaultPattern = kDefaultPatternSetting;  // 0-3
    bool autoExpand = true;                       // the topic tree's auto-expand style
    FontSetting font;                             // the target text's font and its character set
    std::vector<std::string> recentFiles;         // most recent first
    std::vector<std::string> remSigns;            // the histories of the three sign boxes
    std::vector<std::string> splitSigns;
    std::vector<std::string> titleSigns;
    Language language = Language::Chinese;  // the window's and the command line's, from the next start
};

// Reads the file into `settings`, which holds the values of a start without a file (the
// built-in histories among them). A missing key gives its default, a value that is not a number
// gives the default, a recent count is held to 0-10 and a pattern outside 0-3 gives the default; a missing or empty
// list section leaves its list as it was, and a present one replaces it, in file order, each
// entry stripped of blanks (space-count forms stay as they are), as far as the profile reader
// takes it (kMaxSectionNameBytes, kMaxValueBytes); the recent files only as many as the
// submenu offers.
void ReadSettings(const ProfileText& file, ProgramSettings& settings);

// The language the file names ("zh" or "en"); Chinese for anything else.
Language ReadLanguageSetting(const ProfileText& file);

// Writes the five keys of "General", then the lists "Recent", "Comment", "Split" and "Title".
// A list entry that is blank once stripped is written in its space-count form.
void WriteSettings(ProfileText& file, const ProgramSettings& settings);

}  // namespace vq
