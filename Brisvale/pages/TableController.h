#pragma once

#include "Brisvale/pages/DataChildPage.h"
#include "Brisvale/records/PFM.h"
#include "Brisvale/records/StoreResult.h"

class DeleteButtonDelegate;
class QLineEdit;
class QTableView;
class ReadingsTableModel;

// The readings table, the Data page's first child: the current user's readings in the stored
// window and time of day, newest first, with date, time, PEF, FEV1, an editable note and a delete
// button. Notes are stored as they are typed and deletions after a question; a store that refuses
// either is told to the user. Rows can't be selected; a click on a title sorts by that column.
// By keyboard, the arrow keys move between cells, Tab leaves the table, and Space or Delete on a
// delete cell asks the same question as a click. Entered by keyboard, the table's current cell is
// the first reading's first cell unless it has one already, and a reader hears of that cell; after
// a deletion the current cell stays in its column, on the row that took the deleted one's place
// (the last row when the last was deleted), and a reader hears of it.
class TableController : public DataChildPage {
    Q_OBJECT

public:
    explicit TableController(QWidget* parent = nullptr);

    void willAppear() override;
    void onConditionChange() override;

    // Reads the readings afresh (newest first) and reports the largest PEF. With updateLimits
    // (after a deletion) and readings left, the date limits follow the dates of all of the user's
    // readings: a changed latest moves "limitTo" and "to", a changed earliest "limitFrom" and
    // "from", and filterWindowChanged() tells the page when "from" or "to" moved.
    void loadReadings(bool updateLimits);

    // The rows, in display order.
    const QList<PFMPtr>& pfmList() const;

    // A delete button pressed on the reading with that object identifier, in the row `tag`: asks,
    // as a sheet on the window, whether to delete it, naming its date, time and PEF; "No" is the
    // safe answer, "Yes" deletes that reading whatever the table shows by then. The console is
    // told the button's tag, the reading and the answer.
    void checkBoxActionWithButton(int tag, qint64 objectID);
    // The answer to that question (1000 yes). A deletion keeps the table's place (see above).
    void deleteReading(qint64 objectID, int response);
    // Stores the note field's whole text as the reading's note; the console is told the field's
    // tag, its text and the reading.
    void saveNote(qint64 objectID, const std::optional<QString>& text, QLineEdit* field);

    // A click on a column title: that column ascending, or the other way when it is sorted already.
    void sortByColumn(int column);

    QTableView* tableView = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void filterWindowChanged();

private:
    bool followReadingLimits(const ProfilePtr& profile, const QList<PFMPtr>& shown);
    void enterTable(Qt::FocusReason reason);
    void keepPlace(int row, int column);
    void tellCurrentCellLater();
    int rowOf(qint64 objectID) const;
    void reportStoreFailure(const StoreError& error);
    QString readingText(qint64 objectID) const;
    static QString answerText(int response);

    ReadingsTableModel* model = nullptr;
    DeleteButtonDelegate* deleteButtons = nullptr;
    int sortedColumn = -1;
    Qt::SortOrder sortOrder = Qt::AscendingOrder;
};
