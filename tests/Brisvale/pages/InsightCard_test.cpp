#include "Brisvale/pages/InsightCard.h"

#include "Brisvale/pages/OverviewController.h"
#include "Brisvale/platform/Localization.h"

#include "Brisvale/pages/PagesTestSupport.h"
#include "support/GermanLocale.h"

#include <QComboBox>
#include <QLabel>

namespace {

using Insight = PagesTest;

QString text(const char* key)
{
    return Localization::text(QString::fromLatin1(key));
}

// The pop-ups' rows, in menu order.
enum DayRange { sevenDays, thirtyDays, allDays };
enum TimeOfDay { morning, afternoon, wholeDay };

void choose(QComboBox* popUp, int index)
{
    popUp->setCurrentIndex(index);
    emit popUp->activated(index);
}

// A woman born on 1 March 1986 (40 years old on 10 March 2026), 165 cm tall, best value 500.
void describe(Profile& profile)
{
    profile.gender = true;
    profile.birthday = Timestamp::fromDateTime(QDateTime(QDate(1986, 3, 1), QTime(12, 0)));
    profile.unit_type = true;
    profile.height = 165.0f;
    profile.best_Value = 500;
}

struct Shown {
    QString text;
    QString toolTip;
};

Shown shown(const QLabel* field)
{
    return {field->text(), field->toolTip()};
}

bool operator==(const Shown& left, const Shown& right)
{
    return left.text == right.text && left.toolTip == right.toolTip;
}

void PrintTo(const Shown& value, std::ostream* out)
{
    *out << '"' << value.text.toStdString() << "\" tip \"" << value.toolTip.toStdString() << '"';
}

}

TEST_F(Insight, TheFiguresFollowTheDaysAndTheVariabilityIgnoresTheTimeOfDay)
{
    // Days and their variability: 10 March 10 %, 9 March 20 %, 5 March 0 %, 25 February one
    // reading, 15 January 50 %. Only 15 January lies outside the 30 days.
    const ProfilePtr profile = storeUser({{at(1, 15, 8), 300}, {at(1, 15, 20), 500}, {at(2, 25, 8), 250},
                                          {at(3, 5, 7, 30), 400}, {at(3, 5, 21), 400}, {at(3, 9, 8), 360},
                                          {at(3, 9, 19), 440}, {at(3, 10, 8), 380}, {at(3, 10, 14), 420}});
    describe(*profile);
    ASSERT_TRUE(viewContext().save().ok());
    OverviewController overview;
    overview.willAppear();
    const InsightCard& card = *overview.insightCard;

    const QString above = text("OverviewController_Insight_AboveAdultGuide");
    const struct {
        DayRange days;
        TimeOfDay time;
        QString latest;
        QString zone;
        QString average;
        QString variability;
        QString guide;
    } cases[] = {
        {allDays, wholeDay, "84.0 %", "green zone", "76.7 %", "20.0 %", above},
        {thirtyDays, wholeDay, "84.0 %", "green zone", "75.7 %", "10.0 %", ""},
        {sevenDays, wholeDay, "84.0 %", "green zone", "80.0 %", "10.0 %", ""},
        {sevenDays, morning, "76.0 %", "yellow zone", "76.0 %", "10.0 %", ""},
        {thirtyDays, morning, "76.0 %", "yellow zone", "69.5 %", "10.0 %", ""},
        {allDays, afternoon, "84.0 %", "green zone", "88.0 %", "20.0 %", above},
    };
    for (const auto& test : cases) {
        choose(overview.dayPopUp, test.days);
        choose(overview.timePopUp, test.time);
        const std::string name = std::to_string(test.days) + " " + std::to_string(test.time);
        EXPECT_EQ(card.latestPercentTextField->text(), test.latest) << name;
        EXPECT_EQ(card.latestZoneTextField->text(), test.zone) << name;
        EXPECT_EQ(card.averagePercentTextField->text(), test.average) << name;
        EXPECT_EQ(card.variabilityTextField->text(), test.variability) << name;
        EXPECT_EQ(card.variabilityGuideTextField->text(), test.guide) << name;
        EXPECT_EQ(card.predictedPefTextField->text(), QStringLiteral("483 l/min")) << name;
        EXPECT_EQ(card.bestOfPredictedTextField->text(), QStringLiteral("103.5 %")) << name;
    }
}

