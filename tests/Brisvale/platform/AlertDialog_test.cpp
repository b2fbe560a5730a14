#include "Brisvale/platform/AlertDialog.h"

#include "Brisvale/platform/AlertPresenter.h"
#include "Brisvale/platform/AppClock.h"
#include "Brisvale/platform/ButtonKeys.h"
#include "Brisvale/platform/Look.h"
#include "Brisvale/platform/PopoverPresenter.h"
#include "Brisvale/platform/SelectableText.h"

#include "support/EventWait.h"
#include "support/KeyStrokes.h"
#include "support/QtPrinters.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <functional>

// The windows a person sees when no script answers: built, shown offscreen and clicked here.

namespace {

const Alert clockAlert{QStringLiteral("The meter's clock is off."), AlertSymbol::checkmark,
                       {QStringLiteral("Set clock and erase"), QStringLiteral("Set clock only"),
                        QStringLiteral("Not now")},
                       Alert::thirdButton};

// Runs the action on the modal window once the event loop of a modal call is running.
void whenModal(std::function<void(QWidget*)> action)
{
    QTimer::singleShot(0, [action] { action(QApplication::activeModalWidget()); });
}

QList<AlertDialog*> openDialogs(QWidget& window)
{
    QList<AlertDialog*> shown;
    for (AlertDialog* dialog : window.findChildren<AlertDialog*>()) {
        if (dialog->isVisible()) {
            shown << dialog;
        }
    }
    return shown;
}

}

