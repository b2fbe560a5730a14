#pragma once

#include "Brisvale/platform/ElidingLabel.h"
#include "Brisvale/records/PFM.h"
#include "Brisvale/records/RenewObserver.h"

#include <QWidget>

class FilterControls;
class InsightCard;
class QComboBox;
class QDateEdit;
class QLabel;
class QScrollArea;

// The overview page (page 0 of the main window): a summary of the current user and of that user's
// readings in the stored date window and time of day, with the controls that change that filter.
// The container calls willAppear() before it shows the page; while it is the visible page it is
// the observer of the window's RenewProcess. The page writes only the filter keys, never the store.
class OverviewController : public QWidget, public RenewObserver {
    Q_OBJECT

public:
    explicit OverviewController(QWidget* parent = nullptr);

    void willAppear();
    void willDisappear() {}

    // Nothing to settle before a page switch.
    void onPageSwitch() override;
    // Shows the stored state afresh; both values are ignored.
    void onDataRefresh(bool emailRenewStatus, const QString& email) override;

    // Puts the stored filter into the pop-ups and pickers.
    void loadDateRange();
    // Takes the window of the pickers (see FilterControls::dateSelected).
    void dateSelected();
    // Reads the current user's filtered readings and shows every figure; blank without a result.
    void refreshStatistics();

    // The FEV1 average to one decimal: the values added in list order in single precision; 0 when
    // the sum is 0, else round(sum / n x 10) / 10 in single precision, halves away from zero.
    static float fev1Average(const QList<PFMPtr>& readings);
    // The shortest text that reads back as the same float, always with a fractional part ("3.0"),
    // with the locale's decimal separator ("3,0" in German).
    static QString fev1Text(float average);

    // Outlets; each widget's object name is its outlet's name.
    QLabel* Title_Lab = nullptr;
    QLabel* UserTitle_Lab = nullptr;
    QLabel* TimeRange_Lab = nullptr;
    QLabel* From_Lab = nullptr;
    QLabel* To_Lab = nullptr;
    QLabel* MeasurementsTitle_Lab = nullptr;
    QLabel* TotalTitle_Lab = nullptr;
    QLabel* TotalMeasure_Lab = nullptr;
    QLabel* LastTitle_Lab = nullptr;
    QLabel* LastMeasure_Lab = nullptr;
    QLabel* AverageTitle_Lab = nullptr;
    QLabel* BestValueTitle_Lab = nullptr;
    ElidingLabel* userNameTextField = nullptr; // a long name ends in "…", whole in its tooltip
    QLabel* genderAgeTextField = nullptr;
    QDateEdit* timeRangeFrom = nullptr;
    QDateEdit* timeRangeTo = nullptr;
    QComboBox* dayPopUp = nullptr;
    QComboBox* timePopUp = nullptr;
    QLabel* totalMeasurementTextField = nullptr;
    QLabel* lastMeasDateTextField = nullptr;
    QLabel* lastMeasTimeTextField = nullptr;
    QLabel* pefAveTextField = nullptr;
    QLabel* fev1AveTextField = nullptr;
    QLabel* bestValueTextField = nullptr;
    QLabel* userIconImage = nullptr; // its "imageName" property names the icon shown
    InsightCard* insightCard = nullptr; // the clinical figures, under the fields above
    QScrollArea* insightArea = nullptr; // holds the Insight card

    FilterControls& filter() const { return *filterControls; }

private:
    void buildInterface();
    QLayout* buildUserSection();
    QLayout* buildRangeSection();
    QLayout* buildFiguresSection();
    QScrollArea* buildInsightArea();
    void setCaptions();
    void clearStatistics();
    void nameFigures();
    void setUserIcon(const QString& name);

    FilterControls* filterControls = nullptr;
};
