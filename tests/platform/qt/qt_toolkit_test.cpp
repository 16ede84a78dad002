#include "platform/qt/qt_toolkit.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <string>
#include <vector>

#include "inventory/failure.h"
#include "windows/frm_splash_layout.h"

namespace quarvel::qt {
namespace {

using ::testing::ElementsAre;

// Records what the toolkit reports, as "clicked list", "ticked Timer1", "close".
class RecordedEvents final : public ToolkitEvents {
public:
    std::vector<std::string> events;
    void clicked(WindowId, std::string_view control) override {
        events.push_back("clicked " + std::string(control));
    }
    void ticked(WindowId, std::string_view timer) override {
        events.push_back("ticked " + std::string(timer));
    }
    void keyPressed(WindowId, char32_t key) override {
        events.push_back("key " + std::to_string(static_cast<int>(key)));
    }
    void closeRequested(WindowId) override { events.push_back("close"); }
};

constexpr ControlLayout kControls[] = {
    {.name = "Frame1", .kind = ControlKind::Frame, .bounds = {0, 0, 3000, 3000}, .caption = "F"},
    {.name = "Label1", .container = "Frame1", .bounds = {1560, 240, 1500, 255}},
    {.name = "list",
     .kind = ControlKind::ListBox,
     .container = "Frame1",
     .bounds = {120, 600, 1500, 1200}},
    {.name = "OKButton",
     .kind = ControlKind::CommandButton,
     .bounds = {120, 2400, 1215, 375},
     .caption = "OK",
     .role = ButtonRole::Default},
    {.name = "CancelButton",
     .kind = ControlKind::CommandButton,
     .bounds = {1440, 2400, 1215, 375},
     .caption = "Cancel",
     .role = ButtonRole::Cancel},
};

constexpr WindowLayout kWindow{.name = "Test",
                               .caption = "Test window",
                               .clientWidth = 4500,
                               .clientHeight = 3300,
                               .controls = kControls};

constexpr WindowId kId = 7;

class QtToolkitTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static char name[] = "qt_toolkit_test";
        toolkit = new QtToolkit(name);
    }
    static void TearDownTestSuite() {
        delete toolkit;
        toolkit = nullptr;
    }
    void SetUp() override {
        toolkit->attach(events);
        toolkit->createWindow(kId, kWindow);
    }
    void TearDown() override {
        toolkit->destroyWindow(kId);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QWidget& widget(const char* name) {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->windowTitle() != QStringLiteral("Test window")) continue;
            if (auto* found = w->findChild<QWidget*>(QString::fromLatin1(name))) return *found;
        }
        throw Failure(std::string("no widget ") + name);
    }

    static QtToolkit* toolkit;
    RecordedEvents events;
};

QtToolkit* QtToolkitTest::toolkit = nullptr;

TEST_F(QtToolkitTest, CaptionsReadBackExactlyAsSet) {
    const std::string caption = "AT&T <b>Board</b> Ünïcode  two spaces";
    toolkit->setCaption(kId, "Label1", caption);
    EXPECT_EQ(toolkit->caption(kId, "Label1"), caption);
    toolkit->setCaption(kId, "Label1", "");
    EXPECT_EQ(toolkit->caption(kId, "Label1"), "");
}

TEST_F(QtToolkitTest, ControlsSitAtTheirTwipsWithinTheirFrame) {
    QWidget& label = widget("Label1");
    EXPECT_EQ(label.parentWidget(), &widget("Frame1"));
    EXPECT_EQ(label.geometry(), QRect(104, 16, 100, 17));
}

TEST_F(QtToolkitTest, OnlyTheUsersSelectionIsReportedAsAClick) {
    for (const char* row : {"DIMM0", "DIMM1", "DIMM2"}) toolkit->addListRow(kId, "list", row);
    toolkit->setListIndex(kId, "list", 1);
    EXPECT_EQ(toolkit->listIndex(kId, "list"), 1);
    EXPECT_TRUE(events.events.empty());

    auto& list = static_cast<QListWidget&>(widget("list"));
    QRect row2 = list.visualItemRect(list.item(2));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, row2.center());
    EXPECT_EQ(toolkit->listIndex(kId, "list"), 2);
    EXPECT_THAT(events.events, ElementsAre("clicked list"));

    toolkit->clearList(kId, "list");
    EXPECT_EQ(toolkit->listIndex(kId, "list"), -1);
    EXPECT_EQ(events.events.size(), 1u);
}

TEST_F(QtToolkitTest, LabelsAndButtonsReportClicks) {
    QTest::mouseClick(&widget("Label1"), Qt::LeftButton);
    QTest::mouseClick(&widget("OKButton"), Qt::LeftButton);
    EXPECT_THAT(events.events, ElementsAre("clicked Label1", "clicked OKButton"));
}

TEST_F(QtToolkitTest, EscapePressesTheCancelButton) {
    toolkit->showWindow(kId);
    QTest::keyClick(widget("OKButton").window(), Qt::Key_Escape);
    EXPECT_THAT(events.events, ElementsAre("clicked CancelButton"));
}

TEST_F(QtToolkitTest, TheCloseBoxAsksAndTheWindowStays) {
    toolkit->showWindow(kId);
    QWidget* window = widget("OKButton").window();
    window->close();
    EXPECT_THAT(events.events, ElementsAre("close"));
    EXPECT_TRUE(window->isVisible());
}

TEST_F(QtToolkitTest, AControlTheLayoutLacksIsAFailure) {
    EXPECT_THROW(toolkit->setCaption(kId, "Label9", "x"), Failure);
    EXPECT_THROW(toolkit->addListRow(kId, "Label1", "x"), Failure);
}

TEST_F(QtToolkitTest, ATimerTicksWhileItsWindowIsLoadedAndKeysReachTheWindow) {
    constexpr WindowId kSplashId = 8;
    toolkit->createWindow(kSplashId, frmSplashLayout());
    toolkit->showWindow(kSplashId);
    QWidget* splash = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->findChild<QWidget*>(QStringLiteral("Label1")) && w->isVisible()) splash = w;
    }
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(splash));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !events.events.empty(); }));
    EXPECT_EQ(events.events.front(), "ticked Timer1");

    events.events.clear();
    QTest::keyClick(splash->findChild<QWidget*>(QStringLiteral("Label1")), Qt::Key_A);
    EXPECT_THAT(events.events, ::testing::Contains("key 97"));
    toolkit->destroyWindow(kSplashId);
}

}  // namespace
}  // namespace quarvel::qt
