#include "Brisvale/records/StoreFileHeader.h"

#include <QFile>
#include <QtEndian>

namespace {

constexpr qsizetype headerSize = 100;
const QByteArray magic("SQLite format 3\0", 16);

quint32 bigEndian32(const QByteArray& bytes, qsizetype offset)
{
    return qFromBigEndian<quint32>(bytes.constData() + offset);
}

// The database's size as its header gives it; 0 when the page count there is not valid (it is
// valid while the "version valid for" number equals the change counter).
qint64 sizeInHeader(const QByteArray& header)
{
    const quint32 rawPageSize = qFromBigEndian<quint16>(header.constData() + 16);
    const qint64 pageSize = rawPageSize == 1 ? 65536 : rawPageSize;
    const bool countValid = bigEndian32(header, 24) == bigEndian32(header, 92);
    return countValid ? pageSize * bigEndian32(header, 28) : 0;
}

// The file's error text is the system's own (strerror): "Permission denied", say.
StoreFileHeader unreadable(const QFile& file)
{
    StoreFileHeader result;
    result.kind = StoreFileHeader::Kind::unreadable;
    result.readError = file.errorString();
    return result;
}

}

StoreFileHeader StoreFileHeader::read(const QString& path)
{
    StoreFileHeader result;
    QFile file(path);
    if (!file.exists()) {
        return result;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return unreadable(file);
    }
    result.fileSize = file.size();
    const QByteArray header = file.read(headerSize);
    if (file.error() != QFileDevice::NoError) {
        return unreadable(file);
    }
    if (header.isEmpty()) {
        return result;
    }
    if (!header.startsWith(magic.left(header.size()))) {
        result.kind = Kind::notADatabase;
    } else if (header.size() < headerSize) {
        result.kind = Kind::cutShort;
    } else {
        result.declaredSize = sizeInHeader(header);
        result.userVersion = static_cast<qint32>(bigEndian32(header, 60));
        result.kind = result.fileSize < result.declaredSize ? Kind::cutShort : Kind::database;
    }
    return result;
}
