#include "platform/win32/utf.h"

#include <gtest/gtest.h>

namespace quarvel::win32 {
namespace {

struct Pair {
    std::string utf8;
    std::wstring utf16;
};

TEST(Utf, ConvertsBothWays) {
    const Pair cases[] = {
        {"", L""},
        {"Intel(R) Core(TM) i5", L"Intel(R) Core(TM) i5"},
        {"Gr\xC3\xBC\xC3\x9F"
         "e",
         L"Gr\u00FC\u00DFe"},
        {"\xE2\x82\xAC 5", L"\u20AC 5"},
        {"\xF0\x9F\x92\xBE", L"\U0001F4BE"},  // outside the basic plane: a surrogate pair
    };
    for (const auto& [utf8, utf16] : cases) {
        EXPECT_EQ(toUtf8(utf16), utf8);
        EXPECT_EQ(toUtf16(utf8), utf16);
    }
}

TEST(Utf, ReplacesALoneSurrogate) {
    EXPECT_EQ(toUtf8(std::wstring{L'a', wchar_t{0xD800}, L'b'}),
              "a\xEF\xBF\xBD"
              "b");
}

}  // namespace
}  // namespace quarvel::win32
