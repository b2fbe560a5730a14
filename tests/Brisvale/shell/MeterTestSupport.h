#pragma once

#include "Brisvale/platform/AlertScript.h"
#include "Brisvale/platform/AppClock.h"
#include "Brisvale/platform/Console.h"
#include "Brisvale/platform/Localization.h"
#include "Brisvale/records/DataElementProcess.h"
#include "Brisvale/records/RenewProcess.h"
#include "Brisvale/records/StoreTestSupport.h"
#include "Brisvale/records/UserDefaultHelper.h"
#include "Brisvale/shell/MeterDialogue.h"
#include "Brisvale/shell/MeterDialogueHost.h"

#include "TavrendelPFMSDK/TavrendelPFM.h"
#include "TavrendelPFMSDK/TavrendelPFMSimulator.h"

#include "support/QtPrinters.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

// The visible page as the main window's hub sees it: what it was told, in order.
class RecordingPage : public QObject, public RenewObserver {
public:
    void onPageSwitch() override { ++pageSwitches; }
    void onDataRefresh(bool emailRenewStatus, const QString& email) override
    {
        refreshes.append({emailRenewStatus, email});
    }
    int pageSwitches = 0;
    QList<std::pair<bool, QString>> refreshes;
};

// The Data page as the window's connection hub sees it.
class RecordingDataPage : public QObject, public DataElementObserver {
public:
    void onDataElementChange(bool connected) override { changes.append(connected); }
    QList<bool> changes;
};

// The main window as the meter dialogue sees it.
class FakeHost : public MeterDialogueHost {
public:
    FakeHost()
    {
        hub.addObserver(&page);
        dataHub.addObserver(&dataPage);
    }
    QWidget* sheetAnchor() override { return &window; }
    RenewProcess& condition() override { return hub; }
    DataElementProcess& dataCondition() override { return dataHub; }
    bool pagesHoldUnsavedChanges() const override { return unsaved; }
    void setSyncButton(bool enabled, const QString& imageName) override
    {
        syncButtons.append({enabled, imageName});
    }

    QWidget window;
    RenewProcess hub;
    DataElementProcess dataHub;
    RecordingPage page;
    RecordingDataPage dataPage;
    bool unsaved = false;
    QList<std::pair<bool, QString>> syncButtons;
};

// Each case starts with an empty store and application state, the console captured, the alert
// presenter answered by a script, and a simulated meter whose clock and the application's are
// pinned to the same moment, 2026-12-01 08:00:00 local time (Europe/Berlin, set by the test
// program; the locale is en_US).
class MeterTest : public FreshStore {
protected:
    void SetUp() override
    {
        FreshStore::SetUp();
        Console::setCapture([this](const QString& line) { lines.append(line); });
        AppClock::setNow(now());
        meter = std::make_shared<TavrendelPFMSimulator>();
        meter->setNow([] { return now(); });
        manager = std::make_shared<TavrendelPFM>(meter);
    }
    void TearDown() override
    {
        drain();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Console::setCapture({});
        AppClock::reset();
        FreshStore::TearDown();
    }

    static QDateTime now() { return QDateTime(QDate(2026, 12, 1), QTime(8, 0)); }

    // Lets every queued reply, report and scripted sheet answer arrive, and what they cause.
    void drain()
    {
        for (int round = 0; round < 20; ++round) {
            script.settle();
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            QCoreApplication::sendPostedEvents();
        }
    }

    // Moves the fixed clock on by the dialogue's one-second delay, which ends it.
    void waitPastDelay()
    {
        AppClock::advance(MeterDialogue::followUpDelay);
        drain();
    }

    static ProfilePtr storeProfile(const QString& email, qint32 best, bool target = false,
                                   std::optional<QString> name = std::nullopt)
    {
        StoreContext& context = viewContext();
        ProfilePtr profile = context.insertProfile();
        profile->email = email;
        profile->name = std::move(name);
        profile->best_Value = best;
        profile->best_Value_Type = target;
        EXPECT_TRUE(context.save().ok());
        return profile;
    }

    static QList<PFMPtr> readingsOf(const ProfilePtr& profile)
    {
        StoreResult<QList<PFMPtr>> all = viewContext().pfmInfo(profile);
        EXPECT_TRUE(all.ok());
        return all.ok() ? all.value() : QList<PFMPtr>();
    }

    static Timestamp at(int year, int month, int day, int hour, int minute)
    {
        return Timestamp::fromDateTime(QDateTime(QDate(year, month, day), QTime(hour, minute)));
    }

    bool printed(const QString& line) const { return lines.contains(line); }

    FakeHost host;
    AlertScript script;
    std::shared_ptr<TavrendelPFMSimulator> meter;
    std::shared_ptr<TavrendelPFM> manager;
    QStringList lines;
};
