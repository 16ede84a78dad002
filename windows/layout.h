#pragma once

#include <span>
#include <string_view>

namespace quarvel {

// Window layouts are data: every position and size is in twips (1/1440 inch; 15 twips to a pixel
// at 96 dots per inch), and a backend realises them with its own native windows and controls.

enum class ControlKind {
    Label,          // caption text; click
    ListBox,        // rows of text, one selected; click when the user selects a row
    CommandButton,  // caption; click
    TextBox,        // multi-line, read-only, with a vertical scroll bar
    Frame,          // group box around its controls, with an optional caption
    Image,          // shows a named picture; click
    Timer,          // invisible; ticks every intervalMs while its window is loaded
    WebBrowser,     // shows the page of the address it is sent to
};

struct Bounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct Font {
    std::string_view face = "MS Sans Serif";
    double points = 8.25;
    bool bold = false;
};

enum class TextColour { Normal, Blue };

enum class MousePointer { Normal, PointingHand };

// The keyboard role of a command button in its window: Enter presses the default button, Esc the
// cancel button.
enum class ButtonRole { Normal, Default, Cancel };

struct ControlLayout {
    std::string_view name;
    ControlKind kind = ControlKind::Label;
    // The frame that holds the control (declared before it); empty for the window itself. The
    // bounds are relative to the holder's top-left corner.
    std::string_view container;
    Bounds bounds;
    std::string_view caption;
    Font font;
    TextColour colour = TextColour::Normal;
    MousePointer pointer = MousePointer::Normal;
    bool visible = true;
    ButtonRole role = ButtonRole::Normal;
    int intervalMs = 0;        // Timer
    std::string_view picture;  // Image: the name of the artwork, "banner"
};

enum class Border {
    FixedSingle,  // a thin, fixed border
    FixedDialog,  // a dialog's fixed border
};

struct WindowLayout {
    std::string_view name;
    std::string_view caption;
    Border border = Border::FixedSingle;
    bool titleBar = true;  // false: neither caption nor control box, so no title bar at all
    bool minimizeButton = false;
    bool maximizeButton = false;
    bool inTaskBar = true;
    bool centred = false;  // on the screen; otherwise at position
    int left = 0;          // from the screen's top-left corner
    int top = 0;
    int clientWidth = 0;
    int clientHeight = 0;
    bool keyPreview = false;  // key presses reach the window before its controls
    std::span<const ControlLayout> controls;
};

}  // namespace quarvel
