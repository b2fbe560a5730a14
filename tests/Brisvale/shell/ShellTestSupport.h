#pragma once

#include "Brisvale/platform/AppClock.h"
#include "Brisvale/platform/Console.h"
#include "Brisvale/records/StoreTestSupport.h"
#include "Brisvale/records/UserDefaultHelper.h"
#include "Brisvale/shell/ProfileStatusDelegate.h"
#include "Brisvale/shell/UserList_ReturnDelegate.h"

#include "support/QtPrinters.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QObject>
#include <QStringList>
#include <QTimeZone>
#include <gtest/gtest.h>
#include <utility>

// What the profile page tells its delegate, in order.
class StatusRecorder : public QObject, public ProfileStatusDelegate {
public:
    void profileStatusDidChange(bool status) override { statuses.append(status); }
    bool last() const { return !statuses.isEmpty() && statuses.last(); }
    QList<bool> statuses;
};

// The profiles a sheet hands back, with their renew flags.
class SelectionRecorder : public QObject, public UserList_ReturnDelegate {
public:
    void userDidSelect(const ProfilePtr& profile, bool renew) override
    {
        selections.append({profile, renew});
    }
    QList<std::pair<ProfilePtr, bool>> selections;
};

// The attributes a test profile is stored with; a null e-mail or name, or an invalid birthday,
// is stored as absent.
struct TestProfile {
    TestProfile(const QString& email, const QString& name = QString(), bool kgCm = true,
                float height = 0.0f, float weight = 0.0f, bool female = false,
                const QDateTime& birthday = QDateTime())
        : email(email), name(name), kgCm(kgCm), height(height), weight(weight), female(female),
          birthday(birthday)
    {
    }

    QString email;
    QString name;
    bool kgCm;
    float height;
    float weight;
    bool female;
    QDateTime birthday;
};

// Each case starts with an empty store and application state, the console captured and the
// clock fixed at 2024-05-10 12:00 local time (Europe/Berlin, set by the test program).
class PageTest : public FreshStore {
protected:
    void SetUp() override
    {
        FreshStore::SetUp();
        Console::setCapture([this](const QString& line) { lines.append(line); });
        AppClock::setNow(now());
    }
    void TearDown() override
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Console::setCapture({});
        AppClock::reset();
        FreshStore::TearDown();
    }

    static QDateTime now() { return QDateTime(QDate(2024, 5, 10), QTime(12, 0)); }

    static ProfilePtr saveProfile(const TestProfile& wanted)
    {
        StoreContext& context = viewContext();
        ProfilePtr profile = context.insertProfile();
        if (!wanted.email.isNull()) {
            profile->email = wanted.email;
        }
        if (!wanted.name.isNull()) {
            profile->name = wanted.name;
        }
        profile->unit_type = wanted.kgCm;
        profile->height = wanted.height;
        profile->weight = wanted.weight;
        profile->gender = wanted.female;
        if (wanted.birthday.isValid()) {
            profile->birthday = Timestamp::fromDateTime(wanted.birthday);
        }
        EXPECT_TRUE(context.save().ok());
        return profile;
    }

    // The profile as the store file holds it, read through a fresh context.
    static ProfilePtr profileOnDisk(const QString& email)
    {
        closeViewContext();
        StoreResult<ProfilePtr> found = viewContext().fetchProfile(email);
        EXPECT_TRUE(found.ok());
        return found.ok() ? found.value() : nullptr;
    }

    static int profileCount()
    {
        StoreResult<QList<ProfilePtr>> all = viewContext().fetchProfiles();
        EXPECT_TRUE(all.ok());
        return all.ok() ? static_cast<int>(all.value().size()) : -1;
    }

    template <typename T>
    static T* child(const QObject& parent, const char* name)
    {
        T* found = parent.findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // Lets closed sheets go.
    static void deleteClosedWindows()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QStringList lines;
};
