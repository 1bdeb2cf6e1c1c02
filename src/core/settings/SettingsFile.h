#pragma once

// Where the settings file lives, and reading and writing it whole. The file is read once at
// start and written once at close; at close it is read again, so that what the user changed in
// it meanwhile by hand survives too.

#include "core/files/FileError.h"
#include "core/settings/ProgramSettings.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace vq {

inline constexpr const char* kSettingsFileName = "tolvry.ini";
inline constexpr const char* kSettingsFolderName = "varnoquil";
// A settings file is a few kilobytes. Of a larger file only this much is read, and such a file
// is never rewritten, since what was not read could not be kept.
inline constexpr size_t kMaxSettingsFileBytes = size_t{1} << 20;

// What decides where the file lives: the program's folder and the environment.
struct SettingsPlace {
    std::string programFolder;
    std::string xdgConfigHome;  // $XDG_CONFIG_HOME, empty when unset
    std::string home;           // $HOME
    std::string xdgStateHome;   // $XDG_STATE_HOME, empty when unset
    std::string runtimeDir;     // $XDG_RUNTIME_DIR, empty when unset
};

// Where this run reads its settings, where it writes them, and where it notes a failure to write
// them that the user has been told of.
struct SettingsFiles {
    std::string read;
    std::string write;
    std::vector<std::string> notes;  // the first that can be written takes the note
};

// This program's place: the running executable's folder and this process's environment.
SettingsPlace ProgramSettingsPlace();

// True for a file this process may write.
bool IsWritableFile(const std::string& path);

// A tolvry.ini beside the program that exists and can be written is a portable copy: it is read
// and written. Otherwise the file is "varnoquil/tolvry.ini" under $XDG_CONFIG_HOME, or under
// ~/.config when that is unset or not an absolute path, and is written there. It is read there
// once it exists; before, a tolvry.ini beside the program that cannot be written is read (one
// an administrator put there, say), so its settings carry over. Notes go to
// "varnoquil/settings-not-saved" under $XDG_STATE_HOME (~/.local/state), else $XDG_RUNTIME_DIR.
SettingsFiles LocateSettingsFiles(const SettingsPlace& place,
                                  const std::function<bool(const std::string&)>& canWrite = IsWritableFile);

struct SettingsFileText {
    enum class State {
        Missing,     // no such file: a first run
        Whole,       // all of it is in `bytes`
        Cut,         // larger than the limit: `bytes` holds its beginning
        Unreadable,  // there, but not a regular file or not readable
    };
    State state = State::Missing;
    std::string bytes;
    FileError error;  // why it is Unreadable
};

SettingsFileText ReadSettingsFile(const std::string& path, size_t limit = kMaxSettingsFileBytes);

// Reads the file into `settings` (see ReadSettings); a missing, unreadable or junk file leaves
// the values of a first run.
void LoadSettingsFile(const std::string& path, ProgramSettings& settings);

// The language the file names (see ReadLanguageSetting): the one setting the command line reads.
Language LoadLanguageSetting(const std::string& path);

// Writes the settings into the file to write as it is now on disk (or, while that does not
// exist yet, into the text of the file read), creating its folder when needed, safely (a
// temporary file that takes the old one's place). Returns the message to show on failure,
// "保存设置文件 "PATH" 失败！" and the reason, or an empty text.
std::string SaveSettingsFile(const SettingsFiles& files, const ProgramSettings& settings,
                             size_t limit = kMaxSettingsFileBytes);
// The same for one file read and written.
std::string SaveSettingsFile(const std::string& path, const ProgramSettings& settings,
                             size_t limit = kMaxSettingsFileBytes);

// Saves as above and returns what the user is to be told: nothing when the settings were
// written, or when the same failure was told before, at an earlier close. A told failure is
// noted in files.notes and forgotten once a save succeeds, so a lasting one (a read-only home)
// is said once, not at every exit.
std::string SaveSettingsTellingOnce(const SettingsFiles& files, const ProgramSettings& settings);

}  // namespace vq
