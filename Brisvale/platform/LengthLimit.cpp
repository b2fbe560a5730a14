#include "Brisvale/platform/LengthLimit.h"

#include "Brisvale/platform/Localization.h"
#include "Brisvale/platform/ReaderNotice.h"

#include <QLabel>
#include <QLineEdit>
#include <QValidator>

#include <algorithm>
#include <limits>

namespace {

// Qt's own maximum length of a field: an edit up to it reaches the validator whole.
constexpr int wholeEdits = 32767;

int lengthOf(const QString& text)
{
    return static_cast<int>(std::min<qsizetype>(text.size(), std::numeric_limits<int>::max()));
}

}

// Refuses an edit that leaves the text longer than the limit, unless the edit only takes characters
// out of a longer text the field holds (a name from a backup): typing never makes a text that long.
class LengthLimit::Room : public QValidator {
public:
    Room(int limit, QObject* parent) : QValidator(parent), limit(limit) {}

    State validate(QString& input, int&) const override
    {
        return input.size() <= limit || shortened(input) ? Acceptable : Invalid;
    }

    void follow(const QString& text) { held = text; }

private:
    // The text held, or the same with one stretch of it taken out and nothing put in.
    bool shortened(const QString& input) const
    {
        if (input.size() > held.size()) {
            return false;
        }
        qsizetype same = 0;
        while (same < input.size() && input.at(same) == held.at(same)) {
            ++same;
        }
        return QStringView(held).endsWith(QStringView(input).sliced(same));
    }

    const int limit;
    QString held;
};

LengthLimit::LengthLimit(QLineEdit& field, QLabel& note, int limit, const QString& noteKey, Overflow overflow)
    : QObject(&field), field(field), note(note), limit_(limit), noteKey(noteKey), overflow(overflow),
      room(new Room(limit, this))
{
    field.setMaxLength(overflow == Overflow::cut ? limit : wholeEdits);
    field.setValidator(room);
    note.hide();
    connect(&field, &QLineEdit::textChanged, this, &LengthLimit::follow);
    connect(&field, &QLineEdit::textEdited, this, &LengthLimit::edited);
    connect(&field, &QLineEdit::inputRejected, this, &LengthLimit::refused);
}

void LengthLimit::showWhole(QLineEdit& field, const QString& text, int limit)
{
    field.setMaxLength(std::max(limit, lengthOf(text)));
    field.setText(text);
}

void LengthLimit::setText(const QString& text)
{
    room->follow(text);
    showWhole(field, text, overflow == Overflow::cut ? limit_ : wholeEdits);
    follow();
}

void LengthLimit::follow()
{
    room->follow(field.text());
    showNote(field.text().size() >= limit_);
}

void LengthLimit::showNote(bool shown)
{
    if (shown == reached_) {
        return;
    }
    reached_ = shown;
    told = false;
    const QString said = shown ? Localization::text(noteKey, Localization::Placeholder::count, QString::number(limit_))
                               : QString();
    note.setText(said);
    note.setVisible(shown);
    field.setAccessibleDescription(said);
}

void LengthLimit::edited()
{
    follow();
    if (reached_) {
        tell();
    }
}

// Typing or pasting past the room changed nothing: the note says why.
void LengthLimit::refused()
{
    showNote(true);
    tell();
}

void LengthLimit::tell()
{
    if (told) {
        return;
    }
    told = true;
    if (!notice) {
        notice = new ReaderNotice(field.window());
    }
    notice->announce(note.text());
}
