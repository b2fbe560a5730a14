#pragma once

#include "Brisvale/pages/TrafficLightsController.h"

#include "Brisvale/shell/MeterTestSupport.h"

#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

// The best value sheet as the Data page presents it: a popover beside a button of the window, for
// the current user with a best value of 467.
class BestValueSheetTest : public MeterTest {
protected:
    void TearDown() override
    {
        delete sheet.data();
        MeterTest::TearDown();
    }

    TrafficLightsController& present()
    {
        storeProfile(QStringLiteral("anna@example.org"), 467);
        UserDefaultHelper::setEmail(QStringLiteral("anna@example.org"));
        host.window.resize(700, 500);
        auto* anchor = new QPushButton(&host.window);
        anchor->setGeometry(20, 40, 80, 30);
        host.window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&host.window));
        sheet = new TrafficLightsController(manager);
        sheet->presentPopover(anchor);
        return *sheet;
    }

    // Without a meter the sheet's note says why the field is greyed, whole: the note has the height
    // its lines need at its width and lies inside the sheet, whether the sheet opened without a
    // meter or lost it while open. It once had the height of one line, in a narrow column. The
    // plan's pop-up shows its choice whole beside it.
    void expectTheNoMeterNoteShownWhole()
    {
        const struct {
            const char* name;
            bool lostWhileOpen;
        } cases[] = {{"opened without a meter", false}, {"the meter lost while open", true}};
        for (const auto& test : cases) {
            SCOPED_TRACE(test.name);
            if (!test.lostWhileOpen) {
                meter->disconnectMeter();
            }
            TrafficLightsController& shown = present();
            if (test.lostWhileOpen) {
                meter->disconnectMeter();
                shown.setMeterAttached(false);
            }
            drain();
            const auto* note = shown.findChild<QLabel*>(QStringLiteral("NoMeter_Lab"));
            ASSERT_TRUE(note->isVisible());
            EXPECT_GE(note->height(), note->heightForWidth(note->width()));
            EXPECT_TRUE(shown.rect().contains(note->geometry()))
                << testing::PrintToString(QRectF(note->geometry())) << " in " << testing::PrintToString(shown.size());
            // "80 % / 60 %" was cut to "80 % / 60 9".
            const auto* plan = shown.findChild<QComboBox*>(QStringLiteral("ZonePlan_Box"));
            EXPECT_GE(plan->width(), plan->sizeHint().width());
            delete sheet.data();
            meter->connectMeter();
            closeViewContext();
            TestEnvironment::clearUserFolders();
        }
    }

    QPointer<TrafficLightsController> sheet;
};
