#include <iostream>
#include <string>
#include <vector>

#include "app/report_command.h"
#include "app/retailer_host.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    return quarvel::runReportCommand(args, quarvel::prepareReportPlatform(), quarvel::kRetailerHost,
                                     std::cout, std::cerr);
}
