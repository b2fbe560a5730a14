#include "Brisvale/shell/RegionController.h"

#include "Brisvale/platform/Console.h"

#include "support/QtPrinters.h"

#include <QComboBox>
#include <QLabel>
#include <QObject>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

class RecordingWindow : public QObject, public RegionDelegate {
public:
    void regionDidSelect(bool selected, const QString& region) override
    {
        calls << QStringLiteral("%1:%2").arg(selected ? "true" : "false", region);
    }
    QStringList calls;
};

class RegionControllerTest : public testing::Test {
protected:
    void SetUp() override
    {
        Console::setCapture([this](const QString& line) { console << line; });
    }
    void TearDown() override { Console::setCapture({}); }

    QStringList console;
};

}

TEST_F(RegionControllerTest, OffersTheRegionsInTableOrderWithOtherChosen)
{
    RegionController page;
    auto* popUp = page.findChild<QComboBox*>(QStringLiteral("regionPopUp"));
    ASSERT_EQ(popUp, page.regionPopUp);
    ASSERT_EQ(popUp->count(), 2);
    EXPECT_EQ(popUp->itemText(0), QStringLiteral("Other"));
    EXPECT_EQ(popUp->itemText(1), QStringLiteral("USA"));
    EXPECT_EQ(popUp->currentIndex(), 0);
    EXPECT_EQ(page.findChild<QPushButton*>(QStringLiteral("Confirm_Btn")), page.Confirm_Btn);
    EXPECT_EQ(page.PageTitle_Lab->text(), QStringLiteral("Choose your region"));
    EXPECT_EQ(page.Confirm_Btn->text(), QStringLiteral("Continue"));
}

TEST_F(RegionControllerTest, ConfirmingHandsTheChosenRegionToTheDelegate)
{
    RegionController page;
    RecordingWindow window;
    page.setDelegate(&window);

    // Untouched, the page confirms "Other".
    QTest::mouseClick(page.Confirm_Btn, Qt::LeftButton);
    page.regionPopUp->setCurrentIndex(1);
    page.confirm();
    EXPECT_EQ(window.calls, (QStringList{"true:Other", "true:USA"}));
    EXPECT_TRUE(console.contains(QStringLiteral("選擇的地區 -> USA")));
}

TEST_F(RegionControllerTest, WithoutAChoiceOrWithoutADelegateNothingHappens)
{
    RegionController page;
    auto window = std::make_unique<RecordingWindow>();
    page.setDelegate(window.get());
    page.regionPopUp->setCurrentIndex(-1);
    page.confirm();
    EXPECT_TRUE(window->calls.isEmpty());
    EXPECT_TRUE(console.isEmpty());

    // A delegate that is gone is never called.
    page.regionPopUp->setCurrentIndex(1);
    window.reset();
    page.confirm();
    EXPECT_EQ(console, QStringList{"選擇的地區 -> USA"});
}
