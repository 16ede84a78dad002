// The Win32 toolkit with real windows: run under Wine (or Windows) on a desktop.
#include "platform/win32/win32_toolkit.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "inventory/failure.h"
#include "platform/win32/dpi.h"
#include "platform/win32/program_start.h"
#include "windows/dialog_layout.h"
#include "windows/form1_layout.h"
#include "windows/frm_splash_layout.h"

namespace quarvel::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"QuarvelWindow";
constexpr wchar_t kTitle[] = L"Quarvel - System Memory Information";

// Records what the toolkit reports; a test may give it something to do on a tick.
class RecordedEvents final : public ToolkitEvents {
public:
    std::vector<std::string> log;
    std::function<void(int ticks)> onTick = [](int) {};

    void clicked(WindowId, std::string_view control) override {
        log.push_back("click " + std::string(control));
    }
    void ticked(WindowId, std::string_view) override { onTick(++ticks_); }
    void keyPressed(WindowId, char32_t key) override {
        log.push_back("key " + std::to_string(static_cast<unsigned>(key)));
    }
    void closeRequested(WindowId) override { log.push_back("close"); }

private:
    int ticks_ = 0;
};

class Win32ToolkitTest : public ::testing::Test {
protected:
    void SetUp() override {
        OleInitialize(nullptr);
        toolkit_ = std::make_unique<Win32Toolkit>();
        toolkit_->attach(events_);
    }
    void TearDown() override {
        toolkit_.reset();
        OleUninitialize();
    }

    static HWND topLevel(const wchar_t* title) { return FindWindowW(kWindowClass, title); }
    static int pixels(int twips, HWND window) { return twipsToPixels(twips, dpiOf(window)); }

    // The client-area rectangle of a child control.
    static RECT placeOf(HWND control) {
        RECT area;
        GetWindowRect(control, &area);
        MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&area), 2);
        return area;
    }

    RecordedEvents events_;
    std::unique_ptr<Win32Toolkit> toolkit_;
};

// The three windows as the layouts describe them: client size in twips at the window's DPI,
// borders and buttons, and which of them stay out of the task bar.
TEST_F(Win32ToolkitTest, RealisesTheWindowsOfTheLayouts) {
    struct Case {
        const WindowLayout& layout;
        const wchar_t* title;
        DWORD present;
        DWORD absent;
        bool owned;  // owned windows are kept out of the task bar
    };
    const Case cases[] = {
        {dialogLayout(), kTitle, WS_CAPTION | WS_SYSMENU,
         WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME, true},
        {frmSplashLayout(), L"", WS_DLGFRAME, WS_BORDER | WS_SYSMENU | WS_THICKFRAME, true},
        {form1Layout(), kTitle, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
         WS_MAXIMIZEBOX | WS_THICKFRAME, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.layout.name));
        toolkit_->createWindow(1, c.layout);
        HWND window = topLevel(c.title);
        ASSERT_NE(window, nullptr);
        EXPECT_FALSE(IsWindowVisible(window));
        RECT client;
        GetClientRect(window, &client);
        EXPECT_EQ(client.right, pixels(c.layout.clientWidth, window));
        EXPECT_EQ(client.bottom, pixels(c.layout.clientHeight, window));
        const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
        EXPECT_EQ(style & c.present, c.present);
        EXPECT_EQ(style & c.absent, 0u);
        EXPECT_EQ(GetWindow(window, GW_OWNER) != nullptr, c.owned);
        toolkit_->destroyWindow(1);
        EXPECT_FALSE(IsWindow(window));
    }
}

TEST_F(Win32ToolkitTest, PlacesControlsInsideTheirFramesInTwips) {
    toolkit_->createWindow(1, form1Layout());
    HWND window = topLevel(kTitle);
    HWND button = FindWindowExW(window, nullptr, L"Button", L"Copy System Info To Clipboard");
    ASSERT_NE(button, nullptr);
    // Frame1 at 0,-120 holds Frame8 at 7560,3840, which holds the button at 960,1680.
    const RECT place = placeOf(button);
    EXPECT_EQ(place.left, pixels(7560 + 960, window));
    EXPECT_EQ(place.top, pixels(-120 + 3840 + 1680, window));
    EXPECT_EQ(place.right - place.left, pixels(2415, window));
    // The hidden button is there but never seen.
    HWND hidden = FindWindowExW(window, nullptr, L"Button", L"Command1");
    ASSERT_NE(hidden, nullptr);
    EXPECT_FALSE(GetWindowLongPtrW(hidden, GWL_STYLE) & WS_VISIBLE);
}

// Moved to a monitor of 144 dots per inch, the window puts its controls and fonts at that DPI.
TEST_F(Win32ToolkitTest, FollowsAChangeOfDpi) {
    toolkit_->createWindow(1, form1Layout());
    HWND window = topLevel(kTitle);
    RECT suggested;
    GetWindowRect(window, &suggested);
    suggested.right = suggested.left + 1200;
    suggested.bottom = suggested.top + 1100;
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    HWND button = FindWindowExW(window, nullptr, L"Button", L"Copy System Info To Clipboard");
    const RECT place = placeOf(button);
    EXPECT_EQ(place.left, twipsToPixels(7560 + 960, 144));
    EXPECT_EQ(place.bottom - place.top, twipsToPixels(375, 144));
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -17);  // 8.25 points at 144 dots per inch
}

