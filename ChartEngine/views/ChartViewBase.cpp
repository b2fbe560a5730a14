#include "ChartEngine/views/ChartViewBase.h"

#include "ChartEngine/components/Description.h"
#include "ChartEngine/components/Highlighter.h"
#include "ChartEngine/components/Legend.h"
#include "ChartEngine/components/LegendRenderer.h"
#include "ChartEngine/components/Marker.h"
#include "ChartEngine/components/XAxis.h"
#include "ChartEngine/data/BarChartDataEntry.h"
#include "ChartEngine/data/BarChartDataSetProtocol.h"
#include "ChartEngine/data/ChartData.h"
#include "ChartEngine/data/ChartDataEntry.h"
#include "ChartEngine/data/DataRevision.h"
#include "ChartEngine/data/FoundEntryIndex.h"
#include "ChartEngine/foundation/Animator.h"
#include "ChartEngine/foundation/ChartAccessibility.h"
#include "ChartEngine/foundation/ChartConsole.h"
#include "ChartEngine/foundation/ChartFatal.h"
#include "ChartEngine/foundation/ClippedDrawing.h"
#include "ChartEngine/foundation/DefaultValueFormatter.h"
#include "ChartEngine/foundation/DrawingUtils.h"
#include "ChartEngine/foundation/ImageContext.h"
#include "ChartEngine/foundation/ImageRepresentation.h"
#include "ChartEngine/foundation/NSUIAccessibilityElement.h"
#include "ChartEngine/foundation/NumberUtils.h"
#include "ChartEngine/foundation/ViewPortHandler.h"
#include "ChartEngine/views/ChartViewDelegate.h"
#include "ChartEngine/views/AccessibilityHeader.h"
#include "ChartEngine/views/AnimatedViewPortJob.h"
#include "ChartEngine/views/ChartAccessibilityLabelProvider.h"
#include "ChartEngine/views/DataRenderer.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QSaveFile>
#include <QScopedValueRollback>
#include <QScreen>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace Charts {

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

}

