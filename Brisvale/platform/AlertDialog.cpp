#include "Brisvale/platform/AlertDialog.h"

#include "Brisvale/platform/Icons.h"
#include "Brisvale/platform/Look.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AlertDialog::AlertDialog(const Alert& alert, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    Look::styleSheetWindow(*this);
    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    addIcon(alert.symbol);
    if (icon_) {
        top->addWidget(icon_, 0, Qt::AlignTop);
    }
    message_ = new QLabel(alert.message, this);
    message_->setWordWrap(true);
    message_->setTextFormat(Qt::PlainText);
    message_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    message_->setMinimumWidth(300);
    top->addWidget(message_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 16);
    layout->setSpacing(20);
    layout->addLayout(top);
    layout->addLayout(makeButtonRow(alert.buttonTitles(), alert.destructive));
}

QPushButton* AlertDialog::button(int response) const
{
    const qsizetype index = response - Alert::firstButton;
    return index >= 0 && index < buttons_.size() ? buttons_[index] : nullptr;
}

void AlertDialog::reject()
{
    // Escape does not answer an alert: the user chooses one of its buttons.
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

QLayout* AlertDialog::makeButtonRow(const QStringList& titles, bool destructive)
{
    int rowWidth = 0;
    for (qsizetype i = 0; i < titles.size(); ++i) {
        auto* button = new QPushButton(titles[i], this);
        const int response = Alert::firstButton + static_cast<int>(i);
        connect(button, &QPushButton::clicked, this, [this, response] { done(response); });
        button->setAutoDefault(!destructive);
        i == 0 && !destructive ? Look::styleDefaultButton(*button) : Look::styleButton(*button);
        rowWidth += button->sizeHint().width();
        buttons_.append(button);
    }
    buttons_.front()->setDefault(!destructive);
    if (rowWidth > widestButtonRow) {
        // Long titles stand one above the other, the default first, as wide as the alert.
        auto* column = new QVBoxLayout;
        column->setSpacing(8);
        for (QPushButton* button : buttons_) {
            column->addWidget(button);
        }
        return column;
    }
    // The first button is the default one and stands rightmost; the others follow to its left.
    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    row->addStretch(1);
    for (qsizetype i = buttons_.size() - 1; i >= 0; --i) {
        row->addWidget(buttons_[i]);
    }
    return row;
}