TEST_F(Insight, TheVariabilityLooksBackOverTheLatestFourteenDaysWithReadings)
{
    // Fifteen days with a morning and an evening reading: 20 February varies by 50 %, the
    // fourteen days from 24 February to 9 March by 10 %.
    QList<Reading> readings{{at(2, 20, 8), 300}, {at(2, 20, 20), 500}};
    for (int day = 0; day < InsightCard::variabilityDays; ++day) {
        const QDate date = QDate(2026, 2, 24).addDays(day);
        readings << Reading(QDateTime(date, QTime(8, 0)), 380) << Reading(QDateTime(date, QTime(20, 0)), 420);
    }
    const ProfilePtr profile = storeUser(readings);
    describe(*profile);
    ASSERT_TRUE(viewContext().save().ok());
    OverviewController overview;
    overview.willAppear();
    EXPECT_EQ(overview.insightCard->variabilityTextField->text(), QStringLiteral("10.0 %"));
}

TEST_F(Insight, TheLatestReadingIsNamedByItsZoneUnderTheProfilesPlan)
{
    const qint32 eightySixty = 0;
    const qint32 eightyFifty = 1;
    const struct {
        qint32 plan;
        qint32 pef;
        QString percent;
        QString zone;
    } cases[] = {
        {eightySixty, 400, "80.0 %", "green zone"},
        {eightySixty, 399, "79.8 %", "yellow zone"},
        {eightySixty, 300, "60.0 %", "yellow zone"},
        {eightySixty, 299, "59.8 %", "red zone"},
        {eightySixty, 600, "120.0 %", "green zone"},
        {eightyFifty, 400, "80.0 %", "green zone"},
        {eightyFifty, 299, "59.8 %", "yellow zone"},
        {eightyFifty, 250, "50.0 %", "yellow zone"},
        {eightyFifty, 249, "49.8 %", "red zone"},
    };
    for (const auto& test : cases) {
        closeViewContext();
        TestEnvironment::clearUserFolders();
        const ProfilePtr profile = storeUser({{at(3, 1, 8), 250}, {at(3, 2, 8), test.pef}});
        describe(*profile);
        profile->zone_Plan = test.plan;
        ASSERT_TRUE(viewContext().save().ok());
        OverviewController overview;
        overview.willAppear();
        EXPECT_EQ(overview.insightCard->latestPercentTextField->text(), test.percent) << test.pef;
        EXPECT_EQ(overview.insightCard->latestZoneTextField->text(), test.zone) << test.plan << " " << test.pef;
    }
}

