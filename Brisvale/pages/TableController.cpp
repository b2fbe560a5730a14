#include "Brisvale/pages/TableController.h"

#include "Brisvale/pages/CustomHeaderCell.h"
#include "Brisvale/pages/DeleteButtonDelegate.h"
#include "Brisvale/pages/NoteDelegate.h"
#include "Brisvale/pages/ReadingsTableModel.h"
#include "Brisvale/platform/Accessibility.h"
#include "Brisvale/platform/AlertPresenter.h"
#include "Brisvale/platform/Console.h"
#include "Brisvale/platform/Localization.h"
#include "Brisvale/platform/StoreFailureAlert.h"
#include "Brisvale/records/ConditionProcess.h"
#include "Brisvale/records/ReadingBounds.h"
#include "Brisvale/records/UserDefaultHelper.h"
#include "Brisvale/records/ViewContext.h"
#include "Brisvale/reports/ProfileTexts.h"

#include <QFocusEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int rowHeight = 55;
constexpr const char* failureShownProperty = "storeFailureShown";

// The widths of the columns before the note, which takes the rest, and of the delete column.
constexpr int columnWidths[] = {120, 110, 80, 80};
constexpr int deleteColumnWidth = 64;

// Stores the moment under both keys when the limit differs from it, at the precision the settings
// keep; whether it did.
bool moveLimit(const QDateTime& moment, UserDefaultHelper::Key limit, UserDefaultHelper::Key window)
{
    if (UserDefaultHelper::dateValue(limit) == moment) {
        return false;
    }
    UserDefaultHelper::setDateValue(limit, moment);
    UserDefaultHelper::setDateValue(window, moment);
    return true;
}

}

TableController::TableController(QWidget* parent) : DataChildPage(parent)
{
    model = new ReadingsTableModel(this);
    tableView = new QTableView(this);
    tableView->setObjectName(QStringLiteral("tableView"));
    tableView->setHorizontalHeader(new CustomHeaderCell(tableView));
    tableView->setModel(model);
    tableView->setSelectionMode(QAbstractItemView::NoSelection);
    // Tab leaves the table; the arrow keys move between its cells.
    tableView->setTabKeyNavigation(false);
    tableView->setAccessibleName(Localization::text(QStringLiteral("DataController_Tab_Table")));
    // A click on a note edits it at once; the arrow keys pass over the note cells (a field opened
    // there would take them), and a note opens by typing or F2.
    tableView->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                               | QAbstractItemView::AnyKeyPressed);
    connect(tableView, &QAbstractItemView::pressed, this, [this](const QModelIndex& index) {
        if (index.column() == ReadingsTableModel::NotesColumn) {
            tableView->edit(index);
        }
    });
    tableView->setItemDelegateForColumn(
        ReadingsTableModel::NotesColumn,
        new NoteDelegate([this](qint64 id, const std::optional<QString>& text,
                                QLineEdit* field) { saveNote(id, text, field); },
                         tableView));
    deleteButtons = new DeleteButtonDelegate([this](int tag, qint64 id) { checkBoxActionWithButton(tag, id); },
                                             tableView);
    tableView->setItemDelegateForColumn(ReadingsTableModel::DeleteBtnColumn, deleteButtons);
    // The table's own key handling would take Space and Delete before the delete cell sees them.
    tableView->installEventFilter(this);
    tableView->verticalHeader()->hide();
    tableView->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tableView->verticalHeader()->setDefaultSectionSize(rowHeight);

    QHeaderView* header = tableView->horizontalHeader();
    for (int column = 0; column < ReadingsTableModel::NotesColumn; ++column) {
        header->setSectionResizeMode(column, QHeaderView::Fixed);
        header->resizeSection(column, columnWidths[column]);
    }
    header->setSectionResizeMode(ReadingsTableModel::NotesColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(ReadingsTableModel::DeleteBtnColumn, QHeaderView::Fixed);
    header->resizeSection(ReadingsTableModel::DeleteBtnColumn, deleteColumnWidth);
    connect(header, &QHeaderView::sectionClicked, this, &TableController::sortByColumn);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tableView);
}

