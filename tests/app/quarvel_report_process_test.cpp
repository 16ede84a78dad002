// quarvel-report as a user meets it: the built program, its output bytes, exit status and messages.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "app/retailer_host.h"
#include "inventory/inventory_summary.h"
#include "platform/linux/linux_management_source.h"
#include "tests/platform/linux/captured_root.h"
#include "tests/platform/linux/dmidecode_account.h"

namespace quarvel {
namespace {

using testing::CapturedRoot;

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs quarvel-report with the given arguments (shell words) and environment assignments.
Outcome runReport(const std::string& arguments, const std::string& environment = "") {
    CapturedRoot outputs;
    std::string out = (outputs.path() / "out").string();
    std::string err = (outputs.path() / "err").string();
    std::string command =
        environment + " '" QUARVEL_REPORT "' " + arguments + " >'" + out + "' 2>'" + err + "'";
    int raw = std::system(command.c_str());
    Outcome outcome;
    if (WIFEXITED(raw)) outcome.status = WEXITSTATUS(raw);
    outcome.out = testing::readFile(out);
    outcome.err = testing::readFile(err);
    return outcome;
}

std::string expectedOutput(const std::filesystem::path& root) {
    LinuxManagementSource source(root);
    InventorySummary summary = summarizeInventory(source, kRetailerHost);
    return summary.report + summary.lookupUrl + "\r\n";
}

class ReportOfDump : public ::testing::TestWithParam<std::string> {};

TEST_P(ReportOfDump, PrintsTheReportAndAddressWithCrlf) {
    CapturedRoot root;
    root.layOutDump(std::filesystem::path(QUARVEL_SMBIOS_DUMPS) / GetParam());
    root.write("proc/meminfo", "MemTotal:        8000000 kB\n");
    Outcome outcome = runReport("--root '" + root.path().string() + "'");
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(outcome.out, expectedOutput(root.path()));

    std::size_t lines = 0, bareLineFeeds = 0;
    for (std::size_t i = 0; i < outcome.out.size(); ++i) {
        if (outcome.out[i] != '\n') continue;
        ++lines;
        if (i == 0 || outcome.out[i - 1] != '\r') ++bareLineFeeds;
    }
    EXPECT_EQ(lines, 36u) << "35 report lines and the address";
    EXPECT_EQ(bareLineFeeds, 0u);
    EXPECT_NE(outcome.out.find("\r\nhttp://" + std::string(kRetailerHost) + "/mc/quarvel.asp?"),
              std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(SharedDumps, ReportOfDump,
                         ::testing::Values("Lenovo-ThinkPad-T480.bin", "VMWare.bin"),
                         [](const auto& param) {
                             return param.param.substr(0, param.param.find_first_of("-."));
                         });

TEST(QuarvelReport, ThisMachineWithoutOptions) {
    Outcome outcome = runReport("");
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(outcome.out, expectedOutput("/"));
}

TEST(QuarvelReport, ExitStatusAndMessages) {
    CapturedRoot root;
    root.write("plain-file", "not a folder");
    std::string file = (root.path() / "plain-file").string();

    Outcome help = runReport("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.starts_with("Usage: quarvel-report [--root DIR]\n"));
    EXPECT_EQ(help.err, "");

    Outcome notFolder = runReport("--root '" + file + "'");
    EXPECT_EQ(notFolder.status, 1);
    EXPECT_EQ(notFolder.out, "");
    EXPECT_EQ(notFolder.err, "quarvel-report: --root " + file + ": not a directory\n");

    Outcome missing = runReport("--root /no/such/folder");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "quarvel-report: --root /no/such/folder: not a directory\n");

    Outcome unknown = runReport("--frobnicate");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.out, "");
    EXPECT_EQ(unknown.err,
              "quarvel-report: unknown option '--frobnicate'\nUsage: quarvel-report [--root DIR]\n"
              "Try 'quarvel-report --help' for more information.\n");
}

// A machine as root lays it out: the firmware table and the serial number readable by root only,
// the udev record and the other identity files by everyone.
void layOutMachine(const CapturedRoot& root, bool withRootOnlyFiles) {
    const std::filesystem::path dump =
        std::filesystem::path(QUARVEL_SMBIOS_DUMPS) / "Lenovo-ThinkPad-T480.bin";
    auto account = testing::dmidecodeAccount(dump);
    if (withRootOnlyFiles) root.layOutDump(dump);
    root.write("run/udev/data/+dmi:id", testing::udevRecordOf(dump));
    for (const auto& [file, contents] : testing::identityFilesOf(account)) {
        if (file == "product_serial" && !withRootOnlyFiles) continue;
        root.write("sys/class/dmi/id/" + file, contents);
    }
    root.write("proc/meminfo", "MemTotal:       23792736 kB\n");
    root.write("proc/cpuinfo", testing::cpuinfoOf(account));
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root.path())) {
        bool rootOnly = entry.path().filename() == "DMI" ||
                        entry.path().filename() == "smbios_entry_point" ||
                        entry.path().filename() == "product_serial";
        chmod(entry.path().c_str(), entry.is_directory() ? 0755 : rootOnly ? 0400 : 0644);
    }
    chmod(root.path().c_str(), 0755);
}

// Root sees the firmware table; an ordinary user sees what the udev record and the open identity
// files tell, which still names every module.
TEST(QuarvelReport, OrdinaryUserSeesTheModulesThroughTheUdevRecord) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to run the program as another user";
    CapturedRoot machine;
    layOutMachine(machine, true);
    CapturedRoot openFilesOnly;
    layOutMachine(openFilesOnly, false);
    const std::string arguments = "--root '" + machine.path().string() + "'";

