// Shows the scanning splash as Quarvel.exe shows it, for three seconds. The program's own splash is
// up only while the scan runs, under Wine too short a moment for a screenshot.
#include <ole2.h>
#include <windows.h>

#include "platform/win32/win32_toolkit.h"
#include "windows/frm_splash_layout.h"

namespace {

class EndAfterThreeSeconds final : public quarvel::ToolkitEvents {
public:
    explicit EndAfterThreeSeconds(quarvel::Toolkit& toolkit) : toolkit_(toolkit) {}

    void clicked(quarvel::WindowId, std::string_view) override {}
    void ticked(quarvel::WindowId, std::string_view) override {
        if (GetTickCount() - started_ >= 3000) toolkit_.quit(0);
    }
    void keyPressed(quarvel::WindowId, char32_t) override {}
    void closeRequested(quarvel::WindowId) override {}

private:
    quarvel::Toolkit& toolkit_;
    DWORD started_ = GetTickCount();
};

}  // namespace

int main() {
    OleInitialize(nullptr);
    int status = 0;
    {
        quarvel::win32::Win32Toolkit toolkit;
        EndAfterThreeSeconds events(toolkit);
        toolkit.attach(events);
        toolkit.createWindow(1, quarvel::frmSplashLayout());
        toolkit.showWindow(1);
        status = toolkit.run();
        toolkit.destroyWindow(1);
    }
    OleUninitialize();
    return status;
}
