#include "cli/WholeOutput.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vq::cli {

namespace {

// Where the bytes of a regular file start that this run is about to write, when cutting the
// file back there removes nothing but them: it is written at its end. -1 otherwise.
off_t EndToCutBackTo(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return -1;
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0 && (flags & O_APPEND))
        return st.st_size;
    const off_t position = ::lseek(fd, 0, SEEK_CUR);
    return position >= 0 && position >= st.st_size ? position : -1;
}

}  // namespace

int WriteWhole(int fd, std::string_view bytes) { return PieceOutput(fd).write(bytes); }

PieceOutput::PieceOutput(int fd) : m_fd(fd), m_start(EndToCutBackTo(fd)) {}

int PieceOutput::write(std::string_view bytes) {
    if (m_error != 0)
        return m_error;
    constexpr size_t kPiece = size_t{1} << 30;
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_fd, bytes.data() + done, std::min(kPiece, bytes.size() - done));
        if (n > 0) {
            done += static_cast<size_t>(n);
            m_written = true;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        m_error = n < 0 ? errno : EIO;
        if (m_start >= 0 && m_written && ::ftruncate(m_fd, static_cast<off_t>(m_start)) == 0)
            ::lseek(m_fd, static_cast<off_t>(m_start), SEEK_SET);
        return m_error;
    }
    return 0;
}

}  // namespace vq::cli
