#pragma once

#include "Brisvale/records/InsightFigures.h"
#include "Brisvale/records/PFM.h"
#include "Brisvale/records/PeakFlowMath.h"
#include "Brisvale/records/Profile.h"

#include <QFrame>
#include <QPointer>

class QLabel;
class QScrollArea;

// The overview's "Insight" card, under its existing figures: the latest reading and the window's
// average as a percentage of the best value, how many of the window's readings fell in each zone,
// the within-day (diurnal) variability with the number of days it was taken over, and the
// predicted PEF with the best value as a percentage of it. Readings above the meter's range are
// left out of these figures, and the card says how many. A figure without a value shows "–", and
// its tooltip (and accessible description) says what it needs. Percentages are shown with one
// decimal, the predicted PEF in whole l/min, both in the user's locale. A reader hears each figure
// as its caption, then its value with unit and remark, or the reason it has none; the arrow keys
// step through the figures from the card's Tab stop.
class InsightCard : public QFrame {
    Q_OBJECT

public:
    explicit InsightCard(QWidget* parent = nullptr);

    // The captions and the note, in the current texts.
    void setCaptions();

    // The figures of the profile at `now`. `window` holds the readings of the overview's filter
    // (its days and its time of day), newest first; `wholeDays` the readings of the same days at
    // every hour, which the variability needs.
    void showFigures(const Profile& profile, const QList<PFMPtr>& window, const QList<PFMPtr>& wholeDays,
                     const QDateTime& now);
    // Every figure blank, without a tooltip.
    void clear();

    // The area the card scrolls in is its one Tab stop, named by the card's title and described by
    // its keys. Focused, Down and Home go to the first figure, Up and End to the last; on a figure,
    // Up and Down go to the one before and after, Home and End to the first and the last. A figure
    // takes the keyboard focus and its ring, so a reader speaks it as flat review reads it
    // ("Average, % of best value: 88.7 %"); the left-out line, when shown, and the note come last.
    // Tab and Shift+Tab leave the card from a figure as from the area.
    void setTabStop(QScrollArea& area);

    // The plan the profile's zones follow, as stored.
    static PeakFlowMath::ZonePlan zonePlan(const Profile& profile);
    // The profile's height in centimetres; a feet height is decimal feet.
    static double heightCentimetres(const Profile& profile);

    // Outlets; each widget's object name is its outlet's name.
    QLabel* InsightTitle_Lab = nullptr;
    QLabel* InsightNote_Lab = nullptr;
    QLabel* LatestPercentTitle_Lab = nullptr;
    QLabel* AveragePercentTitle_Lab = nullptr;
    QLabel* ZoneCountsTitle_Lab = nullptr;
    QLabel* VariabilityTitle_Lab = nullptr;
    QLabel* PredictedTitle_Lab = nullptr;
    QLabel* BestOfPredictedTitle_Lab = nullptr;
    QLabel* latestPercentTextField = nullptr;
    QLabel* latestZoneTextField = nullptr;
    QLabel* averagePercentTextField = nullptr;
    QLabel* zoneCountsTextField = nullptr;
    QLabel* variabilityTextField = nullptr;
    QLabel* variabilityGuideTextField = nullptr;
    QLabel* predictedPefTextField = nullptr;
    QLabel* bestOfPredictedTextField = nullptr;
    QLabel* leftOutTextField = nullptr; // how many readings above the meter's range were left out; hidden at 0

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void buildInterface();
    void nameTabStop();
    // The figures the arrow keys step through, in reading order, and those of them shown with a text.
    QList<QLabel*> steps() const;
    QList<QLabel*> shownSteps() const;
    // Moves the focus from the Tab stop or a figure by the key; false for a key that does not step.
    bool step(const QObject* from, int key);
    void showWindow(const InsightFigures& figures, bool noReadings);
    void showVariability(const Profile& profile, const PeakFlowMath::Variability& variability, const QDateTime& now);
    void showPrediction(const Profile& profile, const QDateTime& now);

    QPointer<QScrollArea> tabStop;
};
