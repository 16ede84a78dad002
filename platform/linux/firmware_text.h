#pragma once

#include <string>
#include <string_view>

namespace quarvel::linux_source {

// Text from firmware or the kernel as UTF-8: valid UTF-8 sequences are kept byte for byte, and
// every byte that does not belong to one is read as Latin-1.
std::string firmwareText(std::string_view bytes);

}  // namespace quarvel::linux_source