TEST(AlertDialog, IsAWhiteUntitledWindowWithTheSymbolAndTheButtonsBottomRight)
{
    AlertDialog dialog(clockAlert, nullptr);
    dialog.show();
    dialog.layout()->activate();
    EXPECT_TRUE(dialog.windowTitle().isEmpty());
    EXPECT_EQ(dialog.palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_TRUE(dialog.autoFillBackground());
    EXPECT_EQ(dialog.messageLabel()->text(), clockAlert.message);
    ASSERT_NE(dialog.iconLabel(), nullptr);
    EXPECT_EQ(dialog.iconLabel()->pixmap().deviceIndependentSize(), QSizeF(48, 48));

    QPushButton* first = dialog.button(1000);
    QPushButton* second = dialog.button(1001);
    QPushButton* third = dialog.button(1002);
    ASSERT_TRUE(first && second && third);
    EXPECT_EQ(dialog.button(1003), nullptr);
    EXPECT_EQ(dialog.button(999), nullptr);
    EXPECT_EQ(first->text(), QStringLiteral("Set clock and erase"));
    // The first button stands rightmost; the safe one is drawn in the accent colour.
    EXPECT_GT(first->x(), second->x());
    EXPECT_GT(second->x(), third->x());
    EXPECT_GT(first->y(), dialog.messageLabel()->y());
    EXPECT_NEAR(first->geometry().right(), dialog.width() - 20, 2);
    EXPECT_EQ(third->grab().toImage().pixelColor(third->width() / 2, 3), Look::accent());
    EXPECT_EQ(dialog.detailLabel(), nullptr);
}

TEST(AlertDialog, AnAlertWithoutSymbolHasNoIconAndTheDefaultOK)
{
    AlertDialog dialog(Alert{QStringLiteral("The backup could not be imported."), AlertSymbol::none, {}},
                       nullptr);
    EXPECT_EQ(dialog.iconLabel(), nullptr);
    ASSERT_NE(dialog.button(1000), nullptr);
    EXPECT_EQ(dialog.button(1000)->text(), QStringLiteral("OK"));
    EXPECT_EQ(dialog.button(1001), nullptr);
}

// A word wider than the alert (a path, the e-mail address of a profile) breaks within itself,
// every letter shown, so the alert keeps the width the screen holds; every text is shown, selected
// by mouse, copied and read by a reader as it is, nothing added to it.
TEST(AlertDialog, ALongWordBreaksWithinItselfAndTheTextIsSelectedAsItIs)
{
    const QString save = QStringLiteral("Save the changes to the profile %1?");
    const QString messages[] = {
        save.arg(QStringLiteral("ann@x")),
        QStringLiteral("The store /home/annabelle/.local/share/Brisvale/Brisvale/store.sqlite could not be opened."),
        save.arg(QString(242, QLatin1Char('a')) + QStringLiteral("@example.com")),
    };
    for (const QString& message : messages) {
        SCOPED_TRACE(message.size());
        AlertDialog dialog(Alert{message, AlertSymbol::checkmark, {}}, nullptr);
        dialog.show();
        dialog.layout()->activate();
        EXPECT_LE(dialog.minimumSizeHint().width(), QApplication::primaryScreen()->availableGeometry().width());
        SelectableText& text = *dialog.messageLabel();
        EXPECT_EQ(text.width(), AlertDialog::textWidth);
        EXPECT_LE(text.document()->idealWidth(), text.viewport()->width());
        EXPECT_GE(text.viewport()->height(), text.heightForWidth(text.width()));
        QWidget& shown = *text.viewport();
        QTest::mousePress(&shown, Qt::LeftButton, {}, QPoint(0, 1));
        QTest::mouseMove(&shown, QPoint(shown.width() - 1, shown.height() - 1));
        QTest::mouseRelease(&shown, Qt::LeftButton, {}, QPoint(shown.width() - 1, shown.height() - 1));
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(&text);
        // Compared without printing: a failure would print the whole text.
        EXPECT_TRUE(text.text() == message);
        EXPECT_TRUE(text.textCursor().selectedText() == message);
        EXPECT_EQ(reader->role(), QAccessible::StaticText);
        EXPECT_TRUE(reader->text(QAccessible::Name) == message);
    }
}

TEST(AlertDialog, TheDetailStandsUnderTheMessageAndIsReadWithIt)
{
    Alert alert = Alert::question(QStringLiteral("Delete this reading?"), AlertSymbol::exclamationmark);
    alert.detail = QStringLiteral("2026/03/09 <b>AM</b> 08:00, PEF 400 l/min");
    AlertDialog dialog(alert, nullptr);
    dialog.show();
    ASSERT_NE(dialog.detailLabel(), nullptr);
    EXPECT_EQ(dialog.detailLabel()->text(), alert.detail);
    EXPECT_GT(dialog.detailLabel()->y(), dialog.messageLabel()->y());
    EXPECT_LT(dialog.detailLabel()->y(), dialog.button(Alert::firstButton)->y());
    EXPECT_EQ(dialog.accessibleName(), alert.message);
}

// A reader meets the detail once, as the text under the message: the readings table's delete
// question was heard with its reading twice, the alert's description repeating the label.
TEST(AlertDialog, AReaderMeetsTheDetailOnce)
{
    const struct {
        const char* message;
        const char* detail;
    } cases[] = {
        {"Delete this reading?", "2026/03/09 AM 08:00, PEF 400 l/min"},
        {"The report was saved.", "report.pdf\n/tmp/reports"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.message);
        Alert alert{QLatin1String(test.message), AlertSymbol::exclamationmark, {}};
        alert.detail = QLatin1String(test.detail);
        AlertDialog dialog(alert, nullptr);
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(&dialog);
        QStringList heard{reader->text(QAccessible::Name), reader->text(QAccessible::Description)};
        for (int i = 0; i < reader->childCount(); ++i) {
            heard << reader->child(i)->text(QAccessible::Name);
        }
        EXPECT_EQ(heard.count(alert.detail), 1) << heard.join(QLatin1Char('|')).toStdString();
    }
}

TEST(AlertDialog, LongTitlesStandInAColumnWithTheFirstOnTop)
{
    Alert alert = clockAlert;
    alert.buttons[0] = QStringLiteral("Set clock and erase the meter's readings without downloading them");
    alert.buttons[1] = QStringLiteral("Set the clock only and keep every reading in the meter");
    AlertDialog dialog(alert, nullptr);
    dialog.show();
    EXPECT_LT(dialog.button(1000)->y(), dialog.button(1001)->y());
    EXPECT_LT(dialog.button(1001)->y(), dialog.button(1002)->y());
    EXPECT_EQ(dialog.button(1000)->width(), dialog.button(1002)->width());
    // Nothing is cut: each button is as wide as its title needs.
    EXPECT_GE(dialog.button(1000)->width(), dialog.button(1000)->sizeHint().width());
}

// The safe button is the default one, in the accent colour, and has the focus: Escape, Space and
// Return answer with it. Closing the window answers nothing.
TEST(AlertDialog, TheKeysOfAFreshAlertAnswerWithItsSafeButton)
{
    const Alert& clockQuestion = clockAlert;
    const Alert deleteQuestion = Alert::question(QStringLiteral("Delete this reading?"), AlertSymbol::exclamationmark);
    const Alert message{QStringLiteral("The backup was saved."), AlertSymbol::checkmark, {}};
    const struct {
        const char* name;
        const Alert& alert;
        Qt::Key key;
    } cases[] = {
        {"clock question, Escape", clockQuestion, Qt::Key_Escape},
        {"clock question, Space", clockQuestion, Qt::Key_Space},
        {"clock question, Return", clockQuestion, Qt::Key_Return},
        {"delete question, Escape", deleteQuestion, Qt::Key_Escape},
        {"message, Escape", message, Qt::Key_Escape},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        AlertDialog dialog(test.alert, nullptr);
        int result = -1;
        QObject::connect(&dialog, &QDialog::finished, [&](int code) { result = code; });
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QPushButton* safe = dialog.button(test.alert.safeButton);
        for (int response = Alert::firstButton; dialog.button(response); ++response) {
            QPushButton* button = dialog.button(response);
            EXPECT_EQ(button->isDefault(), button == safe) << response;
            EXPECT_EQ(button->styleSheet().contains(Look::accent().name()), button == safe) << response;
        }
        EXPECT_EQ(QApplication::focusWidget(), safe);
        dialog.close();
        EXPECT_TRUE(dialog.isVisible());
        QTest::keyClick(QApplication::focusWidget(), test.key);
        EXPECT_EQ(result, test.alert.safeButton);
        EXPECT_FALSE(dialog.isVisible());
    }
}

// A key that was down before a question opened answers nothing, neither its repeats, marked or
// not, nor its release (a Return held on the button that asked answered at once); a fresh key
// answers with the focused button as it is released.
TEST(AlertDialog, AKeyDownBeforeTheQuestionOpenedAnswersNothing)
{
    using enum KeyStrokes::Stroke;
    const Alert question = Alert::question(QStringLiteral("Send 480 to the meter?"), AlertSymbol::questionmark);
    const struct {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        KeyStrokes::Stroke repeats;
    } cases[] = {
        {"Return", Qt::Key_Return, Qt::NoModifier, repeat},
        {"Return, its repeats unmarked", Qt::Key_Return, Qt::NoModifier, unmarkedRepeat},
        {"Enter", Qt::Key_Enter, Qt::KeypadModifier, repeat},
        {"Space, its repeats unmarked", Qt::Key_Space, Qt::NoModifier, unmarkedRepeat},
    };
    AppClock::setNow(QDateTime(QDate(2026, 12, 10), QTime(9, 0), Qt::UTC));
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        AlertDialog dialog(question, nullptr);
        int result = -1;
        QObject::connect(&dialog, &QDialog::finished, [&](int code) { result = code; });
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        ASSERT_EQ(QApplication::focusWidget(), dialog.button(question.safeButton));
        const auto strike = [&test](const std::vector<KeyStrokes::Stroke>& strokes) {
            KeyStrokes::strike(test.key, test.modifiers, strokes);
            AppClock::advance(ButtonKeys::repeatWait);
        };
        strike({test.repeats, test.repeats, test.repeats, up});
        EXPECT_EQ(result, -1);
        strike({down, test.repeats});
        EXPECT_EQ(result, -1);
        strike({up});
        EXPECT_EQ(result, question.safeButton);
        EXPECT_FALSE(dialog.isVisible());
    }
    AppClock::reset();
}

