#include <filesystem>
#include <system_error>

#include "app/report_platform.h"
#include "inventory/failure.h"
#include "platform/linux/linux_management_source.h"
#include "platform/linux/user_regional_settings.h"

namespace quarvel {

ReportPlatform prepareReportPlatform() {
    applyUserRegionalSettings();
    ReportPlatform platform;
    platform.readsCapturedTrees = true;
    platform.open =
        [](const std::optional<std::string>& root) -> std::unique_ptr<ManagementSource> {
        if (!root) return std::make_unique<LinuxManagementSource>();
        std::error_code error;
        if (!std::filesystem::is_directory(*root, error)) {
            throw Failure("--root " + *root + ": not a directory");
        }
        return std::make_unique<LinuxManagementSource>(*root);
    };
    return platform;
}

}  // namespace quarvel
