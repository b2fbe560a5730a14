#pragma once

#include "ChartEngine/components/ComponentBase.h"
#include "ChartEngine/foundation/ChartColors.h"
#include "ChartEngine/foundation/TextAttributes.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QString>

#include <optional>

namespace Charts {

// The chart's description text, drawn by the chart view in a corner of the content area or at
// a fixed position. An absent text and an empty one both draw nothing, but they differ: an
// empty text counts as set where the text is read as the chart's name.
class Description : public ComponentBase {
public:
    Description() = default;

    virtual std::optional<QString> text() const { return m_text; }
    virtual void setText(std::optional<QString> text) { m_text = std::move(text); }
    // The text's anchor in the view; absent: the view's bottom-right content corner.
    virtual std::optional<QPointF> position() const { return m_position; }
    virtual void setPosition(std::optional<QPointF> position) { m_position = position; }
    // Right: the text ends at its anchor; centre: centred on it; otherwise it starts there.
    virtual TextAlignment textAlign() const { return m_textAlign; }
    virtual void setTextAlign(TextAlignment alignment) { m_textAlign = alignment; }
    virtual QFont font() const { return m_font; }
    virtual void setFont(const QFont& font) { m_font = font; }
    virtual QColor textColor() const { return m_textColor; }
    virtual void setTextColor(const QColor& color) { m_textColor = color; }

private:
    std::optional<QString> m_text;
    std::optional<QPointF> m_position;
    TextAlignment m_textAlign = TextAlignment::Right;
    QFont m_font = systemFont(13);
    QColor m_textColor = ChartColors::label();
};

}
