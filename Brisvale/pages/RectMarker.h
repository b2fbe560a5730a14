#pragma once

#include "Brisvale/pages/ChartXAxisFormatter.h"

#include "ChartEngine/components/MarkerImage.h"

#include <QColor>
#include <QFont>
#include <QLocale>
#include <QSizeF>
#include <QString>
#include <QTextDocument>
#include <memory>
#include <optional>

namespace Charts {
class ChartViewBase;
}

// The value marker of the PEF and FEV1 charts: a rounded box beside the chosen point holding the
// lines of each data set (the text its entry at that x carries, without the line breaks that end
// it, bold 16 in the set's first colour) and below them the date line "Date : " and the date (bold
// 14, in the marker's text colour: that of its first line, black without one), written as the
// chart's x axis writes its dates. The box is the label
// plus the insets, at least `minimumSize`, and opens to the left of or above the point when it
// would leave the chart's content rectangle.
class RectMarker : public Charts::MarkerImage {
public:
    struct Insets {
        double top = 0.0;
        double left = 0.0;
        double bottom = 0.0;
        double right = 0.0;
    };

    // `miniTime`: seconds since 1970 of x = 0; `interval`: seconds per unit of x.
    RectMarker(std::optional<QColor> color, std::optional<QFont> font, Insets insets, double miniTime,
               double interval);

    std::optional<QColor> color; // the box's fill; without it only the label is drawn
    std::optional<QFont> font;   // kept for the creator; the label has fonts of its own
    Insets insets;
    double miniTime = 0.0;
    double interval = 86400.0;
    QSizeF minimumSize{0.0, 0.0};
    // How the date line writes the date: the x axis's formatter, in the profile's date format;
    // without one "dd/MM/yy".
    std::optional<ChartXAxisFormatter::DateFormatter> dateFormatter;

    // The label as plain text; empty before the first refresh.
    QString labelText() const;
    // The label's own size at the last refresh.
    QSizeF labelSize() const { return m_labelSize; }

    // Against the chart's content rectangle; the fixed offset is not used.
    QPointF offsetForDrawingAtPoint(QPointF point) const override;
    // Rebuilds the label for the entries at the chosen entry's x, then the box size. Needs the
    // chart view, with data.
    void refreshContent(const std::shared_ptr<Charts::ChartDataEntry>& entry,
                        const std::shared_ptr<Charts::Highlight>& highlight) override;
    // The box (with a colour) and the label at its top-left corner; nothing before a refresh.
    void draw(QPainter& painter, QPointF point) override;

private:
    Charts::ChartViewBase* chart() const;
    QString dateText(double x) const;

    QLocale dateLocale;
    std::unique_ptr<QTextDocument> label;
    QSizeF m_labelSize{0.0, 0.0};
};
