#include "TavrendelPFMSDK/TavrendelPFMSimulator.h"

#include "TavrendelPFMSDK/TavrendelPFMCommand.h"
#include "TavrendelPFMSDK/TavrendelPFMKey.h"

#include <QFile>
#include <QVariantList>
#include <QtDebug>

namespace {

// Whole seconds since the epoch, rounded down also before 1970.
qint64 wholeSeconds(const QDateTime& date)
{
    const qint64 msecs = date.toMSecsSinceEpoch();
    return msecs >= 0 ? msecs / 1000 : -((-msecs + 999) / 1000);
}

QVariantMap readingReply(const TavrendelPFMReading& reading)
{
    return {
        {TavrendelPFMKey::Pef, QVariant::fromValue<qint32>(reading.pef)},
        {TavrendelPFMKey::Fev1, QVariant::fromValue<float>(reading.fev1)},
        {TavrendelPFMKey::Year, reading.year},
        {TavrendelPFMKey::Month, reading.month},
        {TavrendelPFMKey::Day, reading.day},
        {TavrendelPFMKey::Hour, reading.hour},
        {TavrendelPFMKey::Minute, reading.minute},
    };
}

}

TavrendelPFMSimulator::TavrendelPFMSimulator() = default;

void TavrendelPFMSimulator::connectMeter()
{
    if (!connected) {
        connected = true;
        emit connectionChanged(true);
    }
}

void TavrendelPFMSimulator::disconnectMeter()
{
    if (connected) {
        connected = false;
        emit connectionChanged(false);
    }
}

void TavrendelPFMSimulator::setNow(NowFunction now)
{
    nowFunction = std::move(now);
}

QDateTime TavrendelPFMSimulator::now() const
{
    return nowFunction ? nowFunction() : QDateTime::currentDateTime();
}

QDateTime TavrendelPFMSimulator::meterClock() const
{
    const QDateTime computer = now();
    qint64 seconds = 0;
    if (!computer.isValid() || qAddOverflow(wholeSeconds(computer), offsetSeconds, &seconds)) {
        return {};
    }
    return QDateTime::fromSecsSinceEpoch(seconds);
}

void TavrendelPFMSimulator::setFailing(qint64 command, bool fails)
{
    if (fails) {
        failing.insert(command);
    } else {
        failing.remove(command);
    }
}

void TavrendelPFMSimulator::setReplyEdit(qint64 command, ReplyEdit edit)
{
    if (edit) {
        replyEdits[command] = std::move(edit);
    } else {
        replyEdits.erase(command);
    }
}

void TavrendelPFMSimulator::setLogFile(const QString& path)
{
    logPath = path;
    logFileWarned = false;
}

TavrendelPFMReply TavrendelPFMSimulator::readTime()
{
    return run(TavrendelPFMCommand::TimeRead, {}, [this] {
        const QDateTime clock = meterClock();
        if (!clock.isValid()) {
            return fail(TavrendelPFMCommand::TimeRead, QStringLiteral("The meter's clock cannot be read."));
        }
        const QDate date = clock.date();
        const QTime time = clock.time();
        return succeed(TavrendelPFMCommand::TimeRead, {
            {TavrendelPFMKey::Year, date.year()},
            {TavrendelPFMKey::Month, date.month()},
            {TavrendelPFMKey::Day, date.day()},
            {TavrendelPFMKey::Hour, time.hour()},
            {TavrendelPFMKey::Minute, time.minute()},
            {TavrendelPFMKey::Second, time.second()},
        });
    });
}

TavrendelPFMReply TavrendelPFMSimulator::writeTime(const QDateTime& date)
{
    const QString argument = date.isValid()
        ? QDateTime::fromSecsSinceEpoch(wholeSeconds(date)).toString(Qt::ISODate)
        : QStringLiteral("invalid");
    return run(TavrendelPFMCommand::TimeWrite, argument, [this, date] {
        const QDateTime computer = now();
        if (!date.isValid() || !computer.isValid()) {
            return fail(TavrendelPFMCommand::TimeWrite, QStringLiteral("The meter's clock cannot be set to that date."));
        }
        // The meter keeps the given date and runs on from it.
        offsetSeconds = wholeSeconds(date) - wholeSeconds(computer);
        return succeed(TavrendelPFMCommand::TimeWrite);
    });
}

