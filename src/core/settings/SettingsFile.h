#pragma once

// Where the settings file lives, and reading and writing it whole. The file is read once at
// start and written once at close; at close it is read again, so that what the user changed in
// it meanwhile by hand survives too.

#include "core/settings/ProgramSettings.h"

#include <cstddef>
#include <functional>
#include <string>

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
};

// This program's place: the running executable's folder and this process's environment.
SettingsPlace ProgramSettingsPlace();

// True for a folder this process may create files in.
bool IsWritableFolder(const std::string& folder);

// The program's folder when the file is there or the folder can be written (a build tree, a
// portable copy); otherwise, as for an installed program, "varnoquil/tolvry.ini" under
// $XDG_CONFIG_HOME, or under ~/.config when that is unset or not an absolute path.
std::string SettingsFilePath(const SettingsPlace& place,
                             const std::function<bool(const std::string&)>& canWrite = IsWritableFolder);

struct SettingsFileText {
    enum class State {
        Missing,     // no such file: a first run
        Whole,       // all of it is in `bytes`
        Cut,         // larger than the limit: `bytes` holds its beginning
        Unreadable,  // there, but not a regular file or not readable
    };
    State state = State::Missing;
    std::string bytes;
};

SettingsFileText ReadSettingsFile(const std::string& path, size_t limit = kMaxSettingsFileBytes);

// Reads the file into `settings` (see ReadSettings); a missing, unreadable or junk file leaves
// the values of a first run.
void LoadSettingsFile(const std::string& path, ProgramSettings& settings);

// The language the file names (see ReadLanguageSetting): the one setting the command line reads.
Language LoadLanguageSetting(const std::string& path);

// Writes the settings into the file as it is now on disk, creating its folder when needed, safely
// (a temporary file that takes the old one's place). Returns the message to show on failure,
// "Unable to write to PATH", or an empty text.
std::string SaveSettingsFile(const std::string& path, const ProgramSettings& settings,
                             size_t limit = kMaxSettingsFileBytes);

}  // namespace vq
