#include "ChartEngine/components/LegendRenderer.h"

#include "ChartEngine/data/BarChartDataSetProtocol.h"
#include "ChartEngine/data/CandleChartDataSetProtocol.h"
#include "ChartEngine/data/ChartData.h"
#include "ChartEngine/data/PieChartDataEntry.h"
#include "ChartEngine/data/PieChartDataSetProtocol.h"
#include "ChartEngine/foundation/ChartFatal.h"
#include "ChartEngine/foundation/ClippedDrawing.h"
#include "ChartEngine/foundation/DrawingUtils.h"
#include "ChartEngine/foundation/LineDash.h"
#include "ChartEngine/foundation/ViewPortHandler.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace Charts {

namespace {

using Form = Legend::Form;
using HorizontalAlignment = Legend::HorizontalAlignment;
using VerticalAlignment = Legend::VerticalAlignment;
using Orientation = Legend::Orientation;
using Direction = Legend::Direction;

// An entry styled with the data set's form settings.
std::shared_ptr<LegendEntry> formEntry(const ChartDataSetProtocol& dataSet,
                                       std::optional<QString> label, std::optional<QColor> color)
{
    auto entry = std::make_shared<LegendEntry>(std::move(label));
    entry->setForm(dataSet.form());
    entry->setFormSize(dataSet.formSize());
    entry->setFormLineWidth(dataSet.formLineWidth());
    entry->setFormLineDashPhase(dataSet.formLineDashPhase());
    entry->setFormLineDashLengths(dataSet.formLineDashLengths());
    entry->setFormColor(color);
    return entry;
}

// The data set's own label after its coloured entries, without a form.
void appendSetLabel(LegendEntryList& entries, const ChartDataSetProtocol& dataSet)
{
    if (std::optional<QString> label = dataSet.label()) {
        auto entry = std::make_shared<LegendEntry>(std::move(label));
        entry->setForm(Form::none);
        entries.append(entry);
    }
}

void appendStackEntries(LegendEntryList& entries, const BarChartDataSetProtocol& dataSet)
{
    const QList<QColor> colors = dataSet.colors();
    const QStringList stackLabels = dataSet.stackLabels();
    const qsizetype count = std::min<qsizetype>(colors.size(), dataSet.stackSize());
    for (qsizetype j = 0; j < count; ++j) {
        std::optional<QString> label;
        if (j < stackLabels.size()) {
            label = stackLabels[j];
        }
        entries.append(formEntry(dataSet, label, colors[j]));
    }
    appendSetLabel(entries, dataSet);
}

void appendSliceEntries(LegendEntryList& entries, const PieChartDataSetProtocol& dataSet)
{
    const QList<QColor> colors = dataSet.colors();
    const qsizetype count = std::min<qsizetype>(colors.size(), dataSet.entryCount());
    for (qsizetype j = 0; j < count; ++j) {
        std::optional<QString> label;
        const auto slice = std::dynamic_pointer_cast<PieChartDataEntry>(dataSet.entryForIndex(j));
        if (slice) {
            label = slice->label();
        }
        entries.append(formEntry(dataSet, label, colors[j]));
    }
    appendSetLabel(entries, dataSet);
}

// One entry per colour; all but the last stacked without label before the set's label.
void appendColorEntries(LegendEntryList& entries, const ChartDataSetProtocol& dataSet)
{
    const QList<QColor> colors = dataSet.colors();
    const qsizetype entryCount = dataSet.entryCount();
    const qsizetype count = std::min<qsizetype>(colors.size(), entryCount);
    for (qsizetype j = 0; j < count; ++j) {
        const bool unlabelled = j < colors.size() - 1 && j < entryCount - 1;
        entries.append(formEntry(dataSet, unlabelled ? std::nullopt : dataSet.label(), colors[j]));
    }
}

bool isClearColor(const QColor& color)
{
    return color == QColor(Qt::transparent);
}

}

