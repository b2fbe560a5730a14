#include "Brisvale/platform/WholeFile.h"

#include <QSaveFile>

#include <algorithm>

std::optional<QString> WholeFile::write(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return file.errorString();
    }
    const qint64 written = file.write(bytes);
    const qint64 size = file.size();
    if (written != bytes.size() || size != bytes.size()) {
        // The temporary file is removed when `file` goes out of scope without a commit.
        return QStringLiteral("%1 of %2 bytes were written (%3)")
            .arg(std::max(written, size))
            .arg(bytes.size())
            .arg(file.errorString());
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}
