#include "tests/platform/linux/captured_root.h"

#include <stdlib.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace quarvel::testing {

CapturedRoot::CapturedRoot() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quarvel-root-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
    path_ = pattern;
}

CapturedRoot::~CapturedRoot() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void CapturedRoot::write(const std::filesystem::path& relative, std::string_view contents) const {
    std::filesystem::path file = path_ / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

void CapturedRoot::layOutDump(const std::filesystem::path& dump) const {
    std::string bytes = readFile(dump);
    bool version3 = bytes.starts_with("_SM3_");
    std::size_t entryLength = static_cast<unsigned char>(bytes.at(version3 ? 6 : 5));
    write("sys/firmware/dmi/tables/smbios_entry_point", bytes.substr(0, entryLength));
    write("sys/firmware/dmi/tables/DMI", bytes.substr(0x20));
}

std::string readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + file.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace quarvel::testing
