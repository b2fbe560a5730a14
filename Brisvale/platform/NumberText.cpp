#include "Brisvale/platform/NumberText.h"

#include <QLocale>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <locale.h>
#include <vector>

namespace {

// The application object sets the process locale from the environment, where the decimal mark
// may be a comma; the fixed form always uses the C locale's point.
locale_t cNumericLocale()
{
    static const locale_t locale = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

class CNumericScope {
public:
    CNumericScope() : previous_(uselocale(cNumericLocale())) {}
    ~CNumericScope() { uselocale(previous_); }
    CNumericScope(const CNumericScope&) = delete;
    CNumericScope& operator=(const CNumericScope&) = delete;

private:
    locale_t previous_;
};

}

namespace NumberText {

QString fixed(double value, int decimals)
{
    const int places = std::clamp(decimals, 0, 17);
    const CNumericScope scope;
    const int length = std::snprintf(nullptr, 0, "%.*f", places, value);
    if (length <= 0) {
        return QString();
    }
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    std::snprintf(buffer.data(), buffer.size(), "%.*f", places, value);
    return QString::fromLatin1(buffer.data(), length);
}

QString shown(double value, int decimals)
{
    return shown(fixed(value, decimals));
}

QString shown(const QString& fixedText)
{
    QString text = fixedText;
    return text.replace(QLatin1Char('.'), QLocale().decimalPoint());
}

QString fromShown(const QString& typed)
{
    QString text = typed;
    return text.replace(QLocale().decimalPoint(), QStringLiteral("."));
}

}
