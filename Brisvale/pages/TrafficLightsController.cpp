#include "Brisvale/pages/TrafficLightsController.h"

#include "Brisvale/platform/Accessibility.h"
#include "Brisvale/platform/PopUpAccessible.h"
#include "Brisvale/platform/AlertPresenter.h"
#include "Brisvale/platform/Console.h"
#include "Brisvale/platform/DialogueButtons.h"
#include "Brisvale/platform/Localization.h"
#include "Brisvale/platform/Look.h"
#include "Brisvale/platform/NotificationCenter.h"
#include "Brisvale/platform/PopoverPresenter.h"
#include "Brisvale/platform/StoreFailureAlert.h"
#include "Brisvale/records/BestValueType_DB.h"
#include "Brisvale/records/ConditionProcess.h"
#include "Brisvale/records/MeterReplyReader.h"
#include "Brisvale/records/UserDefaultHelper.h"
#include "Brisvale/records/ViewContext.h"

#include "TavrendelPFMSDK/TavrendelPFM.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <limits>
#include <utility>

namespace {

QLabel* namedLabel(const char* name)
{
    auto* label = new QLabel;
    label->setObjectName(QLatin1String(name));
    return label;
}

// A zone limit: large and bold.
QLabel* zoneValue(const char* name)
{
    QLabel* label = namedLabel(name);
    QFont font = label->font();
    font.setPixelSize(20);
    font.setBold(true);
    label->setFont(font);
    return label;
}

// The colour mark of the zone a limit opens: a small rounded square.
QLabel* zoneMark(const QColor& zone)
{
    constexpr int side = 12;
    QPixmap mark(side, side);
    mark.fill(Qt::transparent);
    QPainter painter(&mark);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(zone);
    painter.drawRoundedRect(QRectF(0, 0, side, side), 3, 3);
    painter.end();
    auto* label = new QLabel;
    label->setPixmap(mark);
    return label;
}

using PeakFlowMath::ZonePlan;

// The plans in the order the list shows them, with their names' keys.
const std::pair<ZonePlan, const char*> planChoices[] = {
    {ZonePlan::eightySixty, "TrafficLightsController_ZonePlan_EightySixty"},
    {ZonePlan::eightyFifty, "TrafficLightsController_ZonePlan_EightyFifty"},
};

}

TrafficLightsController::TrafficLightsController(std::shared_ptr<TavrendelPFM> meterManager, QWidget* parent)
    : QWidget(parent), manager(std::move(meterManager))
{
    // A reader knows the sheet as a dialog, named by its title (see willAppear).
    Accessibility::readAsDialog(*this);
    buildContent();
    loadBestValue();
    setMeterAttached(manager && manager->IsDeviceConnect());
}

