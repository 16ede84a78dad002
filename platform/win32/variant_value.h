#pragma once

#include <oaidl.h>

#include "inventory/property_value.h"

namespace quarvel::win32 {

// A management property's VARIANT as the inventory's value: empty, null, an integer for the whole
// number types (an unsigned 32-bit value above 2147483647 as the exact real), a real for floating
// point, text for strings; any other type as the text VariantChangeType makes of it.
PropertyValue propertyValueOf(const VARIANT& value);

}  // namespace quarvel::win32
