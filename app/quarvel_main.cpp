// quarvel: the desktop program. It takes no arguments: the notice, the scan of this machine, and
// the main window with the retailer's page.
#include <string>

#include "app/retailer_host.h"
#include "platform/linux/linux_management_source.h"
#include "platform/linux/user_regional_settings.h"
#include "platform/qt/qt_toolkit.h"
#include "windows/quarvel_windows.h"

int main(int /*argc*/, char** argv) {
    quarvel::applyUserRegionalSettings();
    quarvel::qt::QtToolkit toolkit(argv[0]);
    quarvel::LinuxManagementSource source;
    return quarvel::runQuarvel(toolkit, {source, std::string(quarvel::kRetailerHost)});
}
