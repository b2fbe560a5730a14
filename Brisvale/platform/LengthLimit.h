#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QLabel;
class QLineEdit;
class ReaderNotice;

// A text field that takes at most `limit` typed characters, and says so once the text reaches
// the limit: the note beside the field shows the text of the note's key (its "[:NR]" the limit)
// and the field's accessible description carries it, which a reader speaks after the field's
// name; a reader also hears it as typing reaches the limit. A longer text that the program
// shows (a name from a backup) is kept whole, and may be shortened; typing never leaves a text
// longer than the limit. An edit (a paste) that would is cut to fit or, with Overflow::refuse,
// refused whole (a pasted e-mail address, which cut would name another profile); it is refused
// whole as well while the field shows a longer text, shortened or not. A refused edit changes
// nothing, and the note says why until the text next changes. The note is shown only while it
// says something. Both must outlive the limit.
class LengthLimit : public QObject {
    Q_OBJECT

public:
    // What becomes of an edit (a paste) that would make the text too long.
    enum class Overflow {
        cut,    // what fits of it is taken
        refuse, // nothing of it is taken
    };

    LengthLimit(QLineEdit& field, QLabel& note, int limit, const QString& noteKey,
                Overflow overflow = Overflow::cut);

    // Shows the text whole, however long (also while the field's signals are blocked).
    void setText(const QString& text);

    // Sets a text whole into a field that takes `limit` characters, raising the field's maximum
    // length to the text's when the text is longer (Qt would cut it).
    static void showWhole(QLineEdit& field, const QString& text, int limit);

    int limit() const { return limit_; }
    bool reached() const { return reached_; }

private:
    class Room;

    void follow();
    void edited();
    void refused();
    void showNote(bool shown);
    void tell();

    QLineEdit& field;
    QLabel& note;
    const int limit_;
    const QString noteKey;
    const Overflow overflow;
    Room* room;
    bool reached_ = false;
    bool told = false; // a reader has heard of the limit since the note was shown
    QPointer<ReaderNotice> notice;
};