ChartViewBase::ChartViewBase(QWidget* parent)
    : NSUIView(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

ChartViewBase::ChartViewBase(const QRect& frame, QWidget* parent)
    : NSUIView(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setGeometry(frame);
}

ChartViewBase::~ChartViewBase()
{
    // Taken out first: a stopping job hands itself back, and finds nothing to release.
    for (const auto& job : std::exchange(m_runningJobs, {})) {
        if (const auto animated = std::dynamic_pointer_cast<AnimatedViewPortJob>(job)) {
            animated->stop(false);
        }
    }
    m_viewportJobs.clear();
    if (m_chartAnimator) {
        m_chartAnimator->setDelegate(nullptr);
    }
}

void ChartViewBase::setFrame(const QRect& frame)
{
    setGeometry(frame);
    boundsDidChange();
}

// --- Data ----------------------------------------------------------------------------------------

void ChartViewBase::setData(std::shared_ptr<ChartData> data)
{
    m_data = std::move(data);
    m_offsetsCalculated = false;
    if (!m_data) {
        return;
    }
    setupDefaultFormatter(m_data->yMin(), m_data->yMax());
    const auto shared = defaultValueFormatter();
    for (const auto& dataSet : m_data->dataSets()) {
        if (dataSet && std::dynamic_pointer_cast<DefaultValueFormatter>(dataSet->valueFormatter())) {
            dataSet->setValueFormatter(shared);
        }
    }
    notifyDataSetChanged();
}

void ChartViewBase::clear()
{
    m_data.reset();
    m_offsetsCalculated = false;
    m_highlighted.clear();
    m_lastHighlighted.reset();
    setNeedsDisplay();
}

void ChartViewBase::clearValues()
{
    if (m_data) {
        m_data->clearValues();
    }
    setNeedsDisplay();
}

bool ChartViewBase::isEmpty() const
{
    return !m_data || m_data->dataSetCount() <= 0;
}

void ChartViewBase::notifyDataSetChanged()
{
    chartFatal(QStringLiteral("notifyDataSetChanged() cannot be called on ChartViewBase"));
}

void ChartViewBase::calculateOffsets()
{
    chartFatal(QStringLiteral("calculateOffsets() cannot be called on ChartViewBase"));
}

void ChartViewBase::calcMinMax() {}

void ChartViewBase::setupDefaultFormatter(double min, double max)
{
    // Equal values (all readings the same) take their decimals from the value itself, as a
    // single entry does: a range of 0 would give no fraction digits at all.
    const bool spread = m_data && m_data->entryCount() >= 2 && max != min;
    const double reference = spread ? std::fabs(max - min) : std::max(std::fabs(min), std::fabs(max));
    if (auto formatter = std::dynamic_pointer_cast<DefaultValueFormatter>(defaultValueFormatter())) {
        formatter->setDecimals(decimalPlaces(reference));
    }
}

std::shared_ptr<ValueFormatter> ChartViewBase::defaultValueFormatter() const
{
    if (!m_defaultValueFormatter) {
        m_defaultValueFormatter = std::make_shared<DefaultValueFormatter>(0);
    }
    return m_defaultValueFormatter;
}

void ChartViewBase::setDefaultValueFormatter(std::shared_ptr<ValueFormatter> formatter)
{
    m_defaultValueFormatter = std::move(formatter);
}

// --- Components ----------------------------------------------------------------------------------

std::shared_ptr<XAxis> ChartViewBase::xAxis() const
{
    if (!m_xAxis) {
        m_xAxis = std::make_shared<XAxis>();
    }
    return m_xAxis;
}

void ChartViewBase::setXAxis(std::shared_ptr<XAxis> axis)
{
    m_xAxis = std::move(axis);
}

std::shared_ptr<Description> ChartViewBase::chartDescription() const
{
    if (!m_chartDescription) {
        m_chartDescription = std::make_shared<Description>();
    }
    return m_chartDescription;
}

void ChartViewBase::setChartDescription(std::shared_ptr<Description> description)
{
    m_chartDescription = std::move(description);
}

std::shared_ptr<Legend> ChartViewBase::legend() const
{
    if (!m_legend) {
        m_legend = std::make_shared<Legend>();
    }
    return m_legend;
}

void ChartViewBase::setLegend(std::shared_ptr<Legend> legend)
{
    m_legend = std::move(legend);
}

std::shared_ptr<LegendRenderer> ChartViewBase::legendRenderer() const
{
    if (!m_legendRenderer) {
        m_legendRenderer = std::make_shared<LegendRenderer>(viewPortHandler(), legend());
    }
    return m_legendRenderer;
}

void ChartViewBase::setLegendRenderer(std::shared_ptr<LegendRenderer> renderer)
{
    m_legendRenderer = std::move(renderer);
}

std::shared_ptr<ViewPortHandler> ChartViewBase::viewPortHandler() const
{
    if (!m_viewPortHandler) {
        // Until the view is given a size (a frame, a resize, being shown) Qt's size is only
        // provisional: the handler starts without dimensions, so jobs wait for the real size.
        const bool sized = testAttribute(Qt::WA_Resized);
        m_viewPortHandler = std::make_shared<ViewPortHandler>(sized ? width() : 0.0,
                                                              sized ? height() : 0.0);
    }
    return m_viewPortHandler;
}

void ChartViewBase::setViewPortHandler(std::shared_ptr<ViewPortHandler> handler)
{
    m_viewPortHandler = std::move(handler);
}

std::shared_ptr<Animator> ChartViewBase::chartAnimator() const
{
    if (!m_chartAnimator) {
        m_chartAnimator = std::make_shared<Animator>();
        m_chartAnimator->setDelegate(const_cast<ChartViewBase*>(this));
    }
    return m_chartAnimator;
}

void ChartViewBase::setChartAnimator(std::shared_ptr<Animator> animator)
{
    m_chartAnimator = std::move(animator);
}

void ChartViewBase::setRenderer(std::shared_ptr<DataRenderer> renderer)
{
    m_renderer = std::move(renderer);
}

void ChartViewBase::setHighlighter(std::shared_ptr<Highlighter> highlighter)
{
    m_highlighter = std::move(highlighter);
}

void ChartViewBase::setDelegate(QObject* delegate)
{
    m_delegate = delegate;
}

ChartViewDelegate* ChartViewBase::viewDelegate() const
{
    return dynamic_cast<ChartViewDelegate*>(m_delegate.data());
}

void ChartViewBase::setNoDataText(const QString& text)
{
    m_noDataText = text;
}

void ChartViewBase::setNoDataFont(const QFont& font)
{
    m_noDataFont = font;
}

void ChartViewBase::setNoDataTextColor(const QColor& color)
{
    m_noDataTextColor = color;
}

void ChartViewBase::setNoDataTextAlignment(TextAlignment alignment)
{
    m_noDataTextAlignment = alignment;
}

void ChartViewBase::setExtraOffsets(double left, double top, double right, double bottom)
{
    setExtraLeftOffset(left);
    setExtraTopOffset(top);
    setExtraRightOffset(right);
    setExtraBottomOffset(bottom);
}

// --- Highlighting --------------------------------------------------------------------------------

void ChartViewBase::setLastHighlighted(std::shared_ptr<Highlight> highlight)
{
    m_lastHighlighted = std::move(highlight);
}

void ChartViewBase::highlightValues(const HighlightList& highlights)
{
    m_highlighted = highlights;
    m_lastHighlighted = highlights.isEmpty() ? nullptr : highlights.first();
    setNeedsDisplay();
}

void ChartViewBase::highlightValue(double x, qint64 dataSetIndex, qint64 dataIndex)
{
    highlightValue(x, notANumber, dataSetIndex, dataIndex, true);
}

void ChartViewBase::highlightValue(double x, double y, qint64 dataSetIndex, qint64 dataIndex)
{
    highlightValue(x, y, dataSetIndex, dataIndex, true);
}

void ChartViewBase::highlightValue(double x, qint64 dataSetIndex, qint64 dataIndex, bool callDelegate)
{
    highlightValue(x, notANumber, dataSetIndex, dataIndex, callDelegate);
}

void ChartViewBase::highlightValue(double x, double y, qint64 dataSetIndex, qint64 dataIndex,
                                   bool callDelegate)
{
    if (!m_data) {
        ChartConsole::printLine(QStringLiteral("Value not highlighted because data is nil"));
        return;
    }
    if (dataSetIndex < 0 || dataSetIndex >= m_data->dataSetCount()) {
        highlightValue(std::shared_ptr<Highlight>(), callDelegate);
        return;
    }
    highlightValue(std::make_shared<Highlight>(x, y, dataSetIndex, dataIndex), callDelegate);
}

void ChartViewBase::highlightValue(std::shared_ptr<Highlight> highlight)
{
    highlightValue(std::move(highlight), false);
}

void ChartViewBase::highlightValue(std::shared_ptr<Highlight> highlight, bool callDelegate)
{
    // ChartData::entryFor finds nothing for a data-set index outside the data, negative too.
    const auto entry = highlight && m_data ? m_data->entryFor(*highlight) : nullptr;
    if (entry) {
        m_highlighted = {highlight};
    } else {
        m_highlighted.clear();
    }
    if (callDelegate) {
        m_announcePending = entry != nullptr;
        if (auto* delegate = viewDelegate()) {
            if (entry) {
                delegate->chartValueSelected(*this, entry, highlight);
            } else {
                delegate->chartValueNothingSelected(*this);
            }
        }
    }
    setNeedsDisplay();
}

std::shared_ptr<Highlight> ChartViewBase::getHighlightByTouchPoint(QPointF point) const
{
    if (!m_data) {
        ChartConsole::printLine(QStringLiteral("Can't select by touch. No data set."));
        return nullptr;
    }
    return m_highlighter ? m_highlighter->getHighlight(point.x(), point.y()) : nullptr;
}

// --- Markers and description ---------------------------------------------------------------------

void ChartViewBase::setMarker(std::shared_ptr<Marker> marker)
{
    m_marker = std::move(marker);
}

QPointF ChartViewBase::getMarkerPosition(const Highlight& highlight) const
{
    return QPointF(highlight.drawX(), highlight.drawY());
}

// --- Drawing -------------------------------------------------------------------------------------

void ChartViewBase::drawChart(QPainter& painter)
{
    syncChartSize();
    if (const auto color = backgroundColor()) {
        fillClippedRect(painter, bounds(), *color, bounds());
    }
    drawRect(painter);
}

void ChartViewBase::drawRect(QPainter& painter)
{
    if (!m_data && !m_noDataText.isEmpty()) {
        drawNoDataText(painter);
        return;
    }
    if (!m_offsetsCalculated) {
        calculateOffsets();
        m_offsetsCalculated = true;
    }
}

void ChartViewBase::drawNoDataText(QPainter& painter)
{
    TextAttributes attributes;
    attributes.font = m_noDataFont;
    attributes.color = m_noDataTextColor;
    attributes.alignment = m_noDataTextAlignment;
    const QRectF box = bounds();
    const QSizeF size = textBoundingSize(m_noDataText, box.width(), attributes);
    painter.save();
    drawMultilineText(painter, m_noDataText, QPointF(box.width() * 0.5, box.height() * 0.5),
                      QPointF(0.5, 0.5), size, 0.0, attributes);
    painter.restore();
}

void ChartViewBase::drawDescription(QPainter& painter)
{
    const auto description = chartDescription();
    const auto text = description->text();
    if (!description->isEnabled() || !text || text->isEmpty()) {
        return;
    }
    QPointF position;
    if (const auto fixed = description->position()) {
        position = *fixed;
    } else {
        const auto handler = viewPortHandler();
        position = QPointF(bounds().width() - handler->offsetRight() - description->xOffset(),
                           bounds().height() - handler->offsetBottom() - description->yOffset()
                               - fontLineHeight(description->font()));
    }
    TextAttributes attributes;
    attributes.font = description->font();
    attributes.color = description->textColor();
    const QPointF origin = alignedTextOrigin(*text, position, description->textAlign(), attributes);
    drawText(painter, *text, origin, QPointF(0, 0), 0.0, attributes);
}

void ChartViewBase::drawMarkers(QPainter& painter)
{
    if (!m_marker || !isDrawMarkersEnabled() || !valuesToHighlight() || !m_data) {
        return;
    }
    const auto handler = viewPortHandler();
    for (const auto& highlight : m_highlighted) {
        // A highlight left over from other data names no data set or no entry: no marker.
        const auto dataSet = highlight ? markerDataSet(*highlight) : nullptr;
        const auto entry = dataSet ? m_data->entryFor(*highlight) : nullptr;
        if (!entry || !isRevealed(*dataSet, *entry)) {
            continue;
        }
        const QPointF position = getMarkerPosition(*highlight);
        if (!handler->isInBounds(position.x(), position.y())) {
            continue;
        }
        m_marker->refreshContent(entry, highlight);
        m_marker->draw(painter, position);
    }
}

std::shared_ptr<ChartDataSetProtocol> ChartViewBase::markerDataSet(const Highlight& highlight) const
{
    return m_data ? m_data->dataSetAtIndex(highlight.dataSetIndex()) : nullptr;
}

// Whether the x animation has revealed the entry: its index is not above the set's entry count
// times phaseX, truncated in double (a phase that is not a number reveals nothing).
bool ChartViewBase::isRevealed(const ChartDataSetProtocol& dataSet, const ChartDataEntry& entry) const
{
    const double revealed = std::trunc(double(dataSet.entryCount()) * chartAnimator()->phaseX());
    return !std::isnan(revealed) && !(double(entryIndexBySearch(dataSet, entry)) > revealed);
}

void ChartViewBase::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    drawChart(painter);
    if (hasFocus()) {
        drawFocusIndication(painter);
    }
    if (std::exchange(m_announcePending, false)) {
        announceHighlight();
    }
}

