#include "Brisvale/platform/AlertPresenter.h"

#include "Brisvale/platform/AlertScript.h"
#include "Brisvale/platform/Console.h"

#include "support/QtPrinters.h"

#include <QLabel>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

Alert question(const QString& message)
{
    return Alert{message, AlertSymbol::checkmark, {QStringLiteral("Yes"), QStringLiteral("No")}};
}

AlertPresenter& presenter()
{
    return AlertPresenter::shared();
}

// Death tests: the dying program's console goes to stderr, where the test looks.
void consoleToStderr()
{
    Console::setCapture([](const QString& line) { std::fprintf(stderr, "%s\n", qPrintable(line)); });
}

}

TEST(AlertPresenterScripted, AnApplicationModalAlertReturnsTheScriptedButtonAndIsRecorded)
{
    AlertScript script;
    script.answer(Alert::secondButton);
    const Alert alert{QStringLiteral("Please enter a name."), AlertSymbol::exclamationmarkTriangle,
                      {QStringLiteral("OK"), QStringLiteral("Later")}};
    EXPECT_EQ(presenter().runModal(alert), 1001);

    ASSERT_EQ(script.shown().size(), 1);
    const Presentation& shown = script.last();
    EXPECT_EQ(shown.kind, Presentation::Kind::alert);
    EXPECT_EQ(shown.alert.message, QStringLiteral("Please enter a name."));
    EXPECT_EQ(shown.alert.symbol, AlertSymbol::exclamationmarkTriangle);
    EXPECT_EQ(shown.alert.buttons, (QStringList{"OK", "Later"}));
    EXPECT_EQ(script.unusedAnswers(), 0);
}

TEST(AlertPresenterScripted, AnAlertWithoutButtonsShowsTheDefaultOK)
{
    AlertScript script;
    script.answer(Alert::firstButton);
    EXPECT_EQ(presenter().runModal(Alert{QStringLiteral("Please select a profile."), AlertSymbol::none, {}}),
              1000);
    EXPECT_EQ(script.last().alert.buttons, QStringList{"OK"});
    EXPECT_EQ(script.last().alert.symbol, AlertSymbol::none);
}

TEST(AlertPresenterScripted, AScriptedSheetAnswerArrivesAfterTheCallReturns)
{
    QWidget window;
    AlertScript script;
    script.answer(Alert::thirdButton);
    QList<int> responses;
    const Alert clock{QStringLiteral("clock"), AlertSymbol::checkmark,
                      {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}};
    presenter().beginSheet(&window, clock, [&](int response) { responses << response; });
    EXPECT_TRUE(responses.isEmpty());
    EXPECT_EQ(script.last().kind, Presentation::Kind::sheet);
    EXPECT_EQ(script.last().window, &window);
    script.settle();
    EXPECT_EQ(responses, QList<int>{1002});
    EXPECT_EQ(presenter().sheetCount(&window), 0);
}

TEST(AlertPresenterScripted, SheetsWaitInLineOnTheirWindow)
{
    QWidget first;
    QWidget second;
    auto* child = new QLabel(&first);
    AlertScript script;
    QStringList order;
    const auto note = [&](const QString& name) {
        return [&order, name](int response) { order << name + QString::number(response); };
    };
    presenter().beginSheet(child, question(QStringLiteral("A1")), note(QStringLiteral("A1:")));
    presenter().beginSheet(&first, question(QStringLiteral("A2")), note(QStringLiteral("A2:")));
    presenter().beginSheet(&second, question(QStringLiteral("B1")), note(QStringLiteral("B1:")));

    // One sheet per window is on screen; the second sheet of the first window waits.
    ASSERT_EQ(script.shown().size(), 2);
    EXPECT_EQ(script.shown()[0].alert.message, QStringLiteral("A1"));
    EXPECT_EQ(script.shown()[0].window, &first);
    EXPECT_EQ(script.shown()[1].alert.message, QStringLiteral("B1"));
    EXPECT_EQ(presenter().sheetCount(&first), 2);
    EXPECT_EQ(presenter().sheetCount(child), 2);
    EXPECT_EQ(presenter().sheetCount(&second), 1);

    script.answerSheet(Alert::secondButton, &first);
    EXPECT_EQ(order, QStringList{"A1:1001"});
    ASSERT_EQ(script.shown().size(), 3);
    EXPECT_EQ(script.last().alert.message, QStringLiteral("A2"));

    // Without a window the sheet shown first of all is answered.
    script.answerSheet(Alert::firstButton);
    script.answerSheet(Alert::firstButton);
    EXPECT_EQ(order, (QStringList{"A1:1001", "B1:1000", "A2:1000"}));
    EXPECT_EQ(presenter().sheetCount(&first), 0);
    EXPECT_EQ(presenter().sheetCount(&second), 0);
}

