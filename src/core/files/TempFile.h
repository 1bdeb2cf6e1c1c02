#pragma once

#include "core/files/FileHandle.h"

#include <string>

#include <sys/types.h>

namespace vq {

// A uniquely named file that is removed when this object goes away, unless it has taken the
// place of the file it was made for (commit) or must stay as the only whole copy (keep).
class TempFile {
public:
    TempFile() = default;
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile() { discard(); }

    // Beside the file `name` in the open folder `folderFd` (named `folderPath`), hidden:
    // ".NAME.vq-XXXXXXXXXXXXXXXX". The folder must stay open while this object lives. Returns 0
    // or errno; `mode` passes through the umask, as for any new file.
    int createBeside(int folderFd, const std::string& folderPath, const std::string& name, mode_t mode);
    // In the temporary folder ($TMPDIR, else /tmp), readable by its owner only:
    // "NAME.vq-XXXXXXXXXXXXXXXX". Returns 0 or errno.
    int createInTempFolder(const std::string& name);

    int fd() const { return m_handle.get(); }
    const std::string& path() const { return m_path; }
    // The name in its folder, and that folder (AT_FDCWD for the temporary folder, named whole).
    const std::string& name() const { return m_name; }
    int folderFd() const { return m_folderFd; }
    bool beside() const { return m_beside; }
    int close() { return m_handle.closeChecked(); }
    void commit() { m_path.clear(); }
    void keep() { m_path.clear(); }
    void discard();

private:
    int create(int folderFd, const std::string& folderPath, const std::string& stem, mode_t mode);

    FileHandle m_handle;
    std::string m_path;
    std::string m_name;
    int m_folderFd = -1;  // Not owned.
    bool m_beside = false;
};

}  // namespace vq
