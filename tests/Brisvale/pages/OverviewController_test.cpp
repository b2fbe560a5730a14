#include "Brisvale/pages/OverviewController.h"

#include "Brisvale/platform/Localization.h"

#include "Brisvale/pages/PagesTestSupport.h"

#include <QComboBox>
#include <QLabel>

namespace {

using Overview = PagesTest;

// Readings of an unsaved profile, in list order, for the FEV1 average.
QList<PFMPtr> readings(std::initializer_list<float> fev1s)
{
    const ProfilePtr profile = viewContext().insertProfile();
    QList<PFMPtr> list;
    for (const float fev1 : fev1s) {
        list << viewContext().insertReading(profile);
        list.last()->fev1Value = fev1;
    }
    return list;
}

}

TEST_F(Overview, Fev1AverageRoundsHalvesAwayFromZeroInSinglePrecision)
{
    const struct {
        std::initializer_list<float> fev1s;
        QString fev1Average;
    } cases[] = {
        {{2.25f, 2.30f}, "2.3"},
        {{3.0f, 3.0f}, "3.0"},
        {{}, "0.0"},
        {{2.5f, 2.6f}, "2.6"},
        {{0.04f}, "0.0"},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(OverviewController::fev1Text(OverviewController::fev1Average(readings(test.fev1s))),
                  test.fev1Average);
    }
}

TEST_F(Overview, TheFiguresFollowTheFilterButTheBestValueDoesNot)
{
    const ProfilePtr profile = storeUser({{at(3, 1, 8), 400, 2.0f}, {at(3, 2, 15, 5), 420, 3.0f}});
    profile->gender = true;
    profile->time_format = true;
    profile->best_Value = 510;
    profile->birthday = Timestamp::fromDateTime(at(3, 11, 9).addYears(-30));
    ASSERT_TRUE(viewContext().save().ok());
    OverviewController overview;
    overview.willAppear();

    const QString female = Localization::text(QStringLiteral("OverviewController_User_Gender_Female"));
    const QString age = Localization::text(QStringLiteral("OverviewController_User_Age"));
    EXPECT_EQ(overview.genderAgeTextField->text(), female + QLatin1Char(' ') + age + QStringLiteral(":29"));
    EXPECT_EQ(overview.userIconImage->property("imageName"), QStringLiteral("icon_User_female"));
    EXPECT_EQ(overview.totalMeasurementTextField->text(), QStringLiteral("2"));
    EXPECT_EQ(overview.lastMeasDateTextField->text(), QStringLiteral("2026/03/02"));
    EXPECT_EQ(overview.lastMeasTimeTextField->text(), QStringLiteral("15:05"));
    EXPECT_EQ(overview.pefAveTextField->text(), QStringLiteral("410"));
    EXPECT_EQ(overview.fev1AveTextField->text(), QStringLiteral("2.5"));
    EXPECT_EQ(overview.bestValueTextField->text(), QStringLiteral("510"));

    overview.timePopUp->setCurrentIndex(0);
    emit overview.timePopUp->activated(0);
    EXPECT_EQ(overview.totalMeasurementTextField->text(), QStringLiteral("1"));
    EXPECT_EQ(overview.lastMeasDateTextField->text(), QStringLiteral("2026/03/01"));
    EXPECT_EQ(overview.pefAveTextField->text(), QStringLiteral("400"));
    EXPECT_EQ(overview.fev1AveTextField->text(), QStringLiteral("2.0"));
    EXPECT_EQ(overview.bestValueTextField->text(), QStringLiteral("510"));

    overview.timePopUp->setCurrentIndex(1);
    emit overview.timePopUp->activated(1);
    overview.dayPopUp->setCurrentIndex(0);
    emit overview.dayPopUp->activated(0);
    EXPECT_EQ(overview.totalMeasurementTextField->text(), QStringLiteral("0"));
    EXPECT_EQ(overview.lastMeasDateTextField->text(), QString());
    EXPECT_EQ(overview.pefAveTextField->text(), QStringLiteral("0"));
    EXPECT_EQ(overview.fev1AveTextField->text(), QStringLiteral("0.0"));
}

TEST_F(Overview, TheConsoleIsToldOfTheWindowShownAndOfEachChoice)
{
    storeUser({{at(3, 1, 8), 400, 2.0f}, {at(3, 2, 15, 5), 420, 3.0f}});
    OverviewController overview;
    lines.clear();
    overview.willAppear();
    EXPECT_TRUE(lines.contains(QStringLiteral("目前日期 2026-03-01 07:00:00 +0000 2026-03-02 14:05:00 +0000")))
        << lines.join(QLatin1Char('\n')).toStdString();

    lines.clear();
    overview.timePopUp->setCurrentIndex(0);
    emit overview.timePopUp->activated(0);
    overview.dayPopUp->setCurrentIndex(0);
    emit overview.dayPopUp->activated(0);
    const QStringList expected{
        QStringLiteral("使用者改變數值：") + overview.timePopUp->itemText(0) + QStringLiteral(" index:0"),
        QStringLiteral("使用者改變數值：") + overview.dayPopUp->itemText(0) + QStringLiteral(" index:0"),
        QStringLiteral("現在時間->2026-03-10 14:20:00 +0000 變更天數->2026-03-04 14:20:00 +0000")};
    for (const QString& line : expected) {
        EXPECT_TRUE(lines.contains(line)) << line.toStdString() << " in\n" << lines.join(QLatin1Char('\n')).toStdString();
    }
}
