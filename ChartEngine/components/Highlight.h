#pragma once

#include "ChartEngine/components/AxisDependency.h"

#include <QList>
#include <QPointF>
#include <QString>
#include <QtGlobal>

#include <limits>
#include <memory>

namespace Charts {

// One selected value of a chart: the data set and entry it belongs to, where it lies in value
// space and on screen, and where its marker is drawn. Held by std::shared_ptr: a highlight whose
// x or y is not-a-number equals only its own object.
class Highlight {
public:
    // Describes no value: x, y and the pixel position not-a-number, no sub-data, no stack segment.
    Highlight() = default;
    Highlight(double x, double y, double xPx, double yPx, qint64 dataIndex, qint64 dataSetIndex,
              qint64 stackIndex, AxisDependency axis);
    // A stacked-bar highlight: the sub-data index is 0.
    Highlight(double x, double y, double xPx, double yPx, qint64 dataSetIndex, qint64 stackIndex,
              AxisDependency axis);
    // What the highlighters make: no sub-data, no stack segment.
    Highlight(double x, double y, double xPx, double yPx, qint64 dataSetIndex, AxisDependency axis);
    // A value highlighted from code: no pixel position, no stack segment, the left axis.
    Highlight(double x, double y, qint64 dataSetIndex, qint64 dataIndex);
    // A stack segment highlighted from code: y not-a-number, no sub-data.
    Highlight(double x, qint64 dataSetIndex, qint64 stackIndex);

    double x() const { return m_x; }
    double y() const { return m_y; }
    double xPx() const { return m_xPx; }
    double yPx() const { return m_yPx; }
    // Index of the sub-data inside combined chart data; -1 when not used.
    qint64 dataIndex() const { return m_dataIndex; }
    void setDataIndex(qint64 dataIndex) { m_dataIndex = dataIndex; }
    qint64 dataSetIndex() const { return m_dataSetIndex; }
    qint64 stackIndex() const { return m_stackIndex; }
    AxisDependency axis() const { return m_axis; }

    // Where the highlight was drawn: the marker's anchor.
    double drawX() const { return m_drawX; }
    double drawY() const { return m_drawY; }
    void setDraw(double x, double y);
    void setDraw(const QPointF& point);

    bool isStacked() const { return m_stackIndex >= 0; }

    // Equal when other is this object, or has equal x, y, dataIndex, dataSetIndex and
    // stackIndex. Pixel and draw positions and the axis take no part; no object is not equal.
    bool isEqual(const Highlight* other) const;

    QString description() const;

private:
    static constexpr double nan = std::numeric_limits<double>::quiet_NaN();

    double m_x = nan;
    double m_y = nan;
    double m_xPx = nan;
    double m_yPx = nan;
    qint64 m_dataIndex = -1;
    qint64 m_dataSetIndex = 0;
    qint64 m_stackIndex = -1;
    AxisDependency m_axis = AxisDependency::left;
    double m_drawX = 0.0;
    double m_drawY = 0.0;
};

// The highlights of a chart, in the order they were made.
using HighlightList = QList<std::shared_ptr<Highlight>>;

}
