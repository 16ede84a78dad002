#include "windows/dialog_layout.h"

#include "windows/program.h"

namespace quarvel {
namespace {

constexpr ControlLayout kControls[] = {
    {.name = "Frame1", .kind = ControlKind::Frame, .bounds = {0, 0, 6135, 4815}},
    {.name = "Text1",
     .kind = ControlKind::TextBox,
     .container = "Frame1",
     .bounds = {120, 240, 5895, 3975}},
    {.name = "OKButton",
     .kind = ControlKind::CommandButton,
     .container = "Frame1",
     .bounds = {1920, 4320, 1215, 375},
     .caption = "OK",
     .role = ButtonRole::Default},
    {.name = "CancelButton",
     .kind = ControlKind::CommandButton,
     .container = "Frame1",
     .bounds = {3240, 4320, 1215, 375},
     .caption = "Cancel",
     .role = ButtonRole::Cancel},
};

}  // namespace

const WindowLayout& dialogLayout() {
    static const WindowLayout kLayout{
        .name = "Dialog",
        .caption = kApplicationTitle,
        .border = Border::FixedDialog,
        .inTaskBar = false,
        .left = 5025,
        .top = 2115,
        .clientWidth = 6150,
        .clientHeight = 4830,
        .controls = kControls,
    };
    return kLayout;
}

}  // namespace quarvel