TEST(AlertPresenterScripted, ASheetBegunByACompletionWaitsBehindTheOnesAlreadyWaiting)
{
    QWidget window;
    AlertScript script;
    QStringList order;
    presenter().beginSheet(&window, question(QStringLiteral("first")), [&](int) {
        order << QStringLiteral("first");
        presenter().beginSheet(&window, question(QStringLiteral("follow-up")),
                               [&](int) { order << QStringLiteral("follow-up"); });
    });
    presenter().beginSheet(&window, question(QStringLiteral("second")),
                           [&](int) { order << QStringLiteral("second"); });
    script.answer(Alert::firstButton);
    script.answer(Alert::firstButton);
    script.answerSheet(Alert::firstButton);
    script.settle();
    EXPECT_EQ(order, (QStringList{"first", "second", "follow-up"}));
    ASSERT_EQ(script.shown().size(), 3);
    EXPECT_EQ(script.shown()[1].alert.message, QStringLiteral("second"));
    EXPECT_EQ(script.shown()[2].alert.message, QStringLiteral("follow-up"));
    EXPECT_EQ(script.unusedAnswers(), 0);
}

TEST(AlertPresenterScripted, SheetsOfAClosedWindowNeverComplete)
{
    AlertScript script;
    bool completed = false;
    auto window = std::make_unique<QWidget>();
    script.answer(Alert::firstButton);
    presenter().beginSheet(window.get(), question(QStringLiteral("shown")), [&](int) { completed = true; });
    presenter().beginSheet(window.get(), question(QStringLiteral("waiting")), [&](int) { completed = true; });
    // The answer is on its way when the window closes.
    window.reset();
    script.settle();
    EXPECT_FALSE(completed);
    EXPECT_EQ(script.shown().size(), 1);

    // A new window is free for sheets.
    QWidget next;
    presenter().beginSheet(&next, question(QStringLiteral("next")), [&](int) { completed = true; });
    script.answerSheet(Alert::firstButton, &next);
    EXPECT_TRUE(completed);
}

TEST(AlertPresenterScripted, ASheetWhosePageIsGoneDoesNotCompleteAndTheNextOneShows)
{
    QWidget window;
    auto* page = new QWidget(&window);
    AlertScript script;
    QStringList completed;
    presenter().beginSheet(page, question(QStringLiteral("page")), [&](int) { completed << "page"; });
    presenter().beginSheet(&window, question(QStringLiteral("window")), [&](int) { completed << "window"; });
    delete page;
    script.answerSheet(Alert::firstButton, &window);
    EXPECT_TRUE(completed.isEmpty());
    EXPECT_EQ(script.last().alert.message, QStringLiteral("window"));
    script.answerSheet(Alert::firstButton, &window);
    EXPECT_EQ(completed, QStringList{"window"});
}