void ChartViewBase::drawFocusIndication(QPainter& painter)
{
    // A two-pixel frame in the highlight colour along the view's edge.
    painter.save();
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.setBrush(Qt::NoBrush);
    drawClippedRect(painter, QRectF(bounds()).adjusted(1, 1, -1, -1), bounds());
    painter.restore();
}

// --- Animation -----------------------------------------------------------------------------------

void ChartViewBase::animate(double xAxisDuration, double yAxisDuration, ChartEasingFunction easingX,
                            ChartEasingFunction easingY)
{
    chartAnimator()->animate(xAxisDuration, yAxisDuration, std::move(easingX), std::move(easingY));
}

void ChartViewBase::animate(double xAxisDuration, double yAxisDuration, ChartEasingOption easingOptionX,
                            ChartEasingOption easingOptionY)
{
    chartAnimator()->animate(xAxisDuration, yAxisDuration, easingOptionX, easingOptionY);
}

void ChartViewBase::animate(double xAxisDuration, double yAxisDuration, ChartEasingFunction easing)
{
    chartAnimator()->animate(xAxisDuration, yAxisDuration, std::move(easing));
}

void ChartViewBase::animate(double xAxisDuration, double yAxisDuration, ChartEasingOption easingOption)
{
    chartAnimator()->animate(xAxisDuration, yAxisDuration, easingOption);
}

