#include "windows/form1_layout.h"

#include <vector>

#include "windows/program.h"

namespace quarvel {
namespace {

constexpr Font kBold{.bold = true};
constexpr int kRowHeight = 255;
constexpr int kCaptionLeft = 240;
constexpr int kCaptionWidth = 1275;
constexpr int kValueLeft = 1560;

constexpr int rowTop(int row) {
    return 240 + (row - 1) * 360;
}

ControlLayout frame(std::string_view name, std::string_view container, Bounds bounds,
                    std::string_view caption) {
    return {.name = name,
            .kind = ControlKind::Frame,
            .container = container,
            .bounds = bounds,
            .caption = caption,
            .font = kBold};
}

std::vector<ControlLayout> controls() {
    std::vector<ControlLayout> c{
        frame("Frame1", "", {0, -120, 11775, 10695}, ""),
        frame("Frame2", "Frame1", {120, 120, 6015, 2055}, "System"),
        frame("Frame3", "Frame1", {120, 2160, 6015, 1695}, "Processor"),
        frame("Frame4", "Frame1", {6240, 120, 5415, 975}, "Motherboard"),
        frame("Frame5", "Frame1", {6240, 1080, 5415, 975}, "Bios"),
        frame("Frame6", "Frame1", {6240, 2160, 5415, 1695}, "Memory"),
        frame("Frame7", "Frame1", {120, 3840, 7335, 2175}, "Installed Memory Details"),
        frame("Frame8", "Frame1", {7560, 3840, 4095, 2175}, ""),
        frame("Frame9", "Frame1", {120, 6000, 11535, 4575}, "Compatible Memory Upgrade"),
    };
    for (const ValueRow& row : kValueRows) {
        c.push_back({.name = row.captionLabel,
                     .container = row.frame,
                     .bounds = {kCaptionLeft, rowTop(row.row), kCaptionWidth, kRowHeight},
                     .caption = row.caption,
                     .font = kBold});
        c.push_back({.name = row.valueLabel,
                     .container = row.frame,
                     .bounds = {kValueLeft, rowTop(row.row), row.valueWidth, kRowHeight},
                     .colour = TextColour::Blue});
    }
    const ControlLayout modules[] = {
        {.name = "Label18",
         .container = "Frame7",
         .bounds = {1800, 240, 1335, kRowHeight},
         .caption = "Slots",
         .font = kBold},
        {.name = "Label19",
         .container = "Frame7",
         .bounds = {4200, 240, 1335, kRowHeight},
         .caption = "Memory Size",
         .font = kBold},
        {.name = "Label20",
         .container = "Frame7",
         .bounds = {5640, 240, 1455, kRowHeight},
         .caption = "Memory Speed",
         .font = kBold},
        {.name = "slotsLst",
         .kind = ControlKind::ListBox,
         .container = "Frame7",
         .bounds = {120, 480, 3855, 1620}},
        {.name = "memoryLst",
         .kind = ControlKind::ListBox,
         .container = "Frame7",
         .bounds = {3960, 480, 1575, 1620}},
        {.name = "speedLst",
         .kind = ControlKind::ListBox,
         .container = "Frame7",
         .bounds = {5520, 480, 1575, 1620}},
        {.name = "Image1",
         .kind = ControlKind::Image,
         .container = "Frame8",
         .bounds = {1200, 360, 2280, 1020},
         .pointer = MousePointer::PointingHand,
         .picture = "banner"},
        {.name = "Label39",
         .container = "Frame8",
         .bounds = {120, 1440, 3855, 375},
         .caption = "Click Here to Chat with Our Customer Representative",
         .colour = TextColour::Blue,
         .pointer = MousePointer::PointingHand},
        {.name = "clipboardCmd",
         .kind = ControlKind::CommandButton,
         .container = "Frame8",
         .bounds = {960, 1680, 2415, 375},
         .caption = "Copy System Info To Clipboard"},
        {.name = "Command1",
         .kind = ControlKind::CommandButton,
         .container = "Frame8",
         .bounds = {120, 1680, 735, 375},
         .caption = "Command1",
         .visible = false},
        {.name = "WB",
         .kind = ControlKind::WebBrowser,
         .container = "Frame9",
         .bounds = {0, 240, 11535, 4335}},
    };
    c.insert(c.end(), std::begin(modules), std::end(modules));
    return c;
}

}  // namespace

const WindowLayout& form1Layout() {
    static const std::vector<ControlLayout> kControls = controls();
    static const WindowLayout kLayout{
        .name = "Form1",
        .caption = kApplicationTitle,
        .border = Border::FixedSingle,
        .minimizeButton = true,
        .left = 1845,
        .top = 330,
        .clientWidth = 11775,
        .clientHeight = 10590,
        .controls = kControls,
    };
    return kLayout;
}

}  // namespace quarvel
