#pragma once

// What the benchmarks that draw against Qt Charts share: a chart drawn the way its scene draws
// it, at the engine's 1200 x 600.

#include "ChartBenchSupport.h"

#include <QChart>
#include <QGraphicsScene>

namespace ChartBench {

// Times drawing the chart through a scene of 1200 x 600, as `timeDraws` times the engine's
// charts; the chart, which the caller keeps, leaves the scene afterwards.
template <typename Check>
void timeQtChartDraws(benchmark::State& state, QChart& chart, Check drewEnough)
{
    QGraphicsScene scene;
    scene.addItem(&chart);
    chart.resize(1200, 600);
    scene.setSceneRect(0, 0, 1200, 600);
    timeDraws(
        state, [&](QPainter& painter) { scene.render(&painter, QRectF(0, 0, 1200, 600), scene.sceneRect()); },
        drewEnough);
    scene.removeItem(&chart);
}

}
