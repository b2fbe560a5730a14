#pragma once

#include "Brisvale/records/InsightFigures.h"
#include "Brisvale/records/PFM.h"
#include "Brisvale/records/PeakFlowMath.h"
#include "Brisvale/records/Profile.h"

#include <QFrame>

class QLabel;

// The overview's "Insight" card, under its existing figures: the latest reading and the window's
// average as a percentage of the best value, how many of the window's readings fell in each zone,
// the within-day (diurnal) variability with the number of days it was taken over, and the
// predicted PEF with the best value as a percentage of it. Readings above the meter's range are
// left out of these figures, and the card says how many. A figure without a value shows "–", and
// its tooltip (and accessible description) says what it needs. Percentages are shown with one
// decimal, the predicted PEF in whole l/min, both in the user's locale. A reader hears each figure
// as its caption, then its value with unit and remark, or the reason it has none.
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

private:
    void buildInterface();
    void showWindow(const InsightFigures& figures, bool noReadings);
    void showVariability(const Profile& profile, const PeakFlowMath::Variability& variability, const QDateTime& now);
    void showPrediction(const Profile& profile, const QDateTime& now);
};
