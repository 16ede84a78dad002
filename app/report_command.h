#pragma once

#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "app/report_platform.h"

namespace quarvel {

inline constexpr int kReportSucceeded = 0;
inline constexpr int kReportFailed = 1;
inline constexpr int kReportMisused = 2;

// quarvel-report: scans the machine as the window does and writes the report, exactly as the
// clipboard receives it, then the lookup address on the retailer's host and "\r\n". args are the
// command-line arguments after the program name. Returns the exit status: 0 done, 1 a failure
// (one line on err naming it), 2 a wrong command line (the usage on err).
int runReportCommand(std::span<const std::string> args, const ReportPlatform& platform,
                     std::string_view host, std::ostream& out, std::ostream& err);

}  // namespace quarvel
