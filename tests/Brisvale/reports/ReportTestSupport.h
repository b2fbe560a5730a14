#pragma once

// A current user with readings in the store, the alert script answering panels and alerts, the
// console captured, a fixed clock and a temporary destination folder: what every report test
// starts from.
#include "Brisvale/platform/AlertScript.h"
#include "Brisvale/platform/AppClock.h"
#include "Brisvale/platform/Console.h"
#include "Brisvale/records/StoreTestSupport.h"
#include "Brisvale/records/UserDefaultHelper.h"

#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>

struct ReadingSpec {
    QDateTime date;
    qint32 pef = 0;
    float fev1 = 0.0f;
    std::optional<QString> note;
};

class ReportTest : public FreshStore {
protected:
    void SetUp() override
    {
        FreshStore::SetUp();
        Console::setCapture([this](const QString& line) { console << line; });
        script = std::make_unique<AlertScript>();
        AppClock::setNow(QDateTime(QDate(2024, 3, 15), QTime(14, 30, 5)));
    }
    void TearDown() override
    {
        script.reset();
        AppClock::reset();
        Console::setCapture({});
        FreshStore::TearDown();
    }

    // The current user "ann@x" with the readings, the date window around them and all day.
    ProfilePtr storeUser(const QList<ReadingSpec>& readings)
    {
        ProfilePtr profile = viewContext().insertProfile();
        profile->email = QStringLiteral("ann@x");
        profile->name = QStringLiteral("Ann Lee");
        profile->best_Value = 400;
        profile->date_format = 0;
        profile->time_format = true;
        for (const ReadingSpec& spec : readings) {
            PFMPtr reading = viewContext().insertReading(profile);
            reading->measureDate = Timestamp::fromDateTime(spec.date);
            reading->pefValue = spec.pef;
            reading->fev1Value = spec.fev1;
            reading->note = spec.note;
        }
        EXPECT_TRUE(viewContext().save().ok());
        UserDefaultHelper::setEmail(profile->email);
        UserDefaultHelper::setFrom(QDateTime(QDate(2000, 1, 1), QTime(0, 0)));
        UserDefaultHelper::setTo(QDateTime(QDate(2030, 12, 31), QTime(0, 0)));
        UserDefaultHelper::setDate(QStringLiteral("ALL"));
        UserDefaultHelper::setTime(QStringLiteral("All day"));
        return profile;
    }

    // The files of the destination folder.
    QStringList written() const { return QDir(destination.path()).entryList(QDir::Files); }

    // A path beneath a regular file, where nothing can be made.
    QString beneathAFile() const
    {
        const QString file = QDir(destination.path()).filePath(QStringLiteral("plain"));
        QFile plain(file);
        EXPECT_TRUE(plain.open(QIODevice::WriteOnly));
        return file + QStringLiteral("/inside");
    }

    QStringList console;
    std::unique_ptr<AlertScript> script;
    QTemporaryDir destination;
};

// The output of a poppler tool; the test fails when the tool is missing.
inline QString popplerOutput(const QString& tool, const QStringList& arguments)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty()) {
        ADD_FAILURE() << tool.toStdString() << " is missing: install poppler-utils (scripts/setup)";
        return QString();
    }
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(-1);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of one page of a PDF file, in reading order.
inline QString pdfPageText(const QString& path, int page)
{
    return popplerOutput(QStringLiteral("pdftotext"),
                         {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page),
                          QStringLiteral("-layout"), path, QStringLiteral("-")});
}

inline int pdfPageCount(const QString& path)
{
    const QString info = popplerOutput(QStringLiteral("pdfinfo"), {path});
    for (const QString& line : info.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("Pages:"))) {
            return line.mid(6).trimmed().toInt();
        }
    }
    return 0;
}
