#pragma once

#include <string>
#include <string_view>

namespace quarvel::win32 {

// The program keeps its text in UTF-8; the Windows API takes UTF-16.
std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

}  // namespace quarvel::win32
