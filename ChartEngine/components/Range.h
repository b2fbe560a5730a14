#pragma once

namespace Charts {

// The value interval that one segment of a stacked bar covers, open below and closed above.
class Range {
public:
    Range(double from, double to);

    double from() const { return m_from; }
    void setFrom(double from) { m_from = from; }
    double to() const { return m_to; }
    void setTo(double to) { m_to = to; }

    // from < value <= to
    bool contains(double value) const;
    // value > to
    bool isLarger(double value) const;
    // value < from
    bool isSmaller(double value) const;

private:
    double m_from;
    double m_to;
};

}
