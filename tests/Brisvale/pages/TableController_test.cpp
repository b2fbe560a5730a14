#include "Brisvale/pages/TableController.h"

#include "Brisvale/pages/DataController.h"
#include "Brisvale/pages/ReadingsTableModel.h"
#include "Brisvale/platform/AlertScript.h"
#include "Brisvale/platform/DialogueButtons.h"
#include "Brisvale/platform/Localization.h"
#include "Brisvale/platform/TextFieldAccessible.h"
#include "Brisvale/records/BackupDocument.h"
#include "Brisvale/records/PeakFlowMath.h"
#include "Brisvale/reports/BackupProcess.h"

#include "Brisvale/pages/PagesTestSupport.h"
#include "support/ReaderEvents.h"

#include <QAccessible>
#include <QApplication>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <functional>

namespace {

// The Data page on its table tab, on screen (offscreen), as the user sees it.
class TableTest : public PagesTest {
protected:
    void showPage()
    {
        page = std::make_unique<DataController>();
        page->resize(1000, 700);
        page->willAppear();
        page->show();
    }

    TableController& table() const { return *page->tableView; }
    QTableView& view() const { return *table().tableView; }

    QString cell(int row, int column) const
    {
        return view().model()->index(row, column).data().toString();
    }

    QList<QDateTime> rowMoments() const
    {
        QList<QDateTime> moments;
        for (const PFMPtr& reading : table().pfmList()) {
            moments << reading->measureDate->toDateTime();
        }
        return moments;
    }

    int rowOf(const QDateTime& moment) const { return int(rowMoments().indexOf(moment)); }

    void pressDelete(int row) const
    {
        const QModelIndex index = view().model()->index(row, ReadingsTableModel::DeleteBtnColumn);
        view().scrollTo(index);
        QTest::mouseClick(view().viewport(), Qt::LeftButton, {}, view().visualRect(index).center());
    }

    QLineEdit* openNote(int row) const
    {
        view().edit(view().model()->index(row, ReadingsTableModel::NotesColumn));
        return view().findChild<QLineEdit*>(QStringLiteral("textfieldcell"));
    }

    // The page shown in its own active window, the focus on its first date picker.
    void showActivePage()
    {
        showPage();
        page->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(page.get()));
        page->FromDatePicker->setFocus();
    }

    // The cells a reader was told have the focus, by their names (not the table's own).
    QStringList heardCells(const ReaderEvents& reader) const
    {
        QStringList heard;
        for (const ReaderEvents::Event& event : reader.ofType(QAccessible::Focus)) {
            if (event.object == &view() && event.name != view().accessibleName()) {
                heard << event.name;
            }
        }
        return heard;
    }

    AlertScript script;
    std::unique_ptr<DataController> page;
};

const QDateTime first = QDateTime(QDate(2026, 2, 1), QTime(20, 0));
const QDateTime second = QDateTime(QDate(2026, 3, 4), QTime(9, 0));
const QDateTime third = QDateTime(QDate(2026, 3, 5), QTime(7, 0));
const QDateTime last = QDateTime(QDate(2026, 3, 9), QTime(8, 0));

}

TEST_F(TableTest, RowsShowTheReadingsNewestFirstInTheProfilesFormats)
{
    showPage();
    EXPECT_EQ(view().model()->rowCount(), 0) << "no current user";
    EXPECT_EQ(page->MaxValue->text(), QStringLiteral("0"));
    EXPECT_FALSE(page->DownloadBtn->isEnabled());

    storeUser({{at(3, 1, 15, 5), 450, 3.0f}, {at(3, 2, 9), 380, 2.456f, QStringLiteral("after a run")}});
    showPage();
    const QStringList newest{"2026/03/02", "AM 09:00", "380", "2.46", "after a run", ""};
    const QStringList older{"2026/03/01", "PM 03:05", "450", "3.00", "", ""};
    for (int column = 0; column < ReadingsTableModel::ColumnCount; ++column) {
        EXPECT_EQ(cell(0, column), newest[column]);
        EXPECT_EQ(cell(1, column), older[column]);
    }
    EXPECT_EQ(page->MaxValue->text(), QStringLiteral("450"));
    EXPECT_TRUE(page->DownloadBtn->isEnabled());
    EXPECT_EQ(view().model()->headerData(4, Qt::Horizontal), Localization::text(QStringLiteral("TableController_Notes")));
    EXPECT_EQ(view().model()->headerData(5, Qt::Horizontal), QString());
}

