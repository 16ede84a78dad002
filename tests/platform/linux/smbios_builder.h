#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quarvel::testing {

// Little-endian field bytes, for building structures by hand.
inline std::string le(std::uint64_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> (8 * i) & 0xFF);
    return out;
}

// One hand-made SMBIOS structure: the formatted area after the 4-byte header, then its strings.
struct Structure {
    std::uint8_t type;
    std::uint16_t handle;
    std::string fields;
    std::vector<std::string> strings;
};

inline std::string tableOf(const std::vector<Structure>& structures) {
    std::string table;
    for (const Structure& s : structures) {
        table += static_cast<char>(s.type);
        table += static_cast<char>(4 + s.fields.size());
        table += le(s.handle, 2) + s.fields;
        for (const std::string& text : s.strings) table += text + '\0';
        table += s.strings.empty() ? std::string(2, '\0') : std::string(1, '\0');
    }
    return table;
}

inline void fixChecksum(std::string& bytes, std::size_t begin, std::size_t length, std::size_t at) {
    unsigned sum = 0;
    bytes[at] = 0;
    for (std::size_t i = begin; i < begin + length; ++i)
        sum += static_cast<unsigned char>(bytes[i]);
    bytes[at] = static_cast<char>(-sum & 0xFF);
}

// A 3.x entry point vouching for a table of this length.
inline std::string entryPoint3(std::size_t tableLength) {
    std::string e(0x18, '\0');
    e.replace(0, 5, "_SM3_");
    e[0x06] = 0x18;
    e[0x07] = 3;
    e[0x08] = 3;
    e[0x0A] = 1;
    e.replace(0x0C, 4, le(tableLength, 4));
    e.replace(0x10, 8, le(0x20, 8));
    fixChecksum(e, 0, 0x18, 0x05);
    return e;
}

// A 2.x entry point vouching for a table of this length and structure count.
inline std::string entryPoint2(std::size_t tableLength, std::size_t count) {
    std::string e(0x1F, '\0');
    e.replace(0, 4, "_SM_");
    e[0x05] = 0x1F;
    e[0x06] = 2;
    e[0x07] = 8;
    e.replace(0x10, 5, "_DMI_");
    e.replace(0x16, 2, le(tableLength, 2));
    e.replace(0x18, 4, le(0x20, 4));
    e.replace(0x1C, 2, le(count, 2));
    fixChecksum(e, 0x10, 0x0F, 0x15);
    fixChecksum(e, 0, 0x1F, 0x04);
    return e;
}

}  // namespace quarvel::testing