void ChartViewBase::animate(double xAxisDuration, double yAxisDuration)
{
    animate(xAxisDuration, yAxisDuration, ChartEasingOption::easeInOutSine);
}

void ChartViewBase::animateX(double xAxisDuration, ChartEasingFunction easing)
{
    chartAnimator()->animateX(xAxisDuration, std::move(easing));
}

void ChartViewBase::animateX(double xAxisDuration, ChartEasingOption easingOption)
{
    chartAnimator()->animateX(xAxisDuration, easingOption);
}

void ChartViewBase::animateX(double xAxisDuration)
{
    animateX(xAxisDuration, ChartEasingOption::easeInOutSine);
}

void ChartViewBase::animateY(double yAxisDuration, ChartEasingFunction easing)
{
    chartAnimator()->animateY(yAxisDuration, std::move(easing));
}

void ChartViewBase::animateY(double yAxisDuration, ChartEasingOption easingOption)
{
    chartAnimator()->animateY(yAxisDuration, easingOption);
}

void ChartViewBase::animateY(double yAxisDuration)
{
    animateY(yAxisDuration, ChartEasingOption::easeInOutSine);
}

void ChartViewBase::animatorUpdated(Animator& /*animator*/)
{
    setNeedsDisplay();
}

void ChartViewBase::animatorStopped(Animator& animator)
{
    if (auto* delegate = viewDelegate()) {
        delegate->animatorDidStop(*this, animator);
    }
}