bool TableController::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == tableView && event->type() == QEvent::FocusIn) {
        enterTable(static_cast<QFocusEvent*>(event)->reason());
    }
    if (watched == tableView && deleteButtons->pressKey(event, tableView->currentIndex())) {
        return true;
    }
    return DataChildPage::eventFilter(watched, event);
}

// The table taking the focus: by keyboard, onto the first reading's first cell when it has no
// current cell (Qt gives it one only the first time, and never tells a reader). A click makes the
// clicked cell the current one.
void TableController::enterTable(Qt::FocusReason reason)
{
    if (reason != Qt::MouseFocusReason && !tableView->currentIndex().isValid() && model->rowCount() > 0) {
        tableView->setCurrentIndex(model->index(0, ReadingsTableModel::DateColumn));
    }
    tellCurrentCellLater();
}

// A reader hears of the current cell after it has heard of the table itself taking the focus, and
// after the answered question has given the window back its focus.
void TableController::tellCurrentCellLater()
{
    QMetaObject::invokeMethod(
        this, [this] { Accessibility::tellCurrentCell(*tableView); }, Qt::QueuedConnection);
}

// After a reload: the cell of the row and column, the row kept within the rows left; none when
// no row is left. A reader hears of it from Qt while the table has the focus, else as the focus
// comes back (enterTable).
void TableController::keepPlace(int row, int column)
{
    const int rows = model->rowCount();
    if (rows > 0) {
        tableView->setCurrentIndex(model->index(std::clamp(row, 0, rows - 1), column));
    }
}

void TableController::willAppear()
{
    Console::printLine(QStringLiteral("Data Table Appear"));
    loadReadings(false);
}

void TableController::onConditionChange()
{
    loadReadings(false);
}

const QList<PFMPtr>& TableController::pfmList() const
{
    return model->readings();
}

void TableController::loadReadings(bool updateLimits)
{
    const std::optional<ConditionReturnInfo> info = ConditionProcess::queryReadings();
    const QList<PFMPtr> readings = info ? info->pfm : QList<PFMPtr>();
    if (updateLimits && !readings.isEmpty() && followReadingLimits(info->profile, readings)) {
        emit filterWindowChanged();
    }
    reportMaxValue(largestPef(readings));
    const Profile* profile = info ? info->profile.get() : nullptr;
    model->setReadings(readings, profile ? ProfileTexts::datePattern(*profile).value_or(QString()) : QString(),
                       profile ? ProfileTexts::timePattern(*profile).value_or(QString()) : QString(),
                       info ? info->profile : nullptr);
    sortedColumn = -1;
}

bool TableController::followReadingLimits(const ProfilePtr& profile, const QList<PFMPtr>& shown)
{
    // The limits bound all of the user's readings, not only those of the window.
    const StoreResult<QList<PFMPtr>> all = viewContext().pfmInfo(profile);
    const std::optional<ReadingBounds> bounds = ReadingBounds::of(all ? all.value() : shown);
    if (!bounds) {
        return false;
    }
    using Key = UserDefaultHelper::Key;
    const bool toMoved = moveLimit(bounds->latest.toDateTime(), Key::limitTo, Key::to);
    const bool fromMoved = moveLimit(bounds->earliest.toDateTime(), Key::limitFrom, Key::from);
    return toMoved || fromMoved;
}

void TableController::sortByColumn(int column)
{
    if (column == ReadingsTableModel::DeleteBtnColumn) {
        return;
    }
    const bool again = column == sortedColumn && sortOrder == Qt::AscendingOrder;
    sortOrder = again ? Qt::DescendingOrder : Qt::AscendingOrder;
    sortedColumn = column;
    model->sort(column, sortOrder);
}