TEST_F(Win32ToolkitTest, CaptionsAndListRowsKeepTheirText) {
    toolkit_->createWindow(1, form1Layout());
    const std::string text =
        "Gr\xC3\xBC\xC3\x9F"
        "e & \xE2\x82\xAC 1 GB";  // Grüße & € 1 GB
    toolkit_->setCaption(1, "Label21", text);
    EXPECT_EQ(toolkit_->caption(1, "Label21"), text);
    toolkit_->setCaption(1, "Label22", "");
    EXPECT_EQ(toolkit_->caption(1, "Label22"), "");
    toolkit_->addListRow(1, "slotsLst", "DIMM0");
    toolkit_->addListRow(1, "slotsLst", "A DIMM before B");  // rows stay in the order added
    HWND list = FindWindowExW(topLevel(kTitle), nullptr, L"ListBox", nullptr);
    wchar_t row[32];
    SendMessageW(list, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(row));
    EXPECT_STREQ(row, L"A DIMM before B");
    toolkit_->clearList(1, "slotsLst");
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 0);
    EXPECT_THROW(toolkit_->caption(1, "NoSuchLabel"), Failure);
}

// A row chosen by the user is reported as a click; a row set from code is not.
TEST_F(Win32ToolkitTest, ReportsUserSelectionButNotSelectionFromCode) {
    toolkit_->createWindow(1, form1Layout());
    for (const char* row : {"667 MHz", "800 MHz", "1066 MHz"})
        toolkit_->addListRow(1, "speedLst", row);
    toolkit_->setListIndex(1, "speedLst", 1);
    EXPECT_EQ(toolkit_->listIndex(1, "speedLst"), 1);
    EXPECT_TRUE(events_.log.empty());

    HWND list = nullptr;  // slotsLst, memoryLst, speedLst
    for (int i = 0; i < 3; ++i) list = FindWindowExW(topLevel(kTitle), list, L"ListBox", nullptr);
    RECT row;
    SendMessageW(list, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row));
    const LPARAM point = MAKELPARAM(row.left + 2, row.top + 2);
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(list, WM_LBUTTONUP, 0, point);
    EXPECT_EQ(toolkit_->listIndex(1, "speedLst"), 2);
    EXPECT_EQ(events_.log, std::vector<std::string>{"click speedLst"});
    toolkit_->setListIndex(1, "speedLst", -1);
    EXPECT_EQ(toolkit_->listIndex(1, "speedLst"), -1);
}

TEST_F(Win32ToolkitTest, PutsUnicodeTextWithItsLineEndsOnTheClipboard) {
    const std::string report = "Processor: Acme\xE2\x84\xA2 800\r\nSlots: DIMM0,\r\n";  // ™
    toolkit_->putClipboardText(report);
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    ASSERT_NE(data, nullptr);
    const std::wstring text = static_cast<const wchar_t*>(GlobalLock(data));
    GlobalUnlock(data);
    CloseClipboard();
    EXPECT_EQ(text, L"Processor: Acme\u2122 800\r\nSlots: DIMM0,\r\n");
}

// While another window holds the clipboard open, the put fails with a message naming it, and
// succeeds once it is free again.
TEST_F(Win32ToolkitTest, ClipboardHeldElsewhereIsAFailure) {
    HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(OpenClipboard(other));
    try {
        toolkit_->putClipboardText("report");
        ADD_FAILURE() << "no failure while the clipboard is held";
    } catch (const Failure& failure) {
        EXPECT_NE(std::string(failure.what()).find("clipboard"), std::string::npos);
    }
    CloseClipboard();
    EXPECT_NO_THROW(toolkit_->putClipboardText("report"));
    DestroyWindow(other);
}

// The splash's timer ticks from the moment it is created, and a key pressed on it reaches the
// window, which previews keys, even though it has no control that takes the keyboard.
TEST_F(Win32ToolkitTest, SplashTicksAndPreviewsKeys) {
    toolkit_->createWindow(1, frmSplashLayout());
    toolkit_->showWindow(1);
    events_.onTick = [&](int ticks) {
        if (ticks == 1) PostMessageW(topLevel(L""), WM_CHAR, 'q', 0);
        if (!events_.log.empty() || ticks == 200) toolkit_->quit(7);
    };
    EXPECT_EQ(toolkit_->run(), 7);
    EXPECT_EQ(events_.log, std::vector<std::string>{"key 113"});
}

// Enter presses the notice's default button wherever the keyboard is, Esc its cancel button.
TEST_F(Win32ToolkitTest, EnterAndEscapePressTheNoticeButtons) {
    toolkit_->createWindow(1, dialogLayout());
    toolkit_->showWindow(1);
    HWND text = FindWindowExW(topLevel(kTitle), nullptr, L"Edit", nullptr);
    SetFocus(text);
    PostMessageW(text, WM_KEYDOWN, VK_RETURN, 0);
    PostMessageW(text, WM_KEYDOWN, VK_ESCAPE, 0);
    PostQuitMessage(0);  // comes once the keys are handled
    toolkit_->run();
    EXPECT_EQ(events_.log, (std::vector<std::string>{"click OKButton", "click CancelButton"}));
}

TEST(ProgramStart, MissingProgramIsAFailure) {
    EXPECT_THROW(startProgram(R"("C:\No Such Folder\browser.exe" http://127.0.0.1/)"), Failure);
}

}  // namespace
}  // namespace quarvel::win32
