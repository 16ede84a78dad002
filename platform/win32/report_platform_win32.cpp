#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <memory>

#include "app/report_platform.h"
#include "platform/win32/user_regional_settings.h"
#include "platform/win32/wmi_management_source.h"

namespace quarvel {

ReportPlatform prepareReportPlatform() {
    win32::applyUserRegionalSettings();
    // The report's "\r\n" goes out as it is, and its UTF-8 shows as such in a console.
    _setmode(_fileno(stdout), _O_BINARY);
    SetConsoleOutputCP(CP_UTF8);
    ReportPlatform platform;
    platform.open = [](const std::optional<std::string>&) -> std::unique_ptr<ManagementSource> {
        return std::make_unique<win32::WmiManagementSource>();
    };
    return platform;
}

}  // namespace quarvel
