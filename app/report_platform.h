#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "inventory/management_source.h"

namespace quarvel {

// What quarvel-report needs of the platform it runs on. Each platform adapter provides one.
struct ReportPlatform {
    // Whether the facts can come from a captured tree instead of this machine (--root DIR).
    bool readsCapturedTrees = false;
    // The management source of this machine, or of the captured tree under root. Throws Failure
    // naming a root that cannot be read.
    std::function<std::unique_ptr<ManagementSource>(const std::optional<std::string>& root)> open;
};

// Prepares the process (the user's regional settings, standard output that keeps "\r\n" as it is)
// and describes this platform.
ReportPlatform prepareReportPlatform();

}  // namespace quarvel
