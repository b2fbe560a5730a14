#include "Brisvale/platform/AlertDialog.h"

#include "Brisvale/platform/Icons.h"
#include "Brisvale/platform/Look.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int textWidth = 300;
constexpr qsizetype lettersBetweenBreaks = 16;

// A word with a place to break (a zero-width space) after every few letters.
QString withBreaks(const QString& word)
{
    QString shown;
    for (qsizetype at = 0; at < word.size(); ++at) {
        shown += word.at(at);
        const qsizetype count = at + 1;
        if (count % lettersBetweenBreaks == 0 && count < word.size() && !word.at(at).isHighSurrogate()) {
            shown += QChar(0x200B);
        }
    }
    return shown;
}

// The text as the alert shows it: a word wider than the alert's text (an e-mail address of 254
// characters) may break within itself, so that the alert's width never follows a word's length.
QString breakable(const QString& text, const QFontMetrics& metrics)
{
    QString shown;
    qsizetype start = 0;
    for (qsizetype at = 0; at <= text.size(); ++at) {
        if (at < text.size() && !text.at(at).isSpace()) {
            continue;
        }
        const QString word = text.mid(start, at - start);
        shown += metrics.horizontalAdvance(word) > textWidth ? withBreaks(word) : word;
        if (at < text.size()) {
            shown += text.at(at);
        }
        start = at + 1;
    }
    return shown;
}

// A text can be selected and copied as it is; one shown with breaks in it can't, so that no copy
// carries them.
QLabel* textLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(parent);
    const QString shown = breakable(text, label->fontMetrics());
    label->setText(shown);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    if (shown == text) {
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    label->setMinimumWidth(textWidth);
    return label;
}

}

AlertDialog::AlertDialog(const Alert& alert, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), safeButton_(alert.safeButton)
{
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