TEST_F(TableTest, NoteEditsAreStoredAtEveryKeystrokeAndNotWhenTheFieldIsFilled)
{
    storeUser({{at(3, 2, 9), 380, 2.5f, QStringLiteral("run")}});
    showPage();
    QLineEdit* field = openNote(0);
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->text(), QStringLiteral("run"));
    const PFMPtr reading = table().pfmList().first();

    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClick(field, Qt::Key_S);
    EXPECT_EQ(reading->note, QStringLiteral("runs"));
    EXPECT_FALSE(viewContext().hasChanges());
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);

    closeViewContext();
    const ProfilePtr profile = viewContext().fetchProfile(QStringLiteral("ann@example.com")).value();
    EXPECT_EQ(viewContext().pfmInfo(profile).value().first()->note, QString()) << "empty, not absent";
}

// A note given by a dictation tool or an on-screen keyboard, through a reader's interface, was
// shown and never stored. Each edit is stored as a typed one is, read back from the store.
TEST_F(TableTest, ANoteEditedThroughAReaderIsStored)
{
    TextFieldAccessible::install();
    storeUser({{at(3, 2, 9), 380, 2.5f, QStringLiteral("run")}});
    showPage();
    QLineEdit* field = openNote(0);
    ASSERT_NE(field, nullptr);
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(field);
    QAccessibleEditableTextInterface* editable = reader->editableTextInterface();
    ASSERT_NE(editable, nullptr);
    const struct {
        const char* name;
        std::function<void()> edit;
        const char* stored;
    } cases[] = {
        {"inserted", [&] { editable->insertText(3, QStringLiteral(" 2 puffs")); }, "run 2 puffs"},
        {"deleted", [&] { editable->deleteText(0, 4); }, "2 puffs"},
        {"replaced", [&] { editable->replaceText(0, 1, QStringLiteral("3")); }, "3 puffs"},
        {"set whole", [&] { reader->setText(QAccessible::Value, QStringLiteral("cold air")); }, "cold air"},
        {"emptied", [&] { reader->setText(QAccessible::Value, QString()); }, ""},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        test.edit();
        EXPECT_EQ(field->text(), QString::fromUtf8(test.stored));
        EXPECT_FALSE(viewContext().hasChanges());
        const QVariant stored = rawQuery(QStringLiteral("SELECT note FROM PFM"));
        EXPECT_FALSE(stored.isNull()) << "empty, not absent";
        EXPECT_EQ(stored.toString(), QString::fromUtf8(test.stored));
    }
}

// A backup sets no limit on a note's length; the field once showed such a note cut to 32,767
// characters, and the next keystroke stored the cut text.
TEST_F(TableTest, AMegabyteNoteFromABackupIsEditedByOneCharacterAndKeepsTheRest)
{
    const ProfilePtr profile = storeUser({});
    QString note;
    for (int i = 0; note.size() < 1024 * 1024; ++i) {
        note += QStringLiteral("%1 puffs, better; ").arg(i);
    }
    Decode_Profile record = BackupProcess::backupRecord(profile).value();
    record.birthday = Timestamp{0.0}; // a backup's profile always has one
    record.pfmInfo << Decode_PFM{2.5f, Timestamp::fromDateTime(at(3, 2, 9)), note, 380};
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("notes.bak"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(BackupDocument::write({record}).value());
    file.close();
    script.answerPath(path);
    script.answer(Alert::firstButton);
    ASSERT_TRUE(BackupProcess::importStore(nullptr));

    showPage();
    QLineEdit* field = openNote(0);
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->text().size(), note.size());
    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClick(field, Qt::Key_Backspace);

    closeViewContext();
    const ProfilePtr stored = viewContext().fetchProfile(QStringLiteral("ann@example.com")).value();
    const QString kept = viewContext().pfmInfo(stored).value().first()->note.value_or(QString());
    EXPECT_EQ(kept.size(), note.size() - 1);
    EXPECT_TRUE(kept == note.chopped(1)) << "the stored note differs from the imported one less its last character";
}