void TrafficLightsController::buildContent()
{
    Title_Lab = namedLabel("Title_Lab");
    Look::stylePageTitle(*Title_Lab);
    BestValue_Lab = namedLabel("BestValue_Lab");
    BestValueTextField = new QLineEdit;
    BestValueTextField->setObjectName(QStringLiteral("BestValueTextField"));
    BestValueTextField->setMaxLength(11);
    QFont valueFont = BestValueTextField->font();
    valueFont.setPixelSize(20);
    valueFont.setBold(true);
    BestValueTextField->setFont(valueFont);
    BestValue_Lab->setBuddy(BestValueTextField);
    connect(BestValueTextField, &QLineEdit::textChanged, this, [this] {
        previewZones();
        showConfirmText();
    });
    NoMeter_Lab = namedLabel("NoMeter_Lab");
    NoMeter_Lab->setWordWrap(true);
    NoMeter_Lab->installEventFilter(this);
    EightyValue = zoneValue("EightyValue");
    SixtyValue = zoneValue("SixtyValue");
    Eighty_Lab = namedLabel("Eighty_Lab");
    Sixty_Lab = namedLabel("Sixty_Lab");
    NoBestValue_Lab = namedLabel("NoBestValue_Lab");
    NoBestValue_Lab->setText(Localization::text(QStringLiteral("TrafficLightsController_NoBestValue")));
    NoBestValue_Lab->hide();
    ZonePlan_Lab = namedLabel("ZonePlan_Lab");
    ZonePlan_Box = new QComboBox;
    ZonePlan_Box->setObjectName(QStringLiteral("ZonePlan_Box"));
    // Its choices are named once the sheet appears: the pop-up is never narrower than they are.
    ZonePlan_Box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    ZonePlan_Box->setSizePolicy(QSizePolicy::Minimum, ZonePlan_Box->sizePolicy().verticalPolicy());
    for (const auto& choice : planChoices) {
        ZonePlan_Box->addItem(QString(), static_cast<int>(choice.first));
    }
    ZonePlan_Lab->setBuddy(ZonePlan_Box);
    PopUpAccessible::speakChoice(*ZonePlan_Box);
    connect(ZonePlan_Box, &QComboBox::activated, this, &TrafficLightsController::choosePlan);
    SendBestValue_Btn = new QPushButton;
    SendBestValue_Btn->setObjectName(QStringLiteral("SendBestValue_Btn"));
    SendBestValue_Btn->setDefault(true);
    Look::styleDefaultButton(*SendBestValue_Btn);
    connect(SendBestValue_Btn, &QPushButton::clicked, this, &TrafficLightsController::SendBestValueHandler);
    connect(BestValueTextField, &QLineEdit::returnPressed, this, &TrafficLightsController::SendBestValueHandler);

    auto* values = new QGridLayout;
    values->setHorizontalSpacing(12);
    values->setVerticalSpacing(8);
    values->addWidget(BestValue_Lab, 0, 0);
    values->addWidget(BestValueTextField, 0, 1, 1, 2);
    // The note takes the sheet's width, and the sheet the height the note needs (see eventFilter).
    values->addWidget(NoMeter_Lab, 1, 0, 1, 3);
    values->addWidget(ZonePlan_Lab, 2, 0);
    values->addWidget(ZonePlan_Box, 2, 1, 1, 2);
    values->addWidget(Eighty_Lab, 3, 0);
    values->addWidget(zoneMark(QColor(52, 168, 83)), 3, 1);
    values->addWidget(EightyValue, 3, 2);
    values->addWidget(Sixty_Lab, 4, 0);
    values->addWidget(zoneMark(QColor(234, 67, 53)), 4, 1);
    values->addWidget(SixtyValue, 4, 2);
    values->addWidget(NoBestValue_Lab, 5, 0, 1, 3);
    values->setColumnStretch(2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(SendBestValue_Btn);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(12);
    layout->addWidget(Title_Lab);
    layout->addLayout(values);
    // Room the sheet keeps after a row hides (the note that no best value is set, once one is
    // typed) stays above the buttons, so that nothing above moves.
    layout->addStretch(1);
    layout->addLayout(buttons);
}

ProfilePtr TrafficLightsController::currentUser() const
{
    const std::optional<QString> email = UserDefaultHelper::email();
    if (!email) {
        Console::printLine(QStringLiteral("error:no current user"));
        return nullptr;
    }
    StoreResult<ProfilePtr> found = viewContext().fetchProfile(email);
    if (!found) {
        Console::printLine(QStringLiteral("error:") + found.error().text());
        return nullptr;
    }
    if (!found.value()) {
        Console::printLine(QStringLiteral("error:no profile for the current user"));
    }
    return found.value();
}

void TrafficLightsController::loadBestValue()
{
    if (const ProfilePtr profile = currentUser()) {
        storedBest = profile->best_Value;
        storedPlan = PeakFlowMath::zonePlanFromStored(profile->zone_Plan);
        plan = storedPlan;
        BestValueTextField->setText(QString::number(profile->best_Value));
    }
}

void TrafficLightsController::setMeterAttached(bool attached)
{
    meterAttached = attached && manager;
    if (!meterAttached && storedBest && !typedIsStored()) {
        BestValueTextField->setText(QString::number(*storedBest));
    }
    // The field says why in its tooltip and its description, and the note under it to everyone.
    const QString noMeter = QStringLiteral("TrafficLightsController_BestValue_NoMeter");
    Accessibility::enableOrSayWhy(*BestValueTextField, meterAttached, noMeter);
    NoMeter_Lab->setText(Localization::text(noMeter));
    NoMeter_Lab->setVisible(!meterAttached);
    showConfirmText();
}

// Qt sizes a window by the height of one line of a wrapped label: the note asks for the height its
// lines need at the width it is given, so that the sheet grows to show it whole.
bool TrafficLightsController::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == NoMeter_Lab && event->type() == QEvent::Resize) {
        NoMeter_Lab->setMinimumHeight(NoMeter_Lab->heightForWidth(NoMeter_Lab->width()));
    }
    return QWidget::eventFilter(watched, event);
}

