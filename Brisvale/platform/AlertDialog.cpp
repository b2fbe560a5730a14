#include "Brisvale/platform/AlertDialog.h"

#include "Brisvale/platform/ButtonKeys.h"
#include "Brisvale/platform/Icons.h"
#include "Brisvale/platform/Look.h"
#include "Brisvale/platform/SelectableText.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A text wraps at the alert's width, also within a word wider than that (a long path), and can be
// selected and copied as it is.
SelectableText* textLabel(const QString& text, QWidget* parent)
{
    auto* label = new SelectableText(text, parent);
    label->setMinimumWidth(AlertDialog::textWidth);
    return label;
}

}

AlertDialog::AlertDialog(const Alert& alert, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), safeButton_(alert.safeButton)
{
    // Return, Enter and Space press the highlighted button as they are released, so that a key
    // held down from before the question opened (one that opened it) answers nothing.
    ButtonKeys::install();
    Look::styleSheetWindow(*this);
    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    addIcon(alert.symbol);
    if (icon_) {
        top->addWidget(icon_, 0, Qt::AlignTop);
    }
    top->addLayout(makeTexts(alert), 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 16);
    layout->setSpacing(20);
    layout->addLayout(top);
    layout->addLayout(makeButtonRow(alert.buttonTitles(), alert.safeButton));
}

QPushButton* AlertDialog::button(int response) const
{
    const qsizetype index = response - Alert::firstButton;
    return index >= 0 && index < buttons_.size() ? buttons_[index] : nullptr;
}

void AlertDialog::reject()
{
    done(safeButton_);
}

void AlertDialog::closeEvent(QCloseEvent* event)
{
    event->ignore();
}

void AlertDialog::addIcon(AlertSymbol symbol)
{
    const QString name = alertSymbolName(symbol);
    if (name.isEmpty()) {
        return;
    }
    icon_ = new QLabel(this);
    icon_->setPixmap(Icons::pixmap(name, QSize(iconSize, iconSize), devicePixelRatioF()));
    icon_->setFixedSize(iconSize, iconSize);
}

// The message, and the detail under it. A reader speaks both as the alert's text: the message as
// its name, the detail as the label it is (as its description too, it was heard twice).
QLayout* AlertDialog::makeTexts(const Alert& alert)
{
    auto* texts = new QVBoxLayout;
    texts->setSpacing(8);
    message_ = textLabel(alert.message, this);
    texts->addWidget(message_);
    setAccessibleName(alert.message);
    if (!alert.detail.isEmpty()) {
        detail_ = textLabel(alert.detail, this);
        texts->addWidget(detail_);
    }
    return texts;
}

QLayout* AlertDialog::makeButtonRow(const QStringList& titles, int safeButton)
{
    int rowWidth = 0;
    for (qsizetype i = 0; i < titles.size(); ++i) {
        auto* button = new QPushButton(titles[i], this);
        const int response = Alert::firstButton + static_cast<int>(i);
        connect(button, &QPushButton::clicked, this, [this, response] { done(response); });
        response == safeButton ? Look::styleDefaultButton(*button) : Look::styleButton(*button);
        rowWidth += button->sizeHint().width();
        buttons_.append(button);
    }
    if (QPushButton* safe = button(safeButton)) {
        safe->setDefault(true);
        safe->setFocus();
    }
    if (rowWidth > widestButtonRow) {
        // Long titles stand one above the other, the first on top, as wide as the alert.
        auto* column = new QVBoxLayout;
        column->setSpacing(8);
        for (QPushButton* button : buttons_) {
            column->addWidget(button);
        }
        return column;
    }
    // The first button stands rightmost; the others follow to its left.
    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    row->addStretch(1);
    for (qsizetype i = buttons_.size() - 1; i >= 0; --i) {
        row->addWidget(buttons_[i]);
    }
    return row;
}
