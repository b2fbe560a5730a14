#include "GalleryPage.h"

#include "ChartEngine/components/XAxis.h"
#include "ChartEngine/components/YAxis.h"
#include "ChartEngine/data/PieChartData.h"
#include "ChartEngine/data/PieChartDataEntry.h"
#include "ChartEngine/data/PieChartDataSet.h"
#include "ChartEngine/data/RadarChartData.h"
#include "ChartEngine/data/RadarChartDataEntry.h"
#include "ChartEngine/data/RadarChartDataSet.h"
#include "ChartEngine/foundation/IndexAxisValueFormatter.h"
#include "ChartEngine/types/PieChartView.h"
#include "ChartEngine/types/RadarChartView.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTimer>

#include <cmath>
#include <numbers>

using namespace Charts;

namespace {

const QList<QColor> sliceColors{QColor(0, 61, 165), QColor(230, 120, 30), QColor(60, 160, 90),
                                QColor(200, 50, 60), QColor(130, 80, 170), QColor(40, 150, 170)};

// Six slices of falling size, so the order around the pie shows at a glance.
std::shared_ptr<PieChartDataSet> readingsByHour()
{
    const QList<std::pair<QString, double>> slices{
        {QStringLiteral("Morning"), 34}, {QStringLiteral("Noon"), 22}, {QStringLiteral("Afternoon"), 16},
        {QStringLiteral("Evening"), 13}, {QStringLiteral("Night"), 9}, {QStringLiteral("Late"), 6}};
    ChartDataEntryList entries;
    for (const auto& [label, value] : slices) {
        entries << std::make_shared<PieChartDataEntry>(value, label);
    }
    auto set = std::make_shared<PieChartDataSet>(entries, QStringLiteral("Readings"));
    set->setColors(sliceColors);
    set->setSliceSpace(3);
    set->setValueTextColor(Qt::white);
    return set;
}

std::unique_ptr<PieChartView> pieOf(const std::shared_ptr<PieChartDataSet>& set)
{
    auto view = std::make_unique<PieChartView>();
    view->setData(std::make_shared<PieChartData>(ChartDataSetList{set}));
    return view;
}

// Values inside the slices, entry labels outside on value lines, a hole with its ring and a
// centre text, the second slice highlighted.
std::unique_ptr<PieChartView> ringPie()
{
    auto set = readingsByHour();
    set->setXValuePosition(PieChartValuePosition::outsideSlice);
    set->setYValuePosition(PieChartValuePosition::insideSlice);
    set->setEntryLabelColor(QColor(40, 40, 40));
    set->setValueLineColor(QColor(90, 90, 90));
    set->setValueLinePart1OffsetPercentage(0.8);
    set->setValueLinePart1Length(0.45);
    set->setValueLinePart2Length(0.3);
    auto view = pieOf(set);
    // The labels above and below the pie need room of their own.
    view->setExtraTopOffset(25);
    view->setExtraBottomOffset(25);
    view->setCenterText(QStringLiteral("Readings\nby hour"));
    view->highlightValue(1, 0, -1);
    return view;
}

std::unique_ptr<QWidget> halfPie()
{
    auto view = std::make_unique<PieChartView>();
    view->setMaxAngle(180);
    view->setRotationAngle(180);
    // A half pie is as high as the content and twice as wide: room above keeps it inside an
    // 800 x 500 window.
    view->setExtraTopOffset(70);
    view->setCenterText(QStringLiteral("Half"));
    view->setCenterTextOffset(QPointF(0, -30));
    view->setData(std::make_shared<PieChartData>(ChartDataSetList{readingsByHour()}));
    return view;
}

std::unique_ptr<QWidget> fullPie()
{
    auto view = pieOf(readingsByHour());
    view->setDrawHoleEnabled(false);
    view->highlightValue(3, 0, -1);
    return view;
}

// The point at `angle` degrees (clockwise from +x) and `distance` from the pie's centre.
QPoint aroundCentre(const PieChartView& view, double angle, double distance)
{
    const double radians = angle * std::numbers::pi / 180;
    const QPointF centre = view.centerCircleBox();
    return (centre + QPointF(std::cos(radians), std::sin(radians)) * distance).toPoint();
}

void sendMouse(PieChartView& view, QEvent::Type type, QPoint point, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, point, view.mapToGlobal(point), Qt::LeftButton, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(&view, &event);
}

// A left-button drag along an arc, a quarter turn clockwise, without momentum after the
// release: the first slice then starts at three o'clock. The events go straight to the view,
// whatever the display's own pointer does meanwhile.
void dragQuarterTurn(PieChartView& view)
{
    view.setDragDecelerationEnabled(false);
    const double distance = view.radius() * 0.75;
    sendMouse(view, QEvent::MouseButtonPress, aroundCentre(view, 300, distance), Qt::LeftButton);
    for (int step = 1; step <= 18; ++step) {
        sendMouse(view, QEvent::MouseMove, aroundCentre(view, 300 + step * 5, distance), Qt::LeftButton);
    }
    sendMouse(view, QEvent::MouseButtonRelease, aroundCentre(view, 30, distance), Qt::NoButton);
}

std::unique_ptr<QWidget> turnedPie()
{
    auto view = ringPie();
    view->setCenterText(QStringLiteral("Turned a\nquarter"));
    // The drag needs the laid-out window: it runs once the gallery has shown it.
    QTimer::singleShot(0, view.get(), [pie = view.get()] { dragQuarterTurn(*pie); });
    return view;
}

std::shared_ptr<RadarChartDataSet> weekOf(const QString& label, double base, const QColor& color)
{
    ChartDataEntryList entries;
    for (int i = 0; i < 7; ++i) {
        entries << std::make_shared<RadarChartDataEntry>(base + 25 * std::fabs(std::sin(i * 0.8 + base)));
    }
    auto set = std::make_shared<RadarChartDataSet>(entries, label);
    set->setColor(color);
    set->setLineWidth(2);
    set->setDrawHighlightCircleEnabled(true);
    return set;
}

// Two weeks, the first filled, day names around the web, a highlight circle on Thursday.
std::unique_ptr<QWidget> radar()
{
    auto filled = weekOf(QStringLiteral("This week"), 50, QColor(0, 61, 165));
    filled->setDrawFilledEnabled(true);
    filled->setFillColor(QColor(0, 61, 165));
    filled->setHighlightCircleOuterRadius(10);
    filled->setHighlightCircleInnerRadius(4);
    filled->setHighlightCircleFillColor(QColor(255, 255, 255, 200));
    filled->setHighlightCircleStrokeWidth(2);
    const auto outline = weekOf(QStringLiteral("Last week"), 40, QColor(230, 120, 30));
    outline->setDrawValuesEnabled(false);
    auto view = std::make_unique<RadarChartView>();
    view->xAxis()->setValueFormatter(std::make_shared<IndexAxisValueFormatter>(QStringList{
        QStringLiteral("Mon"), QStringLiteral("Tue"), QStringLiteral("Wed"), QStringLiteral("Thu"),
        QStringLiteral("Fri"), QStringLiteral("Sat"), QStringLiteral("Sun")}));
    view->yAxis()->setAxisMinimum(0);
    view->setData(std::make_shared<RadarChartData>(ChartDataSetList{filled, outline}));
    view->highlightValue(3, 0, -1);
    return view;
}

const Gallery::Registration registration{{
    {QStringLiteral("Pie with hole and ring"), [] { return std::unique_ptr<QWidget>(ringPie()); }},
    {QStringLiteral("Half pie"), halfPie},
    {QStringLiteral("Pie without hole"), fullPie},
    {QStringLiteral("Radar"), radar},
    {QStringLiteral("Pie turned a quarter by a drag"), turnedPie},
}};

}
