#pragma once

#include <string>
#include <string_view>

namespace quarvel::win32 {

// Conversions at the edge to Windows' UTF-16 texts. Invalid sequences become U+FFFD.
std::string toUtf8(std::wstring_view text);
std::wstring toUtf16(std::string_view text);

}  // namespace quarvel::win32
