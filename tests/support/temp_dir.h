#pragma once
// A fresh directory for the files one test writes, removed with everything in
// it when the test ends.
//
//   vek::test::TempDir dir;
//   const std::string path = dir.file("batch.txt");

#include <filesystem>
#include <string>
#include <string_view>

namespace vek::test {

class TempDir final {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The path of `name` inside the directory, as a caller passes it to vek.
    std::string file(std::string_view name) const;
    const std::filesystem::path& path() const noexcept { return m_path; }

private:
    std::filesystem::path m_path;
};

// Writes `bytes` as the whole content of `path`, replacing it.
void write_file(const std::string& path, std::string_view bytes);
// The whole content of `path` ("" when it cannot be read).
std::string read_file(const std::string& path);

}  // namespace vek::test
