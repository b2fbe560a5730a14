#pragma once

#include <QLocale>
#include <QString>

namespace Charts {

// Turns a double into text in a locale: a fixed range of fraction digits and an optional
// grouping separator. A new formatter shows no fraction digits and no grouping. Formatters
// are shared by reference (std::shared_ptr) between the value and axis formatters that use
// them, so a change of digits is seen by every user.
class NumberFormatter {
public:
    // The most fraction digits a formatter shows; larger counts are capped.
    static constexpr int maximumDigitCount = 340;

    explicit NumberFormatter(const QLocale& locale = QLocale());

    const QLocale& locale() const { return m_locale; }

    int minimumFractionDigits() const { return m_minimumFractionDigits; }
    // A negative count means 0. Raising the minimum above the maximum raises the maximum too.
    void setMinimumFractionDigits(int digits);

    int maximumFractionDigits() const { return m_maximumFractionDigits; }
    // A negative count means 0. Lowering the maximum below the minimum lowers the minimum too.
    void setMaximumFractionDigits(int digits);

    bool usesGroupingSeparator() const { return m_usesGroupingSeparator; }
    void setUsesGroupingSeparator(bool on) { m_usesGroupingSeparator = on; }

    // The value rounded to the maximum fraction digits, with trailing zeros dropped down to
    // the minimum. Not-a-number and the infinities are written in the locale's own way.
    QString stringFromNumber(double value) const;

private:
    QString trimmedFraction(QString text) const;

    QLocale m_locale;
    int m_minimumFractionDigits = 0;
    int m_maximumFractionDigits = 0;
    bool m_usesGroupingSeparator = false;
};

}
