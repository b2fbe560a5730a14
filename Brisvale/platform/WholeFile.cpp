#include "Brisvale/platform/WholeFile.h"

#include <QFile>
#include <QSaveFile>

namespace {

// Writes every byte or fails with the system's reason: a write that takes only part of the bytes
// (the disk filled up on the way) is followed by one for the rest, which fails and says why.
bool writeAll(QSaveFile& file, const QByteArray& bytes)
{
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            return false;
        }
        done += written;
    }
    return true;
}

QString cutShort(const QSaveFile& file, qint64 size)
{
    return QStringLiteral("%1 of %2 bytes were written (%3)")
        .arg(file.size())
        .arg(size)
        .arg(file.errorString());
}

// The temporary file is renamed over the path only when it holds every byte; otherwise it is
// removed when `file` goes out of scope without a commit.
std::optional<QString> commitWhole(QSaveFile& file, qint64 size)
{
    if (file.size() != size) {
        return cutShort(file, size);
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}

QString onPath(const QString& path, const QString& reason)
{
    return path + QStringLiteral(": ") + reason;
}

}

std::optional<QString> WholeFile::write(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return file.errorString();
    }
    if (!writeAll(file, bytes)) {
        return cutShort(file, bytes.size());
    }
    return commitWhole(file, bytes.size());
}

std::optional<QString> WholeFile::copy(const QString& from, const QString& to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly)) {
        return onPath(from, source.errorString());
    }
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return onPath(to, target.errorString());
    }
    constexpr qint64 chunk = 1 << 20;
    const qint64 size = source.size();
    while (!source.atEnd()) {
        const QByteArray bytes = source.read(chunk);
        if (bytes.isEmpty()) {
            return onPath(from, source.errorString());
        }
        if (!writeAll(target, bytes)) {
            return onPath(to, cutShort(target, size));
        }
    }
    if (const std::optional<QString> failed = commitWhole(target, size)) {
        return onPath(to, *failed);
    }
    return std::nullopt;
}
