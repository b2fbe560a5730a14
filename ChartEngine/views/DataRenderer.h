#pragma once

#include "ChartEngine/components/Highlight.h"
#include "ChartEngine/views/Renderer.h"

#include <QList>
#include <QString>

#include <memory>

class QPainter;

namespace Charts {

class Animator;
class ChartData;
class ChartDataProvider;
class ChartViewBase;
class NSUIAccessibilityElement;

// What a chart view asks of the renderer that draws its data, in the view's fixed drawing order
// and after every data change.
class DataRenderer : public Renderer {
public:
    using Elements = QList<std::shared_ptr<NSUIAccessibilityElement>>;

    // The accessibility elements of the last drawing pass, the header first.
    virtual Elements accessibleChartElements() const = 0;
    virtual std::shared_ptr<Animator> animator() const = 0;

    virtual void drawData(QPainter& painter) = 0;
    virtual void drawValues(QPainter& painter) = 0;
    virtual void drawExtras(QPainter& painter) = 0;
    virtual void drawHighlighted(QPainter& painter, const HighlightList& indices) = 0;
    virtual void initBuffers() = 0;
    virtual bool isDrawingValuesAllowed(const ChartDataProvider* dataProvider) const = 0;
    virtual std::shared_ptr<NSUIAccessibilityElement> createAccessibleHeader(
        const ChartViewBase& chart, const ChartData& data, const QString& defaultDescription) = 0;
};

}
