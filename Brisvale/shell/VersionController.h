#pragma once

#include <QFrame>
#include <QString>

class QLabel;

// The version popover: the application's name and version on a small white card that closes when
// the user clicks anywhere outside it.
class VersionController : public QFrame {
    Q_OBJECT

public:
    explicit VersionController(QWidget* parent = nullptr);

    // The application's version, as the build names it ("1.0.0").
    static QString version();

    // Shows the popover centred below the top edge of the anchor rectangle (in global
    // coordinates).
    void showBelowTopEdge(const QRect& anchor);

    QLabel* Name_Lab = nullptr;
    QLabel* Version_Lab = nullptr;
};
