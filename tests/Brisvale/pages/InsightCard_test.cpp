#include "Brisvale/pages/InsightCard.h"

#include "Brisvale/pages/OverviewController.h"
#include "Brisvale/platform/Localization.h"
#include "Brisvale/records/BodyMeasures.h"

#include "Brisvale/pages/PagesTestSupport.h"
#include "support/GermanLocale.h"
#include "support/QtPrinters.h"

#include "support/ReaderEvents.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QScrollArea>
#include <QTest>
#include <memory>

namespace {

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

// A field's text and tooltip.
QStringList shown(const QLabel* field)
{
    return {field->text(), field->toolTip()};
}

class Insight : public PagesTest {
protected:
    // The Overview over a fresh store of the readings, for a woman born on 1 March 1986 (40 years
    // old on 10 March 2026), 165 cm tall, best value 500, as `change` leaves her.
    static std::unique_ptr<OverviewController> overviewOf(const QList<Reading>& readings,
                                                          const std::function<void(Profile&)>& change = {})
    {
        closeViewContext();
        TestEnvironment::clearUserFolders();
        const ProfilePtr profile = storeUser(readings);
        profile->gender = true;
        profile->birthday = Timestamp::fromDateTime(QDateTime(QDate(1986, 3, 1), QTime(12, 0)));
        profile->unit_type = true;
        profile->height = 165.0f;
        profile->best_Value = 500;
        if (change) {
            change(*profile);
        }
        EXPECT_TRUE(viewContext().save().ok());
        auto overview = std::make_unique<OverviewController>();
        overview->willAppear();
        return overview;
    }
};

}

