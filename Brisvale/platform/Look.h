#pragma once

#include <QColor>

#include <QPoint>
#include <QRect>
#include <QSize>

class QFrame;
class QLabel;
class QPainter;
class QPushButton;
class QWidget;

// The application's one look: colours and the styling of sheets and buttons shared by every page.
namespace Look {

// The chart line's blue, for selected menu items, primary buttons and links.
QColor accent();

// The light grey behind the pages.
QColor windowBackground();

// Sheets, popovers and page cards.
QColor sheetBackground();

// The light grey edge around sheets and popovers, so that they stand out from a white page card.
QColor sheetEdge();

// A sheet's or popover's window: title cleared, opaque white background, a 1 px edge in the sheet
// edge colour with 8 px corners. Only the window itself is framed, not the widgets on it.
void styleSheetWindow(QWidget& window);

// Where a popover of the given size stands when it would like its top left corner at `wanted`:
// moved the least so that it lies inside `bounds` (the anchor's window, in global coordinates); one
// larger than the bounds keeps their top left corner.
QPoint popoverTopLeft(QSize size, QPoint wanted, const QRect& bounds);

// The keyboard focus ring: a dark band outside a white one, each focusRingWidth px wide, drawn
// just inside the control's edge, so that it shows on white cards, on accent buttons and on a dark
// look alike.
QColor focusRingOuter();
QColor focusRingInner();
constexpr int focusRingWidth = 2;
void drawFocusRing(QPainter& painter, const QRect& area);

// Draws the focus ring over the control whenever it has the keyboard focus. For controls whose
// style sheet removes the style's own focus frame (styled buttons, the side menu, icon buttons).
void showFocusRing(QWidget& control);

// The default button of a sheet or page: accent background, white text, the focus ring.
void styleDefaultButton(QPushButton& button);

// Any other button beside a default one: white with a grey outline, the focus ring.
void styleButton(QPushButton& button);

// The white card a page's content stands on: 8 px corners; give its layout the card padding.
void styleCard(QFrame& card);

// The inner margin of a page card.
constexpr int cardPadding = 16;

// The margin around a page's card, the same on every page, so that every card stands at one place.
constexpr int pageMargin = 16;

// Lays the card out on the page: it fills the page inside the page margin.
void placeCard(QWidget& page, QFrame& card);

// A page's title: 22 px, semibold.
void stylePageTitle(QLabel& label);

}