// --- Data provider -------------------------------------------------------------------------------

double ChartViewBase::chartXMin() const
{
    return xAxis()->axisMinimum();
}

double ChartViewBase::chartXMax() const
{
    return xAxis()->axisMaximum();
}

double ChartViewBase::chartYMin() const
{
    return m_data ? m_data->yMin() : 0.0;
}

double ChartViewBase::chartYMax() const
{
    return m_data ? m_data->yMax() : 0.0;
}

double ChartViewBase::xRange() const
{
    return xAxis()->axisRange();
}

QPointF ChartViewBase::centerOffsets() const
{
    return viewPortHandler()->contentCenter();
}

qint64 ChartViewBase::maxVisibleCount() const
{
    return std::numeric_limits<qint64>::max();
}

QPointF ChartViewBase::midPoint() const
{
    const QRectF box = bounds();
    return QPointF(box.x() + box.width() * 0.5, box.y() + box.height() * 0.5);
}

QRectF ChartViewBase::contentRect() const
{
    return viewPortHandler()->contentRect();
}

// --- Images --------------------------------------------------------------------------------------

std::optional<QImage> ChartViewBase::getChartImage(bool transparent)
{
    const QSizeF size = bounds().size();
    const bool opaque = isOpaque() || !transparent;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double scale = screen ? screen->devicePixelRatio() : 1.0;
    // The image context opens nothing below one pixel a side: then there is nothing to end,
    // and an outer context must stay current.
    if (!(std::trunc(size.width() * scale) >= 1) || !(std::trunc(size.height() * scale) >= 1)) {
        return std::nullopt;
    }
    beginImageContext(size, opaque, scale);
    QPainter* painter = currentImageContext();
    if (!painter) {
        endImageContext();
        return std::nullopt;
    }
    if (opaque) {
        const QRectF image(QPointF(0, 0), size);
        fillClippedRect(*painter, image, Qt::white, image);
        if (const auto color = backgroundColor()) {
            fillClippedRect(*painter, image, *color, image);
        }
    }
    drawChart(*painter);
    auto image = imageFromCurrentImageContext();
    endImageContext();
    return image;
}

