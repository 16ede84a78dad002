#include "windows/frm_splash_layout.h"

namespace quarvel {
namespace {

constexpr ControlLayout kControls[] = {
    {.name = "Label1",
     .bounds = {960, 120, 1335, 495},
     .caption = "Quarvel",
     .font = {.face = "MS Sans Serif", .points = 18},
     .colour = TextColour::Blue},
    {.name = "Label2",
     .bounds = {240, 720, 3135, 375},
     .caption = "Scanning Please Wait......",
     .font = {.face = "Times New Roman", .points = 15.75}},
    {.name = "Timer1", .kind = ControlKind::Timer, .intervalMs = 10},
};

}  // namespace

const WindowLayout& frmSplashLayout() {
    static const WindowLayout kLayout{
        .name = "frmSplash",
        .border = Border::FixedDialog,
        .titleBar = false,
        .inTaskBar = false,
        .centred = true,
        .clientWidth = 3630,
        .clientHeight = 1170,
        .keyPreview = true,
        .controls = kControls,
    };
    return kLayout;
}

}  // namespace quarvel