void TableController::checkBoxActionWithButton(int tag, qint64 objectID)
{
    Console::printLine(QStringLiteral("delete Btn : ") + QString::number(tag));
    Console::printLine(QStringLiteral("email : ") + QString::number(objectID));
    Alert question = Alert::question(Localization::text(QStringLiteral("TableController_AlertMessage_AskDelete")),
                                     AlertSymbol::exclamationmark);
    question.detail = readingText(objectID);
    AlertPresenter::shared().beginSheet(this, question,
                                        [this, objectID](int response) { deleteReading(objectID, response); });
}

void TableController::deleteReading(qint64 objectID, int response)
{
    Console::printLine(answerText(response));
    if (response != Alert::firstButton) {
        return;
    }
    StoreContext& context = viewContext();
    const StoreResult<PFMPtr> reading = context.existingReading(objectID);
    if (!reading) {
        reportStoreFailure(reading.error());
        return;
    }
    context.deleteReading(reading.value());
    const StoreStatus saved = context.save();
    if (!saved) {
        reportStoreFailure(saved.error());
        return;
    }
    // The place: the deleted reading's row (else the current one) and the current column.
    const QModelIndex current = tableView->currentIndex();
    const int shownRow = rowOf(objectID);
    const int row = shownRow >= 0 ? shownRow : current.row();
    const int column = current.isValid() ? current.column() : int(ReadingsTableModel::DeleteBtnColumn);
    loadReadings(true);
    keepPlace(row, column);
}

// The row that shows the reading; -1 when none does.
int TableController::rowOf(qint64 objectID) const
{
    const QList<PFMPtr>& rows = model->readings();
    const auto found = std::find_if(rows.begin(), rows.end(),
                                    [objectID](const PFMPtr& reading) { return reading->objectID() == objectID; });
    return found == rows.end() ? -1 : static_cast<int>(found - rows.begin());
}

// The reading as its row shows it: "11/30/26 07:05, PEF 300 l/min"; empty when no row shows it.
QString TableController::readingText(qint64 objectID) const
{
    const int row = rowOf(objectID);
    if (row < 0) {
        return QString();
    }
    const auto cell = [this, row](int column) { return model->index(row, column).data().toString(); };
    return Localization::text(QStringLiteral("TableController_AlertMessage_AskDelete_Reading"))
        .arg(cell(ReadingsTableModel::DateColumn), cell(ReadingsTableModel::TimeColumn),
             cell(ReadingsTableModel::PEFColumn));
}

// The console names a question's answer: "Yes", "No", or "Other" for a sheet ended otherwise.
QString TableController::answerText(int response)
{
    switch (response) {
    case Alert::firstButton:
        return QStringLiteral("Yes");
    case Alert::secondButton:
        return QStringLiteral("No");
    default:
        return QStringLiteral("Other");
    }
}

void TableController::saveNote(qint64 objectID, const std::optional<QString>& text, QLineEdit* field)
{
    Console::printLine(field->property(NoteDelegate::tagProperty).toString() + QLatin1Char(' ')
                       + text.value_or(QString()) + QLatin1Char(' ') + QString::number(objectID));
    StoreContext& context = viewContext();
    const StoreResult<PFMPtr> reading = context.existingReading(objectID);
    StoreStatus saved = reading ? StoreStatus(std::monostate()) : StoreStatus(reading.error());
    if (reading) {
        reading.value()->note = text;
        saved = context.save();
    }
    if (saved) {
        field->setProperty(failureShownProperty, false);
        return;
    }
    // Told once until the field saves again; the field keeps its text for the next keystroke.
    if (field->property(failureShownProperty).toBool()) {
        Console::printLine(QStringLiteral("Error"));
        return;
    }
    field->setProperty(failureShownProperty, true);
    reportStoreFailure(saved.error());
}

void TableController::reportStoreFailure(const StoreError& error)
{
    Console::printLine(QStringLiteral("Error"));
    StoreFailureAlert::beginSheet(this, error.text(), error.fileReplaced);
}
