#include "platform/win32/variant_value.h"

#include <oleauto.h>

#include <cstdint>
#include <limits>
#include <string>

#include "platform/win32/com.h"
#include "platform/win32/utf.h"
#include "platform/win32/wmi_failure.h"

namespace quarvel::win32 {
namespace {

PropertyValue whole(long long number) {
    return PropertyValue(static_cast<std::int32_t>(number));
}

// An unsigned 32-bit value keeps its magnitude: beyond the signed range it becomes the exact real.
PropertyValue whole(unsigned long number) {
    if (number > static_cast<unsigned long>(std::numeric_limits<std::int32_t>::max()))
        return PropertyValue(static_cast<double>(number));
    return PropertyValue(static_cast<std::int32_t>(number));
}

PropertyValue text(BSTR value) {
    return PropertyValue(toUtf8({value, value ? SysStringLen(value) : 0}));
}

struct Conversion {
    VARTYPE type;
    PropertyValue (*convert)(const VARIANT&);
};

const Conversion conversions[] = {
    {VT_EMPTY, [](const VARIANT&) { return PropertyValue(); }},
    {VT_NULL, [](const VARIANT&) { return PropertyValue::null(); }},
    {VT_I1, [](const VARIANT& v) { return whole(static_cast<long long>(v.cVal)); }},
    {VT_I2, [](const VARIANT& v) { return whole(static_cast<long long>(v.iVal)); }},
    {VT_I4, [](const VARIANT& v) { return whole(static_cast<long long>(v.lVal)); }},
    {VT_INT, [](const VARIANT& v) { return whole(static_cast<long long>(v.intVal)); }},
    {VT_BOOL, [](const VARIANT& v) { return whole(static_cast<long long>(v.boolVal)); }},
    {VT_UI1, [](const VARIANT& v) { return whole(static_cast<unsigned long>(v.bVal)); }},
    {VT_UI2, [](const VARIANT& v) { return whole(static_cast<unsigned long>(v.uiVal)); }},
    {VT_UI4, [](const VARIANT& v) { return whole(static_cast<unsigned long>(v.ulVal)); }},
    {VT_UINT, [](const VARIANT& v) { return whole(static_cast<unsigned long>(v.uintVal)); }},
    {VT_R4, [](const VARIANT& v) { return PropertyValue(static_cast<double>(v.fltVal)); }},
    {VT_R8, [](const VARIANT& v) { return PropertyValue(v.dblVal); }},
    {VT_BSTR, [](const VARIANT& v) { return text(v.bstrVal); }},
};

}  // namespace

PropertyValue propertyValueOf(const VARIANT& value) {
    for (const auto& conversion : conversions)
        if (conversion.type == value.vt) return conversion.convert(value);

    Variant converted;
    const HRESULT result = VariantChangeType(&converted, const_cast<VARIANT*>(&value), 0, VT_BSTR);
    if (FAILED(result))
        throw wmiFailure(
            "VariantChangeType of a value of type " + std::to_string(value.vt) + " to text",
            result);
    return text(converted.bstrVal);
}

}  // namespace quarvel::win32
