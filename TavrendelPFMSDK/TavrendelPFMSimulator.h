#pragma once

#include "TavrendelPFMSDK/TavrendelPFMReading.h"
#include "TavrendelPFMSDK/TavrendelPFMReply.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QVariantMap>
#include <functional>
#include <map>

// A peak-flow meter simulated in memory, standing behind the manager where a USB meter would be.
// It keeps a clock (an offset in whole seconds from the computer's), a memory of readings and a
// best value, can be attached and detached, fails the commands it is told to fail and logs every
// command it receives. Each command method answers at once; the manager delivers the answer later.
class TavrendelPFMSimulator : public QObject {
    Q_OBJECT

public:
    using NowFunction = std::function<QDateTime()>;
    using ReplyEdit = std::function<void(QVariantMap& reply)>;

    // An attached meter with its clock on the computer's, an empty memory and best value 0.
    TavrendelPFMSimulator();

    // Connection. Attaching or detaching changes the state and emits connectionChanged; doing
    // it again while already in that state does nothing.
    bool isConnected() const { return connected; }
    void connectMeter();
    void disconnectMeter();

    // The computer's clock as the meter sees it; an empty function restores the system clock.
    void setNow(NowFunction now);
    QDateTime now() const;

    // The meter's clock: the computer's clock moved by the offset, in whole seconds (invalid
    // when "now" is invalid or the offset takes it out of range).
    qint64 clockOffset() const { return offsetSeconds; }
    void setClockOffset(qint64 seconds) { offsetSeconds = seconds; }
    QDateTime meterClock() const;

    const QList<TavrendelPFMReading>& readings() const { return memory; }
    void setReadings(QList<TavrendelPFMReading> readings) { memory = std::move(readings); }

    qint32 bestValue() const { return storedBestValue; }
    void setBestValue(qint32 value) { storedBestValue = value; }

    // A failing command answers with an error and leaves the meter unchanged.
    void setFailing(qint64 command, bool failing);
    bool isFailing(qint64 command) const { return failing.contains(command); }

    // Test seam for malformed replies: while an edit is set for a command, every reply object of
    // that command passes through it (remove a key, change a type, miscount the memory) before it
    // is handed out. Commands without a reply object ignore it; an empty edit removes it.
    void setReplyEdit(qint64 command, ReplyEdit edit);

    // Every command received, in order: its printed name, then a space and its argument for the
    // writes ("Time_Write 2026-12-01T08:00:00" in local time, "Best_Value_Write 450"). When a log
    // file is set, each line is also appended there behind the computer's time.
    const QStringList& commandLog() const { return log; }
    void clearCommandLog() { log.clear(); }
    void setLogFile(const QString& path);
    const QString& logFile() const { return logPath; }

    // The commands.
    TavrendelPFMReply readTime();
    TavrendelPFMReply writeTime(const QDateTime& date);
    TavrendelPFMReply readMemory();
    TavrendelPFMReply clearMemory();
    TavrendelPFMReply writeBestValue(qint32 value);
    TavrendelPFMReply readBestValue();

signals:
    void connectionChanged(bool connected);

private:
    using Action = std::function<TavrendelPFMReply()>;

    TavrendelPFMReply run(qint64 command, const QString& argument, const Action& action);
    TavrendelPFMReply succeed(qint64 command) const;
    TavrendelPFMReply succeed(qint64 command, QVariantMap reply) const;
    static TavrendelPFMReply fail(qint64 command, const QString& message);
    void record(const QString& line);
    void appendToLogFile(const QString& line);

    bool connected = true;
    NowFunction nowFunction;
    qint64 offsetSeconds = 0;
    QList<TavrendelPFMReading> memory;
    qint32 storedBestValue = 0;
    QSet<qint64> failing;
    std::map<qint64, ReplyEdit> replyEdits;
    QStringList log;
    QString logPath;
    bool logFileWarned = false;
};
