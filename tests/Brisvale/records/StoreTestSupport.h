#pragma once

#include "Brisvale/records/StoreFile.h"
#include "Brisvale/records/ViewContext.h"

#include "support/TestEnvironment.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>
#include <gtest/gtest.h>

// A statement run on a database file through a connection of its own, as another program would;
// the first column of its first row.
inline QVariant rawFileQuery(const QString& path, const QString& statement)
{
    QVariant result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
        db.setDatabaseName(path);
        EXPECT_TRUE(db.open());
        QSqlQuery query(db);
        EXPECT_TRUE(query.exec(statement)) << statement.toStdString();
        if (query.next()) {
            result = query.value(0);
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("raw"));
    return result;
}

// The same on the store's file.
inline QVariant rawStoreQuery(const QString& statement)
{
    return rawFileQuery(StoreFile::filePath(), statement);
}

// Each case starts with an empty data folder and a closed store.
class FreshStore : public testing::Test {
protected:
    void SetUp() override
    {
        closeViewContext();
        TestEnvironment::clearUserFolders();
    }
    void TearDown() override { closeViewContext(); }

    static QVariant rawQuery(const QString& statement) { return rawStoreQuery(statement); }

    static int rowCount(const QString& table)
    {
        return rawQuery(QStringLiteral("SELECT count(*) FROM ") + table).toInt();
    }

    // Saves a profile with the given e-mail and readings dated at the given seconds since 2001.
    static ProfilePtr storedProfile(
        const std::optional<QString>& email, std::initializer_list<double> readingDates = {})
    {
        StoreContext& context = viewContext();
        ProfilePtr profile = context.insertProfile();
        profile->email = email;
        for (const double seconds : readingDates) {
            PFMPtr reading = context.insertReading(profile);
            reading->measureDate = Timestamp{seconds};
        }
        EXPECT_TRUE(context.save().ok());
        return profile;
    }
};