void TrafficLightsController::showEvent(QShowEvent* event)
{
    willAppear();
    QWidget::showEvent(event);
}

void TrafficLightsController::willAppear()
{
    NotificationCenter& center = NotificationCenter::shared();
    center.observe(QLatin1String(MeterReplyReader::bestValueNotification), this,
                   [this](const QVariantMap& userInfo) { CheckBestValueWithNotification(userInfo); });
    center.observe(QLatin1String(MeterReplyReader::bestValueFailedNotification), this,
                   [this](const QVariantMap&) { abandonReadBack(); });
    Title_Lab->setText(Localization::text(QStringLiteral("TrafficLightsController_Title")));
    // The sheet has no window title; a reader names it by its heading.
    setAccessibleName(Title_Lab->text());
    BestValue_Lab->setText(Localization::text(QStringLiteral("TrafficLightsController_BestValue")));
    Eighty_Lab->setText(Localization::text(QStringLiteral("TrafficLightsController_EightyPercent")));
    ZonePlan_Lab->setText(Localization::text(QStringLiteral("TrafficLightsController_ZonePlan")));
    ZonePlan_Box->setAccessibleName(ZonePlan_Lab->text());
    for (int i = 0; i < ZonePlan_Box->count(); ++i) {
        ZonePlan_Box->setItemText(i, Localization::text(QLatin1String(planChoices[i].second)));
    }
    showPlan(plan);
    showConfirmText();
}

void TrafficLightsController::updateZoneValues(qint32 best)
{
    const auto [yellow, red] = PeakFlowMath::zoneLimits(plan, best);
    EightyValue->setText(QString::number(yellow));
    SixtyValue->setText(QString::number(red));
    NoBestValue_Lab->hide();
    describeZones();
}

// A reader hears the limits shown, which are labels of their own, with the value field (after its
// whole text, which Qt reads one character short as the field takes the focus) and the plan
// pop-up: "Green zone from 374, red zone below 234 l/min", or that no best value is set.
void TrafficLightsController::describeZones()
{
    const QString typed = BestValueTextField->text();
    const QString limits = !EightyValue->text().isEmpty()
        ? Localization::text(QStringLiteral("TrafficLightsController_ZoneLimits"))
              .arg(EightyValue->text(), SixtyValue->text())
        : (NoBestValue_Lab->isHidden() ? QString() : NoBestValue_Lab->text());
    if (limits.isEmpty()) {
        Accessibility::describe(*BestValueTextField, typed);
        ZonePlan_Box->setAccessibleDescription(QString());
        return;
    }
    Accessibility::describe(*BestValueTextField,
                            Localization::text(QStringLiteral("TrafficLightsController_BestValue_Description"))
                                .arg(typed, limits));
    ZonePlan_Box->setAccessibleDescription(limits);
}

// The limits of the typed value under the chosen plan: of the stored value, or of one the sheet
// would take; none while the field holds anything else. A profile without a best value (0) has no
// zones: the sheet says so in their place.
void TrafficLightsController::previewZones()
{
    const QString typed = BestValueTextField->text();
    const std::optional<qint32> value = typedIsStored() ? storedBest : acceptedBestValue(typed);
    if (value && *value > 0) {
        updateZoneValues(*value);
        return;
    }
    NoBestValue_Lab->setVisible(value.has_value());
    EightyValue->clear();
    SixtyValue->clear();
    describeZones();
}

bool TrafficLightsController::typedIsStored() const
{
    return storedBest && parseBestValue(BestValueTextField->text()) == storedBest;
}

// Whether the confirm button asks to send the typed value: a meter is attached, and a new value is
// typed or nothing has changed (the stored value is sent again).
bool TrafficLightsController::sendsValue() const
{
    return meterAttached && (!typedIsStored() || plan == storedPlan);
}

