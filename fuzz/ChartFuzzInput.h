#pragma once

#include <QByteArray>
#include <QList>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

// The bytes of a chart fuzz input, read as the choices that build a chart: each read takes what it
// needs from the front, and an input that has run out answers zeros, so every input builds a chart.
class ChartFuzzInput {
public:
    explicit ChartFuzzInput(const QByteArray& bytes) : m_bytes(bytes) {}

    quint8 byte()
    {
        return m_next < m_bytes.size() ? static_cast<quint8>(m_bytes.at(m_next++)) : 0;
    }

    bool flag() { return (byte() & 1) != 0; }

    // A choice among `count` cases, 0 to count - 1.
    int choice(int count) { return byte() % count; }

    // A whole number 0 to `largest`, from two bytes.
    int upTo(int largest)
    {
        const int raw = byte() << 8 | byte();
        return raw % (largest + 1);
    }

    // A number: mostly the edges a chart must survive (NaN, the infinities, ±1e308, the smallest
    // and largest doubles, zeros), or a small whole number, a fraction, or any eight bytes.
    double number()
    {
        static const double edges[] = {std::numeric_limits<double>::quiet_NaN(),
                                       std::numeric_limits<double>::infinity(),
                                       -std::numeric_limits<double>::infinity(),
                                       1e308,
                                       -1e308,
                                       std::numeric_limits<double>::max(),
                                       std::numeric_limits<double>::lowest(),
                                       std::numeric_limits<double>::denorm_min(),
                                       std::numeric_limits<double>::min(),
                                       0.0,
                                       -0.0,
                                       1e-12,
                                       1e12,
                                       -1e12,
                                       9.2233720368547758e18,
                                       2147483648.0};
        const quint8 kind = byte();
        if (kind < std::size(edges)) {
            return edges[kind];
        }
        if (kind < 128) {
            return kind - 80.0;
        }
        if (kind < 200) {
            return static_cast<qint16>(byte() << 8 | byte()) / 16.0;
        }
        quint64 bits = 0;
        for (int i = 0; i < 8; ++i) {
            bits = bits << 8 | byte();
        }
        double raw = 0;
        std::memcpy(&raw, &bits, sizeof raw);
        return raw;
    }

    // A count for a setter that takes any 64-bit count: small ones, the edges, or any eight bytes.
    qint64 count()
    {
        const quint8 kind = byte();
        if (kind < 200) {
            return kind - 20;
        }
        switch (kind % 4) {
        case 0: return std::numeric_limits<qint64>::max();
        case 1: return std::numeric_limits<qint64>::min();
        case 2: return std::numeric_limits<int>::max();
        default: break;
        }
        quint64 bits = 0;
        for (int i = 0; i < 8; ++i) {
            bits = bits << 8 | byte();
        }
        return static_cast<qint64>(bits);
    }

    // A list of up to `largest` numbers (a dash pattern, gradient positions, stacked values).
    QList<double> numbers(int largest)
    {
        QList<double> values;
        const int size = choice(largest + 1);
        for (int i = 0; i < size; ++i) {
            values.append(number());
        }
        return values;
    }

private:
    QByteArray m_bytes;
    qsizetype m_next = 0;
};