TEST_F(TableTest, ADeletionMovesOnlyTheLimitsThatAllOfTheUsersReadingsMove)
{
    const struct {
        const char* name;
        std::optional<std::pair<QDateTime, QDateTime>> window; // none: "ALL"
        QDateTime deleted;
        QDateTime limitFrom, limitTo, from, to;
    } cases[] = {
        {"newest", std::nullopt, last, first, third, first, third},
        {"oldest", std::nullopt, first, second, last, second, last},
        {"between", std::nullopt, second, first, last, first, last},
        {"newest shown, not the user's newest", std::pair{second, third}, third, first, last, second, third},
        {"the only one shown", std::pair{second, second}, second, first, last, second, second},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        closeViewContext();
        TestEnvironment::clearUserFolders();
        storeUser({{first}, {second}, {third}, {last}});
        if (test.window) {
            UserDefaultHelper::setFrom(test.window->first);
            UserDefaultHelper::setTo(test.window->second);
            UserDefaultHelper::setDate(std::nullopt);
        }
        showPage();
        pressDelete(rowOf(test.deleted));
        script.answerSheet(Alert::firstButton);

        EXPECT_FALSE(rowMoments().contains(test.deleted));
        EXPECT_EQ(UserDefaultHelper::limitFrom(), test.limitFrom);
        EXPECT_EQ(UserDefaultHelper::limitTo(), test.limitTo);
        EXPECT_EQ(UserDefaultHelper::from(), test.from);
        EXPECT_EQ(UserDefaultHelper::to(), test.to);
        // The page's pickers follow the stored window.
        EXPECT_EQ(page->FromDatePicker->date(), test.from.date());
        EXPECT_EQ(page->ToDatePicker->date(), test.to.date());
    }
}

TEST_F(TableTest, TheQuestionDeletesTheReadingWhoseButtonWasPressedEvenAfterAReload)
{
    const ProfilePtr profile = storeUser({{second}, {last}});
    showPage();
    pressDelete(0);
    ASSERT_EQ(script.shown().size(), 1);
    EXPECT_EQ(script.last().alert.message, Localization::text(QStringLiteral("TableController_AlertMessage_AskDelete")));
    EXPECT_EQ(script.last().alert.symbol, AlertSymbol::exclamationmark);
    EXPECT_EQ(script.last().alert.buttons, DialogueButtons::yesNo());
    // "No" is the safe answer; the question names the reading.
    EXPECT_EQ(script.last().alert.safeButton, Alert::secondButton);
    EXPECT_EQ(script.last().alert.detail, QStringLiteral("2026/03/09 AM 08:00, PEF 400 l/min"));
    script.answerSheet(Alert::secondButton);
    EXPECT_EQ(rowMoments(), (QList<QDateTime>{last, second}));

    pressDelete(0);
    addReading(profile, {at(3, 10, 8)});
    ASSERT_TRUE(viewContext().save().ok());
    UserDefaultHelper::setTo(at(3, 10, 8));
    table().loadReadings(false);
    ASSERT_EQ(rowMoments().first(), at(3, 10, 8));
    script.answerSheet(Alert::firstButton);
    EXPECT_EQ(rowMoments(), (QList<QDateTime>{at(3, 10, 8), second}));
}

TEST_F(TableTest, TheConsoleIsToldOfEachDeleteQuestionItsAnswerAndEachNoteEdit)
{
    storeUser({{second}, {last}});
    showPage();
    const QString secondID = QString::number(table().pfmList().at(1)->objectID());
    const QString lastID = QString::number(table().pfmList().at(0)->objectID());
    lines.clear();

    pressDelete(1);
    script.answerSheet(Alert::secondButton);
    QLineEdit* field = openNote(0);
    ASSERT_NE(field, nullptr);
    QTest::keyClicks(field, QStringLiteral("a b"));

    EXPECT_EQ(lines, (QStringList{QStringLiteral("delete Btn : 1"), QStringLiteral("email : ") + secondID,
                                  QStringLiteral("No"), QStringLiteral("0 a ") + lastID,
                                  QStringLiteral("0 a  ") + lastID, QStringLiteral("0 a b ") + lastID}));
}

