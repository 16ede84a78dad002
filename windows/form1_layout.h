#pragma once

#include <array>
#include <string_view>

#include "windows/layout.h"

namespace quarvel {

// A row of a frame on the main window: a bold caption label and a blue value label beside it.
struct ValueRow {
    std::string_view frame;
    int row;  // 1 to 5, top to bottom
    std::string_view captionLabel;
    std::string_view caption;
    std::string_view valueLabel;
    int valueWidth;
};

inline constexpr std::array<ValueRow, 17> kValueRows{{
    {"Frame2", 1, "Label1", "Manufacturer", "Label21", 4215},
    {"Frame2", 2, "Label2", "Model", "Label22", 4215},
    {"Frame2", 3, "Label4", "Version", "Label24", 4215},
    {"Frame2", 4, "Label5", "Identifying No", "Label25", 4215},
    {"Frame2", 5, "Label9", "Type", "Label26", 4335},
    {"Frame3", 1, "Label6", "Name", "Label27", 4335},
    {"Frame3", 2, "Label7", "Manufacturer", "Label28", 4215},
    {"Frame3", 3, "Label40", "Speed", "Label41", 3375},
    {"Frame3", 4, "Label8", "FSB", "Label29", 4335},
    {"Frame4", 1, "Label10", "Manufacturer", "Label30", 3375},
    {"Frame4", 2, "Label11", "Model", "Label31", 3375},
    {"Frame5", 1, "Label12", "Manufacturer", "Label32", 3735},
    {"Frame5", 2, "Label13", "Version", "Label33", 3735},
    {"Frame6", 1, "Label14", "Manufacturer", "Label34", 3375},
    {"Frame6", 2, "Label15", "Installed RAM", "Label35", 3375},
    {"Frame6", 3, "Label16", "Maximum RAM", "Label36", 3375},
    {"Frame6", 4, "Label17", "No Of Slots", "Label37", 3375},
}};

// The main window: its frames, the value rows above, the module lists, the commands and the
// browser.
const WindowLayout& form1Layout();

}  // namespace quarvel