bool ChartViewBase::save(const QString& path, ImageFormat format, double compressionQuality)
{
    const bool png = format == ImageFormat::png;
    const auto image = getChartImage(png);
    if (!image) {
        return false;
    }
    const auto bytes = png ? imagePNGRepresentation(*image)
                           : imageJPEGRepresentation(*image, compressionQuality);
    if (!bytes) {
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(*bytes) != bytes->size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

// --- View-port jobs ------------------------------------------------------------------------------

void ChartViewBase::addViewportJob(const std::shared_ptr<ViewPortJob>& job)
{
    if (!job) {
        return;
    }
    if (viewPortHandler()->hasChartDimens()) {
        runViewportJob(job);
    } else {
        m_viewportJobs.append(job);
    }
}

void ChartViewBase::removeViewportJob(const std::shared_ptr<ViewPortJob>& job)
{
    const qsizetype index = m_viewportJobs.indexOf(job);
    if (index >= 0) {
        m_viewportJobs.removeAt(index);
    }
}

void ChartViewBase::clearAllViewportJobs()
{
    m_viewportJobs.clear();
}

void ChartViewBase::runViewportJob(const std::shared_ptr<ViewPortJob>& job)
{
    m_jobsBeingRun.append(job);
    job->doJob();
    m_jobsBeingRun.removeOne(job);
}

void ChartViewBase::retainRunningJob(const ViewPortJob* job)
{
    for (const auto& candidate : m_jobsBeingRun) {
        if (candidate.get() == job && !m_runningJobs.contains(candidate)) {
            m_runningJobs.append(candidate);
            return;
        }
    }
}

void ChartViewBase::releaseRunningJob(const ViewPortJob* job)
{
    for (qsizetype i = 0; i < m_runningJobs.size(); ++i) {
        if (m_runningJobs.at(i).get() == job) {
            // The job is still inside its own stop: it is let go after the current event (or
            // with the view, which drops the posted call).
            QMetaObject::invokeMethod(this, [finished = m_runningJobs.takeAt(i)] {},
                                      Qt::QueuedConnection);
            return;
        }
    }
}

void ChartViewBase::boundsDidChange()
{
    const QRectF box = bounds();
    const auto handler = viewPortHandler();
    if (box.width() == handler->chartWidth() && box.height() == handler->chartHeight()) {
        return;
    }
    handler->setChartDimens(box.width(), box.height());
    {
        const QScopedValueRollback sizeSteps(m_sizeStepsUnderWay, true);
        notifyDataSetChanged();
    }
    while (!m_viewportJobs.isEmpty()) {
        runViewportJob(m_viewportJobs.takeFirst());
    }
}

void ChartViewBase::syncChartSize()
{
    const QRectF box = bounds();
    const auto handler = viewPortHandler();
    if (box.width() != handler->chartWidth() || box.height() != handler->chartHeight()) {
        boundsDidChange();
    }
}

void ChartViewBase::resizeEvent(QResizeEvent* event)
{
    NSUIView::resizeEvent(event);
    boundsDidChange();
}

// --- Deceleration and platform view --------------------------------------------------------------

void ChartViewBase::setDragDecelerationFrictionCoef(double coefficient)
{
    if (coefficient > 0.999) {
        coefficient = 0.999;
    }
    if (!(coefficient >= 0)) {
        coefficient = 0;
    }
    m_dragDecelerationFrictionCoef = coefficient;
}

void ChartViewBase::setNeedsDisplayInRect(const QRectF& rect)
{
    update(rect.toAlignedRect());
}

NSUIView::Elements ChartViewBase::accessibilityChildren() const
{
    return m_renderer ? m_renderer->accessibleChartElements() : Elements();
}

}

namespace Charts {

// --- Keyboard and accessibility ------------------------------------------------------------------

QString ChartViewBase::accessibilityDescription() const
{
    if (m_labelProvider) {
        if (auto summary = m_labelProvider->summary(*this)) {
            return *summary;
        }
    }
    QStringList headers;
    for (const auto& element : accessibilityChildren()) {
        if (element && element->isHeader()) {
            headers << element->accessibilityLabel();
        }
    }
    return headers.join(QLatin1Char(' '));
}

bool ChartViewBase::isAccessibilityElementSelected(const NSUIAccessibilityElement& element) const
{
    if (!element.isEntry() || !m_data) {
        return element.isSelected();
    }
    const HighlightedEntries& highlighted = highlightedEntries();
    const qint64 dataSetIndex = element.dataSetIndex();
    const qint64 entryIndex = element.entryIndex();
    if (highlighted.entries.contains({dataSetIndex, entryIndex})
        && (element.stackIndex() < 0 || highlighted.segments.contains({dataSetIndex, entryIndex, -1})
            || highlighted.segments.contains({dataSetIndex, entryIndex, element.stackIndex()}))) {
        return true;
    }
    return element.isSelected();
}

const ChartViewBase::HighlightedEntries& ChartViewBase::highlightedEntries() const
{
    HighlightedEntries& cache = m_highlightedEntries;
    if (cache.built && cache.data == m_data.get() && cache.revision == DataRevision::current()
        && cache.highlights == m_highlighted) {
        return cache;
    }
    cache = HighlightedEntries{true, m_data.get(), DataRevision::current(), m_highlighted, {}, {}};
    for (const auto& highlight : m_highlighted) {
        const auto [dataSetIndex, entryIndex] = highlight && m_data ? entryOfHighlight(*highlight)
                                                                    : std::pair<qint64, qint64>{0, -1};
        if (entryIndex >= 0) {
            cache.entries.insert({dataSetIndex, entryIndex});
            cache.segments.insert({dataSetIndex, entryIndex, std::max<qint64>(highlight->stackIndex(), -1)});
        }
    }
    return cache;
}

QString ChartViewBase::accessibilityElementLabel(const NSUIAccessibilityElement& element) const
{
    if (m_labelProvider && element.isEntry()) {
        if (auto label = m_labelProvider->pointLabel(*this, element.dataSetIndex(), element.entryIndex())) {
            return *label;
        }
    }
    return element.accessibilityLabel();
}

std::shared_ptr<NSUIAccessibilityElement> ChartViewBase::accessibilityElement(qint64 dataSetIndex, qint64 entryIndex,
                                                                              qint64 stackIndex) const
{
    auto& element = m_accessibilityElements[{dataSetIndex, entryIndex, stackIndex}];
    if (!element) {
        // The element keeps its container weakly and changes nothing of it.
        element = std::make_shared<NSUIAccessibilityElement>(const_cast<ChartViewBase*>(this));
        element->setEntry(dataSetIndex, entryIndex, stackIndex);
    }
    return element;
}

std::shared_ptr<NSUIAccessibilityElement> ChartViewBase::accessibilityHeaderElement(qint64 dataSetIndex) const
{
    auto& element = m_accessibilityHeaders[dataSetIndex];
    if (!element) {
        // The element keeps its container weakly and changes nothing of it.
        element = std::make_shared<NSUIAccessibilityElement>(const_cast<ChartViewBase*>(this));
        element->setHeader(true);
        element->setAccessibilityRole(QAccessible::StaticText);
    }
    return element;
}

void ChartViewBase::setAccessibilityLabelProvider(std::shared_ptr<ChartAccessibilityLabelProvider> provider)
{
    m_labelProvider = std::move(provider);
}

void ChartViewBase::accessibilityDataDidChange()
{
    if (m_sizeStepsUnderWay) {
        return;
    }
    m_accessibilityElements.clear();
    m_highlightedEntries = {};
    QAccessibleEvent reorder(this, QAccessible::ObjectReorder);
    ChartAccessibility::postEvent(reorder);
    // A bridge that cannot carry the reorder (Qt 6.4's on AT-SPI) carries this one.
    QAccessibleEvent described(this, QAccessible::DescriptionChanged);
    ChartAccessibility::postEvent(described);
}

std::shared_ptr<Highlight> ChartViewBase::highlightForEntry(qint64 dataSetIndex, qint64 entryIndex) const
{
    const auto dataSet = m_data ? m_data->dataSets().value(dataSetIndex) : nullptr;
    const auto entry = dataSet ? dataSet->entryForIndex(entryIndex) : nullptr;
    if (!entry) {
        return nullptr;
    }
    return std::make_shared<Highlight>(entry->x(), entry->y(), notANumber, notANumber, dataSetIndex,
                                       dataSet->axisDependency());
}

void ChartViewBase::revealEntry(const ChartDataEntry& /*entry*/) {}

ChartViewBase::KeyPlace ChartViewBase::highlightedPlace() const
{
    const auto highlight = m_highlighted.isEmpty() ? nullptr : m_highlighted.first();
    const auto found = highlight && m_data ? entryOfHighlight(*highlight) : std::pair<qint64, qint64>{0, -1};
    if (found.second < 0) {
        return {};
    }
    return {found.first, found.second, std::max<qint64>(highlight->stackIndex(), -1)};
}

std::pair<qint64, qint64> ChartViewBase::entryOfHighlight(const Highlight& highlight) const
{
    const auto dataSet = m_data ? markerDataSet(highlight) : nullptr;
    const auto entry = dataSet ? m_data->entryFor(highlight) : nullptr;
    if (!entry) {
        return {0, -1};
    }
    return {indexOfDataSet(*m_data, *dataSet), dataSet->entryIndex(entry)};
}

qint64 ChartViewBase::stackSegmentCount(qint64 dataSetIndex, qint64 entryIndex) const
{
    const auto dataSet = std::dynamic_pointer_cast<BarChartDataSetProtocol>(m_data->dataSets().value(dataSetIndex));
    const auto entry = dataSet && dataSet->isStacked()
        ? std::dynamic_pointer_cast<BarChartDataEntry>(dataSet->entryForIndex(entryIndex))
        : nullptr;
    return entry && entry->yValues() ? entry->yValues()->size() : 0;
}

std::optional<ChartViewBase::KeyPlace> ChartViewBase::keyStep(int key, KeyPlace from) const
{
    switch (key) {
    case Qt::Key_Up:
        return stackStep(from, -1);
    case Qt::Key_Down:
        return stackStep(from, 1);
    case Qt::Key_Left:
        from.entryIndex = from.entryIndex < 0 ? 0 : from.entryIndex - 1;
        break;
    case Qt::Key_Right:
        from.entryIndex = from.entryIndex + 1;
        break;
    case Qt::Key_Home:
        from.entryIndex = 0;
        break;
    case Qt::Key_End:
        from.entryIndex = std::numeric_limits<qint64>::max();
        break;
    default:
        return std::nullopt;
    }
    const auto place = placeIn(from.dataSetIndex, from.entryIndex);
    if (!place) {
        return std::nullopt;
    }
    // Along the set a step keeps the segment, as far as the new entry's stack reaches.
    const qint64 segments = stackSegmentCount(place->dataSetIndex, place->entryIndex);
    return KeyPlace{place->dataSetIndex, place->entryIndex,
                    segments > 0 ? std::min(from.stackIndex, segments - 1) : -1};
}

std::optional<ChartViewBase::KeyPlace> ChartViewBase::stackStep(const KeyPlace& from, qint64 direction) const
{
    const qint64 segments = from.entryIndex < 0 ? 0 : stackSegmentCount(from.dataSetIndex, from.entryIndex);
    // A whole stack is heard as its first segment.
    const qint64 segment = std::max<qint64>(from.stackIndex, 0) + direction;
    if (segments > 0 && (direction > 0 ? segment < segments : from.stackIndex > 0)) {
        return KeyPlace{from.dataSetIndex, from.entryIndex, segment};
    }
    const qint64 last = m_data->dataSetCount() - 1;
    if (last < 0) {
        return std::nullopt;
    }
    const qint64 dataSetIndex = std::clamp<qint64>(from.dataSetIndex + direction, 0, last);
    if (dataSetIndex == from.dataSetIndex && from.entryIndex >= 0) {
        return from;
    }
    const auto place = placeIn(dataSetIndex, from.entryIndex);
    if (!place || direction > 0) {
        return place;
    }
    // Up into a stack reaches its last segment, the one next to the set it came from.
    return KeyPlace{place->dataSetIndex, place->entryIndex,
                    stackSegmentCount(place->dataSetIndex, place->entryIndex) - 1};
}

std::optional<ChartViewBase::KeyPlace> ChartViewBase::placeIn(qint64 dataSetIndex, qint64 entryIndex) const
{
    const auto dataSet = m_data->dataSets().value(dataSetIndex);
    if (!dataSet || dataSet->entryCount() == 0) {
        return std::nullopt;
    }
    return KeyPlace{dataSetIndex, std::clamp<qint64>(entryIndex, 0, dataSet->entryCount() - 1), -1};
}

void ChartViewBase::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && !m_highlighted.isEmpty()) {
        setLastHighlighted(nullptr);
        highlightValue(nullptr, true);
        return;
    }
    // Arrow keys of a keypad carry the keypad modifier; any other modifier makes another command.
    const bool plainKey = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const auto step = m_data && plainKey
        ? keyStep(event->key(), highlightedPlace())
        : std::nullopt;
    if (!step) {
        NSUIView::keyPressEvent(event);
        return;
    }
    stepTo(*step);
}

