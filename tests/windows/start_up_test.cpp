#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/windows/quarvel_fixture.h"

namespace quarvel::testing {
namespace {

using ::testing::ElementsAre;
using MessageBox = RecordingToolkit::MessageBox;

std::ptrdiff_t position(const std::vector<std::string>& log, const std::string& entry) {
    auto found = std::find(log.begin(), log.end(), entry);
    EXPECT_NE(found, log.end()) << entry;
    return found - log.begin();
}

TEST_F(QuarvelTest, StartsWithTheNoticeAndReadsNothingBeforeOk) {
    start();
    EXPECT_TRUE(toolkit.shown("Dialog"));
    EXPECT_TRUE(toolkit.text("Dialog", "Text1")
                    .starts_with("Please read the following carefully before using the scan "
                                 "tool.\r\n\r\nUsing the scanner"));
    EXPECT_TRUE(toolkit.text("Dialog", "Text1").ends_with("find the compatible memory."));
    EXPECT_TRUE(source.moniker().empty());
    EXPECT_TRUE(source.queries().empty());
    EXPECT_FALSE(toolkit.ended());
}

TEST_F(QuarvelTest, TheWholeRoadToTheMainWindow) {
    start();
    toolkit.click("Dialog", "OKButton");
    EXPECT_LT(position(toolkit.log, "show frmSplash"), position(toolkit.log, "destroy Dialog"));
    EXPECT_TRUE(toolkit.shown("frmSplash"));
    EXPECT_FALSE(toolkit.loaded("Form1"));

    toolkit.tick("frmSplash", "Timer1");
    EXPECT_FALSE(toolkit.loaded("frmSplash"));
    EXPECT_TRUE(toolkit.shown("Form1"));
    EXPECT_LT(position(toolkit.log, "destroy frmSplash"), position(toolkit.log, "show Form1"));
    EXPECT_EQ(source.queries().size(), 7u);

    EXPECT_THAT(toolkit.navigations("Form1", "WB"), ElementsAre(expected().lookupUrl));
    EXPECT_EQ(toolkit.caption("Form1", "Label21"), "Acme");
    EXPECT_EQ(toolkit.caption("Form1", "Label35"), "1 GB");
    EXPECT_EQ(toolkit.caption("Form1", "Label36"), "4 GB");
    EXPECT_EQ(toolkit.caption("Form1", "Label37"), "4  (Currently Memory in 2 Slots)");
    EXPECT_EQ(toolkit.caption("Form1", "Label41"), "800");
    EXPECT_THAT(toolkit.rows("Form1", "slotsLst"), ElementsAre("DIMM0", "DIMM2"));
    EXPECT_THAT(toolkit.rows("Form1", "memoryLst"), ElementsAre("512 MB", "512 MB"));
    EXPECT_THAT(toolkit.rows("Form1", "speedLst"), ElementsAre("667 MHz", "667 MHz"));
    EXPECT_TRUE(toolkit.messageBoxes.empty());

    toolkit.closeBox("Form1");
    EXPECT_TRUE(toolkit.ended());
    EXPECT_EQ(toolkit.status(), 0);
}

TEST_F(QuarvelTest, TheMainWindowLoadsWithEmptyValueLabelsAndFillsThemInOrder) {
    startToMainWindow();
    std::vector<std::string> captions;
    for (const std::string& entry : toolkit.log) {
        if (entry.starts_with("caption Form1.")) captions.push_back(entry.substr(14, 7));
    }
    const std::vector<std::string> emptied{"Label21", "Label22", "Label24", "Label25", "Label26",
                                           "Label27", "Label28", "Label41", "Label29", "Label30",
                                           "Label31", "Label32", "Label33", "Label34", "Label35",
                                           "Label36", "Label37"};
    const std::vector<std::string> filled{"Label35", "Label36", "Label21", "Label22", "Label24",
                                          "Label25", "Label26", "Label27", "Label28", "Label41",
                                          "Label29", "Label30", "Label31", "Label32", "Label33",
                                          "Label34", "Label37"};
    ASSERT_EQ(captions.size(), 34u);
    std::vector<std::string> first(captions.begin(), captions.begin() + 17);
    std::sort(first.begin(), first.end());
    std::vector<std::string> sortedEmptied = emptied;
    std::sort(sortedEmptied.begin(), sortedEmptied.end());
    EXPECT_EQ(first, sortedEmptied);
    EXPECT_EQ(std::vector<std::string>(captions.begin() + 17, captions.end()), filled);
    EXPECT_LT(position(toolkit.log, "caption Form1.Label37=4  (Currently Memory in 2 Slots)"),
              position(toolkit.log, "navigate Form1.WB=" + expected().lookupUrl));
}

TEST_F(QuarvelTest, CancelEndsTheProgramWithoutAScan) {
    start();
    toolkit.click("Dialog", "CancelButton");
    EXPECT_TRUE(toolkit.ended());
    EXPECT_EQ(toolkit.status(), 0);
    EXPECT_TRUE(source.queries().empty());
}

TEST_F(QuarvelTest, ClosingTheNoticeEndsTheProgramWithoutAScan) {
    start();
    toolkit.closeBox("Dialog");
    EXPECT_FALSE(toolkit.loaded("Dialog"));
    EXPECT_TRUE(toolkit.ended());
    EXPECT_TRUE(source.queries().empty());
}

TEST_F(QuarvelTest, AKeyOnTheSplashBeforeTheFirstTickEndsTheProgramWithoutAScan) {
    start();
    toolkit.click("Dialog", "OKButton");
    toolkit.pressKey("frmSplash", U'x');
    EXPECT_TRUE(toolkit.ended());
    EXPECT_EQ(toolkit.status(), 0);
    EXPECT_TRUE(source.queries().empty());
    EXPECT_EQ(std::count(toolkit.log.begin(), toolkit.log.end(), "create Form1"), 0);
    toolkit.tick("frmSplash", "Timer1");  // the toolkit delivers nothing after the end
    EXPECT_TRUE(source.queries().empty());
}

TEST_F(QuarvelTest, AFailingScanIsReportedOnceAndEndsTheProgramWithoutTheMainWindow) {
    source.failQuery("Win32_Processor", "Query failed: Select * from Win32_Processor");
    startToMainWindow();
    EXPECT_THAT(toolkit.messageBoxes,
                ElementsAre(MessageBox{"Quarvel - System Memory Information",
                                       "Query failed: Select * from Win32_Processor"}));
    EXPECT_TRUE(toolkit.ended());
    EXPECT_EQ(toolkit.status(), 1);
    EXPECT_EQ(std::count(toolkit.log.begin(), toolkit.log.end(), "show Form1"), 0);
}

TEST_F(QuarvelTest, ANumberThatIsNotANumberIsReportedByName) {
    source = ScriptedManagementSource();
    source.add("Win32_ComputerSystem", {{"TotalPhysicalMemory", "12x"}});
    startToMainWindow();
    ASSERT_EQ(toolkit.messageBoxes.size(), 1u);
    EXPECT_NE(toolkit.messageBoxes[0].text.find("12x"), std::string::npos);
    EXPECT_EQ(std::count(toolkit.log.begin(), toolkit.log.end(), "show Form1"), 0);
}

// A management service that, like a COM call waiting for its answer, lets the toolkit deliver
// further ticks while a query runs.
class PumpingSource : public ManagementSource {
public:
    PumpingSource(ManagementSource& inner, RecordingToolkit& toolkit)
        : inner_(inner), toolkit_(toolkit) {}
    void connect(const std::string& moniker) override {
        toolkit_.tick("frmSplash", "Timer1");
        inner_.connect(moniker);
    }
    void query(const std::string& wql, const ObjectVisitor& visit) override {
        toolkit_.tick("frmSplash", "Timer1");
        inner_.query(wql, visit);
    }

private:
    ManagementSource& inner_;
    RecordingToolkit& toolkit_;
};

TEST(OneScan, TicksDuringTheScanStartNoSecondScan) {
    ScriptedManagementSource machine = typicalMachine();
    RecordingToolkit toolkit;
    PumpingSource source(machine, toolkit);
    Program program(toolkit);
    program.run([&] { startQuarvel(program, {source, kTestHost}); });
    toolkit.click("Dialog", "OKButton");
    toolkit.tick("frmSplash", "Timer1");
    EXPECT_EQ(machine.queries().size(), 7u);
    EXPECT_EQ(std::count(toolkit.log.begin(), toolkit.log.end(), "create Form1"), 1);
    EXPECT_EQ(toolkit.navigations("Form1", "WB").size(), 1u);
    EXPECT_TRUE(toolkit.shown("Form1"));
    EXPECT_TRUE(toolkit.messageBoxes.empty());
}

}  // namespace
}  // namespace quarvel::testing
