#pragma once

#include "ChartEngine/components/AxisDependency.h"
#include "ChartEngine/components/LegendForm.h"
#include "ChartEngine/data/ChartDataEntry.h"
#include "ChartEngine/data/ChartDataSetRounding.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QPointF>
#include <QString>

#include <memory>
#include <optional>

namespace Charts {

class ValueFormatter;

// What the rest of the engine sees of any data set: the chart data, the renderers, the
// highlighters and the legend call only these members. Interfaces of the chart types extend it;
// every data set class implements them through virtual inheritance, so "is a line data set" is a
// dynamic_cast to LineChartDataSetProtocol.
class ChartDataSetProtocol {
public:
    virtual ~ChartDataSetProtocol() = default;

    // Bounds
    virtual void notifyDataSetChanged() = 0;
    virtual void calcMinMax() = 0;
    virtual void calcMinMaxY(double fromX, double toX) = 0;
    virtual double yMin() const = 0;
    virtual double yMax() const = 0;
    virtual double xMin() const = 0;
    virtual double xMax() const = 0;

    // Entries and search by x
    virtual qint64 entryCount() const = 0;
    virtual std::shared_ptr<ChartDataEntry> entryForIndex(qint64 index) const = 0;
    virtual std::shared_ptr<ChartDataEntry> entryForXValue(double x, double closestToY,
                                                           ChartDataSetRounding rounding) const = 0;
    virtual std::shared_ptr<ChartDataEntry> entryForXValue(double x, double closestToY) const = 0;
    virtual ChartDataEntryList entriesForXValue(double x) const = 0;
    virtual qint64 entryIndex(double x, double closestToY, ChartDataSetRounding rounding) const = 0;
    virtual qint64 entryIndex(const std::shared_ptr<ChartDataEntry>& entry) const = 0;

    // Editing
    virtual bool addEntry(const std::shared_ptr<ChartDataEntry>& entry) = 0;
    virtual bool addEntryOrdered(const std::shared_ptr<ChartDataEntry>& entry) = 0;
    virtual bool removeEntry(const std::shared_ptr<ChartDataEntry>& entry) = 0;
    virtual bool removeEntryWithIndex(qint64 index) = 0;
    virtual bool removeEntryWithX(double x) = 0;
    virtual bool removeFirst() = 0;
    virtual bool removeLast() = 0;
    virtual bool contains(const std::shared_ptr<ChartDataEntry>& entry) const = 0;
    virtual void clear() = 0;

    // Style
    virtual std::optional<QString> label() const = 0;
    virtual AxisDependency axisDependency() const = 0;
    virtual QList<QColor> valueColors() const = 0;
    virtual QList<QColor> colors() const = 0;
    virtual QColor colorAtIndex(qint64 index) const = 0;
    virtual void resetColors() = 0;
    virtual void addColor(const QColor& color) = 0;
    virtual void setColor(const QColor& color) = 0;
    virtual bool isHighlightEnabled() const = 0;
    virtual void setHighlightEnabled(bool enabled) = 0;
    virtual std::shared_ptr<ValueFormatter> valueFormatter() const = 0;
    virtual void setValueFormatter(std::shared_ptr<ValueFormatter> formatter) = 0;
    virtual QColor valueTextColor() const = 0;
    virtual void setValueTextColor(const QColor& color) = 0;
    virtual QColor valueTextColorAt(qint64 index) const = 0;
    virtual QFont valueFont() const = 0;
    virtual void setValueFont(const QFont& font) = 0;
    virtual double valueLabelAngle() const = 0;
    virtual void setValueLabelAngle(double degrees) = 0;
    virtual LegendForm form() const = 0;
    virtual double formSize() const = 0;
    virtual double formLineWidth() const = 0;
    virtual double formLineDashPhase() const = 0;
    virtual std::optional<QList<double>> formLineDashLengths() const = 0;
    virtual bool isDrawValuesEnabled() const = 0;
    virtual void setDrawValuesEnabled(bool enabled) = 0;
    virtual bool isDrawIconsEnabled() const = 0;
    virtual void setDrawIconsEnabled(bool enabled) = 0;
    virtual QPointF iconsOffset() const = 0;
    virtual void setIconsOffset(const QPointF& offset) = 0;
    virtual bool isVisible() const = 0;
    virtual void setVisible(bool visible) = 0;
};

}