TEST(AlertPresenterOnScreen, SheetsAreWindowModalAndShowOneAfterAnother)
{
    QWidget window;
    window.resize(400, 300);
    window.show();
    QList<int> responses;
    AlertPresenter::shared().beginSheet(&window, clockAlert, [&](int response) { responses << 10 + response; });
    AlertPresenter::shared().beginSheet(&window, Alert{QStringLiteral("second"), AlertSymbol::xmark, {}},
                                        [&](int response) { responses << 20 + response; });

    QList<AlertDialog*> shown = openDialogs(window);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0]->windowModality(), Qt::WindowModal);
    EXPECT_EQ(shown[0]->messageLabel()->text(), clockAlert.message);
    EXPECT_EQ(AlertPresenter::shared().sheetCount(&window), 2);

    shown[0]->button(1001)->click();
    EXPECT_EQ(responses, QList<int>{1011});
    shown = openDialogs(window);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0]->messageLabel()->text(), QStringLiteral("second"));

    shown[0]->button(1000)->click();
    EXPECT_EQ(responses, (QList<int>{1011, 1020}));
    EXPECT_TRUE(openDialogs(window).isEmpty());
    EXPECT_EQ(AlertPresenter::shared().sheetCount(&window), 0);
}

// A popover's alert is a sheet on the popover: answered by Escape, it leaves the popover with the
// focus, and the next Escape closes the popover.
TEST(AlertPresenterOnScreen, EscapeClosesAPopoverAfterItsAlert)
{
    QWidget window;
    window.resize(800, 600);
    auto* anchor = new QPushButton(QStringLiteral("Best value"), &window);
    window.show();
    auto* popover = new QWidget;
    auto* field = new QLineEdit(popover);
    const QPointer<QWidget> open(popover);
    PopoverPresenter::present(popover, anchor, PopoverPresenter::Edge::bottom);
    int response = 0;
    AlertPresenter::shared().beginSheet(field, Alert::question(QStringLiteral("Save 450?"), AlertSymbol::questionmark),
                                        [&](int answer) { response = answer; });
    const QList<AlertDialog*> alerts = popover->findChildren<AlertDialog*>();
    ASSERT_EQ(alerts.size(), 1);
    QApplication::setActiveWindow(alerts.front());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(response, Alert::secondButton);
    ASSERT_TRUE(waitUntil([&] { return QApplication::activeWindow() == popover; }));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(open.isNull());
}

