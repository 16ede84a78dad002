#pragma once

namespace quarvel::win32 {

// Takes the user's number format from Windows' regional settings into the inventory's rendering.
void applyUserRegionalSettings();

}  // namespace quarvel::win32
