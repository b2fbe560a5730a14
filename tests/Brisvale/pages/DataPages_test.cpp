#include "Brisvale/pages/DataController.h"
#include "Brisvale/pages/FEV1Controller.h"
#include "Brisvale/pages/FilterControls.h"
#include "Brisvale/pages/OverviewController.h"
#include "Brisvale/pages/PEFController.h"
#include "Brisvale/pages/TableController.h"
#include "Brisvale/platform/Localization.h"
#include "Brisvale/platform/NumberText.h"
#include "Brisvale/records/DataElementProcess.h"
#include "Brisvale/reports/ExportFileController.h"

#include "Brisvale/pages/PagesTestSupport.h"
#include "Brisvale/pages/ReadingsTableModel.h"
#include "support/GermanLocale.h"

#include "ChartEngine/data/ChartData.h"
#include "ChartEngine/data/ChartDataEntry.h"
#include "ChartEngine/data/ChartDataSetProtocol.h"
#include "ChartEngine/foundation/ValueFormatter.h"
#include "ChartEngine/views/LineChartView.h"

#include <QAccessible>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <algorithm>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>

namespace {

using DataPages = PagesTest;

QString text(const char* key)
{
    return Localization::text(QString::fromLatin1(key));
}

// Whether the child is the one observer of the page's hub.
bool onlyObserverIs(DataController& page, const QObject* child)
{
    const auto& observers = page.condition().observers();
    return observers.size() == 1 && observers.front().identity == child;
}

}

TEST_F(DataPages, TheOverviewAnswersThePageSwitchWithItsLineAlone)
{
    OverviewController overview;
    overview.onPageSwitch();
    EXPECT_EQ(lines, QStringList{QStringLiteral("無需判斷切換頁")});
}

TEST_F(DataPages, TheOverviewReloadsTheStoredStateOnARefreshIgnoringItsArguments)
{
    OverviewController overview;
    overview.willAppear();
    EXPECT_TRUE(overview.userNameTextField->text().isEmpty());
    EXPECT_TRUE(overview.totalMeasurementTextField->text().isEmpty());

    storeUser({{at(3, 1, 8)}, {at(3, 1, 20)}});
    lines.clear();
    overview.onDataRefresh(false, QStringLiteral("someone.else@example.com"));
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.first(), QStringLiteral("Overview 通知即時更新"));
    EXPECT_EQ(overview.userNameTextField->text(), QStringLiteral("Ann"));
    EXPECT_EQ(overview.totalMeasurementTextField->text(), QStringLiteral("2"));
    EXPECT_EQ(overview.dayPopUp->currentIndex(), int(SelectDateFormat_DB::Defaults::ALL));
    EXPECT_EQ(overview.timeRangeTo->date(), QDate(2026, 3, 1));
}

TEST_F(DataPages, TheDataPageFollowsTheMeterConnectionThroughItsHub)
{
    DataController data;
    DataElementProcess hub;
    hub.addObserver(&data);
    data.willAppear();
    hub.broadcastDataElement(true);
    EXPECT_TRUE(lines.contains(QStringLiteral("Data 我收到訊息如下：true")));
    EXPECT_TRUE(data.TrifficBool);

    lines.clear();
    hub.broadcastDataElement(false);
    EXPECT_EQ(lines.last(), QStringLiteral("Data 我收到訊息如下：false"));
    EXPECT_FALSE(data.TrifficBool);
}

TEST_F(DataPages, TheDataPageAnswersTheWindowsHubWithItsLines)
{
    const ProfilePtr profile = storeUser({{at(3, 1, 8), 400}, {at(3, 1, 20), 450}});
    DataController data;
    data.willAppear();
    EXPECT_EQ(data.tableView->pfmList().size(), 2);
    EXPECT_EQ(data.MaxValue->text(), QStringLiteral("450"));

    RenewProcess hub;
    hub.addObserver(&data);
    lines.clear();
    hub.broadcastPageSwitch();
    EXPECT_EQ(lines, (QStringList{QStringLiteral("切換頁 發送通知值"), QStringLiteral("Data頁面切換 無通知需求")}));

    // A reading removed meanwhile disappears at the refresh.
    viewContext().deleteReading(viewContext().pfmInfo(profile).value().last());
    ASSERT_TRUE(viewContext().save().ok());
    lines.clear();
    hub.broadcastDataRefresh(true, QString());
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines.at(1), QStringLiteral("Data 通知即時更新"));
    EXPECT_EQ(data.tableView->pfmList().size(), 1);
    EXPECT_EQ(data.MaxValue->text(), QStringLiteral("400"));
}

