#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace quarvel::linux_source {

// The contents of a file under a root directory, at most limit bytes of it; nothing when it cannot
// be opened or read (missing, or readable by root only).
std::optional<std::string> readFileUnder(const std::filesystem::path& root,
                                         const std::filesystem::path& relative,
                                         std::size_t limit = 1 << 20);

}  // namespace quarvel::linux_source
