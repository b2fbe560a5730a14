#pragma once

#include <QHeaderView>

// The column titles of the readings table: each section filled light blue, its title in black,
// 17 px, left aligned and 10 px lower than the top. No border and no sort indicator.
class CustomHeaderCell : public QHeaderView {
    Q_OBJECT

public:
    static constexpr int height = 40;

    explicit CustomHeaderCell(QWidget* parent = nullptr);

    static QColor fillColor() { return QColor(208, 226, 243); }

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
};