LegendRenderer::LegendRenderer(std::shared_ptr<ViewPortHandler> viewPortHandler,
                               std::shared_ptr<Legend> legend)
    : m_viewPortHandler(std::move(viewPortHandler))
    , m_legend(std::move(legend))
{
}

void LegendRenderer::appendEntries(LegendEntryList& entries, const ChartDataSetProtocol& dataSet)
{
    if (const auto* bar = dynamic_cast<const BarChartDataSetProtocol*>(&dataSet);
        bar && bar->isStacked()) {
        appendStackEntries(entries, *bar);
    } else if (const auto* pie = dynamic_cast<const PieChartDataSetProtocol*>(&dataSet)) {
        appendSliceEntries(entries, *pie);
    } else if (const auto* candle = dynamic_cast<const CandleChartDataSetProtocol*>(&dataSet);
               candle && candle->decreasingColor()) {
        entries.append(formEntry(dataSet, std::nullopt, candle->decreasingColor()));
        entries.append(formEntry(dataSet, dataSet.label(), candle->increasingColor()));
    } else {
        appendColorEntries(entries, dataSet);
    }
}

void LegendRenderer::computeLegend(const ChartData& data)
{
    const std::shared_ptr<Legend> legend = this->legend();
    if (!legend) {
        return;
    }
    if (!legend->isLegendCustom()) {
        LegendEntryList entries;
        for (const std::shared_ptr<ChartDataSetProtocol>& dataSet : data.dataSets()) {
            appendEntries(entries, *dataSet);
        }
        entries.append(legend->extraEntries());
        legend->setEntries(std::move(entries));
    }
    legend->calculateDimensions(legend->font(), *m_viewPortHandler);
}

double LegendRenderer::originX(const Legend& legend) const
{
    const ViewPortHandler& handler = *m_viewPortHandler;
    const bool horizontal = legend.orientation() == Orientation::horizontal;
    const bool rightToLeft = legend.direction() == Direction::rightToLeft;
    const double xOffset = legend.xOffset();
    const double neededWidth = legend.neededWidth();
    switch (legend.horizontalAlignment()) {
    case HorizontalAlignment::left:
        return (horizontal ? handler.contentLeft() : 0.0) + xOffset
            + (rightToLeft ? neededWidth : 0.0);
    case HorizontalAlignment::right:
        return (horizontal ? handler.contentRight() : handler.chartWidth()) - xOffset
            - (rightToLeft ? 0.0 : neededWidth);
    case HorizontalAlignment::center:
        if (horizontal) {
            return handler.contentLeft() + handler.contentWidth() / 2.0
                + (rightToLeft ? -xOffset : xOffset);
        }
        return rightToLeft
            ? handler.chartWidth() / 2.0 - xOffset + (neededWidth / 2.0 - xOffset)
            : handler.chartWidth() / 2.0 + xOffset - (neededWidth / 2.0 - xOffset);
    }
    chartFatal(QStringLiteral("Unexpected Legend.HorizontalAlignment value %1")
                   .arg(static_cast<int>(legend.horizontalAlignment())));
}

double LegendRenderer::startY(const Legend& legend) const
{
    const ViewPortHandler& handler = *m_viewPortHandler;
    const bool horizontal = legend.orientation() == Orientation::horizontal;
    const bool centred = legend.horizontalAlignment() == HorizontalAlignment::center;
    const double yOffset = legend.yOffset();
    const double neededHeight = legend.neededHeight();
    switch (legend.verticalAlignment()) {
    case VerticalAlignment::top:
        return yOffset + (horizontal || centred ? 0.0 : handler.contentTop());
    case VerticalAlignment::center:
        return horizontal ? yOffset + (handler.chartHeight() - neededHeight) / 2.0
                          : handler.chartHeight() / 2.0 - neededHeight / 2.0 + yOffset;
    case VerticalAlignment::bottom:
        // The needed height already holds one yOffset.
        if (horizontal) {
            return handler.chartHeight() - yOffset - neededHeight;
        }
        return (centred ? handler.chartHeight() : handler.contentBottom()) - (yOffset + neededHeight);
    }
    chartFatal(QStringLiteral("Unexpected Legend.VerticalAlignment value %1")
                   .arg(static_cast<int>(legend.verticalAlignment())));
}