void TrafficLightsController::showConfirmText()
{
    SendBestValue_Btn->setText(Localization::text(sendsValue() ? QStringLiteral("TrafficLightsController_Send")
                                                               : QStringLiteral("TrafficLightsController_Save")));
}

// The plan in the list and in the red limit's label, which names its percent.
void TrafficLightsController::showPlan(PeakFlowMath::ZonePlan shown)
{
    plan = shown;
    ZonePlan_Box->setCurrentIndex(ZonePlan_Box->findData(static_cast<int>(shown)));
    Sixty_Lab->setText(Localization::text(shown == ZonePlan::eightyFifty
                                              ? QStringLiteral("TrafficLightsController_FiftyPercent")
                                              : QStringLiteral("TrafficLightsController_SixtyPercent")));
}

void TrafficLightsController::choosePlan(int index)
{
    if (index >= 0) {
        showPlan(PeakFlowMath::zonePlanFromStored(ZonePlan_Box->itemData(index).toInt()));
    }
    previewZones();
    showConfirmText();
}

// The plan alone, stored without a question; the meter is not written.
void TrafficLightsController::storePlan()
{
    const ProfilePtr profile = currentUser();
    if (!profile) {
        return;
    }
    profile->zone_Plan = static_cast<int>(plan);
    const StoreStatus saved = viewContext().save();
    if (!saved) {
        // The chosen plan stays in the list, unstored.
        Console::printLine(QStringLiteral("error:") + saved.error().text());
        StoreFailureAlert::show(saved.error().text(), saved.error().fileReplaced);
        return;
    }
    storedPlan = plan;
    showConfirmText();
    tellDataPages();
}

// The data pages reload, so the PEF chart's bands follow what is stored: at every store, and again
// when the meter confirms the value.
void TrafficLightsController::tellDataPages()
{
    if (TrafficLight_Delegate* page = delegate.get()) {
        page->condition().broadcastCondition();
    }
}

std::optional<qint32> TrafficLightsController::parseBestValue(const QString& text)
{
    qsizetype position = 0;
    bool negative = false;
    if (!text.isEmpty() && (text.front() == QLatin1Char('+') || text.front() == QLatin1Char('-'))) {
        negative = text.front() == QLatin1Char('-');
        position = 1;
    }
    if (position == text.size()) {
        return std::nullopt;
    }
    qint64 magnitude = 0;
    for (; position < text.size(); ++position) {
        const QChar digit = text.at(position);
        if (digit < QLatin1Char('0') || digit > QLatin1Char('9')) {
            return std::nullopt;
        }
        magnitude = magnitude * 10 + (digit.unicode() - '0');
        if (magnitude > qint64(std::numeric_limits<qint32>::max()) + 1) {
            return std::nullopt;
        }
    }
    const qint64 value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max()) {
        return std::nullopt;
    }
    return static_cast<qint32>(value);
}

std::optional<qint32> TrafficLightsController::acceptedBestValue(const QString& text)
{
    const std::optional<qint32> value = parseBestValue(text);
    if (!value || *value < lowestBestValue || *value > highestBestValue) {
        return std::nullopt;
    }
    return value;
}

void TrafficLightsController::refuseTypedValue()
{
    const Alert refusal{Localization::text(QStringLiteral("TrafficLightsController_AlertMessage_InvalidBestValue")),
                        AlertSymbol::exclamationmarkTriangle, {}};
    AlertPresenter::shared().beginSheet(this, refusal, {});
}

void TrafficLightsController::SendBestValueHandler()
{
    if (!sendsValue()) {
        storePlan();
        return;
    }
    const QString typed = BestValueTextField->text();
    if (typed.isEmpty()) {
        return;
    }
    // Only a whole number within the limits is asked about, stored and sent to the meter.
    if (!acceptedBestValue(typed)) {
        refuseTypedValue();
        return;
    }
    const Alert question = Alert::question(
        Localization::text(QStringLiteral("TrafficLightsController_AlertMessage_AskBestValue"),
                           Localization::Placeholder::bestValue, typed),
        AlertSymbol::questionmark);
    const QPointer<TrafficLightsController> self(this);
    AlertPresenter::shared().beginSheet(this, question, [self](int response) {
        if (self) {
            self->writeBestValue(response);
        }
    });
}

