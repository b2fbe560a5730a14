#pragma once

#include <QStringList>
#include <QWidget>
#include <functional>

// The readings table of a report page, drawn as text: a header row of column titles, then one row
// per reading with a hairline between rows. Its height is what its rows need.
class ReportTable : public QWidget {
public:
    // The text of a cell, by row and column.
    using CellText = std::function<QString(int row, int column)>;

    static constexpr int rowHeight = 24;

    // Columns by their titles and their shares of the width.
    ReportTable(const QStringList& titles, const QList<int>& shares, int rowCount, CellText cellText,
                QWidget* parent = nullptr);

    int rowCount() const { return rowCount_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<QRectF> columnRects(qreal top) const;
    void drawRow(QPainter& painter, qreal top, const QStringList& texts) const;

    QStringList titles_;
    QList<int> shares_;
    int rowCount_ = 0;
    CellText cellText_;
};
