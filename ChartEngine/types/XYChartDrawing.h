#pragma once

#include "ChartEngine/components/Highlight.h"
#include "ChartEngine/data/ChartData.h"
#include "ChartEngine/data/ChartDataSetProtocol.h"
#include "ChartEngine/views/LineScatterCandleRadarRenderer.h"

#include <QColor>
#include <QPen>
#include <QPointF>
#include <QString>

#include <functional>
#include <memory>

class QPainter;

namespace Charts {

class AffineTransform;
class BarLineScatterCandleBubbleChartDataSetProtocol;
class ChartDataEntry;
class ChartDataSetProtocol;
class ViewPortHandler;
class XBounds;

// Drawing steps shared by the scatter, bubble and candlestick renderers.
namespace XYChartDrawing {

// The set's highlight colour and line width, dashed by its highlight dash when it has lengths.
QPen highlightPen(const BarLineScatterCandleBubbleChartDataSetProtocol& dataSet);

// The entry of a value pass at index j, or none where the pass ends.
using EntryAt = std::function<std::shared_ptr<ChartDataEntry>(qint64 j)>;
// The value (in the chart's values) at which an entry's label is placed.
using ValuePoint = std::function<QPointF(const ChartDataEntry& entry)>;
using ValueVisit = std::function<void(qint64 j, const ChartDataEntry& entry, QPointF point)>;

// Visits the entries of the bounds in order with their pixel points, ending at the first index
// without an entry or at the first point right of the content; a point left of the content or
// above or below it is passed over.
void forEachValuePoint(const ViewPortHandler& handler, const AffineTransform& matrix, const XBounds& bounds,
                       const EntryAt& entryAt, const ValuePoint& valuePoint, const ValueVisit& visit);

// A value label of the set, centred on x with its top at `top`: at angle 0 (in
// degrees) its top-left corner is there, otherwise the rotated text is centred on that point.
void drawValueLabel(QPainter& painter, const ChartDataSetProtocol& dataSet, const QString& text, QPointF point,
                    double top, const QColor& color);

// The entry's icon centred on the point moved by the set's icon offset, at the icon's own size,
// when the entry has one and the set draws icons.
void drawValueIcon(QPainter& painter, const ChartDataSetProtocol& dataSet, const ChartDataEntry& entry,
                   QPointF point);

// Visits each highlight that is drawn, with its data set and entry: the set at its data-set
// index (a null highlight or an index outside the data's sets names none) is a `Set` with
// highlighting on, and its entry closest to the highlight's x and y is an `Entry` within the
// animated share of the set. A visit that answers false ends the pass.
template <typename Set, typename Entry, typename Visit>
void forEachHighlightTarget(const ChartData& data, const HighlightList& highlights,
                            const BarLineScatterCandleBubbleRenderer& renderer, Visit visit)
{
    for (const auto& highlight : highlights) {
        const auto dataSet =
            highlight ? std::dynamic_pointer_cast<Set>(data.dataSetAtIndex(highlight->dataSetIndex())) : nullptr;
        if (!dataSet || !dataSet->isHighlightEnabled()) {
            continue;
        }
        const auto entry = std::dynamic_pointer_cast<Entry>(dataSet->entryForXValue(highlight->x(), highlight->y()));
        if (entry && renderer.isInBoundsX(*entry, *dataSet) && !visit(*highlight, *dataSet, *entry)) {
            return;
        }
    }
}

// The set's highlight indicator lines through the pixel point, which becomes the highlight's
// drawing position.
void drawHighlightLines(QPainter& painter, LineScatterCandleRadarRenderer& renderer, Highlight& highlight,
                        const LineScatterCandleRadarChartDataSetProtocol& dataSet, QPointF point);

}

}
