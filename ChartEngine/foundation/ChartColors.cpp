#include "ChartEngine/foundation/ChartColors.h"
#include "ChartEngine/foundation/NumberUtils.h"

#include <algorithm>

namespace Charts {

namespace ChartColors {

QColor gray()
{
    return QColor(128, 128, 128);
}

QColor label()
{
    // black at 85 % opacity, the desktop's label text on a light background
    return QColor::fromRgbF(0.0f, 0.0f, 0.0f, 0.85f);
}

QColor white()
{
    return QColor(255, 255, 255);
}

QColor black()
{
    return QColor(0, 0, 0);
}

QColor dataSet()
{
    return QColor(140, 234, 255);
}

}

QFont systemFont(double pixelSize)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(1, checkedInteger<int>(std::round(pixelSize))));
    return font;
}

}
