#include "platform/linux/smbios_table.h"

#include <algorithm>
#include <numeric>

namespace quarvel::linux_source {
namespace {

constexpr std::uint8_t kEndOfTable = 127;
constexpr std::size_t kHeaderLength = 4;

std::uint64_t readLittle(Bytes bytes, std::size_t offset, std::size_t size) {
    std::uint64_t value = 0;
    for (std::size_t i = size; i-- > 0;) value = value << 8 | bytes[offset + i];
    return value;
}

bool startsWith(Bytes bytes, std::string_view anchor) {
    return bytes.size() >= anchor.size() &&
           std::equal(anchor.begin(), anchor.end(), bytes.begin(),
                      [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; });
}

bool sumsToZero(Bytes bytes) {
    return std::accumulate(bytes.begin(), bytes.end(), std::uint8_t{0},
                           [](std::uint8_t sum, std::uint8_t b) {
                               return static_cast<std::uint8_t>(sum + b);
                           }) == 0;
}

// How much of the table the entry point vouches for, and how many structures it holds (0: not
// stated). Nothing when the entry point is not a well-formed one.
struct TableExtent {
    std::size_t length;
    std::size_t count;
};

std::optional<TableExtent> readEntryPoint(Bytes entry) {
    if (startsWith(entry, "_SM3_")) {
        constexpr std::size_t kMinimumLength = 0x18;
        if (entry.size() < kMinimumLength) return std::nullopt;
        std::size_t length = entry[0x06];
        if (length < kMinimumLength || length > entry.size()) return std::nullopt;
        if (!sumsToZero(entry.first(length))) return std::nullopt;
        return TableExtent{static_cast<std::size_t>(readLittle(entry, 0x0C, 4)), 0};
    }
    if (startsWith(entry, "_SM_")) {
        constexpr std::size_t kMinimumLength = 0x1E;  // some 2.1 firmware states 1Eh for 1Fh
        if (entry.size() < 0x1F) return std::nullopt;
        std::size_t length = entry[0x05];
        if (length < kMinimumLength || length > entry.size()) return std::nullopt;
        if (!sumsToZero(entry.first(length))) return std::nullopt;
        Bytes intermediate = entry.subspan(0x10, 0x0F);
        if (!startsWith(intermediate, "_DMI_") || !sumsToZero(intermediate)) return std::nullopt;
        return TableExtent{static_cast<std::size_t>(readLittle(entry, 0x16, 2)),
                           static_cast<std::size_t>(readLittle(entry, 0x1C, 2))};
    }
    return std::nullopt;
}

// Where the string set that starts at offset ends: just past its closing pair of zero bytes.
std::optional<std::size_t> endOfStrings(Bytes table, std::size_t offset) {
    for (std::size_t i = offset; i + 1 < table.size(); ++i) {
        if (table[i] == 0 && table[i + 1] == 0) return i + 2;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::uint64_t> SmbiosStructure::little(std::size_t offset, std::size_t size) const {
    if (offset > formatted_.size() || formatted_.size() - offset < size) return std::nullopt;
    return readLittle(formatted_, offset, size);
}

std::optional<std::uint8_t> SmbiosStructure::byte(std::size_t offset) const {
    if (auto v = little(offset, 1)) return static_cast<std::uint8_t>(*v);
    return std::nullopt;
}

std::optional<std::uint16_t> SmbiosStructure::word(std::size_t offset) const {
    if (auto v = little(offset, 2)) return static_cast<std::uint16_t>(*v);
    return std::nullopt;
}

std::optional<std::uint32_t> SmbiosStructure::dword(std::size_t offset) const {
    if (auto v = little(offset, 4)) return static_cast<std::uint32_t>(*v);
    return std::nullopt;
}

std::optional<std::uint64_t> SmbiosStructure::qword(std::size_t offset) const {
    return little(offset, 8);
}

std::optional<std::string_view> SmbiosStructure::string(std::size_t offset) const {
    auto number = byte(offset);
    if (!number || *number == 0) return std::nullopt;
    auto chars = reinterpret_cast<const char*>(strings_.data());
    std::string_view rest(chars, strings_.size());
    for (std::uint8_t i = 1;; ++i) {
        std::size_t end = rest.find('\0');
        if (end == 0 || end == std::string_view::npos) return std::nullopt;  // past the last string
        if (i == *number) return rest.substr(0, end);
        rest.remove_prefix(end + 1);
    }
}

std::vector<SmbiosStructure> parseSmbiosTable(Bytes entryPoint, Bytes table) {
    std::vector<SmbiosStructure> structures;
    auto extent = readEntryPoint(entryPoint);
    if (!extent) return structures;
    table = table.first(std::min(table.size(), extent->length));

    std::size_t offset = 0;
    while (table.size() - offset >= kHeaderLength) {
        if (extent->count != 0 && structures.size() == extent->count) break;
        std::size_t length = table[offset + 1];
        if (length < kHeaderLength || length > table.size() - offset) break;
        auto end = endOfStrings(table, offset + length);
        if (!end) break;
        Bytes formatted = table.subspan(offset, length);
        if (formatted[0] == kEndOfTable) break;
        structures.emplace_back(formatted, table.subspan(offset + length, *end - offset - length));
        offset = *end;
    }
    return structures;
}

}  // namespace quarvel::linux_source
