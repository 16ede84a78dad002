#include "platform/win32/user_regional_settings.h"

#include <windows.h>

#include <utility>

#include "inventory/regional_settings.h"
#include "platform/win32/utf.h"

namespace quarvel::win32 {

void applyUserRegionalSettings() {
    wchar_t separator[LOCALE_NAME_MAX_LENGTH] = {};
    RegionalSettings settings;
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator,
                        LOCALE_NAME_MAX_LENGTH) > 0)
        settings.decimalSeparator = toUtf8(separator);
    setRegionalSettings(std::move(settings));
}

}  // namespace quarvel::win32
