#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace quarvel::linux_source {

using Bytes = std::span<const std::uint8_t>;

// One structure of an SMBIOS table: its formatted area and its string set. It points into the
// table's bytes, which must outlive it. Every read is checked against the structure's own length.
class SmbiosStructure {
public:
    SmbiosStructure(Bytes formatted, Bytes strings) : formatted_(formatted), strings_(strings) {}

    std::uint8_t type() const { return formatted_[0]; }
    std::uint16_t handle() const { return *word(2); }

    // A field at this offset of the formatted area; nothing when the structure is too short.
    std::optional<std::uint8_t> byte(std::size_t offset) const;
    std::optional<std::uint16_t> word(std::size_t offset) const;
    std::optional<std::uint32_t> dword(std::size_t offset) const;
    std::optional<std::uint64_t> qword(std::size_t offset) const;

    // The bytes of the string the field at offset refers to; nothing for string number 0, a field
    // beyond the structure or a number past the end of the string set.
    std::optional<std::string_view> string(std::size_t offset) const;

private:
    std::optional<std::uint64_t> little(std::size_t offset, std::size_t size) const;
    Bytes formatted_;
    Bytes strings_;
};

// The structures of an SMBIOS table, given its entry point (2.x "_SM_" or 3.x "_SM3_") and the
// table's bytes. A bad entry point gives no structures; a damaged table gives the structures before
// the damage. The structures point into table.
std::vector<SmbiosStructure> parseSmbiosTable(Bytes entryPoint, Bytes table);

}  // namespace quarvel::linux_source
