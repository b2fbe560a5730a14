#pragma once

#include <QWidget>

// A notice that a screen reader speaks as it appears, for a change that the element with the
// keyboard focus does not tell: an empty element of the window, never seen, that a reader knows
// as a notification, named by the text of each announcement and shown anew for it. Qt gives an
// application no other way to have a reader speak a text of its choosing.
class ReaderNotice : public QWidget {
    Q_OBJECT

public:
    explicit ReaderNotice(QWidget* parent);

    void announce(const QString& text);
};