// The figures take the readings of the days and the time of day chosen, but for the variability,
// which takes whole days; a reading above the meter's range is left out of all of them and told.
TEST_F(Insight, TheFiguresFollowTheDaysAndTheTimeOfDayAndTheVariabilityTakesWholeDays)
{
    // Within-day variability: 10 March 10 %, 9 March 20 %, 5 March 0 %, 4 March 50 %, 15 January
    // 50 %. 8 March's 950 is left out, so that day holds one reading, as 6 March and 25 February do.
    const auto overview = overviewOf({{at(1, 15, 8), 300}, {at(1, 15, 20), 500}, {at(2, 25, 8), 250},
                                      {at(3, 4, 8), 500},  {at(3, 4, 20), 300},  {at(3, 5, 7, 30), 400},
                                      {at(3, 5, 21), 400}, {at(3, 6, 8), 400},   {at(3, 8, 8), 950},
                                      {at(3, 8, 20), 400}, {at(3, 9, 8), 360},   {at(3, 9, 19), 440},
                                      {at(3, 10, 8), 380}, {at(3, 10, 14), 420}});
    const InsightCard& card = *overview->insightCard;
    const QString above = text("OverviewController_Insight_AboveAdultGuide");
    const QString leftOne = text("OverviewController_Insight_LeftOut").replace("[:FI]", "900").replace("[:NR]", "1");
    // The latest reading, its zone, the average, the zone counts and what was left out (none when
    // hidden); the variability's caption, figure and the guide it is above.
    const struct { DayRange days; TimeOfDay time; QStringList figures; QStringList variability; } cases[] = {
        {sevenDays, wholeDay, {"84.0 %", "green zone", "80.0 %", "7 green, 3 yellow, 0 red", leftOne},
         {"Within-day (diurnal) variability, over 4 days", "20.0 %", above}},
        {allDays, wholeDay, {"84.0 %", "green zone", "77.7 %", "8 green, 4 yellow, 1 red", leftOne},
         {"Within-day (diurnal) variability, over 5 days", "26.0 %", above}},
        {sevenDays, morning, {"76.0 %", "yellow zone", "81.6 %", "3 green, 2 yellow, 0 red", leftOne},
         {"Within-day (diurnal) variability, over 4 days", "20.0 %", above}},
        {allDays, afternoon, {"84.0 %", "green zone", "82.0 %", "5 green, 1 yellow, 0 red", ""},
         {"Within-day (diurnal) variability, over 5 days", "26.0 %", above}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(std::to_string(test.days) + " " + std::to_string(test.time));
        choose(overview->dayPopUp, test.days);
        choose(overview->timePopUp, test.time);
        EXPECT_EQ(QStringList({card.latestPercentTextField->text(), card.latestZoneTextField->text(),
                               card.averagePercentTextField->text(), card.zoneCountsTextField->text(),
                               card.leftOutTextField->isHidden() ? QString() : card.leftOutTextField->text()}),
                  test.figures);
        EXPECT_EQ(QStringList({card.VariabilityTitle_Lab->text(), card.variabilityTextField->text(),
                               card.variabilityGuideTextField->text()}),
                  test.variability);
        EXPECT_EQ(card.predictedPefTextField->text(), QStringLiteral("483 l/min"));
        EXPECT_EQ(card.bestOfPredictedTextField->text(), QStringLiteral("103.5 %"));
    }
}

TEST_F(Insight, TheVariabilityLooksBackOverTheLatestFourteenDaysWithReadings)
{
    // Fifteen days with a morning and an evening reading: 20 February varies by 50 %, the
    // fourteen days from 24 February to 9 March by 10 %.
    QList<Reading> readings{{at(2, 20, 8), 300}, {at(2, 20, 20), 500}};
    for (int day = 0; day < InsightFigures::variabilityDays; ++day) {
        const QDate date = QDate(2026, 2, 24).addDays(day);
        readings << Reading(QDateTime(date, QTime(8, 0)), 380) << Reading(QDateTime(date, QTime(20, 0)), 420);
    }
    EXPECT_EQ(overviewOf(readings)->insightCard->variabilityTextField->text(), QStringLiteral("10.0 %"));
}

TEST_F(Insight, TheLatestReadingIsNamedByItsZoneUnderTheProfilesPlan)
{
    const qint32 eightySixty = 0;
    const qint32 eightyFifty = 1;
    // What the latest reading shows: its percent and its zone.
    const struct { qint32 plan; qint32 pef; QStringList shown; } cases[] = {
        {eightySixty, 400, {"80.0 %", "green zone"}}, {eightySixty, 399, {"79.8 %", "yellow zone"}},
        {eightySixty, 299, {"59.8 %", "red zone"}},   {eightyFifty, 299, {"59.8 %", "yellow zone"}},
        {eightyFifty, 249, {"49.8 %", "red zone"}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(std::to_string(test.plan) + " " + std::to_string(test.pef));
        const auto overview = overviewOf({{at(3, 1, 8), 250}, {at(3, 2, 8), test.pef}},
                                         [&](Profile& p) { p.zone_Plan = test.plan; });
        const InsightCard& card = *overview->insightCard;
        EXPECT_EQ(QStringList({card.latestPercentTextField->text(), card.latestZoneTextField->text()}), test.shown);
    }
}

TEST_F(Insight, AFigureWithoutAValueShowsADashAndWhatItNeeds)
{
    const QString none = text("OverviewController_Insight_None");
    const QString noReadings = text("OverviewController_Insight_NoReadings");
    const QString noBest = text("OverviewController_Insight_NoBest");
    const QString needsAge = text("OverviewController_Insight_NeedsAgeAndHeight");
    const QList<Reading> twoDays{{at(3, 9, 8), 400}, {at(3, 9, 20), 480}, {at(3, 10, 8), 450}};
    const auto asIs = [](Profile&) {};
    const auto noBestValue = [](Profile& p) { p.best_Value = 0; };
    const auto noBirthday = [](Profile& p) { p.birthday.reset(); };
    // Fifteen on 10 March 2026, or only the day after.
    const auto bornOn = [](int day) {
        return [day](Profile& p) { p.birthday = Timestamp::fromDateTime(QDateTime(QDate(2011, 3, day), QTime(0, 0))); };
    };
    const struct {
        const char* name;
        QList<Reading> readings;
        std::function<void(Profile&)> change;
        QLabel* InsightCard::*field;
        QStringList expected; // text, tooltip
    } cases[] = {
        {"no readings, latest", {}, asIs, &InsightCard::latestPercentTextField, {none, noReadings}},
        {"no readings, average", {}, asIs, &InsightCard::averagePercentTextField, {none, noReadings}},
        {"only readings above the range", {{at(3, 10, 8), 950}}, asIs, &InsightCard::zoneCountsTextField,
         {none, text("OverviewController_Insight_OnlyAboveRange")}},
        {"one reading a day", {{at(3, 9, 8), 400}, {at(3, 10, 8), 400}}, asIs, &InsightCard::variabilityTextField,
         {none, text("OverviewController_Insight_NeedsTwoReadings")}},
        {"no best value, latest", twoDays, noBestValue, &InsightCard::latestPercentTextField, {none, noBest}},
        {"no best value, zone", twoDays, noBestValue, &InsightCard::latestZoneTextField, {"", ""}},
        {"no best value, average", twoDays, noBestValue, &InsightCard::averagePercentTextField, {none, noBest}},
        {"no best value, best of predicted", twoDays, noBestValue, &InsightCard::bestOfPredictedTextField,
         {none, noBest}},
        {"no birthday", twoDays, noBirthday, &InsightCard::predictedPefTextField, {none, needsAge}},
        {"no birthday, best of predicted", twoDays, noBirthday, &InsightCard::bestOfPredictedTextField,
         {none, needsAge}},
        {"14 years old", twoDays, bornOn(11), &InsightCard::predictedPefTextField, {none, needsAge}},
        {"15 years old", twoDays, bornOn(10), &InsightCard::predictedPefTextField, {"451 l/min", ""}},
        {"no height", twoDays, [](Profile& p) { p.height = 0.0f; }, &InsightCard::predictedPefTextField,
         {none, needsAge}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        const auto overview = overviewOf(test.readings, test.change);
        const QLabel* field = overview->insightCard->*test.field;
        EXPECT_EQ(shown(field), test.expected);
        EXPECT_EQ(field->accessibleDescription(), test.expected.last());
    }
}

TEST_F(Insight, TheGuideIsThirteenPercentUnderTwelveYears)
{
    const QString adult = text("OverviewController_Insight_AboveAdultGuide");
    const QString child = text("OverviewController_Insight_AboveChildGuide");
    const std::optional<QDate> eleven = QDate(2014, 3, 11);
    const std::optional<QDate> twelve = QDate(2014, 3, 10);
    // 424 and 376 vary by 12 %, 428 and 372 by 14 %, 420 and 380 by exactly 10 %.
    // What the variability shows: its figure and the guide it is above.
    const struct { std::optional<QDate> birthday; qint32 high; qint32 low; QStringList shown; } cases[] = {
        {eleven, 424, 376, {"12.0 %", ""}},    {eleven, 428, 372, {"14.0 %", child}},
        {twelve, 424, 376, {"12.0 %", adult}}, {std::nullopt, 424, 376, {"12.0 %", adult}},
        {QDate(1986, 3, 1), 420, 380, {"10.0 %", ""}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.high);
        const auto overview = overviewOf({{at(3, 9, 8), test.low}, {at(3, 9, 20), test.high}}, [&](Profile& p) {
            p.birthday.reset();
            if (test.birthday) {
                p.birthday = Timestamp::fromDateTime(QDateTime(*test.birthday, QTime(0, 0)));
            }
        });
        const InsightCard& card = *overview->insightCard;
        EXPECT_EQ(QStringList({card.variabilityTextField->text(), card.variabilityGuideTextField->text()}), test.shown);
    }
}

TEST_F(Insight, ThePredictionTakesSexWholeYearsAndHeightInEitherUnitSystem)
{
    // What the prediction shows: the predicted PEF and the best value as a share of it.
    const struct { bool female; QDate birthday; bool metric; float height; qint32 best; QStringList shown; } cases[] = {
        {true, QDate(1986, 3, 1), true, 165.0f, 500, {"483 l/min", "103.5 %"}},
        {false, QDate(1986, 3, 1), false, 5.5f, 600, {"625 l/min", "96.1 %"}},
        // Forty on the day after today: still 39.
        {false, QDate(1986, 3, 11), true, 175.0f, 600, {"637 l/min", "94.1 %"}},
        {true, QDate(1941, 3, 1), false, 6.0f, 300, {"387 l/min", "77.5 %"}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.height);
        const auto overview = overviewOf({}, [&](Profile& p) {
            p.gender = test.female;
            p.birthday = Timestamp::fromDateTime(QDateTime(test.birthday, QTime(12, 0)));
            p.unit_type = test.metric;
            p.height = test.height;
            p.best_Value = test.best;
        });
        const InsightCard& card = *overview->insightCard;
        EXPECT_EQ(QStringList({card.predictedPefTextField->text(), card.bestOfPredictedTextField->text()}), test.shown);
    }
}

// The prediction's reason gives the height limits in the profile's unit, as its profile page shows
// a height: feet/inches to a tenth of an inch, each limit taken inward so far that every height
// shown at a limit gets a prediction (100 cm is 3 ft 3.37 in, 250 cm 8 ft 2.43 in).
TEST_F(Insight, ThePredictionsHeightLimitsReadInTheProfilesUnit)
{
    const QString none = text("OverviewController_Insight_None");
    const QString inCm = text("OverviewController_Insight_NeedsAgeAndHeight");
    const QString inFeet = QStringLiteral("needs age 15 to 85 and height 3/3.5 to 8/2.3 ft/in");
    // The stored height, as its profile page shows it; what the predicted PEF shows, and why not.
    const struct { bool metric; float height; const char* onProfile; QString predicted; QString reason; } cases[] = {
        {false, 3.28f, "3/3.4", none, inFeet},  // 99.97 cm
        {false, 3.2883f, "3/3.5", "384 l/min", ""},
        {false, 3.295f, "3/3.5", "384 l/min", ""},
        {false, 8.1883f, "8/2.3", "545 l/min", ""},
        {false, 8.195f, "8/2.3", "545 l/min", ""},
        {false, 8.2033f, "8/2.4", none, inFeet}, // 250.04 cm
        {true, 99.0f, "99", none, inCm},
        {true, 251.0f, "251", none, inCm},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.height);
        const UnitType_DB::Defaults unit = test.metric ? UnitType_DB::Defaults::KgCm : UnitType_DB::Defaults::FtIn;
        EXPECT_EQ(BodyMeasures::heightText(test.height, unit), QLatin1String(test.onProfile));
        const auto overview = overviewOf({}, [&](Profile& p) {
            p.unit_type = test.metric;
            p.height = test.height;
        });
        const InsightCard& card = *overview->insightCard;
        const QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(card.predictedPefTextField);
        EXPECT_EQ(QStringList({card.predictedPefTextField->text(), card.predictedPefTextField->toolTip(),
                               reader->text(QAccessible::Description), card.bestOfPredictedTextField->toolTip()}),
                  QStringList({test.predicted, test.reason, test.reason, test.reason}));
        EXPECT_EQ(reader->text(QAccessible::Name),
                  text("OverviewController_Insight_Predicted") + ": " + (test.reason.isEmpty() ? test.predicted : test.reason));
    }
}

TEST_F(Insight, PercentagesUseTheLocalesDecimalSeparator)
{
    const GermanLocale german;
    const auto overview = overviewOf({{at(3, 9, 8), 400}, {at(3, 9, 20), 480}});
    EXPECT_EQ(overview->insightCard->latestPercentTextField->text(), QStringLiteral("96,0 %"));
    EXPECT_EQ(overview->insightCard->variabilityTextField->text(), QStringLiteral("18,2 %"));
}

TEST_F(Insight, TheCardSaysItIsNoDiagnosis)
{
    const auto overview = overviewOf({});
    EXPECT_TRUE(overview->insightCard->InsightNote_Lab->text().contains(QLatin1String("not a diagnosis")));
    EXPECT_TRUE(overview->insightCard->InsightNote_Lab->text().contains(QLatin1String("doctor")));
}

// A reader meets each figure once, as one element whose name holds its caption: the captions, the
// zone, the guide and the time beside a figure are no elements of their own, so flat review no
// longer reads "Total readings: Total readings: 3". Captions that no figure holds stay: the
// averages' caption is heard once, before "Average PEF: 443 l/min" and "Average FEV1: 3.0 litres"
// (each average was heard as "Average PEF and FEV1: ...").
TEST_F(Insight, AReaderMeetsEachFigureAsOneElementThatHoldsItsCaption)
{
    const auto overview = overviewOf({{at(3, 9, 8), 400}, {at(3, 9, 20), 480}, {at(3, 10, 8), 450}});
    const OverviewController& page = *overview;
    const InsightCard& card = *overview->insightCard;
    // Each label, and whether its container reports it as an element of its own.
    const struct { QLabel* label; bool element; } cases[] = {
        {page.Title_Lab, true},           {page.MeasurementsTitle_Lab, true},
        {page.TotalTitle_Lab, false},     {page.TotalMeasure_Lab, false},
        {page.totalMeasurementTextField, true},
        {page.LastTitle_Lab, false},      {page.LastMeasure_Lab, false},
        {page.lastMeasDateTextField, true}, {page.lastMeasTimeTextField, false},
        {page.AverageTitle_Lab, true},    {page.pefAveTextField, true},
        {page.fev1AveTextField, true},    {page.BestValueTitle_Lab, false},
        {page.bestValueTextField, true},
        {card.InsightTitle_Lab, true},    {card.LatestPercentTitle_Lab, false},
        {card.latestPercentTextField, true}, {card.latestZoneTextField, false},
        {card.AveragePercentTitle_Lab, false}, {card.averagePercentTextField, true},
        {card.ZoneCountsTitle_Lab, false}, {card.zoneCountsTextField, true},
        {card.VariabilityTitle_Lab, false}, {card.variabilityTextField, true},
        {card.variabilityGuideTextField, false}, {card.PredictedTitle_Lab, false},
        {card.predictedPefTextField, true}, {card.BestOfPredictedTitle_Lab, false},
        {card.bestOfPredictedTextField, true}, {card.leftOutTextField, true},
        {card.InsightNote_Lab, true},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.label->objectName().toStdString());
        ASSERT_FALSE(test.label->text().isEmpty());
        const QAccessibleInterface* container = QAccessible::queryAccessibleInterface(test.label->parentWidget());
        QObjectList elements;
        for (int i = 0; i < container->childCount(); ++i) {
            elements << container->child(i)->object();
        }
        EXPECT_EQ(elements.contains(test.label), test.element);
        EXPECT_EQ(container->indexOfChild(QAccessible::queryAccessibleInterface(test.label)) >= 0, test.element);
    }
}

// The card's one Tab stop, the area it scrolls in, steps through the figures by the arrow keys; each
// takes the focus, so a reader speaks it as flat review reads it. The ends hold, and Tab and
// Shift+Tab leave the card from a figure as from the Tab stop.
class InsightKeys : public Insight {
protected:
    // Shown and active, with the focus on the card's Tab stop; a reading above the meter's range
    // shows the left-out line.
    std::unique_ptr<OverviewController> shownOverview(bool aboveRange)
    {
        QList<Reading> readings{{at(3, 9, 8), 400}, {at(3, 9, 20), 480}, {at(3, 10, 8), 450}};
        if (aboveRange) {
            readings << Reading(at(3, 10, 9), 950);
        }
        auto overview = overviewOf(readings);
        overview->show();
        overview->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(overview.get()));
        overview->insightArea->setFocus(Qt::TabFocusReason);
        return overview;
    }
};