TEST_F(DataPages, EachTabDressesThePageAndRegistersOnlyItsChild)
{
    storeUser({{at(3, 1, 8), 400, 2.5f}});
    DataController data;
    data.willAppear();
    const struct {
        QToolButton* tab;
        const QObject* child;
        QString caption, unit, remark;
        bool buttonShown, valueShown, remarkShown;
        QString maximum, appearLine;
    } cases[] = {
        {data.PefButton, data.pefView, text("DataController_Maximum_Pef"), text("DataController_Maximum_Unit"),
         QString(), true, false, false, "400", "Data PEF Appear"},
        {data.Fev1Button, data.fev1View, text("DataController_Maximum_Fev1"), QString(), QString(), false, true,
         false, "2.50", "Data EF1 Appear"},
        {data.ListButton, data.tableView, text("DataController_Maximum_PefBest"),
         text("DataController_Maximum_Unit"), text("DataController_Maximum_Measured"), false, true, true, "400",
         "Data Table Appear"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.tab->objectName().toStdString());
        data.MaxValue->clear();
        lines.clear();
        test.tab->click();
        EXPECT_TRUE(onlyObserverIs(data, test.child));
        EXPECT_EQ(data.visibleChild(), test.child);
        EXPECT_TRUE(lines.contains(test.appearLine)) << "the new child reloads";
        EXPECT_EQ(data.MaxValue->text(), test.maximum);
        EXPECT_EQ(data.MaxTitle->text(), test.caption);
        EXPECT_EQ(data.MaxValueUnit->text(), test.unit);
        EXPECT_EQ(data.MaxValueMark->text(), test.remark);
        EXPECT_EQ(!data.TrafficLightSettings->isHidden(), test.buttonShown);
        EXPECT_EQ(!data.MaxTitle->isHidden() && !data.MaxValue->isHidden(), test.valueShown);
        EXPECT_EQ(!data.MaxValueUnit->isHidden() && !data.MaxValueMark->isHidden(), test.remarkShown);
        for (QToolButton* tab : {data.ListButton, data.PefButton, data.Fev1Button}) {
            EXPECT_EQ(tab->property("imageName").toString().endsWith(QStringLiteral("_1")), tab == test.tab);
        }
    }

    // The shown tab again does nothing but tell the console; a filter change reloads the visible
    // child only, and the Data page does not print the choice.
    lines.clear();
    data.ListButton->click();
    EXPECT_EQ(lines, QStringList{QStringLiteral("Data點選的頁面為 0 / 目前使用的頁面為 0")});
    data.timePopUp->setCurrentIndex(1);
    emit data.timePopUp->activated(1);
    EXPECT_FALSE(lines.join(QString()).contains(QStringLiteral("使用者改變數值")));
    EXPECT_TRUE(data.tableView->pfmList().isEmpty());
    EXPECT_EQ(data.MaxValue->text(), QStringLiteral("0"));
}

TEST_F(DataPages, TheDownloadButtonIsOffOnlyForTheIntegerZeroAndTheTextZero)
{
    DataController data;
    const struct {
        DataMaxValueDelegate::Maximum value;
        QString shown;
        bool enabled;
    } cases[] = {
        {qint32(0), "0", false},     {QStringLiteral("0.00"), "0.00", false}, {qint32(450), "450", true},
        {QStringLiteral("0"), "0", true}, {QStringLiteral("2.50"), "2.50", true}, {qint32(-1), "-1", true},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.shown.toStdString());
        data.showMaxValue(test.value);
        EXPECT_EQ(data.MaxValue->text(), test.shown);
        EXPECT_EQ(data.DownloadBtn->isEnabled(), test.enabled);
    }
}

