// temporarydirectory.h: a fresh temporary directory for each test that touches score files.
#pragma once

#include <filesystem>
#include <string>

namespace varn::test {

class TemporaryDirectory {
  public:
    TemporaryDirectory();
    ~TemporaryDirectory();
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::string file(const std::string& name) const { return (m_path / name).string(); }

  private:
    std::filesystem::path m_path;
};

std::string readWhole(const std::string& path);
void writeWhole(const std::string& path, const std::string& bytes);
// The number of directory entries, to see that no temporary file is left behind.
int entryCount(const std::filesystem::path& directory);

}  // namespace varn::test