TEST_F(InsightKeys, TheArrowKeysStepThroughTheFiguresAndEachIsSpoken)
{
    using Field = QLabel* InsightCard::*;
    const Field latest = &InsightCard::latestPercentTextField;
    const Field note = &InsightCard::InsightNote_Lab;
    const struct { QList<Qt::Key> keys; bool aboveRange; Field reached; } cases[] = {
        {{Qt::Key_Down}, false, latest},
        {{Qt::Key_Home}, false, latest},
        {{Qt::Key_Down, Qt::Key_Down}, false, &InsightCard::averagePercentTextField},
        {{Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down}, false, &InsightCard::variabilityTextField},
        {{Qt::Key_Up}, false, note},
        {{Qt::Key_End}, false, note},
        {{Qt::Key_End, Qt::Key_Up}, false, &InsightCard::bestOfPredictedTextField},
        {{Qt::Key_End, Qt::Key_Up}, true, &InsightCard::leftOutTextField},
        {{Qt::Key_Down, Qt::Key_Up}, false, latest},
        {{Qt::Key_End, Qt::Key_Down}, false, note},
        {{Qt::Key_End, Qt::Key_Home}, false, latest},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(std::to_string(test.keys.size()) + " keys, last " + std::to_string(test.keys.last()));
        const auto overview = shownOverview(test.aboveRange);
        const InsightCard& card = *overview->insightCard;
        EXPECT_EQ(QAccessible::queryAccessibleInterface(overview->insightArea)->text(QAccessible::Description),
                  text("OverviewController_Insight_Keys"));
        ReaderEvents reader;
        for (const Qt::Key key : test.keys) {
            QTest::keyClick(QApplication::focusWidget(), key);
        }
        QLabel* reached = card.*test.reached;
        EXPECT_EQ(QApplication::focusWidget(), reached) << reached->objectName().toStdString();
        const QList<ReaderEvents::Event> focused = reader.ofType(QAccessible::Focus);
        ASSERT_FALSE(focused.isEmpty());
        EXPECT_EQ(focused.last().object, reached);
        EXPECT_EQ(focused.last().name, QAccessible::queryAccessibleInterface(reached)->text(QAccessible::Name));
        EXPECT_FALSE(focused.last().name.isEmpty());
    }
}

