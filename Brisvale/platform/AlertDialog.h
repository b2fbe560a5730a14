#pragma once

#include "Brisvale/platform/Alert.h"

#include <QDialog>
#include <QList>

class QLabel;
class QPushButton;
class SelectableText;

// The window of one alert: white, title cleared, the symbol's icon beside the message, the detail
// (if any) under it, and the buttons at the bottom right, the first rightmost; long titles stand in
// a column, the first on top. The safe button (the one that changes nothing) is the default one,
// in the accent colour, and has the focus; Escape answers with it. Return, Enter and Space press
// the focused button as they are released: a key that was already down when the alert opened
// answers nothing. Otherwise only a button closes the alert; it finishes with the button's
// response code (1000, 1001, ...).
class AlertDialog : public QDialog {
    Q_OBJECT

public:
    AlertDialog(const Alert& alert, QWidget* parent);

    // The button that answers with the response, or none.
    QPushButton* button(int response) const;

    // The message as shown: wrapped at the alert's text width, also within a word wider than that
    // (a long path), so that the alert keeps its width; it can be selected and copied as it is.
    SelectableText* messageLabel() const { return message_; }

    // The detail under the message, shown the same way; none for an alert without one.
    SelectableText* detailLabel() const { return detail_; }

    // The icon beside the message; none for an alert without a symbol.
    QLabel* iconLabel() const { return icon_; }

    static constexpr int iconSize = 48;

    // The width of the alert's texts.
    static constexpr int textWidth = 300;

    // Buttons whose titles need more width than this stand in a column instead of a row.
    static constexpr int widestButtonRow = 480;

public slots:
    // Escape: the answer of the safe button.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void addIcon(AlertSymbol symbol);
    QLayout* makeTexts(const Alert& alert);
    QLayout* makeButtonRow(const QStringList& titles, int safeButton);

    int safeButton_ = Alert::firstButton;
    SelectableText* message_ = nullptr;
    SelectableText* detail_ = nullptr;
    QLabel* icon_ = nullptr;
    QList<QPushButton*> buttons_;
};