TEST(AlertPresenterScripted, PanelsAreAnsweredWithAPathOrACancel)
{
    QWidget window;
    AlertScript script;
    script.answerPath(QStringLiteral("/tmp/backups"));
    script.answerCancel();
    script.answerPath(QStringLiteral("/tmp/Export_QFDB_20240315143005.bak"));
    script.answerPath(QStringLiteral("/tmp/SHOUTED.BAK"));

    EXPECT_EQ(presenter().chooseFolder(&window, QStringLiteral("Choose a bak file")),
              std::optional<QString>(QStringLiteral("/tmp/backups")));
    EXPECT_EQ(script.last().kind, Presentation::Kind::folderPanel);
    EXPECT_EQ(script.last().title, QStringLiteral("Choose a bak file"));
    EXPECT_EQ(script.last().window, &window);

    EXPECT_EQ(presenter().chooseFolder(&window, QStringLiteral("Choose a bak file")), std::nullopt);

    EXPECT_EQ(presenter().chooseFile(&window, QStringLiteral("Choose a bak file"), QStringLiteral("bak")),
              std::optional<QString>(QStringLiteral("/tmp/Export_QFDB_20240315143005.bak")));
    EXPECT_EQ(script.last().kind, Presentation::Kind::filePanel);
    EXPECT_EQ(script.last().fileType, QStringLiteral("bak"));
    EXPECT_EQ(presenter().chooseFile(&window, QStringLiteral("t"), QStringLiteral("bak")),
              std::optional<QString>(QStringLiteral("/tmp/SHOUTED.BAK")));
}

TEST(AlertPresenterScripted, AFileOfAnotherTypeIsNeverChosen)
{
    AlertScript script;
    script.answerPath(QStringLiteral("/tmp/readings.json"));
    script.answerPath(QStringLiteral("/tmp/bak"));
    script.answerPath(QStringLiteral("/tmp/readings.bak.json"));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(presenter().chooseFile(nullptr, QStringLiteral("t"), QStringLiteral("bak")), std::nullopt);
    }
}

TEST(AlertPresenterScriptedDeathTest, AnAlertWithoutAScriptedAnswerStopsTheTest)
{
    EXPECT_EXIT(
        {
            consoleToStderr();
            AlertScript script;
            presenter().runModal(question(QStringLiteral("Delete it?")));
        },
        testing::ExitedWithCode(EXIT_FAILURE), "No scripted answer for the alert: Delete it\\?");
}

TEST(AlertPresenterScriptedDeathTest, AnAnswerNamingNoButtonStopsTheTest)
{
    EXPECT_EXIT(
        {
            consoleToStderr();
            AlertScript script;
            script.answer(Alert::thirdButton);
            presenter().runModal(question(QStringLiteral("Save?")));
        },
        testing::ExitedWithCode(EXIT_FAILURE), "The scripted answer 1002 names no button of the alert: Save\\?");
}

TEST(AlertPresenterScriptedDeathTest, APanelAnsweredWithAButtonStopsTheTest)
{
    EXPECT_EXIT(
        {
            consoleToStderr();
            AlertScript script;
            script.answer(Alert::firstButton);
            presenter().chooseFolder(nullptr, QStringLiteral("Choose a bak file"));
        },
        testing::ExitedWithCode(EXIT_FAILURE), "A panel was scripted a button's answer: Choose a bak file");
}

TEST(AlertPresenterScriptedDeathTest, ASheetNeedsAWindow)
{
    EXPECT_EXIT(
        {
            consoleToStderr();
            AlertScript script;
            presenter().beginSheet(nullptr, question(QStringLiteral("Yes?")), [](int) {});
        },
        testing::ExitedWithCode(EXIT_FAILURE), "A sheet needs a window: Yes\\?");
}

TEST(AlertPresenterScriptedDeathTest, AnsweringWhenNoSheetIsShownStopsTheTest)
{
    EXPECT_EXIT(
        {
            consoleToStderr();
            AlertScript script;
            script.answerSheet(Alert::firstButton);
        },
        testing::ExitedWithCode(EXIT_FAILURE), "No sheet is shown to answer with 1000");
}