TEST_F(Insight, AFigureWithoutAValueShowsADashAndWhatItNeeds)
{
    const QString none = text("OverviewController_Insight_None");
    const QString noReadings = text("OverviewController_Insight_NoReadings");
    const QString noBest = text("OverviewController_Insight_NoBest");
    const QString needsTwo = text("OverviewController_Insight_NeedsTwoReadings");
    const QString needsAge = text("OverviewController_Insight_NeedsAgeAndHeight");
    const QList<Reading> twoDays{{at(3, 9, 8), 400}, {at(3, 9, 20), 480}, {at(3, 10, 8), 450}};
    const struct {
        const char* name;
        QList<Reading> readings;
        std::function<void(Profile&)> change;
        QLabel* InsightCard::*field;
        Shown expected;
    } cases[] = {
        {"no readings, latest", {}, [](Profile&) {}, &InsightCard::latestPercentTextField, {none, noReadings}},
        {"no readings, average", {}, [](Profile&) {}, &InsightCard::averagePercentTextField, {none, noReadings}},
        {"no readings, variability", {}, [](Profile&) {}, &InsightCard::variabilityTextField, {none, needsTwo}},
        {"one reading a day", {{at(3, 9, 8), 400}, {at(3, 10, 8), 400}}, [](Profile&) {},
         &InsightCard::variabilityTextField, {none, needsTwo}},
        {"two readings on one day", twoDays, [](Profile&) {}, &InsightCard::variabilityTextField,
         {"18.2 %", ""}},
        {"no best value, latest", twoDays, [](Profile& p) { p.best_Value = 0; },
         &InsightCard::latestPercentTextField, {none, noBest}},
        {"no best value, average", twoDays, [](Profile& p) { p.best_Value = 0; },
         &InsightCard::averagePercentTextField, {none, noBest}},
        {"no best value, best of predicted", twoDays, [](Profile& p) { p.best_Value = 0; },
         &InsightCard::bestOfPredictedTextField, {none, noBest}},
        {"no best value, zone", twoDays, [](Profile& p) { p.best_Value = 0; },
         &InsightCard::latestZoneTextField, {"", ""}},
        {"no birthday", twoDays, [](Profile& p) { p.birthday.reset(); }, &InsightCard::predictedPefTextField,
         {none, needsAge}},
        {"no birthday, best of predicted", twoDays, [](Profile& p) { p.birthday.reset(); },
         &InsightCard::bestOfPredictedTextField, {none, needsAge}},
        {"14 years old", twoDays,
         [](Profile& p) { p.birthday = Timestamp::fromDateTime(QDateTime(QDate(2011, 3, 11), QTime(0, 0))); },
         &InsightCard::predictedPefTextField, {none, needsAge}},
        {"15 years old", twoDays,
         [](Profile& p) { p.birthday = Timestamp::fromDateTime(QDateTime(QDate(2011, 3, 10), QTime(0, 0))); },
         &InsightCard::predictedPefTextField, {"451 l/min", ""}},
        {"86 years old", twoDays,
         [](Profile& p) { p.birthday = Timestamp::fromDateTime(QDateTime(QDate(1940, 3, 1), QTime(0, 0))); },
         &InsightCard::predictedPefTextField, {none, needsAge}},
        {"99 cm", twoDays, [](Profile& p) { p.height = 99.0f; }, &InsightCard::predictedPefTextField,
         {none, needsAge}},
        {"251 cm", twoDays, [](Profile& p) { p.height = 251.0f; }, &InsightCard::bestOfPredictedTextField,
         {none, needsAge}},
        {"no height", twoDays, [](Profile& p) { p.height = 0.0f; }, &InsightCard::predictedPefTextField,
         {none, needsAge}},
    };
    for (const auto& test : cases) {
        closeViewContext();
        TestEnvironment::clearUserFolders();
        const ProfilePtr profile = storeUser(test.readings);
        describe(*profile);
        test.change(*profile);
        ASSERT_TRUE(viewContext().save().ok());
        OverviewController overview;
        overview.willAppear();
        const QLabel* field = overview.insightCard->*test.field;
        EXPECT_EQ(shown(field), test.expected) << test.name;
        EXPECT_EQ(field->accessibleDescription(), test.expected.toolTip) << test.name;
    }
}

TEST_F(Insight, TheGuideIsThirteenPercentUnderTwelveYears)
{
    const QString adult = text("OverviewController_Insight_AboveAdultGuide");
    const QString child = text("OverviewController_Insight_AboveChildGuide");
    const std::optional<QDate> eleven = QDate(2014, 3, 11);
    const std::optional<QDate> twelve = QDate(2014, 3, 10);
    // 424 and 376 vary by 12 %, 428 and 372 by 14 %, 413 and 367 by 11.8 %.
    const struct {
        std::optional<QDate> birthday;
        qint32 high;
        qint32 low;
        QString variability;
        QString guide;
    } cases[] = {
        {eleven, 424, 376, "12.0 %", ""},
        {eleven, 428, 372, "14.0 %", child},
        {twelve, 424, 376, "12.0 %", adult},
        {twelve, 413, 367, "11.8 %", adult},
        {std::nullopt, 424, 376, "12.0 %", adult},
        {QDate(1986, 3, 1), 420, 380, "10.0 %", ""},
    };
    for (const auto& test : cases) {
        closeViewContext();
        TestEnvironment::clearUserFolders();
        const ProfilePtr profile = storeUser({{at(3, 9, 8), test.low}, {at(3, 9, 20), test.high}});
        describe(*profile);
        profile->birthday = test.birthday ? std::optional<Timestamp>(Timestamp::fromDateTime(
                                                QDateTime(*test.birthday, QTime(0, 0))))
                                          : std::nullopt;
        ASSERT_TRUE(viewContext().save().ok());
        OverviewController overview;
        overview.willAppear();
        const InsightCard& card = *overview.insightCard;
        EXPECT_EQ(card.variabilityTextField->text(), test.variability) << test.high;
        EXPECT_EQ(card.variabilityGuideTextField->text(), test.guide) << test.high;
    }
}

