#pragma once

// Readable GoogleTest failure messages for Qt values.
#include <QColor>
#include <QDateTime>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QStringList>
#include <ostream>

inline void PrintTo(const QString& value, std::ostream* os)
{
    *os << '"' << value.toStdString() << '"';
}

inline void PrintTo(const QStringList& value, std::ostream* os)
{
    *os << '[';
    for (qsizetype i = 0; i < value.size(); ++i) {
        *os << (i ? ", \"" : "\"") << value[i].toStdString() << '"';
    }
    *os << ']';
}

inline void PrintTo(const QColor& value, std::ostream* os)
{
    *os << "rgba(" << value.redF() << ", " << value.greenF() << ", " << value.blueF() << ", "
        << value.alphaF() << ')';
}

inline void PrintTo(const QPointF& value, std::ostream* os)
{
    *os << '(' << value.x() << ", " << value.y() << ')';
}

inline void PrintTo(const QRectF& value, std::ostream* os)
{
    *os << '(' << value.x() << ", " << value.y() << ", " << value.width() << " x "
        << value.height() << ')';
}

inline void PrintTo(const QPoint& value, std::ostream* os)
{
    *os << '(' << value.x() << ", " << value.y() << ')';
}

inline void PrintTo(const QSize& value, std::ostream* os)
{
    *os << value.width() << " x " << value.height();
}

inline void PrintTo(const QDateTime& value, std::ostream* os)
{
    *os << value.toString(Qt::ISODateWithMs).toStdString();
}

inline void PrintTo(const QDate& value, std::ostream* os)
{
    *os << value.toString(Qt::ISODate).toStdString();
}
