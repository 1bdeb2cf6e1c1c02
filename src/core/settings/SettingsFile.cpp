#include "core/settings/SettingsFile.h"

#include "core/Texts.h"
#include "core/files/FileAccess.h"
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

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string Join(const std::string& folder, const std::string& name) {
    if (folder.empty())
        return name;
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

bool IsFolder(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Creates the folder and any missing parent, private to the user as the desktop's configuration
// folders are.
bool MakeFolders(const std::string& folder) {
    if (folder.empty() || IsFolder(folder))
        return true;
    const std::string parent = FolderOf(folder);
    if (parent != folder && !MakeFolders(parent))
        return false;
    return ::mkdir(folder.c_str(), 0700) == 0 || (errno == EEXIST && IsFolder(folder));
}

}  // namespace

bool IsWritableFolder(const std::string& folder) {
    return IsFolder(folder) && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

std::string SettingsFilePath(const SettingsPlace& place, const std::function<bool(const std::string&)>& canWrite) {
    const std::string beside = Join(place.programFolder, kSettingsFileName);
    if (!place.programFolder.empty() && (IsExistingFile(beside) || canWrite(place.programFolder)))
        return beside;
    std::string config = place.xdgConfigHome;
    if (config.empty() || config.front() != '/')
        config = place.home.empty() ? std::string() : Join(place.home, ".config");
    if (config.empty())
        return beside;  // nowhere better: writing will say it failed
    return Join(Join(config, kSettingsFolderName), kSettingsFileName);
}

SettingsFileText ReadSettingsFile(const std::string& path, size_t limit) {
    SettingsFileText out;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        out.state = errno == ENOENT || errno == ENOTDIR ? SettingsFileText::State::Missing
                                                        : SettingsFileText::State::Unreadable;
        return out;
    }
    out.state = SettingsFileText::State::Unreadable;
    if (!S_ISREG(st.st_mode))
        return out;
    // Non-blocking, in case the path became a fifo since it was looked at.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return out;
    out.bytes.resize(limit + 1);
    size_t filled = 0;
    bool failed = false;
    while (filled < out.bytes.size()) {
        const ssize_t n = ::read(fd, out.bytes.data() + filled, out.bytes.size() - filled);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            failed = n < 0;
            break;
        }
        filled += static_cast<size_t>(n);
    }
    ::close(fd);
    if (failed) {
        out.bytes.clear();
        return out;
    }
    out.state = filled > limit ? SettingsFileText::State::Cut : SettingsFileText::State::Whole;
    out.bytes.resize(std::min(filled, limit));
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
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    return {ExecutableFolder(), config ? config : "", home ? home : ""};
}

std::string SaveSettingsFile(const std::string& path, const ProgramSettings& settings, size_t limit) {
    const std::string failure = FormatMessage(texts::kSettingsWriteFailed, {path});
    const SettingsFileText old = ReadSettingsFile(path, limit);
    if (old.state == SettingsFileText::State::Cut || old.state == SettingsFileText::State::Unreadable)
        return failure;
    if (!MakeFolders(FolderOf(path)))
        return failure;
    ProfileText file(old.bytes);
    WriteSettings(file, settings);
    return WriteFileSafely(path, file.bytes()).ok ? std::string() : failure;
}

}  // namespace vq
