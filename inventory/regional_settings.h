#pragma once

#include <string>

namespace quarvel {

// The user's regional number format, as far as this program needs it. The platform layer sets it
// once at start-up from the system's settings; tests set it directly.
struct RegionalSettings {
    std::string decimalSeparator = ".";
};

const RegionalSettings& regionalSettings();
void setRegionalSettings(RegionalSettings settings);

}  // namespace quarvel
