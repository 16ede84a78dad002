#include "app/report_command.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "inventory/failure.h"
#include "inventory/inventory_summary.h"
#include "tests/inventory/typical_machine.h"

namespace quarvel {
namespace {

struct CommandRun {
    int status;
    std::string out;
    std::string err;
    std::vector<std::optional<std::string>> opened;  // the roots the platform was asked for
};

CommandRun run(std::vector<std::string> args, bool readsCapturedTrees = true,
               const std::function<void(testing::ScriptedManagementSource&)>& adjust = {}) {
    CommandRun result;
    ReportPlatform platform;
    platform.readsCapturedTrees = readsCapturedTrees;
    platform.open = [&](const std::optional<std::string>& root) {
        result.opened.push_back(root);
        if (root == "missing") throw Failure("--root missing: not a directory");
        auto source =
            std::make_unique<testing::ScriptedManagementSource>(testing::typicalMachine());
        if (adjust) adjust(*source);
        return source;
    };
    std::ostringstream out, err;
    result.status = runReportCommand(args, platform, "shop.test", out, err);
    result.out = out.str();
    result.err = err.str();
    return result;
}

std::string typicalOutput() {
    auto source = testing::typicalMachine();
    InventorySummary summary = summarizeInventory(source, "shop.test");
    return summary.report + summary.lookupUrl + "\r\n";
}

TEST(ReportCommand, PrintsTheClipboardReportThenTheAddress) {
    CommandRun r = run({});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, typicalOutput());
    EXPECT_TRUE(r.out.ends_with(
        "Slots: DIMM0,DIMM2,\r\nhttp://shop.test/mc/quarvel.asp?manufacturer=Acme&mdlname=X100"
        "&bName=X100-MB&maxmemory=4 GB&totalslots=4  (Currently Memory in 2 Slots)"
        "&memoryspeeds=667 MHz,667 MHz,&memorysize=512 MB,512 MB,&processorspeed=800"
        "&site=Brackenholme\r\n"));
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.opened, (std::vector<std::optional<std::string>>{std::nullopt}));
}

TEST(ReportCommand, RootChoosesTheCapturedTree) {
    for (const auto& args : {std::vector<std::string>{"--root", "/captured"},
                             std::vector<std::string>{"--root=/captured"}}) {
        CommandRun r = run(args);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.opened, (std::vector<std::optional<std::string>>{"/captured"}));
    }
}

TEST(ReportCommand, HelpExplainsOnStandardOutput) {
    CommandRun r = run({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.starts_with("Usage: quarvel-report [--root DIR]\n")) << r.out;
    EXPECT_NE(r.out.find("--root DIR"), std::string::npos);
    EXPECT_EQ(r.err, "");
    EXPECT_TRUE(r.opened.empty()) << "nothing is read for the help";

    CommandRun windows = run({"--help"}, false);
    EXPECT_TRUE(windows.out.starts_with("Usage: quarvel-report\n")) << windows.out;
    EXPECT_EQ(windows.out.find("--root"), std::string::npos);
}

TEST(ReportCommand, WrongCommandLineShowsTheUsageAndExitsWith2) {
    struct Case {
        std::vector<std::string> args;
        bool readsCapturedTrees;
        std::string firstLine;
    };
    const std::vector<Case> cases{
        {{"--verbose"}, true, "quarvel-report: unknown option '--verbose'"},
        {{"/some/dir"}, true, "quarvel-report: unknown option '/some/dir'"},
        {{"--root"}, true, "quarvel-report: --root needs a directory"},
        {{"--root", "/captured"}, false, "quarvel-report: unknown option '--root'"},
    };
    for (const Case& c : cases) {
        CommandRun r = run(c.args, c.readsCapturedTrees);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_TRUE(r.err.starts_with(c.firstLine + "\nUsage: quarvel-report")) << r.err;
        EXPECT_TRUE(r.opened.empty());
    }
}

TEST(ReportCommand, FailureIsOneLineOnStandardErrorAndExitsWith1) {
    CommandRun missing = run({"--root", "missing"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err, "quarvel-report: --root missing: not a directory\n");

    CommandRun failing = run({}, true, [](testing::ScriptedManagementSource& source) {
        source.failQuery("Win32_Processor", "Query failed:\r\n\"Win32_Processor\"");
    });
    EXPECT_EQ(failing.status, 1);
    EXPECT_EQ(failing.out, "") << "nothing half-written";
    EXPECT_EQ(failing.err, "quarvel-report: Query failed:  \"Win32_Processor\"\n");
}

}  // namespace
}  // namespace quarvel