TEST_F(TableTest, ARefusedNoteOrDeletionIsToldOnceAndKeepsWhatTheUserSees)
{
    storeUser({{second}, {last}});
    showPage();
    rawQuery(QStringLiteral("CREATE TRIGGER refuseNotes BEFORE UPDATE ON PFM BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    QLineEdit* field = openNote(0);
    ASSERT_NE(field, nullptr);
    lines.clear();
    QTest::keyClicks(field, QStringLiteral("ab"));
    EXPECT_EQ(lines.count(QStringLiteral("Error")), 2);
    ASSERT_EQ(script.shown().size(), 1);
    EXPECT_EQ(script.last().kind, Presentation::Kind::sheet);
    EXPECT_EQ(script.last().alert.symbol, AlertSymbol::xmark);
    EXPECT_TRUE(script.last().alert.message.startsWith(Localization::text(QStringLiteral("AppDelegate_AlertMessage_SaveFailed"))));
    EXPECT_EQ(field->text(), QStringLiteral("ab"));
    EXPECT_EQ(table().pfmList().first()->note, std::nullopt);
    script.answerSheet(Alert::firstButton);

    rawQuery(QStringLiteral("CREATE TRIGGER refuseDeletions BEFORE DELETE ON PFM BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    pressDelete(1);
    script.answerSheet(Alert::firstButton);
    EXPECT_EQ(lines.count(QStringLiteral("Error")), 3);
    EXPECT_EQ(script.shown().size(), 3);
    EXPECT_EQ(script.last().alert.symbol, AlertSymbol::xmark);
    EXPECT_EQ(rowMoments(), (QList<QDateTime>{last, second}));
    EXPECT_EQ(UserDefaultHelper::limitFrom(), second);
}

TEST_F(TableTest, ATitleClickSortsTheReadingsAndAReloadReturnsToNewestFirst)
{
    const QDateTime a = at(3, 1, 8), b = at(3, 2, 8), c = at(3, 3, 8);
    storeUser({{a, 500, 2.0f, QStringLiteral("b")}, {b, 300, 3.0f, QStringLiteral("a")}, {c, 400, 1.0f}});
    showPage();
    const struct {
        int column;
        QList<QDateTime> order;
    } clicks[] = {
        {ReadingsTableModel::DateColumn, {a, b, c}},   {ReadingsTableModel::DateColumn, {c, b, a}},
        {ReadingsTableModel::TimeColumn, {a, b, c}},   {ReadingsTableModel::PEFColumn, {b, c, a}},
        {ReadingsTableModel::PEFColumn, {a, c, b}},    {ReadingsTableModel::FEV1Column, {c, a, b}},
        {ReadingsTableModel::NotesColumn, {c, b, a}},  {ReadingsTableModel::DeleteBtnColumn, {c, b, a}},
    };
    for (const auto& click : clicks) {
        SCOPED_TRACE(click.column);
        emit view().horizontalHeader()->sectionClicked(click.column);
        EXPECT_EQ(rowMoments(), click.order);
    }
    emit view().horizontalHeader()->sectionClicked(ReadingsTableModel::PEFColumn);
    table().onConditionChange();
    EXPECT_EQ(rowMoments(), (QList<QDateTime>{c, b, a}));
}

TEST_F(TableTest, SpaceOrDeleteOnTheDeleteCellAsksTheMouseQuestionAndOtherKeysDoNot)
{
    const struct {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int column;
        bool asks;
    } cases[] = {
        {"space", Qt::Key_Space, Qt::NoModifier, ReadingsTableModel::DeleteBtnColumn, true},
        {"delete", Qt::Key_Delete, Qt::NoModifier, ReadingsTableModel::DeleteBtnColumn, true},
        {"a letter", Qt::Key_X, Qt::NoModifier, ReadingsTableModel::DeleteBtnColumn, false},
        {"control space", Qt::Key_Space, Qt::ControlModifier, ReadingsTableModel::DeleteBtnColumn, false},
        {"delete on the PEF cell", Qt::Key_Delete, Qt::NoModifier, ReadingsTableModel::PEFColumn, false},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        closeViewContext();
        TestEnvironment::clearUserFolders();
        storeUser({{second}, {last}});
        showPage();
        view().setFocus();
        view().setCurrentIndex(view().model()->index(1, test.column));
        const qsizetype before = script.shown().size();
        lines.clear();
        QTest::keyClick(&view(), test.key, test.modifiers);
        if (!test.asks) {
            EXPECT_EQ(script.shown().size(), before);
            EXPECT_EQ(rowMoments(), (QList<QDateTime>{last, second}));
            continue;
        }
        ASSERT_EQ(script.shown().size(), before + 1);
        EXPECT_EQ(script.last().kind, Presentation::Kind::sheet);
        EXPECT_EQ(script.last().alert.message, Localization::text(QStringLiteral("TableController_AlertMessage_AskDelete")));
        EXPECT_EQ(script.last().alert.buttons, DialogueButtons::yesNo());
        EXPECT_EQ(lines.value(0), QStringLiteral("delete Btn : 1"));
        script.answerSheet(Alert::firstButton);
        EXPECT_EQ(rowMoments(), (QList<QDateTime>{last}));
    }
}

TEST_F(TableTest, TabLeavesTheTableAndTheArrowKeysMoveBetweenItsCells)
{
    storeUser({{second}, {last}});
    showPage();
    page->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(page.get()));
    view().setFocus();
    view().setCurrentIndex(view().model()->index(0, ReadingsTableModel::PEFColumn));

    QTest::keyClick(&view(), Qt::Key_Right);
    EXPECT_EQ(view().currentIndex().column(), ReadingsTableModel::FEV1Column);
    QTest::keyClick(&view(), Qt::Key_Down);
    EXPECT_EQ(view().currentIndex().row(), 1);
    // The arrows pass over the note cell: no field opens there to take them.
    QTest::keyClick(&view(), Qt::Key_Right);
    EXPECT_EQ(view().currentIndex().column(), ReadingsTableModel::NotesColumn);
    QTest::keyClick(&view(), Qt::Key_Right);
    EXPECT_EQ(view().currentIndex().column(), ReadingsTableModel::DeleteBtnColumn);
    QTest::keyClick(&view(), Qt::Key_Tab);
    EXPECT_FALSE(view().hasFocus());
    EXPECT_FALSE(view().isAncestorOf(QApplication::focusWidget()));
}

TEST_F(TableTest, TheTableItsDeleteCellsAndItsNoteFieldAreNamedForAReader)
{
    storeUser({{second}});
    showPage();
    const QString name = Localization::text(QStringLiteral("TableController_DeleteReading"));
    const QModelIndex deleteCell = view().model()->index(0, ReadingsTableModel::DeleteBtnColumn);
    EXPECT_EQ(deleteCell.data(Qt::ToolTipRole).toString(), name);

    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&view());
    ASSERT_NE(table, nullptr);
    ASSERT_NE(table->tableInterface(), nullptr);
    QAccessibleInterface* cell = table->tableInterface()->cellAt(0, ReadingsTableModel::DeleteBtnColumn);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Name), name);
    QAccessibleInterface* pefCell = table->tableInterface()->cellAt(0, ReadingsTableModel::PEFColumn);
    ASSERT_NE(pefCell, nullptr);
    EXPECT_EQ(pefCell->text(QAccessible::Name), QStringLiteral("400"));
    EXPECT_EQ(table->text(QAccessible::Name), Localization::text(QStringLiteral("DataController_Tab_Table")));
    QLineEdit* note = openNote(0);
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(note)->text(QAccessible::Name),
              Localization::text(QStringLiteral("TableController_Notes")));
}