TEST_F(Insight, ThePredictionTakesSexWholeYearsAndHeightInEitherUnitSystem)
{
    const struct {
        bool female;
        QDate birthday;
        bool metric;
        float height;
        qint32 best;
        QString predicted;
        QString bestOfPredicted;
    } cases[] = {
        {true, QDate(1986, 3, 1), true, 165.0f, 500, "483 l/min", "103.5 %"},
        {false, QDate(1986, 3, 1), false, 5.5f, 600, "625 l/min", "96.1 %"},
        // Forty on the day after today: still 39.
        {false, QDate(1986, 3, 11), true, 175.0f, 600, "637 l/min", "94.1 %"},
        {true, QDate(1986, 3, 1), true, 250.0f, 500, "546 l/min", "91.6 %"},
        {false, QDate(2011, 3, 1), true, 100.0f, 400, "395 l/min", "101.2 %"},
        {true, QDate(1941, 3, 1), false, 6.0f, 300, "387 l/min", "77.5 %"},
    };
    for (const auto& test : cases) {
        closeViewContext();
        TestEnvironment::clearUserFolders();
        const ProfilePtr profile = storeUser({});
        profile->gender = test.female;
        profile->birthday = Timestamp::fromDateTime(QDateTime(test.birthday, QTime(12, 0)));
        profile->unit_type = test.metric;
        profile->height = test.height;
        profile->best_Value = test.best;
        ASSERT_TRUE(viewContext().save().ok());
        OverviewController overview;
        overview.willAppear();
        EXPECT_EQ(overview.insightCard->predictedPefTextField->text(), test.predicted) << test.height;
        EXPECT_EQ(overview.insightCard->bestOfPredictedTextField->text(), test.bestOfPredicted) << test.height;
    }
}

TEST_F(Insight, PercentagesUseTheLocalesDecimalSeparator)
{
    const GermanLocale german;
    const ProfilePtr profile = storeUser({{at(3, 9, 8), 400}, {at(3, 9, 20), 480}});
    describe(*profile);
    ASSERT_TRUE(viewContext().save().ok());
    OverviewController overview;
    overview.willAppear();
    EXPECT_EQ(overview.insightCard->latestPercentTextField->text(), QStringLiteral("96,0 %"));
    EXPECT_EQ(overview.insightCard->variabilityTextField->text(), QStringLiteral("18,2 %"));
}

TEST_F(Insight, EveryFigureIsNamedByItsCaptionAndTheCardSaysItIsNoDiagnosis)
{
    storeUser({});
    OverviewController overview;
    overview.willAppear();
    const InsightCard& card = *overview.insightCard;
    const QList<std::pair<QLabel*, QLabel*>> named = {
        {card.LatestPercentTitle_Lab, card.latestPercentTextField},
        {card.LatestPercentTitle_Lab, card.latestZoneTextField},
        {card.AveragePercentTitle_Lab, card.averagePercentTextField},
        {card.VariabilityTitle_Lab, card.variabilityTextField},
        {card.VariabilityTitle_Lab, card.variabilityGuideTextField},
        {card.PredictedTitle_Lab, card.predictedPefTextField},
        {card.BestOfPredictedTitle_Lab, card.bestOfPredictedTextField},
    };
    for (const auto& [caption, field] : named) {
        EXPECT_FALSE(caption->text().isEmpty()) << field->objectName().toStdString();
        EXPECT_EQ(field->accessibleName(), caption->text()) << field->objectName().toStdString();
    }
    EXPECT_TRUE(card.InsightNote_Lab->text().contains(QLatin1String("not a diagnosis")));
    EXPECT_TRUE(card.InsightNote_Lab->text().contains(QLatin1String("doctor")));
}