TEST(AlertPresenterOnScreen, AnApplicationModalAlertBlocksAndReturnsTheButton)
{
    Qt::WindowModality modality = Qt::NonModal;
    whenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<AlertDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        modality = dialog->windowModality();
        dialog->button(1002)->click();
    });
    EXPECT_EQ(AlertPresenter::shared().runModal(clockAlert), 1002);
    EXPECT_EQ(modality, Qt::ApplicationModal);
}

// A sheet that deletes itself on close and alerts from its close path, as the choose-user sheet
// does when the meter answers that its memory is empty; or one closed while its own alert runs.
// Qt may run the sheet's deferred delete inside the alert's event loop (when the click that closed
// it was delivered deeper than that loop runs); here it runs while the alert waits, and must never
// take the alert with it.
TEST(AlertPresenterOnScreen, AnAlertStandsOnAWindowThatOutlivesIt)
{
    const struct {
        const char* name;
        bool closedBeforeTheAlert;
        bool sheetIsParent; // else the window that opened the sheet
    } cases[] = {
        {"closed, then alerting", true, false},
        {"closed while its alert runs: deleted once the alert is answered", false, true},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        QWidget window;
        window.show();
        auto* sheet = new QDialog(&window);
        sheet->setAttribute(Qt::WA_DeleteOnClose);
        const QPointer<QDialog> closing(sheet);
        sheet->show();
        QWidget* parent = nullptr;
        whenModal([&](QWidget* modal) {
            if (closing) {
                closing->close();
                QEvent deferredDelete(QEvent::DeferredDelete);
                QCoreApplication::sendEvent(closing, &deferredDelete);
            }
            parent = modal->parentWidget();
            qobject_cast<AlertDialog*>(modal)->button(Alert::firstButton)->click();
        });
        if (test.closedBeforeTheAlert) {
            sheet->done(QDialog::Accepted);
        }
        // The window system reports a change of active window later: until then a closed sheet
        // is still the active window.
        QApplication::setActiveWindow(sheet);
        EXPECT_EQ(AlertPresenter::shared().runModal(Alert{QStringLiteral("No readings."), AlertSymbol::none, {}}),
                  Alert::firstButton);
        EXPECT_EQ(parent, test.sheetIsParent ? static_cast<QWidget*>(sheet) : &window);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(closing.isNull());
    }
}

TEST(AlertPresenterOnScreen, TheFolderPanelChoosesFoldersOnly)
{
    QTemporaryDir folder;
    QFileDialog::FileMode mode = QFileDialog::AnyFile;
    bool dirsOnly = false;
    whenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        mode = dialog->fileMode();
        dirsOnly = dialog->testOption(QFileDialog::ShowDirsOnly);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Choose a bak file"));
        dialog->reject();
    });
    EXPECT_EQ(AlertPresenter::shared().chooseFolder(nullptr, QStringLiteral("Choose a bak file")), std::nullopt);
    EXPECT_EQ(mode, QFileDialog::Directory);
    EXPECT_TRUE(dirsOnly);
}

TEST(AlertPresenterOnScreen, TheFilePanelOffersItsTypeAndReturnsTheChosenFile)
{
    QTemporaryDir folder;
    const QString path = folder.path() + QStringLiteral("/Export_QFDB_20240315143005.bak");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    QStringList filters;
    whenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
        filters = dialog->nameFilters();
        dialog->setDirectory(folder.path());
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_EQ(AlertPresenter::shared().chooseFile(nullptr, QStringLiteral("Choose a bak file"), QStringLiteral("bak")),
              std::optional<QString>(path));
    EXPECT_EQ(filters, QStringList{"*.bak"});
}
