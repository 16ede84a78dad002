#pragma once

#include <cstdint>
#include <span>

namespace quarvel::testing {

// Reads one input laid out as dmidecode --dump-bin writes a table (the entry point at offset 0,
// the structures from offset 20h) and every property of the objects it describes. The entry
// point's checksums are set right first, so that the bytes after it are what gets explored.
void readSmbiosInput(std::span<const std::uint8_t> input);

// Reads one udev database record and every property of the memory objects it describes.
void readUdevInput(std::span<const std::uint8_t> input);

}  // namespace quarvel::testing