    Outcome asRoot = runReport(arguments);
    EXPECT_EQ(asRoot.status, 0);
    EXPECT_EQ(asRoot.out, expectedOutput(machine.path()));
    EXPECT_NE(asRoot.out.find("\r\nIdentifyingNumber: PC131TBF\r\n"), std::string::npos);

    Outcome asUser = runReport(arguments, "setpriv --reuid=65534 --regid=65534 --clear-groups");
    EXPECT_EQ(asUser.status, 0) << asUser.err;
    EXPECT_EQ(asUser.out, expectedOutput(openFilesOnly.path()));
    EXPECT_NE(asUser.out.find("\r\nIdentifyingNumber: \r\n"), std::string::npos);
    EXPECT_NE(asUser.out.find("\r\nCapacity: 8192 MB,16384 MB,\r\n"), std::string::npos)
        << asUser.out;
}

// A user whose locale writes decimals with a comma sees the amounts that way, as in the window.
TEST(QuarvelReport, DecimalSeparatorOfTheUsersLocale) {
    CapturedRoot locales;
    std::string compile = "localedef -i de_DE -f UTF-8 '" +
                          (locales.path() / "de_DE.UTF-8").string() + "' >/dev/null 2>&1";
    ASSERT_EQ(std::system(compile.c_str()), 0) << "localedef (package locales) is needed";

    CapturedRoot root;
    root.write("proc/meminfo", "MemTotal:        8000000 kB\n");  // 7.63 GB
    std::string environment = "LOCPATH='" + locales.path().string() + "' LC_ALL=de_DE.UTF-8";
    Outcome german = runReport("--root '" + root.path().string() + "'", environment);
    EXPECT_EQ(german.status, 0) << german.err;
    EXPECT_NE(german.out.find("\r\nInstalled RAM: 7,63 GB\r\n"), std::string::npos) << german.out;

    Outcome plain = runReport("--root '" + root.path().string() + "'", "LC_ALL=C");
    EXPECT_NE(plain.out.find("\r\nInstalled RAM: 7.63 GB\r\n"), std::string::npos) << plain.out;
}

}  // namespace
}  // namespace quarvel