void ChartViewBase::stepTo(const KeyPlace& place)
{
    auto highlight = highlightForEntry(place.dataSetIndex, place.entryIndex);
    if (highlight && place.stackIndex >= 0) {
        highlight = std::make_shared<Highlight>(highlight->x(), highlight->y(), highlight->xPx(), highlight->yPx(),
                                                highlight->dataIndex(), highlight->dataSetIndex(), place.stackIndex,
                                                highlight->axis());
    }
    const auto entry = highlight ? m_data->entryFor(*highlight) : nullptr;
    if (!entry) {
        return;
    }
    setLastHighlighted(highlight);
    highlightValue(highlight, true);
    revealEntry(*entry);
}

void ChartViewBase::announceHighlight()
{
    for (const auto& element : accessibilityChildren()) {
        if (element && element->isEntry() && isAccessibilityElementSelected(*element)) {
            QAccessibleEvent focus(element.get(), QAccessible::Focus);
            ChartAccessibility::postEvent(focus);
            QAccessibleEvent selection(element.get(), QAccessible::Selection);
            ChartAccessibility::postEvent(selection);
            return;
        }
    }
}

void ChartViewBase::focusInEvent(QFocusEvent* event)
{
    NSUIView::focusInEvent(event);
    update();
}

void ChartViewBase::focusOutEvent(QFocusEvent* event)
{
    NSUIView::focusOutEvent(event);
    update();
}

}
