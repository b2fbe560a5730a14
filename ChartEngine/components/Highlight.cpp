#include "ChartEngine/components/Highlight.h"

#include "ChartEngine/data/ShortestNumberText.h"

namespace Charts {

Highlight::Highlight(double x, double y, double xPx, double yPx, qint64 dataIndex, qint64 dataSetIndex,
                     qint64 stackIndex, AxisDependency axis)
    : m_x(x)
    , m_y(y)
    , m_xPx(xPx)
    , m_yPx(yPx)
    , m_dataIndex(dataIndex)
    , m_dataSetIndex(dataSetIndex)
    , m_stackIndex(stackIndex)
    , m_axis(axis)
{
}

Highlight::Highlight(double x, double y, double xPx, double yPx, qint64 dataSetIndex, qint64 stackIndex,
                     AxisDependency axis)
    : Highlight(x, y, xPx, yPx, 0, dataSetIndex, stackIndex, axis)
{
}

Highlight::Highlight(double x, double y, double xPx, double yPx, qint64 dataSetIndex, AxisDependency axis)
    : Highlight(x, y, xPx, yPx, -1, dataSetIndex, -1, axis)
{
}

Highlight::Highlight(double x, double y, qint64 dataSetIndex, qint64 dataIndex)
    : Highlight(x, y, nan, nan, dataIndex, dataSetIndex, -1, AxisDependency::left)
{
}

Highlight::Highlight(double x, qint64 dataSetIndex, qint64 stackIndex)
    : Highlight(x, nan, dataSetIndex, -1)
{
    m_stackIndex = stackIndex;
}

void Highlight::setDraw(double x, double y)
{
    m_drawX = x;
    m_drawY = y;
}

void Highlight::setDraw(const QPointF& point)
{
    setDraw(point.x(), point.y());
}

bool Highlight::isEqual(const Highlight* other) const
{
    if (other == nullptr) {
        return false;
    }
    if (other == this) {
        return true;
    }
    return m_x == other->m_x && m_y == other->m_y && m_dataIndex == other->m_dataIndex
        && m_dataSetIndex == other->m_dataSetIndex && m_stackIndex == other->m_stackIndex;
}

QString Highlight::description() const
{
    return QStringLiteral("Highlight, x: %1, y: %2, dataIndex (combined charts): %3, dataSetIndex: %4, "
                          "stackIndex (only stacked barentry): %5")
        .arg(shortestNumberText(m_x), shortestNumberText(m_y))
        .arg(m_dataIndex)
        .arg(m_dataSetIndex)
        .arg(m_stackIndex);
}

}