void TrafficLightsController::writeBestValue(int response)
{
    if (response != Alert::firstButton) {
        Console::printLine(response == Alert::secondButton ? QStringLiteral("No") : QStringLiteral("Other"));
        return;
    }
    Console::printLine(QStringLiteral("Yes"));
    const ProfilePtr profile = currentUser();
    if (!profile) {
        return;
    }
    const std::optional<qint32> value = acceptedBestValue(BestValueTextField->text());
    if (!value) {
        refuseTypedValue();
        return;
    }
    profile->best_Value_Type = BestValueType_DB::row(BestValueType_DB::Defaults::Target).dbId;
    profile->best_Value = *value;
    profile->zone_Plan = static_cast<int>(plan);
    const StoreStatus saved = viewContext().save();
    if (!saved) {
        // The typed value and the plan stay in the sheet; nothing reaches the meter.
        Console::printLine(QStringLiteral("error:") + saved.error().text());
        StoreFailureAlert::show(saved.error().text(), saved.error().fileReplaced);
        return;
    }
    storedBest = *value;
    storedPlan = plan;
    sentBestValue = *value;
    writeToMeter(*value);
    updateZoneValues(*value);
    showConfirmText();
    tellDataPages();
}

void TrafficLightsController::writeToMeter(qint32 value)
{
    if (!manager) {
        return;
    }
    writePending = true;
    manager->SendWriteBestValue(value);
}

// The meter failed the write or its read-back: the value is stored, the meter may not hold it.
void TrafficLightsController::abandonReadBack()
{
    if (!std::exchange(writePending, false)) {
        return;
    }
    writeBestValueAgain = 0;
    AlertPresenter::shared().beginSheet(
        this,
        Alert::failure(Localization::text(QStringLiteral("TrafficLightsController_AlertMessage_MeterFailed"),
                                          Localization::Placeholder::bestValue, QString::number(sentBestValue))),
        {});
}

void TrafficLightsController::CheckBestValueWithNotification(const QVariantMap& userInfo)
{
    // A read-back this sheet did not ask for (such as a download's) is not its business.
    if (!writePending) {
        return;
    }
    const std::optional<double> number =
        MeterReplyReader::number(userInfo.value(QLatin1String(MeterReplyReader::bestValueKey)));
    if (!number) {
        abandonReadBack();
        return;
    }
    // Compared with the value sent, whatever the field shows by now.
    if (MeterReplyReader::truncatedInt32(*number) == sentBestValue) {
        writePending = false;
        showReadBackAlert(true);
        tellDataPages();
        Console::printLine(QStringLiteral("Data接收訊息Best Value"));
        return;
    }
    const int previous = writeBestValueAgain++;
    if (previous == 1) {
        writePending = false;
        showReadBackAlert(false);
        writeBestValueAgain = 0;
        return;
    }
    writeToMeter(sentBestValue);
}

// The meter's confirmation ends the sheet's work: its OK closes the sheet, and the focus goes back
// to the page, where a reader would otherwise hear the sheet named once more. After a failure the
// sheet stays, for another try.
void TrafficLightsController::showReadBackAlert(bool done)
{
    const QString message = done
        ? Localization::text(QStringLiteral("TrafficLightsController_AlertMessage_AskBestValueDone"),
                             Localization::Placeholder::bestValue, QString::number(sentBestValue))
        : Localization::text(QStringLiteral("TrafficLightsController_AlertMessage_AskBestValueFailed"));
    const AlertSymbol symbol = done ? AlertSymbol::checkmark : AlertSymbol::exclamationmarkTriangle;
    AlertPresenter::Completion closing;
    if (done) {
        closing = [self = QPointer<TrafficLightsController>(this)](int) {
            if (self) {
                self->close();
            }
        };
    }
    AlertPresenter::shared().beginSheet(this, Alert{message, symbol, {DialogueButtons::ok()}}, closing);
}

void TrafficLightsController::presentPopover(QWidget* anchor)
{
    PopoverPresenter::present(this, anchor, PopoverPresenter::Edge::right);
    // The value opens selected, so what is typed replaces it.
    if (BestValueTextField->isEnabled()) {
        BestValueTextField->setFocus(Qt::OtherFocusReason);
        BestValueTextField->selectAll();
    }
}
