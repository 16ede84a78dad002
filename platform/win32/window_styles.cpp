#include "platform/win32/window_styles.h"

namespace quarvel::win32 {

WindowStyles topLevelStyles(const WindowLayout& layout) {
    WindowStyles styles;
    styles.style = WS_POPUP;
    styles.exStyle = WS_EX_CONTROLPARENT;
    if (layout.titleBar) styles.style |= WS_CAPTION | WS_SYSMENU;
    if (layout.minimizeButton) styles.style |= WS_MINIMIZEBOX;
    if (layout.maximizeButton) styles.style |= WS_MAXIMIZEBOX;
    if (layout.border == Border::FixedDialog) {
        styles.style |= WS_DLGFRAME;
        styles.exStyle |= WS_EX_DLGMODALFRAME;
    } else {
        styles.style |= WS_BORDER;
    }
    if (layout.inTaskBar) styles.exStyle |= WS_EX_APPWINDOW;
    return styles;
}

ControlClass controlClass(const ControlLayout& control) {
    ControlClass native;
    DWORD& style = native.styles.style;
    DWORD& exStyle = native.styles.exStyle;
    style = WS_CHILD | WS_CLIPSIBLINGS;
    if (control.visible) style |= WS_VISIBLE;
    switch (control.kind) {
        case ControlKind::Label:
            native.className = L"STATIC";
            style |= SS_LEFT | SS_NOPREFIX | SS_NOTIFY;
            break;
        case ControlKind::ListBox:
            native.className = L"LISTBOX";
            style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP;
            exStyle |= WS_EX_CLIENTEDGE;
            break;
        case ControlKind::CommandButton:
            native.className = L"BUTTON";
            style |= (control.role == ButtonRole::Default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) |
                     WS_TABSTOP;
            break;
        case ControlKind::TextBox:
            native.className = L"EDIT";
            style |= ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP;
            exStyle |= WS_EX_CLIENTEDGE;
            break;
        case ControlKind::Frame:
            native.className = L"BUTTON";
            style |= BS_GROUPBOX;
            break;
        case ControlKind::Image:
            native.className = L"STATIC";
            style |= SS_BITMAP | SS_REALSIZECONTROL | SS_NOTIFY;
            break;
        case ControlKind::Timer:
        case ControlKind::WebBrowser:  // hosted by EmbeddedBrowser in a window of its own
            break;
    }
    return native;
}

}  // namespace quarvel::win32
