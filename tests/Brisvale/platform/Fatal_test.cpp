#include "Brisvale/platform/AlertDialog.h"
#include "Brisvale/platform/AppClock.h"
#include "Brisvale/platform/Fatal.h"
#include "TavrendelPFMSDK/TavrendelPFM.h"

#include <QApplication>
#include <QPushButton>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>

// The real alert is shown in its nested event loop and answered through a queued click on its
// button, which arrives after everything queued before the failure; the child then reports what
// ran meanwhile.
TEST(FatalDeathTest, NothingQueuedBeforeTheFailureRunsWhileItsAlertIsShown)
{
    EXPECT_EXIT(
        {
            QStringList ran;
            QObject page;
            AppClock::after(0, &page, [&] { ran << QStringLiteral("delayed save"); });
            TavrendelPFM meter(nullptr);
            meter.getReadDataModelBlock(
                [&](bool, qint64, auto, auto) { ran << QStringLiteral("meter reply"); });
            meter.SendReadTime();
            Fatal::setHook([&](const QString& message) {
                AlertDialog alert(Alert::failure(message), nullptr);
                QPushButton* ok = alert.button(Alert::firstButton);
                QMetaObject::invokeMethod(ok, [ok] { ok->click(); }, Qt::QueuedConnection);
                const int response = alert.exec();
                std::fprintf(stderr, "answered %d; ran: [%s]\n", response,
                             qPrintable(ran.join(QStringLiteral(", "))));
                std::fflush(stderr);
            });
            Fatal::stop(QStringLiteral("The store cannot be read"));
        },
        testing::ExitedWithCode(EXIT_FAILURE), "answered 1000; ran: \\[\\]");
}