void LegendRenderer::renderLegend(QPainter& painter)
{
    const std::shared_ptr<Legend> legend = this->legend();
    if (!legend || !legend->enabled()) {
        return;
    }
    const double lineHeight = fontLineHeight(legend->font());
    Placement placement;
    placement.originX = originX(*legend);
    placement.startY = startY(*legend);
    placement.lineAdvance = lineHeight + legend->yEntrySpace();
    placement.formYOffset = lineHeight / 2.0;
    placement.rightToLeft = legend->direction() == Direction::rightToLeft;
    switch (legend->orientation()) {
    case Orientation::horizontal:
        drawHorizontally(painter, *legend, placement);
        return;
    case Orientation::vertical:
        drawVertically(painter, *legend, placement);
        return;
    }
    chartFatal(QStringLiteral("Unexpected Legend.Orientation value %1")
                   .arg(static_cast<int>(legend->orientation())));
}

void LegendRenderer::drawEntryLabel(QPainter& painter, double x, double y, const LegendEntry& entry,
                                    const Legend& legend)
{
    drawLabel(painter, x, y, entry.label().value_or(QString()), legend.font(),
              entry.labelColor().value_or(legend.textColor()));
}

// Rows as the layout broke them, each centred on its own width when the legend is centred.
// Label widths come from the layout's cache; an entry the cache does not reach (a legend drawn
// before it was laid out) has its label measured.
void LegendRenderer::drawHorizontally(QPainter& painter, const Legend& legend,
                                      const Placement& placement)
{
    const QList<QSizeF> lineSizes = legend.calculatedLineSizes();
    const QList<QSizeF> labelSizes = legend.calculatedLabelSizes();
    const QList<bool> breakPoints = legend.calculatedLabelBreakPoints();
    const LegendEntryList entries = legend.entries();
    const bool rightToLeft = placement.rightToLeft;
    const double direction = rightToLeft ? -1.0 : 1.0;
    const double formToText = legend.formToTextSpace() * direction;
    const double xSpace = legend.xEntrySpace() * direction;
    const double stack = legend.stackSpace() * direction;
    const bool centred = legend.horizontalAlignment() == HorizontalAlignment::center;
    const double origin = placement.originX;

    double x = origin;
    double y = placement.startY;
    qsizetype row = 0;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const LegendEntry& entry = *entries[i];
        const double formSize = legend.resolvedFormSize(entry);
        const bool drawsForm = entry.form() != Form::none;
        if (i < breakPoints.size() && breakPoints[i]) {
            y += placement.lineAdvance;
            x = origin;
        }
        if (x == origin && centred && row < lineSizes.size()) {
            x -= direction * lineSizes[row].width() / 2.0;
            ++row;
        }
        if (drawsForm) {
            x -= rightToLeft ? formSize : 0.0;
            drawForm(painter, x, y + placement.formYOffset, entry, legend);
            x += rightToLeft ? 0.0 : formSize;
        }
        const std::optional<QString> label = entry.label();
        if (!label) {
            x += stack;
            continue;
        }
        x += drawsForm ? formToText : 0.0;
        const double labelWidth = i < labelSizes.size()
            ? labelSizes[i].width()
            : legend.labelSize(*label, legend.font()).width();
        x -= rightToLeft ? labelWidth : 0.0;
        drawEntryLabel(painter, x, y, entry, legend);
        x += (rightToLeft ? 0.0 : labelWidth) + xSpace;
    }
}