TEST_F(InsightKeys, TabAndShiftTabLeaveTheCardFromAFigure)
{
    const struct { Qt::Key key; QList<Qt::Key> steps; } cases[] = {
        {Qt::Key_Tab, {Qt::Key_Down}}, {Qt::Key_Backtab, {Qt::Key_Down}},
        {Qt::Key_Tab, {Qt::Key_End}},  {Qt::Key_Backtab, {Qt::Key_End}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(std::to_string(test.key));
        const auto overview = shownOverview(false);
        QTest::keyClick(overview->insightArea, test.key);
        QWidget* fromTabStop = QApplication::focusWidget();
        ASSERT_FALSE(fromTabStop == overview->insightArea || overview->insightArea->isAncestorOf(fromTabStop));
        overview->insightArea->setFocus(Qt::TabFocusReason);
        for (const Qt::Key key : test.steps) {
            QTest::keyClick(QApplication::focusWidget(), key);
        }
        ASSERT_TRUE(overview->insightCard->isAncestorOf(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), test.key);
        EXPECT_EQ(QApplication::focusWidget(), fromTabStop);
    }
}

TEST_F(Insight, AReaderHearsEachFigureWithItsCaptionAndValueOrWhyItHasNone)
{
    const auto overview = overviewOf({{at(3, 9, 8), 400}, {at(3, 9, 20), 480}, {at(3, 10, 8), 450}},
                                     [](Profile& p) { p.height = 0.0f; });
    const InsightCard& card = *overview->insightCard;
    const QString needsAge = text("OverviewController_Insight_NeedsAgeAndHeight");
    // What a reader hears of each figure: its name, and its description.
    const QList<std::pair<QLabel*, QStringList>> heard = {
        {card.latestPercentTextField, {"Latest reading, % of best value: 90.0 %, green zone", ""}},
        {card.averagePercentTextField, {"Average, % of best value: 88.7 %", ""}},
        {card.zoneCountsTextField, {"Readings in each zone: 3 green, 0 yellow, 0 red", ""}},
        {card.variabilityTextField, {"Within-day (diurnal) variability, over 1 day: 18.2 %, above the 10 % guide", ""}},
        {card.predictedPefTextField, {"Predicted PEF for age, sex and height: " + needsAge, needsAge}},
        {card.bestOfPredictedTextField, {"Best value, % of predicted PEF: " + needsAge, needsAge}},
        {overview->totalMeasurementTextField, {"Total readings: 3", ""}},
        {overview->lastMeasDateTextField, {"Latest readings: 2026/03/10 AM 08:00", ""}},
        {overview->pefAveTextField, {"Average PEF: 443 l/min", ""}},
        {overview->fev1AveTextField, {"Average FEV1: 3.0 litres", ""}},
        {overview->bestValueTextField, {"Best value: 500 l/min", ""}},
    };
    for (const auto& [field, expected] : heard) {
        const QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(field);
        EXPECT_EQ(QStringList({reader->text(QAccessible::Name), reader->text(QAccessible::Description)}), expected)
            << field->objectName().toStdString();
    }
}