TavrendelPFMReply TavrendelPFMSimulator::readMemory()
{
    return run(TavrendelPFMCommand::MemoryRead, {}, [this] {
        QVariantList entries;
        for (const TavrendelPFMReading& reading : std::as_const(memory)) {
            entries.append(readingReply(reading));
        }
        return succeed(TavrendelPFMCommand::MemoryRead, {
            {TavrendelPFMKey::HistoryMeasuremeNumber, static_cast<int>(entries.size())},
            {TavrendelPFMKey::MData, entries},
        });
    });
}

TavrendelPFMReply TavrendelPFMSimulator::clearMemory()
{
    return run(TavrendelPFMCommand::MemoryClear, {}, [this] {
        memory.clear();
        return succeed(TavrendelPFMCommand::MemoryClear);
    });
}

TavrendelPFMReply TavrendelPFMSimulator::writeBestValue(qint32 value)
{
    return run(TavrendelPFMCommand::BestValueWrite, QString::number(value), [this, value] {
        storedBestValue = value;
        return succeed(TavrendelPFMCommand::BestValueWrite);
    });
}

TavrendelPFMReply TavrendelPFMSimulator::readBestValue()
{
    return run(TavrendelPFMCommand::BestValueRead, {}, [this] {
        return succeed(TavrendelPFMCommand::BestValueRead,
                       {{TavrendelPFMKey::BestValue, QVariant::fromValue<qint32>(storedBestValue)}});
    });
}

// Logs the command, then answers it unless the meter is detached or told to fail it.
TavrendelPFMReply TavrendelPFMSimulator::run(qint64 command, const QString& argument, const Action& action)
{
    const QString name = TavrendelPFMCommand::name(command);
    record(argument.isEmpty() ? name : name + QLatin1Char(' ') + argument);
    if (!connected) {
        return fail(command, QStringLiteral("The meter is not connected."));
    }
    if (isFailing(command)) {
        return fail(command, QStringLiteral("The meter did not complete %1.").arg(name));
    }
    return action();
}

TavrendelPFMReply TavrendelPFMSimulator::succeed(qint64 command) const
{
    return {true, command, nullptr, nullptr};
}

TavrendelPFMReply TavrendelPFMSimulator::succeed(qint64 command, QVariantMap reply) const
{
    const auto edit = replyEdits.find(command);
    if (edit != replyEdits.end()) {
        edit->second(reply);
    }
    return {true, command, std::make_shared<const TavrendelPFMModel>(std::move(reply)), nullptr};
}

TavrendelPFMReply TavrendelPFMSimulator::fail(qint64 command, const QString& message)
{
    return {false, command, nullptr, std::make_shared<const TavrendelPFMError>(message)};
}

void TavrendelPFMSimulator::record(const QString& line)
{
    log.append(line);
    if (!logPath.isEmpty()) {
        appendToLogFile(line);
    }
}

void TavrendelPFMSimulator::appendToLogFile(const QString& line)
{
    const QDateTime computer = now();
    const QString stamped = computer.isValid()
        ? QDateTime::fromSecsSinceEpoch(wholeSeconds(computer)).toString(Qt::ISODate) + QLatin1Char(' ') + line
        : line;
    QFile file(logPath);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)
        && file.write((stamped + QLatin1Char('\n')).toUtf8()) >= 0 && file.flush();
    if (!written && !logFileWarned) {
        logFileWarned = true;
        qWarning().noquote() << QStringLiteral("TavrendelPFMSDK: the command log \"%1\" cannot be written: %2")
                                    .arg(logPath, file.errorString());
    }
}
