#include "TempFolder.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include <stdlib.h>
#include <sys/stat.h>

namespace vq::test {

namespace fs = std::filesystem;

TempFolder::TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "vq-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    m_path = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ec;
    // A test may have made a folder read-only; removal needs it writable again.
    ::chmod(m_path.c_str(), 0700);
    for (const auto& entry : fs::recursive_directory_iterator(m_path, ec)) {
        if (!entry.is_symlink(ec) && entry.is_directory(ec))
            ::chmod(entry.path().c_str(), 0700);
    }
    fs::remove_all(m_path, ec);
}

std::string TempFolder::put(const std::string& name, const std::string& bytes) const {
    const std::string path = at(name);
    PutBytes(path, bytes);
    return path;
}

void PutBytes(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

std::string GetBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

}  // namespace vq::test
