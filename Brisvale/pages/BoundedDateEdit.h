#pragma once

#include <QDateEdit>

// A date picker whose day, month and year can be typed digit by digit inside its bounds.
// A plain QDateEdit refuses a digit that leaves the bounds on its own: with the 16th as the
// minimum, the "2" of "20" is dropped and the 20th can't be typed at all. Here such a text stays
// as an unfinished entry; an entry finished outside the bounds goes back to the previous date.
class BoundedDateEdit : public QDateEdit {
    Q_OBJECT

public:
    explicit BoundedDateEdit(QWidget* parent = nullptr);

protected:
    QValidator::State validate(QString& input, int& pos) const override;
};
