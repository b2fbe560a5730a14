#include "Brisvale/pages/BoundedDateEdit.h"

BoundedDateEdit::BoundedDateEdit(QWidget* parent) : QDateEdit(parent)
{
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
}

QValidator::State BoundedDateEdit::validate(QString& input, int& pos) const
{
    const QValidator::State state = QDateEdit::validate(input, pos);
    if (state != QValidator::Invalid) {
        return state;
    }
    // A whole date outside the bounds may still be on its way to one inside them.
    return locale().toDate(input, displayFormat()).isValid() ? QValidator::Intermediate : state;
}
