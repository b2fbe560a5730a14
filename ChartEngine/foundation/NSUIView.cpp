#include "ChartEngine/foundation/NSUIView.h"

#include "ChartEngine/foundation/ChartAccessibility.h"
#include "ChartEngine/foundation/ClippedDrawing.h"
#include "ChartEngine/foundation/NSUIAccessibilityElement.h"
#include "ChartEngine/foundation/NSUIGestureRecognizer.h"

#include <QPainter>
#include <QTouchEvent>

namespace Charts {

NSUIView::NSUIView(QWidget* parent)
    : QWidget(parent)
{
    ChartAccessibility::install();
    setAttribute(Qt::WA_AcceptTouchEvents);
}

NSUIView::~NSUIView() = default;

QRectF NSUIView::bounds() const
{
    return QRectF(0, 0, width(), height());
}

bool NSUIView::isOpaque() const
{
    return testAttribute(Qt::WA_OpaquePaintEvent);
}

void NSUIView::setNeedsDisplay()
{
    update();
}

void NSUIView::setBackgroundColor(std::optional<QColor> color)
{
    m_backgroundColor = color && color->isValid() ? color : std::nullopt;
    update();
}

void NSUIView::setRole(QAccessible::Role role)
{
    m_role = role;
}

QString NSUIView::accessibilityLabel() const
{
    const QString title = window()->windowTitle();
    return title.isEmpty() ? QStringLiteral("Chart View") : title;
}

QString NSUIView::accessibilityDescription() const
{
    return {};
}

QString NSUIView::accessibilityElementLabel(const NSUIAccessibilityElement& element) const
{
    return element.accessibilityLabel();
}

bool NSUIView::isAccessibilityElementSelected(const NSUIAccessibilityElement& element) const
{
    return element.isSelected();
}

NSUIView::Elements NSUIView::accessibilityChildren() const
{
    return {};
}

NSUIView::Elements NSUIView::accessibilityRows() const
{
    const Elements children = accessibilityChildren();
    if (children.constData() != m_rowsSource.constData() || children.size() != m_rowsSource.size()) {
        m_rowsSource = children;
        Elements rows;
        for (const auto& element : children) {
            if (element && !element->isHeader()) {
                rows.append(element);
            }
        }
        m_rows = accessibilityRowOrder(std::move(rows));
    }
    return m_rows;
}

bool NSUIView::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::TouchBegin: {
        auto* touch = static_cast<QTouchEvent*>(event);
        nsuiTouchesBegan(touch->points(), touch);
        return true;
    }
    case QEvent::TouchUpdate: {
        auto* touch = static_cast<QTouchEvent*>(event);
        nsuiTouchesMoved(touch->points(), touch);
        return true;
    }
    case QEvent::TouchEnd: {
        auto* touch = static_cast<QTouchEvent*>(event);
        nsuiTouchesEnded(touch->points(), touch);
        return true;
    }
    case QEvent::TouchCancel: {
        auto* touch = static_cast<QTouchEvent*>(event);
        nsuiTouchesCancelled(touch->points(), touch);
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
    case QEvent::Wheel:
    case QEvent::NativeGesture:
        if (offerToGestureRecognizers(*event)) {
            event->accept();
            return true;
        }
        [[fallthrough]];
    default:
        return QWidget::event(event);
    }
}

void NSUIView::addGestureRecognizer(std::shared_ptr<NSUIGestureRecognizer> recognizer)
{
    m_gestureRecognizers.append(std::move(recognizer));
}

bool NSUIView::offerToGestureRecognizers(QEvent& event)
{
    bool used = false;
    // A copy: an action may add recognisers.
    const auto recognizers = m_gestureRecognizers;
    for (const auto& recognizer : recognizers) {
        if (recognizer->isEnabled()) {
            used = recognizer->handleEvent(event) || used;
        }
    }
    return used;
}

void NSUIView::paintEvent(QPaintEvent* /*event*/)
{
    if (!m_backgroundColor) {
        return;
    }
    QPainter painter(this);
    fillClippedRect(painter, bounds(), *m_backgroundColor, bounds());
}

void NSUIView::nsuiTouchesBegan(const QList<QEventPoint>& /*touches*/, QTouchEvent* event)
{
    QWidget::event(event);
}

void NSUIView::nsuiTouchesMoved(const QList<QEventPoint>& /*touches*/, QTouchEvent* event)
{
    QWidget::event(event);
}

void NSUIView::nsuiTouchesEnded(const QList<QEventPoint>& /*touches*/, QTouchEvent* event)
{
    QWidget::event(event);
}

void NSUIView::nsuiTouchesCancelled(const QList<QEventPoint>& /*touches*/, QTouchEvent* event)
{
    QWidget::event(event);
}

}
