#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quarvel::testing {

// A directory tree standing in for a machine's root, removed when the test ends.
class CapturedRoot {
public:
    CapturedRoot();
    ~CapturedRoot();
    CapturedRoot(const CapturedRoot&) = delete;
    CapturedRoot& operator=(const CapturedRoot&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Writes a file under the root, making its folders.
    void write(const std::filesystem::path& relative, std::string_view contents) const;
    // Lays out a dmidecode --dump-bin file as the kernel shows a firmware table: the entry point
    // and the structure table.
    void layOutDump(const std::filesystem::path& dump) const;

private:
    std::filesystem::path path_;
};

// The whole contents of a file.
std::string readFile(const std::filesystem::path& file);

}  // namespace quarvel::testing
