#pragma once

#include <QColor>

class QFrame;
class QLabel;
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

// A sheet's window: title cleared, opaque white background.
void styleSheetWindow(QWidget& window);

// The default button of a sheet or page: accent background, white text.
void styleDefaultButton(QPushButton& button);

// Any other button beside a default one: white with a grey outline.
void styleButton(QPushButton& button);

// The white card a page's content stands on: 8 px corners; give its layout the card padding.
void styleCard(QFrame& card);

// The inner margin of a page card.
constexpr int cardPadding = 16;

// A page's title: 22 px, semibold.
void stylePageTitle(QLabel& label);

}
