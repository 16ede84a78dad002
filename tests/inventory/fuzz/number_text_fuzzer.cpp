// Management values arrive as text and are read as numbers before they are divided: any text must
// either read as a finite number or fail with a type mismatch, under either decimal separator.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "inventory/failure.h"
#include "inventory/property_value.h"
#include "inventory/regional_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    for (const char* separator : {".", ","}) {
        quarvel::setRegionalSettings({separator});
        try {
            quarvel::PropertyValue quotient = quarvel::divide(text, 1024);
            const double* real = quotient.real();
            if (!real || !std::isfinite(*real)) std::abort();
            quarvel::valueText(quarvel::round2(quotient));
        } catch (const quarvel::Failure&) {
        }
    }
    return 0;
}
