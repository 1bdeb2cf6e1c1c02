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

    // Beside `target`, hidden: ".NAME.vq-XXXXXXXXXXXXXXXX". Returns 0 or errno; `mode`
    // passes through the umask, as for any new file.
    int createBeside(const std::string& target, mode_t mode);
    // In the temporary folder ($TMPDIR, else /tmp), readable by its owner only:
    // "NAME.vq-XXXXXXXXXXXXXXXX". Returns 0 or errno.
    int createInTempFolder(const std::string& target);

    int fd() const { return m_handle.get(); }
    const std::string& path() const { return m_path; }
    bool beside() const { return m_beside; }
    int close() { return m_handle.closeChecked(); }
    void commit() { m_path.clear(); }
    void keep() { m_path.clear(); }
    void discard();

private:
    int create(const std::string& stem, mode_t mode);

    FileHandle m_handle;
    std::string m_path;
    bool m_beside = false;
};

}  // namespace vq
