#pragma once

namespace quarvel {

// Takes the program's regional settings (the decimal separator) from the user's locale, as the
// environment sets it (LC_ALL, LC_NUMERIC, LANG). The C library's own locale is left as it was.
void applyUserRegionalSettings();

}  // namespace quarvel
