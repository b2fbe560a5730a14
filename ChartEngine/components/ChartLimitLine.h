#pragma once

#include "ChartEngine/components/ComponentBase.h"
#include "ChartEngine/foundation/ChartColors.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>

#include <optional>

namespace Charts {

// One value marked on an axis by a straight line across the content area, with an optional
// label: horizontal on a y axis, vertical on an x axis. Shared by std::shared_ptr between the
// caller and the axes that hold it, so a change shows at the next draw. The label stands
// `xOffset` and `yOffset` away from the line.
class ChartLimitLine : public ComponentBase {
public:
    // Where the label stands: for a horizontal line the end of the line and above or below it,
    // for a vertical line the side of the line and its top or bottom.
    enum class LabelPosition : int {
        leftTop = 0,
        leftBottom = 1,
        rightTop = 2,
        rightBottom = 3,
    };

    ChartLimitLine() = default;
    explicit ChartLimitLine(double limit);
    ChartLimitLine(double limit, const QString& label);

    virtual double limit() const { return m_limit; }
    virtual void setLimit(double limit) { m_limit = limit; }
    virtual QColor lineColor() const { return m_lineColor; }
    virtual void setLineColor(const QColor& color) { m_lineColor = color; }
    virtual double lineDashPhase() const { return m_lineDashPhase; }
    virtual void setLineDashPhase(double phase) { m_lineDashPhase = phase; }
    virtual std::optional<QList<double>> lineDashLengths() const { return m_lineDashLengths; }
    virtual void setLineDashLengths(std::optional<QList<double>> lengths)
    {
        m_lineDashLengths = std::move(lengths);
    }
    virtual QColor valueTextColor() const { return m_valueTextColor; }
    virtual void setValueTextColor(const QColor& color) { m_valueTextColor = color; }
    virtual QFont valueFont() const { return m_valueFont; }
    virtual void setValueFont(const QFont& font) { m_valueFont = font; }
    virtual bool drawLabelEnabled() const { return m_drawLabelEnabled; }
    virtual void setDrawLabelEnabled(bool enabled) { m_drawLabelEnabled = enabled; }
    virtual QString label() const { return m_label; }
    virtual void setLabel(const QString& label) { m_label = label; }
    virtual LabelPosition labelPosition() const { return m_labelPosition; }
    virtual void setLabelPosition(LabelPosition position) { m_labelPosition = position; }

    virtual double lineWidth() const { return m_lineWidth; }
    // Kept within 0.2 to 12 points.
    virtual void setLineWidth(double width);

    // The renderers draw the label only when it is switched on and not empty.
    bool isLabelDrawn() const { return drawLabelEnabled() && !label().isEmpty(); }

private:
    double m_limit = 0.0;
    double m_lineWidth = 2.0;
    QColor m_lineColor = QColor(237, 91, 91);
    double m_lineDashPhase = 0.0;
    std::optional<QList<double>> m_lineDashLengths;
    QColor m_valueTextColor = ChartColors::label();
    QFont m_valueFont = systemFont(13);
    bool m_drawLabelEnabled = true;
    QString m_label;
    LabelPosition m_labelPosition = LabelPosition::rightTop;
};

}
