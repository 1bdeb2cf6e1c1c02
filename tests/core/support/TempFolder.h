#pragma once

// A throw-away folder for a test, and whole files as bytes.

#include <string>

namespace vq::test {

// A fresh folder under the system's temporary folder, removed with everything in it when the
// test ends, even where the test made parts of it read-only.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return m_path; }
    std::string at(const std::string& name) const { return m_path + "/" + name; }
    // Writes a file of these bytes in the folder and gives its path.
    std::string put(const std::string& name, const std::string& bytes) const;

private:
    std::string m_path;
};

void PutBytes(const std::string& path, const std::string& bytes);
// The whole file; empty when it cannot be read.
std::string GetBytes(const std::string& path);

}  // namespace vq::test
