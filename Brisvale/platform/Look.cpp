#include "Brisvale/platform/Look.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QWidget>

namespace {

QString buttonStyle(const QColor& background, const QColor& text, const QColor& border)
{
    return QStringLiteral("QPushButton { background-color: %1; color: %2; border: 1px solid %3;"
                          " border-radius: 6px; padding: 5px 16px; min-width: 64px; }"
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

void styleSheetWindow(QWidget& window)
{
    window.setWindowTitle(QString());
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, sheetBackground());
    window.setPalette(palette);
    window.setAutoFillBackground(true);
}

void styleDefaultButton(QPushButton& button)
{
    button.setStyleSheet(buttonStyle(accent(), Qt::white, accent()));
}

void styleButton(QPushButton& button)
{
    button.setStyleSheet(buttonStyle(sheetBackground(), QColor(40, 40, 40), QColor(190, 190, 190)));
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

void stylePageTitle(QLabel& label)
{
    QFont font = label.font();
    font.setPixelSize(22);
    font.setWeight(QFont::DemiBold);
    label.setFont(font);
}

}
