// Quarvel.exe, the Windows program: OLE for the browser control (the management service's COM
// comes with it), the user's number format, the toolkit, and the notice first.
#include <ole2.h>
#include <windows.h>

#include <exception>
#include <string>

#include "app/retailer_host.h"
#include "platform/win32/user_regional_settings.h"
#include "platform/win32/utf.h"
#include "platform/win32/win32_toolkit.h"
#include "platform/win32/wmi_management_source.h"
#include "windows/program.h"
#include "windows/quarvel_windows.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    using namespace quarvel;
    const std::wstring title = win32::toUtf16(kApplicationTitle);
    if (FAILED(OleInitialize(nullptr))) {
        MessageBoxW(nullptr, L"OLE could not be initialised", title.c_str(), MB_OK);
        return 1;
    }
    int status = 1;
    try {
        win32::applyUserRegionalSettings();
        win32::WmiManagementSource source;
        win32::Win32Toolkit toolkit;
        status = runQuarvel(toolkit, {source, std::string(kRetailerHost)});
    } catch (const std::exception& failure) {
        MessageBoxW(nullptr, win32::toUtf16(failure.what()).c_str(), title.c_str(), MB_OK);
    }
    OleUninitialize();
    return status;
}
