#pragma once

#include "Brisvale/platform/AppClock.h"
#include "Brisvale/platform/Console.h"
#include "Brisvale/records/ConditionProcess.h"
#include "Brisvale/records/RenewProcess.h"
#include "Brisvale/records/UserDefaultHelper.h"

#include "Brisvale/records/StoreTestSupport.h"
#include "support/QtPrinters.h"

// Each case starts as a new installation on Tuesday 10 March 2026 at 15:20 (local time), its
// console lines captured.
class PagesTest : public FreshStore {
protected:
    struct Reading {
        Reading(QDateTime moment, qint32 pefValue = 400, float fev1Value = 3.0f,
                std::optional<QString> noteText = std::nullopt)
            : when(std::move(moment)), pef(pefValue), fev1(fev1Value), note(std::move(noteText))
        {
        }
        QDateTime when;
        qint32 pef;
        float fev1;
        std::optional<QString> note;
    };

    void SetUp() override
    {
        FreshStore::SetUp();
        AppClock::setNow(at(3, 10, 15, 20));
        Console::setCapture([this](const QString& line) { lines.append(line); });
    }
    void TearDown() override
    {
        Console::setCapture({});
        AppClock::reset();
        FreshStore::TearDown();
    }

    // A local moment of 2026.
    static QDateTime at(int month, int day, int hour, int minute = 0)
    {
        return QDateTime(QDate(2026, month, day), QTime(hour, minute));
    }

    // The current user "ann@example.com" with the readings, made current as the main window does
    // (the window "ALL" over every reading, "All day").
    static ProfilePtr storeUser(const QList<Reading>& readings)
    {
        StoreContext& context = viewContext();
        ProfilePtr profile = context.insertProfile();
        profile->email = QStringLiteral("ann@example.com");
        profile->name = QStringLiteral("Ann");
        for (const Reading& shown : readings) {
            addReading(profile, shown);
        }
        EXPECT_TRUE(context.save().ok());
        RenewProcess::renewDateLimits(false, profile);
        return profile;
    }

    static PFMPtr addReading(const ProfilePtr& profile, const Reading& shown)
    {
        PFMPtr reading = viewContext().insertReading(profile);
        reading->measureDate = Timestamp::fromDateTime(shown.when);
        reading->pefValue = shown.pef;
        reading->fev1Value = shown.fev1;
        reading->note = shown.note;
        return reading;
    }

    // The moments of the filtered readings, newest first.
    static QList<QDateTime> shownMoments()
    {
        QList<QDateTime> moments;
        if (const std::optional<ConditionReturnInfo> info = ConditionProcess::queryReadings()) {
            for (const PFMPtr& reading : info->pfm) {
                moments << reading->measureDate->toDateTime();
            }
        }
        return moments;
    }

    QStringList lines;
};
