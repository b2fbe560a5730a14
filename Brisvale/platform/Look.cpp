#include "Brisvale/platform/Look.h"

#include <QEvent>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QPen>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>

namespace {

constexpr char sheetWindowProperty[] = "lookSheetWindow";

// Draws the edge of sheet windows over their own painting. Drawn here rather than by a style sheet,
// which would take over the window's background filling, and only for the window itself: the
// widgets on it and dialogs opened from it keep their look.
class SheetEdgePainter : public QObject {
public:
    static SheetEdgePainter& shared()
    {
        static SheetEdgePainter painter;
        return painter;
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint || !watched->isWidgetType()) {
            return false;
        }
        // The window paints itself first (the filter runs before it), then the edge goes on top.
        watched->event(event);
        auto* window = static_cast<QWidget*>(watched);
        QPainter painter(window);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Look::sheetEdge(), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(window->rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
        return true;
    }
};

// Draws the focus ring over a control's own painting while the control has the keyboard focus.
// Style sheets that give buttons their look drop the style's own focus frame; this ring stands in
// for it on every such control.
class FocusRingPainter : public QObject {
public:
    static FocusRingPainter& shared()
    {
        static FocusRingPainter painter;
        return painter;
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint || !watched->isWidgetType()) {
            return false;
        }
        auto* control = static_cast<QWidget*>(watched);
        if (!control->hasFocus()) {
            return false;
        }
        watched->event(event);
        QPainter painter(control);
        Look::drawFocusRing(painter, control->rect());
        return true;
    }
};

QString buttonStyle(const QColor& background, const QColor& text, const QColor& border)
{
    return QStringLiteral("QPushButton { background-color: %1; color: %2; border: 1px solid %3;"
                          " border-radius: 6px; padding: 5px 16px; }"
                          " QPushButton:pressed { background-color: %4; }"
                          " QPushButton:disabled { color: #9A9A9A; }")
        .arg(background.name(), text.name(), border.name(), background.darker(115).name());
}

}

namespace Look {

QColor accent()
{
    return QColor(0, 61, 165);
}

QColor windowBackground()
{
    return QColor(245, 245, 245);
}

QColor sheetBackground()
{
    return QColor(255, 255, 255);
}

QColor sheetEdge()
{
    return QColor(200, 200, 200);
}

void styleSheetWindow(QWidget& window)
{
    window.setWindowTitle(QString());
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, sheetBackground());
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    if (!window.property(sheetWindowProperty).toBool()) {
        window.setProperty(sheetWindowProperty, true);
        window.installEventFilter(&SheetEdgePainter::shared());
    }
}

QPoint popoverTopLeft(QSize size, QPoint wanted, const QRect& bounds)
{
    // Right and bottom first, then left and top, so that the top left corner wins when it can't fit.
    const int x = std::max(bounds.left(), std::min(wanted.x(), bounds.left() + bounds.width() - size.width()));
    const int y = std::max(bounds.top(), std::min(wanted.y(), bounds.top() + bounds.height() - size.height()));
    return QPoint(x, y);
}

QColor focusRingOuter()
{
    return QColor(20, 20, 20);
}

QColor focusRingInner()
{
    return QColor(255, 255, 255);
}

void drawFocusRing(QPainter& painter, const QRect& area)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    const QRectF outer = QRectF(area).adjusted(1, 1, -1, -1);
    painter.setPen(QPen(focusRingOuter(), focusRingWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(outer);
    painter.setPen(QPen(focusRingInner(), focusRingWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(outer.adjusted(focusRingWidth, focusRingWidth, -focusRingWidth, -focusRingWidth));
    painter.restore();
}

void showFocusRing(QWidget& control)
{
    // Installing twice would draw twice; the filter is removed first so that it runs once.
    control.removeEventFilter(&FocusRingPainter::shared());
    control.installEventFilter(&FocusRingPainter::shared());
}

void styleDefaultButton(QPushButton& button)
{
    button.setStyleSheet(buttonStyle(accent(), Qt::white, accent()));
    showFocusRing(button);
}

void styleButton(QPushButton& button)
{
    button.setStyleSheet(buttonStyle(sheetBackground(), QColor(40, 40, 40), QColor(190, 190, 190)));
    showFocusRing(button);
}

void styleCard(QFrame& card)
{
    // Scoped to the card itself, so the widgets on it keep their own look.
    if (card.objectName().isEmpty()) {
        card.setObjectName(QStringLiteral("pageCard"));
    }
    card.setStyleSheet(QStringLiteral("QFrame#%1 { background-color: %2; border-radius: 8px; }")
                           .arg(card.objectName(), sheetBackground().name()));
}

void placeCard(QWidget& page, QFrame& card)
{
    auto* layout = new QVBoxLayout(&page);
    layout->setContentsMargins(pageMargin, pageMargin, pageMargin, pageMargin);
    layout->addWidget(&card);
}

void stylePageTitle(QLabel& label)
{
    QFont font = label.font();
    font.setPixelSize(22);
    font.setWeight(QFont::DemiBold);
    label.setFont(font);
}

}
