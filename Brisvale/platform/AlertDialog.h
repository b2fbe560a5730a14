#pragma once

#include "Brisvale/platform/Alert.h"

#include <QDialog>
#include <QList>

class QLabel;
class QPushButton;

// The window of one alert: white, title cleared, the symbol's icon beside the message and the
// buttons at the bottom right, the first (default) button rightmost in the accent colour; long
// titles stand in a column, the first on top. Only a button closes it; it finishes with the
// button's response code (1000, 1001, ...).
class AlertDialog : public QDialog {
    Q_OBJECT

public:
    AlertDialog(const Alert& alert, QWidget* parent);

    // The button that answers with the response, or none.
    QPushButton* button(int response) const;

    QLabel* messageLabel() const { return message_; }

    // The icon beside the message; none for an alert without a symbol.
    QLabel* iconLabel() const { return icon_; }

    static constexpr int iconSize = 48;

    // Buttons whose titles need more width than this stand in a column instead of a row.
    static constexpr int widestButtonRow = 480;

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void addIcon(AlertSymbol symbol);
    QLayout* makeButtonRow(const QStringList& titles, bool destructive);

    QLabel* message_ = nullptr;
    QLabel* icon_ = nullptr;
    QList<QPushButton*> buttons_;
};
