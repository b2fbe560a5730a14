#pragma once

#include "Brisvale/pages/TrafficLight_Delegate.h"
#include "Brisvale/platform/WeakDelegate.h"
#include "Brisvale/records/PeakFlowMath.h"
#include "Brisvale/records/Profile.h"

#include <QPointer>
#include <QVariantMap>
#include <QWidget>
#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TavrendelPFM;

// The best-value popover of the Data page: the current user's best value, the zone plan (80 % and
// 60 %, or 80 % and 50 %) with the zone limits they give, and the way to store them. The limits
// follow the typed value and the chosen plan as they change (a profile without a best value has
// none, and the sheet says so); nothing is stored until the user confirms, and then the sheet's
// choices are stored together: a new best value (or the stored one sent again) after the meter
// question, with the plan, and written to the meter; a changed plan alone at once, without the
// question and without writing to the meter. "No" or closing the sheet stores nothing. The data pages are told of every store, so the PEF chart's bands follow it.
//
// The sheet opens without a meter too: the plan can be changed, while the best value field is
// greyed and says that it needs the meter. The meter's read-back ("GetPFMBestValue") tells whether
// it kept the value: its confirmation's OK closes the sheet, its work done; a mismatch is written
// once more before the failure alert, which leaves the sheet open for another try; a write or
// read-back the meter fails is told at once. The sheet acts on a read-back only while a write of
// its own awaits one, so read-backs of a download never move it.
class TrafficLightsController : public QWidget {
    Q_OBJECT

public:
    // A sheet over the meter manager (null when there is no meter library: nothing is written).
    // Loads the current user's best value at once.
    explicit TrafficLightsController(std::shared_ptr<TavrendelPFM> manager, QWidget* parent = nullptr);

    template <typename Receiver>
    void setDelegate(Receiver* receiver)
    {
        delegate.set(receiver);
    }

    // Shows the sheet as a popover beside the right edge of the anchor (the Data page's button), or
    // beside its left edge when only there is room, with the best value selected in its field, so
    // that typing replaces it. It closes, and deletes itself, when the user presses Esc or clicks
    // outside it and its alerts. A reader knows it as a dialog named by its title.
    void presentPopover(QWidget* anchor);

    // Sets the texts and observes "GetPFMBestValue"; runs on every appearance.
    void willAppear();

    // Whether a meter is attached: without one the best value field is greyed, saying why, and a
    // value typed but not sent goes back to the stored one.
    void setMeterAttached(bool attached);

    // The confirm button. With a meter attached and a new value typed, or nothing changed, it asks
    // whether to store and write the typed value; text that is not a whole number within the
    // limits is refused at once with a message, and goes no further. Otherwise (a changed plan
    // alone, or no meter) it stores the plan.
    void SendBestValueHandler();

    // The answer to that question (1000 yes, 1001 no): yes stores the value and the plan together.
    void writeBestValue(int response);

    // A best value read back from the meter ({"BestValue": number}).
    void CheckBestValueWithNotification(const QVariantMap& userInfo);

    // Shows the plan's yellow and red limits of the best value, in whole l/min; the value field and
    // the plan pop-up describe them to a reader.
    void updateZoneValues(qint32 best);

    // The plan chosen in the list: its limits shown; stored only when the user confirms.
    void choosePlan(int index);

    // A best value typed by the user: an optional sign and digits only, within 32 bits.
    static std::optional<qint32> parseBestValue(const QString& text);

    // A typed best value the sheet takes: a whole number from lowestBestValue to highestBestValue.
    static std::optional<qint32> acceptedBestValue(const QString& text);

    // Whether a write of this sheet awaits its read-back.
    bool isAwaitingReadBack() const { return writePending; }

    static constexpr qint32 lowestBestValue = 50;
    static constexpr qint32 highestBestValue = 900;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildContent();
    void loadBestValue();
    ProfilePtr currentUser() const;
    void writeToMeter(qint32 value);
    void abandonReadBack();
    void refuseTypedValue();
    void showReadBackAlert(bool done);
    void showPlan(PeakFlowMath::ZonePlan shown);
    void previewZones();
    void describeZones();
    bool typedIsStored() const;
    bool sendsValue() const;
    void showConfirmText();
    void storePlan();
    void tellDataPages();

    QLabel* Title_Lab = nullptr;
    QLabel* BestValue_Lab = nullptr;
    QLineEdit* BestValueTextField = nullptr;
    QLabel* EightyValue = nullptr;
    QLabel* SixtyValue = nullptr;
    QLabel* Eighty_Lab = nullptr;
    QLabel* Sixty_Lab = nullptr;
    // In the limits' place while the profile holds no best value.
    QLabel* NoBestValue_Lab = nullptr;
    QLabel* ZonePlan_Lab = nullptr;
    QComboBox* ZonePlan_Box = nullptr;
    PeakFlowMath::ZonePlan plan = PeakFlowMath::ZonePlan::eightySixty;
    QLabel* NoMeter_Lab = nullptr;
    QPushButton* SendBestValue_Btn = nullptr;
    WeakDelegate<TrafficLight_Delegate> delegate;
    int writeBestValueAgain = 0;

    std::shared_ptr<TavrendelPFM> manager;
    bool meterAttached = false;
    // What the profile holds, as last loaded or stored here; none when no user could be loaded.
    std::optional<qint32> storedBest;
    PeakFlowMath::ZonePlan storedPlan = PeakFlowMath::ZonePlan::eightySixty;
    bool writePending = false;
    qint32 sentBestValue = 0; // the value last stored and written, which the read-back must match
};
