#include "platform/win32/variant_value.h"

#include <gtest/gtest.h>

#include <functional>

#include "inventory/failure.h"
#include "platform/win32/com.h"

namespace quarvel::win32 {
namespace {

struct Case {
    const char* name;
    std::function<void(VARIANT&)> fill;
    PropertyValue expected;
};

TEST(VariantValue, EachTypeBecomesItsKindOfValue) {
    const Case cases[] = {
        {"empty", [](VARIANT&) {}, PropertyValue()},
        {"null", [](VARIANT& v) { v.vt = VT_NULL; }, PropertyValue::null()},
        {"I1",
         [](VARIANT& v) {
             v.vt = VT_I1;
             v.cVal = -5;
         },
         PropertyValue(-5)},
        {"I2",
         [](VARIANT& v) {
             v.vt = VT_I2;
             v.iVal = -32768;
         },
         PropertyValue(-32768)},
        {"I4",
         [](VARIANT& v) {
             v.vt = VT_I4;
             v.lVal = -2147483647 - 1;
         },
         PropertyValue(-2147483647 - 1)},
        {"INT",
         [](VARIANT& v) {
             v.vt = VT_INT;
             v.intVal = 2096;
         },
         PropertyValue(2096)},
        {"UI1",
         [](VARIANT& v) {
             v.vt = VT_UI1;
             v.bVal = 255;
         },
         PropertyValue(255)},
        {"UI2",
         [](VARIANT& v) {
             v.vt = VT_UI2;
             v.uiVal = 65535;
         },
         PropertyValue(65535)},
        {"UI4 in range",
         [](VARIANT& v) {
             v.vt = VT_UI4;
             v.ulVal = 2147483647;
         },
         PropertyValue(2147483647)},
        // Beyond the signed range an unsigned value keeps its magnitude as an exact real.
        {"UI4 above",
         [](VARIANT& v) {
             v.vt = VT_UI4;
             v.ulVal = 2147483648u;
         },
         PropertyValue(2147483648.0)},
        {"UI4 largest",
         [](VARIANT& v) {
             v.vt = VT_UI4;
             v.ulVal = 4294967295u;
         },
         PropertyValue(4294967295.0)},
        {"UINT above",
         [](VARIANT& v) {
             v.vt = VT_UINT;
             v.uintVal = 3221225472u;
         },
         PropertyValue(3221225472.0)},
        {"BOOL true",
         [](VARIANT& v) {
             v.vt = VT_BOOL;
             v.boolVal = VARIANT_TRUE;
         },
         PropertyValue(-1)},
        {"BOOL false",
         [](VARIANT& v) {
             v.vt = VT_BOOL;
             v.boolVal = VARIANT_FALSE;
         },
         PropertyValue(0)},
        {"R4",
         [](VARIANT& v) {
             v.vt = VT_R4;
             v.fltVal = 0.5f;
         },
         PropertyValue(0.5)},
        {"R8",
         [](VARIANT& v) {
             v.vt = VT_R8;
             v.dblVal = 1013.76;
         },
         PropertyValue(1013.76)},
        {"BSTR",
         [](VARIANT& v) {
             v.vt = VT_BSTR;
             v.bstrVal = SysAllocString(L"DIMM 0");
         },
         PropertyValue("DIMM 0")},
        {"BSTR non-ASCII",
         [](VARIANT& v) {
             v.vt = VT_BSTR;
             v.bstrVal = SysAllocString(L"Gr\u00FC\u00DF \u20AC");
         },
         PropertyValue("Gr\xC3\xBC\xC3\x9F \xE2\x82\xAC")},
        {"BSTR with a zero inside",
         [](VARIANT& v) {
             v.vt = VT_BSTR;
             v.bstrVal = SysAllocStringLen(L"a\0b", 3);
         },
         PropertyValue(std::string("a\0b", 3))},
        {"BSTR absent",
         [](VARIANT& v) {
             v.vt = VT_BSTR;
             v.bstrVal = nullptr;
         },
         PropertyValue("")},
        // Other types are read as the text the system makes of them.
        {"I8",
         [](VARIANT& v) {
             v.vt = VT_I8;
             v.llVal = -25276080128;
         },
         PropertyValue("-25276080128")},
        {"UI8",
         [](VARIANT& v) {
             v.vt = VT_UI8;
             v.ullVal = 18446744073709551615u;
         },
         PropertyValue("18446744073709551615")},
    };
    for (const auto& c : cases) {
        Variant value;
        c.fill(value);
        EXPECT_EQ(propertyValueOf(value), c.expected) << c.name;
    }
}

TEST(VariantValue, AValueWithNoTextIsAFailureNamingTheCall) {
    Variant value;
    value.vt = VT_UNKNOWN;
    value.punkVal = nullptr;
    try {
        propertyValueOf(value);
        FAIL() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_NE(std::string(failure.what()).find("VariantChangeType"), std::string::npos)
            << failure.what();
        EXPECT_NE(std::string(failure.what()).find(" failed with 0x8"), std::string::npos)
            << failure.what();
    }
}

}  // namespace
}  // namespace quarvel::win32