TEST_F(DataPages, UnderAGermanLocaleEveryFigureWithDecimalsHasADecimalComma)
{
    const GermanLocale german;
    storeUser({{at(3, 1, 8), 400, 3.3f}, {at(3, 2, 8), 420, 2.5f}});
    OverviewController overview;
    overview.willAppear();
    DataController data;
    data.willAppear();
    const QAbstractItemModel& table = *data.tableView->tableView->model();
    const QString newestFev1 = table.index(0, ReadingsTableModel::FEV1Column).data().toString();
    data.Fev1Button->click();
    const Charts::LineChartView& chart = *data.fev1View->chartView;
    const auto dataSet = chart.data()->dataSets().value(0);
    ASSERT_TRUE(dataSet);
    const auto oldest = dataSet->entryForIndex(0);
    const struct {
        const char* what;
        QString shown;
        QString expected;
    } cases[] = {
        {"Overview FEV1 average", overview.fev1AveTextField->text(), "2,9"},
        {"table FEV1", newestFev1, "2,50"},
        {"largest FEV1", data.MaxValue->text(), "3,30"},
        {"marker text", oldest->data().toString().section(QLatin1Char('\n'), 0, 0), " FEV1: 3,30"},
        {"chart value label", dataSet->valueFormatter()->stringForValue(oldest->y(), oldest.get(), 0, nullptr),
         "3,300"},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(test.shown, test.expected) << test.what;
    }
    EXPECT_TRUE(data.DownloadBtn->isEnabled());
    data.showMaxValue(NumberText::shown(0.0, 2));
    EXPECT_EQ(data.MaxValue->text(), QStringLiteral("0,00"));
    EXPECT_FALSE(data.DownloadBtn->isEnabled()) << "no readings, in German too";
}

TEST_F(DataPages, TheDownloadButtonTakesADateStillBeingTypedThenOpensThePopoverWithThePickersDates)
{
    storeUser({{at(3, 1, 8)}, {at(3, 9, 8)}});
    DataController data;
    data.willAppear();
    data.FromDatePicker->setDate(QDate(2026, 3, 5));
    EXPECT_EQ(UserDefaultHelper::from(), at(3, 1, 8));
    data.ExportFileHandler();
    EXPECT_EQ(UserDefaultHelper::from(), at(3, 5, 8));
    EXPECT_EQ(UserDefaultHelper::date(), std::nullopt);

    QList<const ExportFileController*> popovers;
    for (const QWidget* child : data.findChildren<QWidget*>()) {
        if (const auto* popover = dynamic_cast<const ExportFileController*>(child)) {
            popovers << popover;
        }
    }
    ASSERT_EQ(popovers.size(), 1);
    EXPECT_TRUE(popovers.front()->isVisible());
    EXPECT_EQ(popovers.front()->startDate.date(), QDate(2026, 3, 5));
    EXPECT_EQ(popovers.front()->endDate.date(), QDate(2026, 3, 9));
}

// A reader speaks a pop-up's caption with its choice; the caption is not shown, so the filter rows
// look as before.
TEST_F(DataPages, EachFilterPopUpHasACaptionForAReaderThatIsNotShownAndSpeaksItWithItsChoice)
{
    OverviewController overview;
    DataController data;
    overview.show();
    data.show();
    const struct {
        const char* name;
        QComboBox* popUp;
        const char* label;
    } cases[] = {
        {"overview, day range", overview.dayPopUp, "Date range"},
        {"overview, time of day", overview.timePopUp, "Time of day"},
        {"Data page, day range", data.dayPopUp, "Date range"},
        {"Data page, time of day", data.timePopUp, "Time of day"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        ASSERT_TRUE(test.popUp->isVisible());
        const QList<QLabel*> captions = test.popUp->parentWidget()->findChildren<QLabel*>();
        const auto caption = std::find_if(captions.begin(), captions.end(),
                                          [&](const QLabel* label) { return label->buddy() == test.popUp; });
        ASSERT_NE(caption, captions.end());
        EXPECT_EQ((*caption)->text(), QString::fromUtf8(test.label));
        EXPECT_FALSE((*caption)->isVisible());
        EXPECT_EQ(test.popUp->accessibleName(), QString::fromUtf8(test.label));
        EXPECT_TRUE(QAccessible::queryAccessibleInterface(test.popUp)->text(QAccessible::Name).startsWith(
            QString::fromUtf8(test.label)));
    }
}
