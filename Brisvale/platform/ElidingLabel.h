#pragma once

#include <QLabel>

// A one-line label that shows as much of its text as its width holds, ending in "…" when the
// text is cut, never in the middle of a letter. text() stays the whole text.
class ElidingLabel : public QLabel {
    Q_OBJECT

public:
    explicit ElidingLabel(QWidget* parent = nullptr);

    // The text as shown at the label's width.
    QString shownText() const;

    // As narrow as the "…" alone; as wide as the whole text when there is room.
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
