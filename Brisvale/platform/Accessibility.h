#pragma once

#include <QList>
#include <QString>

class QAbstractButton;
class QAbstractItemView;
class QLabel;
class QLineEdit;
class QWidget;

// What a screen reader and a keyboard-only user need of the pages' controls.
namespace Accessibility {

// A button that shows only an icon: the text of the key becomes its accessible name and its
// tooltip, so that a reader speaks what the picture shows and a mouse user can read it.
void nameIconButton(QAbstractButton& button, const QString& key);

// A field with no visible caption: the text of the key becomes its accessible name (a pop-up that
// speaks its choice, PopUpAccessible, takes it as its caption). A field with a caption is named by
// making the caption's label its buddy instead.
void nameField(QWidget& field, const QString& key);

// A field that shows no caption of its own but needs one for a reader: a hidden label, the field's
// sibling, whose buddy is the field, carries the key's text, so that a reader speaks it as the
// field's label; the text is the field's accessible name too (a pop-up that speaks its choice
// takes it as its caption). The page looks as it did. The field must have its parent already; a
// layout that takes the field takes the caption too, so that the two stay siblings.
QLabel* captionForReader(QWidget& field, const QString& key);

// A figure shown beside its caption: its name becomes what a reader says of it, the caption and
// then `said` (the value with its unit, or why there is none): "Best value: 450 l/min". A reader
// that reads the figure alone still hears what it is.
void nameFigure(QWidget& figure, const QString& caption, const QString& said);

// Widgets whose text another element's name already holds (a caption in a figure's name, "Total
// readings: 42", or the zone beside it): a reader meets that text there, and not a second time as
// an element of its own. Their parent, a plain container, reports its other widgets only, and keeps
// its role and name (ContainerAccessible). Each widget has its final parent already.
void leaveOutForReader(const QList<QWidget*>& widgets);

// The first control of a page that the Tab key reaches (visible, enabled, taking Tab focus), in
// the window's focus order; none when the page has no such control.
QWidget* firstControl(const QWidget& page);

// Gives the keyboard focus to the page's first control, so that focus is never lost when a page
// opens. Nothing when the page has no control.
void focusFirstControl(const QWidget& page);

// A window that a reader should know as a dialog, named by its accessible name, though it is not
// a QDialog (a popover): Qt gives a plain widget's window no role of its own, and a reader calls it
// a filler.
void readAsDialog(QWidget& window);

// Enables the control, or greys it out saying why: the text of the reason's key becomes its
// tooltip and its accessible description, which a reader speaks after its name. Enabled again, it
// gets back the tooltip and the description it had before it was greyed.
void enableOrSayWhy(QWidget& control, bool enabled, const QString& reasonKey);

// A control's own description, which a reader speaks after its name: given to it at once, or,
// while it is greyed with a reason (enableOrSayWhy), kept for when it is usable again.
void describe(QWidget& control, const QString& description);

// A number field's text, followed by the text of its unit's label when it has one ("180 cm"), is
// its accessible description too, kept as the text changes: a reader (Orca) takes only the first
// label of a field, so the unit beside it goes unheard, and speaks the description after the
// field's text, unit and all. While the field is greyed with a reason (enableOrSayWhy) the reason
// stays, and the text is the description again once it is usable. A text or unit set while the
// field's signals are blocked reaches the description when this is called again.
void describeByText(QLineEdit& field, const QLabel* unit = nullptr);

// Tells a screen reader that the view's current cell has the focus, as Qt tells only when the
// current cell changes while the view has the focus: a reader that hears of the view taking the
// focus, or of its cells made anew, hears of the table alone. Nothing while the view does not
// have the focus or has no current cell.
void tellCurrentCell(QAbstractItemView& view);

// Tells a screen reader that the control's value, shown as the text `before`, is now shown as
// `now`: as a value change carrying the text, and as the control's text replaced, which a reader's
// bridge speaks from the text itself. Nothing when the text is the same.
void announceValue(QWidget& control, const QString& before, const QString& now);

}
