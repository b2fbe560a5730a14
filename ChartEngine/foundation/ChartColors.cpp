#include "ChartEngine/foundation/ChartColors.h"

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
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    return font;
}

}
