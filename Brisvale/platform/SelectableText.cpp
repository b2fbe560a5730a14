#include "Brisvale/platform/SelectableText.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QTextDocument>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

// A label to a reader, named by its text; the parts of the text view are no part of it.
class TextAccessible : public QAccessibleWidget {
public:
    explicit TextAccessible(SelectableText* text) : QAccessibleWidget(text, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return static_cast<const SelectableText*>(widget())->text();
        }
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
};

QAccessibleInterface* interfaceFor(const QString& className, QObject* object)
{
    auto* text = qobject_cast<SelectableText*>(object);
    return className == QLatin1String("SelectableText") && text ? new TextAccessible(text) : nullptr;
}

}

SelectableText::SelectableText(const QString& text, QWidget* parent) : QTextEdit(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(&interfaceFor);
        return true;
    }();
    (void)installed;
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    // As a selectable label: a click gives it the focus, so that the keys copy what it selected.
    setFocusPolicy(Qt::ClickFocus);
    setTabChangesFocus(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    viewport()->setAutoFillBackground(false);
    viewport()->setCursor(Qt::IBeamCursor);
    QPalette colours = palette();
    colours.setColor(QPalette::Text, colours.color(QPalette::WindowText));
    setPalette(colours);
    document()->setDocumentMargin(0);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setPlainText(text);
}

QSize SelectableText::laidOut(qreal width) const
{
    const std::unique_ptr<QTextDocument> copy(document()->clone());
    copy->setDefaultFont(font());
    copy->setDocumentMargin(document()->documentMargin());
    if (width < 0) {
        copy->adjustSize();
    } else {
        copy->setTextWidth(width);
    }
    const QSizeF size = copy->size();
    return QSize(static_cast<int>(std::ceil(size.width())), static_cast<int>(std::ceil(size.height())));
}

QSize SelectableText::sizeHint() const
{
    return laidOut(-1);
}

QSize SelectableText::minimumSizeHint() const
{
    return QSize(fontMetrics().maxWidth(), laidOut(QWIDGETSIZE_MAX).height());
}

int SelectableText::heightForWidth(int width) const
{
    return laidOut(width).height();
}

// The lines stand in the middle of the height, as a label's do.
void SelectableText::centre()
{
    setViewportMargins(0, std::max(0, (height() - heightForWidth(width())) / 2), 0, 0);
}

void SelectableText::resizeEvent(QResizeEvent* event)
{
    QTextEdit::resizeEvent(event);
    centre();
}

void SelectableText::changeEvent(QEvent* event)
{
    QTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        updateGeometry();
        centre();
    }
}