// One labelled entry per line; the forms of entries without label line up before the form of
// the labelled entry that ends their run, whose label then goes on the next line. Right to
// left, the forms and labels grow leftwards from the origin.
void LegendRenderer::drawVertically(QPainter& painter, const Legend& legend,
                                    const Placement& placement)
{
    const LegendEntryList entries = legend.entries();
    const bool rightToLeft = placement.rightToLeft;
    const double formToText = rightToLeft ? -legend.formToTextSpace() : legend.formToTextSpace();
    const double stack = legend.stackSpace();
    const double origin = placement.originX;

    double y = placement.startY;
    double stackOffset = 0.0;
    bool stacked = false;
    for (const std::shared_ptr<LegendEntry>& entryPointer : entries) {
        const LegendEntry& entry = *entryPointer;
        const double formSize = legend.resolvedFormSize(entry);
        const bool drawsForm = entry.form() != Form::none;
        double x = origin;
        if (drawsForm) {
            x = rightToLeft ? origin - stackOffset - formSize : origin + stackOffset;
            drawForm(painter, x, y + placement.formYOffset, entry, legend);
            x += rightToLeft ? 0.0 : formSize;
        }
        const std::optional<QString> label = entry.label();
        if (!label) {
            stackOffset += formSize + stack;
            stacked = true;
            continue;
        }
        if (drawsForm && !stacked) {
            x += formToText;
        } else if (stacked) {
            x = origin;
        }
        if (rightToLeft) {
            x -= legend.labelSize(*label, legend.font()).width();
        }
        if (stacked) {
            y += placement.lineAdvance;
        }
        drawEntryLabel(painter, x, y, entry, legend);
        y += placement.lineAdvance;
        stackOffset = 0.0;
        stacked = false;
    }
}

void LegendRenderer::drawForm(QPainter& painter, double x, double y, const LegendEntry& entry,
                              const Legend& legend)
{
    const std::optional<QColor> color = entry.formColor();
    if (!color || isClearColor(*color)) {
        return;
    }
    const Form form = entry.form() == Form::legendDefault ? legend.form() : entry.form();
    const double size = legend.resolvedFormSize(entry);
    const QRectF box(x, y - size / 2.0, size, size);
    const QRectF bounds = m_viewPortHandler->chartBounds();
    painter.save();
    switch (form) {
    case Form::none:
    case Form::blank:
        break;
    case Form::legendDefault:
    case Form::circle:
        painter.setPen(Qt::NoPen);
        painter.setBrush(*color);
        drawClippedEllipse(painter, box, bounds);
        break;
    case Form::square:
        fillClippedRect(painter, box, *color, bounds);
        break;
    case Form::line: {
        const double width = std::isnan(entry.formLineWidth()) ? legend.formLineWidth()
                                                               : entry.formLineWidth();
        const double phase = std::isnan(entry.formLineDashPhase()) ? legend.formLineDashPhase()
                                                                   : entry.formLineDashPhase();
        const std::optional<QList<double>> lengths = entry.formLineDashLengths()
            ? entry.formLineDashLengths()
            : legend.formLineDashLengths();
        QPen pen(*color, strokeWidth(width), Qt::SolidLine, Qt::FlatCap);
        applyLineDash(pen, phase, lengths);
        painter.setPen(pen);
        m_formLineSegmentsBuffer = {QPointF(x, y), QPointF(x + size, y)};
        drawClippedLine(painter, QLineF(m_formLineSegmentsBuffer[0], m_formLineSegmentsBuffer[1]), bounds);
        break;
    }
    default:
        painter.restore();
        chartFatal(QStringLiteral("Unexpected Legend.Form value %1").arg(static_cast<int>(form)));
    }
    painter.restore();
}

void LegendRenderer::drawLabel(QPainter& painter, double x, double y, const QString& label,
                               const QFont& font, const QColor& textColor)
{
    drawText(painter, label, QPointF(x, y), QPointF(0.0, 0.0), 0.0,
             TextAttributes{font, textColor});
}

}
