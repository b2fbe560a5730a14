// The download popover: where it opens, and the CSV export it starts with its own dates.
#include "Brisvale/reports/ExportFileController.h"

#include "Brisvale/reports/ReportTestSupport.h"

#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace {

class DownloadPopover : public ReportTest {
protected:
    void SetUp() override
    {
        ReportTest::SetUp();
        window.resize(500, 400);
        anchor = new QPushButton(&window);
    }

    void showWindow()
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QPointer<ExportFileController> present()
    {
        auto* popover = new ExportFileController(start, end);
        popover->presentPopover(anchor);
        return popover;
    }

    const QDateTime start = QDateTime(QDate(2024, 1, 1), QTime(0, 0));
    const QDateTime end = QDateTime(QDate(2024, 3, 15), QTime(23, 59));
    QWidget window;
    QPushButton* anchor = nullptr;
};

}

TEST_F(DownloadPopover, OpensBelowItsAnchorInsideTheWindowAndClosesOnAClickOutside)
{
    anchor->setGeometry(20, 10, 80, 30);
    showWindow();
    const QRect bounds(window.mapToGlobal(QPoint(0, 0)), window.size());
    QPointer<ExportFileController> popover = present();
    EXPECT_EQ(popover->geometry().topLeft(), anchor->mapToGlobal(QPoint(0, anchor->height() + 8)));
    EXPECT_TRUE(bounds.contains(popover->geometry()));
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(300, 250));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(popover.isNull());

    // At the window's bottom right corner it is moved back inside.
    anchor->setGeometry(410, 360, 80, 30);
    popover = present();
    EXPECT_TRUE(bounds.contains(popover->geometry()));
    popover->close();
}

TEST_F(DownloadPopover, TheCSVReportTakesThePopoversDatesOnceItHasClosed)
{
    storeUser({{QDateTime(QDate(2024, 3, 14), QTime(21, 5)), 420, 2.5f, std::nullopt}});
    anchor->setGeometry(20, 10, 80, 30);
    showWindow();
    QPointer<ExportFileController> popover = present();
    script->answerPath(destination.path());
    script->answer(Alert::firstButton);
    popover->CSV_Btn->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(popover.isNull());

    ASSERT_EQ(script->shown().size(), 2);
    EXPECT_EQ(script->shown()[0].title, QStringLiteral("Choose a folder for the CSV report"));
    EXPECT_EQ(script->shown()[0].window, &window);
    EXPECT_EQ(script->last().alert.symbol, AlertSymbol::checkmark);
    EXPECT_EQ(script->last().alert.message, QStringLiteral("The CSV report was saved."));
    EXPECT_EQ(script->last().alert.detail,
              QStringLiteral("ZA+_CSV_Report_20240315143005.csv\n") + QDir::toNativeSeparators(destination.path()));
    QFile file(QDir(destination.path()).filePath(QStringLiteral("ZA+_CSV_Report_20240315143005.csv")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    EXPECT_EQ(lines[3], QByteArray("Readings from,2024/01/01 - 2024/03/15,,Age,0"));
    EXPECT_EQ(lines[7], QByteArray("2024/03/14,21:05,420,2.50,"));
}

TEST_F(DownloadPopover, ACSVReportThatIsNotWrittenLeavesNoFile)
{
    struct Case {
        const char* what;
        std::function<void()> arrange;
        bool failureAlert;
    };
    const QList<Case> cases{
        {"a destination beneath a regular file",
         [this] {
             script->answerPath(beneathAFile());
             script->answer(Alert::firstButton);
         },
         true},
        {"a cancelled panel", [this] { script->answerCancel(); }, false},
        {"no current user",
         [this] {
             UserDefaultHelper::setEmail(std::nullopt);
             script->answerPath(destination.path());
         },
         false},
    };
    for (const Case& c : cases) {
        storeUser({{QDateTime(QDate(2024, 3, 14), QTime(21, 5)), 420, 2.5f, std::nullopt}});
        c.arrange();
        console.clear();
        ExportFileController(start, end).CreateCSVHandler();
        EXPECT_EQ(script->shown().size(), c.failureAlert ? 2 : 1) << c.what;
        EXPECT_EQ(console.contains(QStringLiteral("error creating file")), c.failureAlert) << c.what;
        if (c.failureAlert) {
            EXPECT_EQ(script->last().alert.symbol, AlertSymbol::xmark);
            EXPECT_EQ(script->last().alert.message, QStringLiteral("The CSV report could not be saved."));
        }
        EXPECT_TRUE(written().filter(QStringLiteral(".csv")).isEmpty()) << c.what;
        script.reset();
        script = std::make_unique<AlertScript>();
        closeViewContext();
        TestEnvironment::clearUserFolders();
    }
}
