#include "ChartEngine/views/LineReduction.h"

#include <QPainter>

#include <cmath>

namespace Charts {

LineReduction::LineReduction(QPainter& painter, bool reduced)
    : m_painter(painter)
    , m_reduced(reduced && painter.combinedTransform().m21() == 0.0
                && painter.combinedTransform().m11() != 0.0)
    , m_toDevice(painter.combinedTransform())
{
    m_batch.reserve(batchSize);
}

LineReduction::~LineReduction() = default;

double LineReduction::columnOf(const QPointF& point) const
{
    return std::floor(m_toDevice.m11() * point.x() + m_toDevice.dx());
}

void LineReduction::addPoint(const QPointF& point)
{
    if (!std::isfinite(point.x()) || !std::isfinite(point.y())) {
        closeColumn();
        m_open = false;
        return;
    }
    const double column = m_reduced ? columnOf(point) : 0.0;
    if (m_open && m_reduced && column == m_column) {
        ++m_count;
        m_last = point;
        m_minX = std::min(m_minX, point.x());
        m_maxX = std::max(m_maxX, point.x());
        m_minY = std::min(m_minY, point.y());
        m_maxY = std::max(m_maxY, point.y());
        return;
    }
    if (m_open) {
        closeColumn();
        addSegment(m_last, point);
    }
    startColumn(point, column);
}

void LineReduction::startColumn(const QPointF& point, double column)
{
    m_open = true;
    m_column = column;
    m_count = 1;
    m_last = point;
    m_minX = m_maxX = point.x();
    m_minY = m_maxY = point.y();
}

// A column of several points becomes one vertical stroke over their y values.
void LineReduction::closeColumn()
{
    if (m_open && m_count > 1) {
        const double x = (m_minX + m_maxX) / 2.0;
        addSegment(QPointF(x, m_minY), QPointF(x, m_maxY));
    }
}

void LineReduction::addSegment(const QPointF& from, const QPointF& to)
{
    m_batch.emplace_back(from, to);
    if (m_batch.size() == batchSize) {
        flush();
    }
}

void LineReduction::flush()
{
    if (!m_batch.empty()) {
        m_painter.drawLines(m_batch.data(), static_cast<int>(m_batch.size()));
        m_batch.clear();
    }
}

void LineReduction::finish()
{
    closeColumn();
    m_open = false;
    flush();
}

}
