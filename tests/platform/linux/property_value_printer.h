#pragma once

#include <ostream>

#include "inventory/property_value.h"

namespace quarvel {

// How a PropertyValue shows in a failing test's message: its kind and its text.
inline void PrintTo(const PropertyValue& v, std::ostream* os) {
    if (v.isEmpty()) *os << "empty";
    if (v.isNull()) *os << "null";
    if (v.integer()) *os << "integer " << *v.integer();
    if (v.real()) *os << "real " << *v.real();
    if (v.text()) *os << "text \"" << *v.text() << "\"";
}

}  // namespace quarvel
