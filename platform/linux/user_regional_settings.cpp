#include "platform/linux/user_regional_settings.h"

#include <clocale>
#include <string>

#include "inventory/regional_settings.h"

namespace quarvel {

void applyUserRegionalSettings() {
    const char* current = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = current ? current : "C";
    RegionalSettings settings;
    if (std::setlocale(LC_NUMERIC, "")) {
        if (const char* point = std::localeconv()->decimal_point; point && *point) {
            settings.decimalSeparator = point;
        }
    }
    std::setlocale(LC_NUMERIC, saved.c_str());
    setRegionalSettings(settings);
}

}  // namespace quarvel
