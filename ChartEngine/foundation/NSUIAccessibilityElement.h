#pragma once

#include <QAccessible>
#include <QObject>
#include <QPointer>
#include <QRectF>
#include <QString>
#include <QWidget>

namespace Charts {

// One thing a renderer describes to assistive technology (a bar, a point, the chart's header):
// a label and a frame inside its container view. The container, when it is a widget, is the
// element's accessibility parent; it is held weakly. Held by std::shared_ptr.
class NSUIAccessibilityElement : public QObject {
    Q_OBJECT

public:
    // `container`: the chart view (or another object); only a widget becomes the container view.
    explicit NSUIAccessibilityElement(QObject* container);
    ~NSUIAccessibilityElement() override;

    // The container widget; null once it is gone or when the container was no widget.
    QWidget* containerView() const { return m_containerView.data(); }

    QString accessibilityLabel() const { return m_label; }
    // Writes the label; a text that differs from one written before is announced to assistive
    // technology as a name change, and for a header also as a description change of its view.
    void setAccessibilityLabel(const QString& label);

    // The frame in the container view's coordinates, as last written.
    QRectF accessibilityFrame() const { return m_frame; }
    // Stores a frame given in the container view's coordinates; does nothing once the container
    // view is gone.
    void setAccessibilityFrame(const QRectF& frame);
    // The frame in screen coordinates, computed now from the container's position, normalised;
    // empty without a container view.
    QRectF accessibilityScreenFrame() const;

    QAccessible::Role accessibilityRole() const { return m_role; }
    void setAccessibilityRole(QAccessible::Role role);

    // Marks the chart's header element.
    bool isHeader() const { return m_isHeader; }
    void setHeader(bool header);

    // Marks a highlighted element.
    bool isSelected() const { return m_isSelected; }
    void setSelected(bool selected);

    // Marks an element whose thing lies outside the visible content (scrolled or zoomed out of
    // view): assistive technology still reaches it, reads it as off screen and finds it at no
    // place on screen.
    bool isOffScreen() const { return m_isOffScreen; }
    void setOffScreen(bool offScreen);

    // The entry the element stands for: its data set's index and its index in that set; both
    // -1 for an element that stands for no single entry (the header, a whole data set). A
    // segment of a stacked bar also names its value's index in the stack; -1 otherwise.
    qint64 dataSetIndex() const { return m_dataSetIndex; }
    qint64 entryIndex() const { return m_entryIndex; }
    qint64 stackIndex() const { return m_stackIndex; }
    void setEntry(qint64 dataSetIndex, qint64 entryIndex, qint64 stackIndex = -1);
    bool isEntry() const { return m_dataSetIndex >= 0 && m_entryIndex >= 0; }

private:
    QPointer<QWidget> m_containerView;
    bool m_isHeader = false;
    bool m_isSelected = false;
    bool m_isOffScreen = false;
    QString m_label;
    bool m_labelWritten = false;
    QRectF m_frame;
    qint64 m_dataSetIndex = -1;
    qint64 m_entryIndex = -1;
    qint64 m_stackIndex = -1;
    // A list item, so that a screen reader speaks its name.
    QAccessible::Role m_role = QAccessible::ListItem;
};

// Tells assistive technology that an element's layout changed (renderers call it after
// rebuilding their elements). Without an element nothing is posted.
void accessibilityPostLayoutChangedNotification(NSUIAccessibilityElement* element = nullptr);

}