// A key typed on a note cell opens the note with that key, and every keystroke is stored: Escape
// puts back the note the field opened with, absent or not. Once stored " " for a Space.
TEST_F(TableTest, EscapeAfterAnEditPutsBackTheNoteTheFieldOpenedWith)
{
    const struct {
        const char* name;
        std::optional<QString> note;
        QList<Qt::Key> keys;
    } cases[] = {
        {"absent, Space", std::nullopt, {Qt::Key_Space}},
        {"absent, typed and erased", std::nullopt, {Qt::Key_A, Qt::Key_Backspace}},
        {"a note, typed", QStringLiteral("run"), {Qt::Key_S, Qt::Key_S}},
        {"a note, nothing typed", QStringLiteral("run"), {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        closeViewContext();
        TestEnvironment::clearUserFolders();
        storeUser({{second, 380, 2.5f, c.note}});
        showPage();
        page->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(page.get()));
        view().setFocus();
        view().setCurrentIndex(view().model()->index(0, ReadingsTableModel::NotesColumn));
        for (const Qt::Key key : c.keys) {
            QTest::keyClick(QApplication::focusWidget(), key);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);

        closeViewContext();
        const ProfilePtr profile = viewContext().fetchProfile(QStringLiteral("ann@example.com")).value();
        EXPECT_EQ(viewContext().pfmInfo(profile).value().first()->note, c.note);
    }
}

// A reader hears a PEF cell with the reading's zone under the profile's plan, which no column
// shows; the value alone while the profile has no best value. The zones' edges are the chart's.
TEST_F(TableTest, APEFCellTellsAReaderItsZone)
{
    const struct {
        qint32 best;
        PeakFlowMath::ZonePlan plan;
        qint32 pef;
        const char* spoken;
    } cases[] = {
        {500, PeakFlowMath::ZonePlan::eightySixty, 299, "299, red zone"},
        {500, PeakFlowMath::ZonePlan::eightyFifty, 299, "299, yellow zone"},
        {0, PeakFlowMath::ZonePlan::eightySixty, 299, "299"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.spoken);
        closeViewContext();
        TestEnvironment::clearUserFolders();
        const ProfilePtr profile = storeUser({{at(3, 2, 9), test.pef, 2.5f}});
        profile->best_Value = test.best;
        profile->zone_Plan = static_cast<int>(test.plan);
        ASSERT_TRUE(viewContext().save().ok());
        showPage();
        const QModelIndex pef = view().model()->index(0, ReadingsTableModel::PEFColumn);
        QAccessibleInterface* element =
            QAccessible::queryAccessibleInterface(&view())->tableInterface()->cellAt(0, pef.column());
        EXPECT_EQ(element->text(QAccessible::Name), QLatin1String(test.spoken));
        EXPECT_EQ(cell(0, ReadingsTableModel::PEFColumn), QString::number(test.pef)) << "as shown";
    }
}

// Entered by keyboard, the table's current cell is the first reading's first cell unless it has
// one, and a reader is told of that cell: it heard of the table alone, and the first Down went to
// the second reading.
TEST_F(TableTest, EnteringTheTableByKeyboardTellsAReaderItsCurrentCell)
{
    const struct {
        const char* name;
        QList<Reading> readings;
        Qt::FocusReason reason;
        std::optional<std::pair<int, int>> before; // the current cell before, if any
        std::optional<std::pair<int, int>> current;
        QStringList heard;
    } cases[] = {
        {"Tab", {{second}, {last, 380}}, Qt::TabFocusReason, std::nullopt,
         std::pair{0, int(ReadingsTableModel::DateColumn)}, {"2026/03/09"}},
        {"Shift+Tab", {{second}, {last, 380}}, Qt::BacktabFocusReason, std::nullopt,
         std::pair{0, int(ReadingsTableModel::DateColumn)}, {"2026/03/09"}},
        {"back to its cell", {{second}, {last, 380}}, Qt::TabFocusReason,
         std::pair{1, int(ReadingsTableModel::PEFColumn)}, std::pair{1, int(ReadingsTableModel::PEFColumn)}, {"400"}},
        {"no readings", {}, Qt::TabFocusReason, std::nullopt, std::nullopt, {}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        closeViewContext();
        TestEnvironment::clearUserFolders();
        storeUser(test.readings);
        showActivePage();
        if (test.before) {
            view().setCurrentIndex(view().model()->index(test.before->first, test.before->second));
        }
        ReaderEvents reader;
        view().setFocus(test.reason);
        QCoreApplication::sendPostedEvents();
        const QModelIndex current = view().currentIndex();
        EXPECT_EQ(current.isValid() ? std::optional(std::pair{current.row(), current.column()}) : std::nullopt,
                  test.current);
        EXPECT_EQ(heardCells(reader), test.heard);
    }
}

// After a deletion the current cell stays in its column, on the row that took the deleted one's
// place (the last row when the last was deleted), and a reader is told of it as the answered
// question gives the table back the focus: the table fell back to no current cell, and a reader
// heard of the table alone.
TEST_F(TableTest, ADeletionKeepsThePlaceOnTheRowThatTookTheDeletedOnesPlace)
{
    const struct {
        const char* name;
        int deleted;
        int row;
        QDateTime shownThere;
    } cases[] = {
        {"the first row", 0, 0, third},
        {"a middle row", 1, 1, second},
        {"the last row", 2, 1, third},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        closeViewContext();
        TestEnvironment::clearUserFolders();
        storeUser({{second}, {third}, {last}});
        showActivePage();
        view().setFocus(Qt::TabFocusReason);
        view().setCurrentIndex(view().model()->index(test.deleted, ReadingsTableModel::DeleteBtnColumn));
        QCoreApplication::sendPostedEvents();
        QTest::keyClick(&view(), Qt::Key_Space);
        // The question's sheet holds the focus while it is shown.
        page->FromDatePicker->setFocus();
        script.answerSheet(Alert::firstButton);
        // A reader attached has Qt make the table's cells anew as it reloads.
        QAccessibleTableModelChangeEvent reload(&view(), QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::queryAccessibleInterface(&view())->tableInterface()->modelChange(&reload);
        ReaderEvents reader;
        view().setFocus(Qt::ActiveWindowFocusReason);
        QCoreApplication::sendPostedEvents();

        ASSERT_EQ(table().pfmList().size(), 2);
        EXPECT_EQ(view().currentIndex().row(), test.row);
        EXPECT_EQ(view().currentIndex().column(), ReadingsTableModel::DeleteBtnColumn);
        EXPECT_EQ(rowMoments().value(test.row), test.shownThere);
        EXPECT_EQ(heardCells(reader), QStringList{Localization::text(QStringLiteral("TableController_DeleteReading"))});
    }
}

// Every column's title names it for a reader; the delete column, which shows none, is "Delete".
TEST_F(TableTest, EveryColumnIsNamedForAReaderByItsTitle)
{
    storeUser({{second}});
    showPage();
    const struct {
        int column;
        const char* name;
    } cases[] = {
        {ReadingsTableModel::DateColumn, "Date"}, {ReadingsTableModel::TimeColumn, "Time"},
        {ReadingsTableModel::PEFColumn, "PEF"},   {ReadingsTableModel::FEV1Column, "FEV1"},
        {ReadingsTableModel::NotesColumn, "Notes"}, {ReadingsTableModel::DeleteBtnColumn, "Delete"},
    };
    QAccessibleInterface* element = QAccessible::queryAccessibleInterface(&view());
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        QAccessibleTableCellInterface* cell = element->tableInterface()->cellAt(0, test.column)->tableCellInterface();
        ASSERT_NE(cell, nullptr);
        const QList<QAccessibleInterface*> headers = cell->columnHeaderCells();
        // Qt hands the header cells over unregistered, as a reader's bridge registers them.
        for (QAccessibleInterface* header : headers) {
            QAccessible::registerAccessibleInterface(header);
        }
        ASSERT_EQ(headers.size(), 1);
        EXPECT_EQ(headers.first()->text(QAccessible::Name), QLatin1String(test.name));
    }
}
