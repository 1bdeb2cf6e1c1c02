#include "core/settings/SettingsFile.h"

#include "core/settings/SettingsTexts.h"
#include "core/files/FileAccess.h"
#include "core/files/FileErrorText.h"
#include "core/files/FileIo.h"
#include "core/files/PathNames.h"
#include "core/files/ProgramFiles.h"
#include "core/files/SafeWrite.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vq {

namespace {

bool IsFolder(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Creates the folder and any missing parent, private to the user as the desktop's configuration
// folders are. Returns 0 or errno.
int MakeFolders(const std::string& folder) {
    if (folder.empty() || IsFolder(folder))
        return 0;
    const std::string parent = FolderOf(folder);
    if (parent != folder)
        if (const int error = MakeFolders(parent))
            return error;
    if (::mkdir(folder.c_str(), 0700) == 0 || (errno == EEXIST && IsFolder(folder)))
        return 0;
    return errno == EEXIST ? ENOTDIR : errno;
}

// The folder of the desktop's rules, or the fallback under $HOME; empty when there is neither.
std::string BaseFolder(const std::string& xdg, const std::string& home, const char* belowHome) {
    if (!xdg.empty() && xdg.front() == '/')
        return xdg;
    return home.empty() ? std::string() : Join(home, belowHome);
}

constexpr const char* kNoteName = "settings-not-saved";

std::string SaveFailure(const std::string& path, const FileError& error) {
    return FormatMessage(texts::kSettingsWriteFailed, {path}) + "\n" + ReasonText(error);
}

std::string NoteText(const std::string& path) {
    const SettingsFileText note = ReadSettingsFile(path);
    return note.state == SettingsFileText::State::Whole ? note.bytes : std::string();
}

}  // namespace

bool IsWritableFile(const std::string& path) { return ::access(path.c_str(), W_OK) == 0; }

SettingsFiles LocateSettingsFiles(const SettingsPlace& place, const std::function<bool(const std::string&)>& canWrite) {
    const std::string beside = Join(place.programFolder, kSettingsFileName);
    const bool besideExists = !place.programFolder.empty() && IsExistingFile(beside);
    if (besideExists && canWrite(beside))
        return {beside, beside, {}};
    SettingsFiles files;
    const std::string config = BaseFolder(place.xdgConfigHome, place.home, ".config");
    // Nowhere better: the file beside the program, which writing will say it cannot be.
    files.write = config.empty() ? beside : Join(Join(config, kSettingsFolderName), kSettingsFileName);
    files.read = besideExists && !IsExistingFile(files.write) ? beside : files.write;
    const std::string state = BaseFolder(place.xdgStateHome, place.home, ".local/state");
    if (!state.empty())
        files.notes.push_back(Join(Join(state, kSettingsFolderName), kNoteName));
    if (!place.runtimeDir.empty() && place.runtimeDir.front() == '/')
        files.notes.push_back(Join(Join(place.runtimeDir, kSettingsFolderName), kNoteName));
    return files;
}

SettingsFileText ReadSettingsFile(const std::string& path, size_t limit) {
    SettingsFileText out;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        out.state = errno == ENOENT || errno == ENOTDIR ? SettingsFileText::State::Missing
                                                        : SettingsFileText::State::Unreadable;
        out.error = FileError::System(errno);
        return out;
    }
    out.state = SettingsFileText::State::Unreadable;
    out.error = S_ISDIR(st.st_mode) ? FileError{FileProblem::Folder} : FileError{FileProblem::NotRegular};
    if (!S_ISREG(st.st_mode))
        return out;
    // Non-blocking, in case the path became a fifo since it was looked at.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        out.error = FileError::System(errno);
        return out;
    }
    out.bytes.resize(limit + 1);  // one byte more tells a file that is larger
    const ReadCount read = ReadFully(fd, out.bytes.data(), out.bytes.size());
    ::close(fd);
    if (read.error) {
        out.error = FileError::System(read.error);
        out.bytes.clear();
        return out;
    }
    out.error = {};
    out.state = read.bytes > limit ? SettingsFileText::State::Cut : SettingsFileText::State::Whole;
    out.bytes.resize(std::min(read.bytes, limit));
    return out;
}

void LoadSettingsFile(const std::string& path, ProgramSettings& settings) {
    const SettingsFileText text = ReadSettingsFile(path);
    ReadSettings(ProfileText(text.bytes), settings);
}

Language LoadLanguageSetting(const std::string& path) {
    return path.empty() ? Language::Chinese : ReadLanguageSetting(ProfileText(ReadSettingsFile(path).bytes));
}

SettingsPlace ProgramSettingsPlace() {
    const auto env = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    };
    return {ExecutableFolder(), env("XDG_CONFIG_HOME"), env("HOME"), env("XDG_STATE_HOME"), env("XDG_RUNTIME_DIR")};
}

std::string SaveSettingsFile(const SettingsFiles& files, const ProgramSettings& settings, size_t limit) {
    const std::string& path = files.write;
    SettingsFileText old = ReadSettingsFile(path, limit);
    // A file that was not read whole is never written: what was not read could not be kept.
    if (old.state == SettingsFileText::State::Cut)
        return SaveFailure(path, FileError::System(EFBIG));
    if (old.state == SettingsFileText::State::Unreadable)
        return SaveFailure(path, old.error);
    // A file made read-only stays as it is, though a new one could take its place.
    if (old.state == SettingsFileText::State::Whole && !IsWritableFile(path))
        return SaveFailure(path, FileError::System(EACCES));
    if (old.state == SettingsFileText::State::Missing && files.read != path) {
        old = ReadSettingsFile(files.read, limit);
        if (old.state != SettingsFileText::State::Whole)
            old.bytes.clear();
    }
    if (const int error = MakeFolders(FolderOf(path)))
        return SaveFailure(path, FileError::System(error));
    ProfileText file(old.bytes);
    WriteSettings(file, settings);
    const WriteResult written = WriteFileSafely(path, file.bytes());
    return written.ok ? std::string() : SaveFailure(path, written.error);
}

std::string SaveSettingsFile(const std::string& path, const ProgramSettings& settings, size_t limit) {
    return SaveSettingsFile(SettingsFiles{path, path, {}}, settings, limit);
}

std::string SaveSettingsTellingOnce(const SettingsFiles& files, const ProgramSettings& settings) {
    const std::string failure = SaveSettingsFile(files, settings);
    if (failure.empty()) {
        for (const std::string& note : files.notes)
            ::unlink(note.c_str());
        return {};
    }
    for (const std::string& note : files.notes)
        if (NoteText(note) == failure)
            return {};
    for (const std::string& note : files.notes)
        if (MakeFolders(FolderOf(note)) == 0 && WriteFileSafely(note, failure).ok)
            break;
    return failure;
}

}  // namespace vq
