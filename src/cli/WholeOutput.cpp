#include "cli/WholeOutput.h"

#include "core/files/FileHandle.h"
#include "core/files/FileIo.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vq::cli {

WholeOutput::WholeOutput(int fd) : m_fd(fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return;
    const int flags = ::fcntl(fd, F_GETFL);
    const off_t position = flags >= 0 && (flags & O_APPEND) ? st.st_size : ::lseek(fd, 0, SEEK_CUR);
    if (position < 0)
        return;
    m_regular = true;
    m_start = position;
    m_oldSize = st.st_size;
}

int WholeOutput::keepOldBytes(off_t end) {
    const off_t from = m_start + static_cast<off_t>(m_oldBytes.size());
    end = std::min(end, m_oldSize);
    if (from >= end)
        return 0;
    const size_t kept = m_oldBytes.size();
    m_oldBytes.resize(kept + static_cast<size_t>(end - from));
    char* const to = m_oldBytes.data() + kept;
    const size_t want = m_oldBytes.size() - kept;
    ReadCount read = ReadFully(m_fd, to, want, from);
    if (read.error == EBADF && read.bytes == 0) {
        // Opened for writing only: the same file is read through a descriptor of its own.
        const FileHandle reader(::open(("/proc/self/fd/" + std::to_string(m_fd)).c_str(), O_RDONLY | O_CLOEXEC));
        if (reader.get() >= 0)
            read = ReadFully(reader.get(), to, want, from);
    }
    if (read.error) {
        m_oldBytes.resize(kept);
        return read.error;
    }
    if (read.bytes < want)  // someone else cut the file meanwhile: it ends here now
        m_oldSize = from + static_cast<off_t>(read.bytes);
    m_oldBytes.resize(kept + read.bytes);
    return 0;
}

int WholeOutput::write(std::string_view bytes) {
    constexpr size_t kPiece = size_t{1} << 30;
    size_t done = 0;
    while (done < bytes.size()) {
        const size_t want = std::min(kPiece, bytes.size() - done);
        if (m_regular) {
            const off_t end = m_start + static_cast<off_t>(m_written + want);
            if (const int error = keepOldBytes(end)) {
                restore();
                return error;
            }
        }
        const ssize_t n = ::write(m_fd, bytes.data() + done, want);
        if (n > 0) {
            done += static_cast<size_t>(n);
            m_written += static_cast<std::uint64_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        const int error = n < 0 ? errno : EIO;
        restore();
        return error;
    }
    return 0;
}

bool WholeOutput::restore() {
    if (!m_regular || (m_written == 0 && m_oldBytes.empty()))
        return true;
    bool ok = true;
    // Only what was written over: the kept bytes after it are still in the file.
    const size_t over = static_cast<size_t>(std::min<std::uint64_t>(m_oldBytes.size(), m_written));
    for (size_t put = 0; put < over;) {
        const ssize_t n = ::pwrite(m_fd, m_oldBytes.data() + put, over - put, m_start + static_cast<off_t>(put));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ok = false;
            break;
        }
        put += static_cast<size_t>(n);
    }
    if (m_start + static_cast<off_t>(m_written) > m_oldSize && ::ftruncate(m_fd, m_oldSize) != 0)
        ok = false;
    ::lseek(m_fd, m_start, SEEK_SET);
    m_written = 0;
    m_oldBytes.clear();
    m_restored = ok;
    return ok;
}

}  // namespace vq::cli
