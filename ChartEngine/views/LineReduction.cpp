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
        m_previous.reset();
        return;
    }
    if (m_open && point.x() == m_last.x() && point.y() == m_last.y()) {
        return;
    }
    const double column = m_reduced ? columnOf(point) : 0.0;
    if (m_open && m_reduced && column == m_column) {
        ++m_count;
        m_last = point;
        m_minY = std::min(m_minY, point.y());
        m_maxY = std::max(m_maxY, point.y());
        return;
    }
    closeColumn();
    startColumn(point, column);
}

void LineReduction::startColumn(const QPointF& point, double column)
{
    m_open = true;
    m_column = column;
    m_count = 1;
    m_first = m_last = point;
    m_minY = m_maxY = point.y();
}

// Draws the segment into the column, and a column of several points as one vertical stroke at
// its middle over their y values.
void LineReduction::closeColumn()
{
    if (!m_open) {
        return;
    }
    m_open = false;
    QPointF entry = m_first;
    QPointF exit = m_first;
    if (m_count > 1) {
        const double middle = (m_column + 0.5 - m_toDevice.dx()) / m_toDevice.m11();
        entry = QPointF(middle, m_first.y());
        exit = QPointF(middle, m_last.y());
    }
    if (m_previous) {
        addSegment(*m_previous, entry);
    }
    if (m_count > 1) {
        addSegment(QPointF(entry.x(), m_minY), QPointF(entry.x(), m_maxY));
    }
    m_previous = exit;
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
    m_previous.reset();
    flush();
}

}
