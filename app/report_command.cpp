#include "app/report_command.h"

#include <exception>
#include <optional>

#include "inventory/failure.h"
#include "inventory/inventory_summary.h"

namespace quarvel {
namespace {

constexpr std::string_view kProgram = "quarvel-report";

void writeUsage(std::ostream& s, const ReportPlatform& platform) {
    s << "Usage: " << kProgram << (platform.readsCapturedTrees ? " [--root DIR]" : "") << "\n";
}

void writeHelp(std::ostream& s, const ReportPlatform& platform) {
    writeUsage(s, platform);
    s << "\n"
         "Reads this machine's system, motherboard, BIOS, processor and memory facts and prints\n"
         "the system information report exactly as the Quarvel window copies it to the clipboard,\n"
         "then the address of the retailer's compatible-memory page for this machine.\n"
         "\n"
         "Options:\n";
    if (platform.readsCapturedTrees) {
        s << "  --root DIR  read the facts from the tree under DIR (a captured machine) instead\n"
             "              of from this machine\n";
    }
    s << "  --help      show this help and exit\n"
         "\n"
         "Exit status: 0 when the report was printed, 1 when the facts could not be read,\n"
         "2 when the command line is wrong.\n";
}

// A failure's text on one line, whatever the firmware strings inside it hold.
std::string oneLine(std::string_view text) {
    std::string line(text);
    for (char& c : line) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    }
    return line;
}

struct Options {
    bool help = false;
    std::optional<std::string> root;
};

// The options of the command line; nothing when it is wrong, after saying why on err.
std::optional<Options> parseOptions(std::span<const std::string> args,
                                    const ReportPlatform& platform, std::ostream& err) {
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help") {
            options.help = true;
        } else if (platform.readsCapturedTrees && arg == "--root" && i + 1 < args.size()) {
            options.root = args[++i];
        } else if (platform.readsCapturedTrees && arg.starts_with("--root=")) {
            options.root = arg.substr(7);
        } else {
            bool missingValue = platform.readsCapturedTrees && arg == "--root";
            err << kProgram << ": "
                << (missingValue ? "--root needs a directory" : "unknown option '" + arg + "'")
                << "\n";
            return std::nullopt;
        }
    }
    return options;
}

}  // namespace

int runReportCommand(std::span<const std::string> args, const ReportPlatform& platform,
                     std::string_view host, std::ostream& out, std::ostream& err) {
    auto options = parseOptions(args, platform, err);
    if (!options) {
        writeUsage(err, platform);
        err << "Try '" << kProgram << " --help' for more information.\n";
        return kReportMisused;
    }
    if (options->help) {
        writeHelp(out, platform);
        out.flush();
        return out ? kReportSucceeded : kReportFailed;
    }
    try {
        auto source = platform.open(options->root);
        InventorySummary summary = summarizeInventory(*source, host);
        out << summary.report << summary.lookupUrl << "\r\n";
        out.flush();
        if (!out) throw Failure("Could not write the report to standard output");
        return kReportSucceeded;
    } catch (const std::exception& failure) {
        err << kProgram << ": " << oneLine(failure.what()) << "\n";
        return kReportFailed;
    }
}

}  // namespace quarvel
