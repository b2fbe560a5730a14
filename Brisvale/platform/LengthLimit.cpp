#include "Brisvale/platform/LengthLimit.h"

#include "Brisvale/platform/Localization.h"
#include "Brisvale/platform/ReaderNotice.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <limits>

LengthLimit::LengthLimit(QLineEdit& field, QLabel& note, int limit, const QString& noteKey)
    : QObject(&field), field(field), note(note), limit_(limit), noteKey(noteKey)
{
    field.setMaxLength(limit);
    note.hide();
    connect(&field, &QLineEdit::textChanged, this, &LengthLimit::follow);
    connect(&field, &QLineEdit::textEdited, this, &LengthLimit::edited);
}

void LengthLimit::showWhole(QLineEdit& field, const QString& text, int limit)
{
    const int length = static_cast<int>(std::min<qsizetype>(text.size(), std::numeric_limits<int>::max()));
    field.setMaxLength(std::max(limit, length));
    field.setText(text);
}

void LengthLimit::setText(const QString& text)
{
    showWhole(field, text, limit_);
    follow();
}

void LengthLimit::follow()
{
    const bool reached = field.text().size() >= limit_;
    if (reached == reached_) {
        return;
    }
    reached_ = reached;
    told = false;
    const QString said = reached ? Localization::text(noteKey, Localization::Placeholder::count, QString::number(limit_))
                                 : QString();
    note.setText(said);
    note.setVisible(reached);
    field.setAccessibleDescription(said);
}

void LengthLimit::edited()
{
    follow();
    if (!reached_ || told) {
        return;
    }
    told = true;
    if (!notice) {
        notice = new ReaderNotice(field.window());
    }
    notice->announce(note.text());
}
