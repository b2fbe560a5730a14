#pragma once

#include <QAccessible>
#include <QColor>
#include <QEventPoint>
#include <QList>
#include <QRectF>
#include <QString>
#include <QWidget>
#include <memory>
#include <optional>

class QTouchEvent;

namespace Charts {

class NSUIAccessibilityElement;
class NSUIGestureRecognizer;

// The base of every chart view and of the view-based marker: a widget in y-down coordinates
// with an optional background colour, four touch hooks and an accessibility description
// (named as its window, a list whose items are the renderers' elements but the headers, whose
// texts the view's description carries).
class NSUIView : public QWidget {
    Q_OBJECT

public:
    using Elements = QList<std::shared_ptr<NSUIAccessibilityElement>>;

    explicit NSUIView(QWidget* parent = nullptr);
    ~NSUIView() override;

    // The view's own rectangle: origin (0, 0), the widget's size.
    QRectF bounds() const;
    // Whether the view paints every pixel of its bounds (Qt::WA_OpaquePaintEvent); false unless
    // a subclass says so.
    virtual bool isOpaque() const;
    // Asks for a repaint of the whole bounds.
    void setNeedsDisplay();

    // The colour painted under everything else; none until set. An invalid colour clears it.
    std::optional<QColor> backgroundColor() const { return m_backgroundColor; }
    void setBackgroundColor(std::optional<QColor> color);

    // The view's accessibility role; a list.
    QAccessible::Role role() const { return m_role; }
    void setRole(QAccessible::Role role);
    // The view's fallback accessibility name: the title of its window (the view's own when it is
    // a window), or "Chart View" in a window without one; a name set with setAccessibleName
    // comes first.
    virtual QString accessibilityLabel() const;
    // The accessibility description: a summary of the view's content; empty here.
    virtual QString accessibilityDescription() const;
    // The name assistive technology reads for an element; here its own label.
    virtual QString accessibilityElementLabel(const NSUIAccessibilityElement& element) const;
    // Whether assistive technology sees the element as selected; here its own flag.
    virtual bool isAccessibilityElementSelected(const NSUIAccessibilityElement& element) const;
    // The elements that describe the view's content, headers included; none here, chart views
    // answer their renderer's elements.
    virtual Elements accessibilityChildren() const;
    // What a reader walks as the list's items: the accessibility children without the headers,
    // so that an item's position and the list's size count the things the chart shows alone,
    // in the order `accessibilityRowOrder` gives. Worked out again only when the children change.
    Elements accessibilityRows() const;

    // From now on the view offers its mouse, wheel and native gesture events to the recogniser,
    // after those added before it. An event that some enabled recogniser uses is accepted; any
    // other goes the widget's way (a plain wheel to the parent, a right click to the context
    // menu).
    void addGestureRecognizer(std::shared_ptr<NSUIGestureRecognizer> recognizer);
    QList<std::shared_ptr<NSUIGestureRecognizer>> gestureRecognizers() const { return m_gestureRecognizers; }

protected:
    // The rows, the children without their headers, in the order a reader walks them; here as
    // the children list them.
    virtual Elements accessibilityRowOrder(Elements rows) const { return rows; }

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

    // Called with every point of a touch event, of any state. By default the event goes to the
    // widget's own handling (which leaves it unaccepted, so Qt falls back to mouse events).
    virtual void nsuiTouchesBegan(const QList<QEventPoint>& touches, QTouchEvent* event);
    virtual void nsuiTouchesMoved(const QList<QEventPoint>& touches, QTouchEvent* event);
    virtual void nsuiTouchesEnded(const QList<QEventPoint>& touches, QTouchEvent* event);
    virtual void nsuiTouchesCancelled(const QList<QEventPoint>& touches, QTouchEvent* event);

private:
    // Offers the event to every enabled recogniser; whether any used it.
    bool offerToGestureRecognizers(QEvent& event);

    QList<std::shared_ptr<NSUIGestureRecognizer>> m_gestureRecognizers;
    // The children the rows were worked out from (held, so that a new list cannot take their
    // place unnoticed) and the rows.
    mutable Elements m_rowsSource;
    mutable Elements m_rows;
    QAccessible::Role m_role = QAccessible::List;
    std::optional<QColor> m_backgroundColor;
};

}
