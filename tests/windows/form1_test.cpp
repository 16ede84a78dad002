#include <gtest/gtest.h>

#include <string>

#include "tests/windows/quarvel_fixture.h"

namespace quarvel::testing {
namespace {

using ::testing::ElementsAre;
using MessageBox = RecordingToolkit::MessageBox;

constexpr char kChatAddress[] = "http://shop.test/support/UserPreChat.aspx?ref=CustomerScanWindow";

ScriptedManagementSource fourModules() {
    ScriptedManagementSource source = typicalMachine();
    for (const char* slot : {"DIMM4", "DIMM6"}) {
        source.add("Win32_PhysicalMemory", {{"Capacity", "1073741824"},
                                            {"MemoryType", 24},
                                            {"Speed", 800},
                                            {"DeviceLocator", slot}});
    }
    return source;
}

class ListLinking : public QuarvelTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(ListLinking, ARowClickedInOneListIsSelectedInTheOtherTwo) {
    source = fourModules();
    startToMainWindow();
    toolkit.selectRow("Form1", GetParam(), 2);
    for (const char* list : {"slotsLst", "memoryLst", "speedLst"}) {
        EXPECT_EQ(toolkit.listIndex("Form1", list), 2) << list;
    }
    EXPECT_EQ(toolkit.rows("Form1", "slotsLst")[2], "DIMM4");
    EXPECT_EQ(toolkit.rows("Form1", "speedLst")[2], "800 MHz");
}

INSTANTIATE_TEST_SUITE_P(EachList, ListLinking,
                         ::testing::Values("speedLst", "memoryLst", "slotsLst"),
                         [](const auto& list) { return list.param; });

TEST_F(QuarvelTest, CopyingTwicePutsTheSameReportTwice) {
    startToMainWindow();
    toolkit.click("Form1", "clipboardCmd");
    toolkit.click("Form1", "clipboardCmd");
    const std::string report = expected().report;
    EXPECT_THAT(toolkit.clipboardTexts, ElementsAre(report, report));
    EXPECT_TRUE(toolkit.messageBoxes.empty());
}

TEST_F(QuarvelTest, AClipboardHeldForAMomentIsRetried) {
    startToMainWindow();
    toolkit.clipboardFailuresLeft = 3;
    toolkit.click("Form1", "clipboardCmd");
    EXPECT_EQ(toolkit.clipboardTexts.size(), 1u);
    EXPECT_TRUE(toolkit.messageBoxes.empty());
}

TEST_F(QuarvelTest, AClipboardHeldForGoodIsReportedAndTheWindowStays) {
    startToMainWindow();
    toolkit.clipboardFailuresLeft = 1000;
    toolkit.click("Form1", "clipboardCmd");
    EXPECT_TRUE(toolkit.clipboardTexts.empty());
    EXPECT_THAT(toolkit.messageBoxes,
                ElementsAre(MessageBox{"Quarvel - System Memory Information",
                                       "The report could not be copied to the clipboard: the "
                                       "clipboard is held by another program"}));
    EXPECT_FALSE(toolkit.ended());
    EXPECT_TRUE(toolkit.shown("Form1"));
}

TEST_F(QuarvelTest, TheBannerAndTheChatLabelOpenTheChatPage) {
    startToMainWindow();
    toolkit.click("Form1", "Image1");
    toolkit.click("Form1", "Label39");
    EXPECT_THAT(toolkit.startedBrowsers, ElementsAre(kChatAddress, kChatAddress));
    EXPECT_TRUE(toolkit.messageBoxes.empty());
}

TEST_F(QuarvelTest, WithoutABrowserEachChatClickShowsTheMessageOnce) {
    startToMainWindow();
    toolkit.browserMissing = true;
    toolkit.click("Form1", "Image1");
    EXPECT_EQ(toolkit.messageBoxes.size(), 1u);
    toolkit.click("Form1", "Label39");
    const MessageBox notFound{"Quarvel - System Memory Information", "Browser Not found!!!"};
    EXPECT_THAT(toolkit.messageBoxes, ElementsAre(notFound, notFound));
    EXPECT_FALSE(toolkit.ended());
}

TEST_F(QuarvelTest, NullCaptionsShowEmpty) {
    source = ScriptedManagementSource();
    source
        .add("Win32_ComputerSystem", {{"Manufacturer", PropertyValue::null()},
                                      {"Model", PropertyValue::null()},
                                      {"TotalPhysicalMemory", "2147483648"}})
        .add("Win32_Processor", {{"Name", "Acme 1"}, {"CurrentClockSpeed", PropertyValue::null()}})
        .add("Win32_PhysicalMemory",
             {{"Capacity", "536870912"}, {"DeviceLocator", PropertyValue::null()}});
    startToMainWindow();
    EXPECT_TRUE(toolkit.messageBoxes.empty());
    EXPECT_TRUE(toolkit.shown("Form1"));
    for (const char* label : {"Label21", "Label22", "Label41", "Label29", "Label31"}) {
        EXPECT_EQ(toolkit.caption("Form1", label), "") << label;
    }
    EXPECT_EQ(toolkit.caption("Form1", "Label27"), "Acme 1");
    EXPECT_THAT(toolkit.rows("Form1", "slotsLst"), ElementsAre(""));
    EXPECT_EQ(toolkit.caption("Form1", "Label35"), "2 GB");
}

TEST_F(QuarvelTest, APlaceholderModelShowsNotAvailableWhileTheLookupUsesTheBoard) {
    source = ScriptedManagementSource();
    source.add("Win32_ComputerSystem", {{"Model", "System Product Name"}})
        .add("Win32_BaseBoard", {{"Product", "P5K"}});
    startToMainWindow();
    EXPECT_EQ(toolkit.caption("Form1", "Label22"), "Not Available");
    const std::string address = toolkit.navigations("Form1", "WB").at(0);
    EXPECT_NE(address.find("&mdlname=P5K&"), std::string::npos) << address;
    toolkit.click("Form1", "clipboardCmd");
    EXPECT_NE(toolkit.clipboardTexts.at(0).find("System Model: Not Available\r\n"),
              std::string::npos);
}

TEST_F(QuarvelTest, NoModulesLeaveTheListsEmpty) {
    source = ScriptedManagementSource();
    source.add("Win32_PhysicalMemoryArray", {{"MaxCapacity", 2097152}, {"MemoryDevices", 2}});
    startToMainWindow();
    for (const char* list : {"slotsLst", "memoryLst", "speedLst"}) {
        EXPECT_TRUE(toolkit.rows("Form1", list).empty()) << list;
    }
    EXPECT_EQ(toolkit.caption("Form1", "Label37"), "2  (Currently Memory in 0 Slots)");
}

}  // namespace
}  // namespace quarvel::testing
