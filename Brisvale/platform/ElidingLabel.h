#pragma once

#include <QLabel>

// A one-line label that shows as much of its text as its width holds, ending in "…" when the
// text is cut, never in the middle of a letter. It asks for the width its text takes, rounded up,
// so that a text fits whole at the width it asks for. text() stays the whole text; while the text
// is cut, the whole text is also the label's accessible description, and its tooltip shows the
// text as far as a tooltip holds (toolTipText), so that a mouse user and a reader still get it.
// Neither its size hints nor its drawing measure more of a text than a line can show, so a text
// of any length (a name from a backup) costs as little as one a little wider than the label, and
// the label never asks for a width that follows the text.
// Set its text through the label's own setText (not through a QLabel pointer), so that the tooltip
// follows at once; otherwise it follows at the next drawing or resizing.
class ElidingLabel : public QLabel {
    Q_OBJECT

public:
    explicit ElidingLabel(QWidget* parent = nullptr);

    void setText(const QString& text);

    // The text as shown at the label's width.
    QString shownText() const;

    // As wide as the whole text (its advance rounded up), up to a line wider than any screen; one
    // line high.
    QSize sizeHint() const override;
    // As narrow as the "…" alone; one line high.
    QSize minimumSizeHint() const override;

    // The widest line a label asks for.
    static constexpr int widestLine = 8192;

    // The start of a text that a line `width` wide can show, the text itself when it is that
    // short: no letter is narrower than half a pixel, so the rest lies behind the "…" (a text of
    // zero-width marks alone ends a little early). It never ends inside a surrogate pair.
    static QString lineStart(const QString& text, int width);

    // The start of a text as a line `width` wide shows it: whole when it fits, else ending in
    // "…"; also ending so when the text goes on past the start (`goesOn`).
    static QString elided(const QString& start, bool goesOn, const QFontMetrics& metrics, int width);

    // The tooltip of a text of any length (a name from a backup) that a place shows cut: each of
    // its lines at most toolTipLength characters, ending in "…" when it is longer, laid out in
    // lines at most toolTipWidth wide in the tooltip's font, broken between words or within a
    // word wider than a line, and no more than toolTipLines of them, so that the tooltip stays on
    // any screen. Rich text, so that the tooltip keeps these lines whatever the text holds.
    static QString toolTipText(const QString& text);

    static constexpr qsizetype toolTipLength = 300;
    static constexpr int toolTipWidth = 400;
    static constexpr int toolTipLines = 16;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QSize lineSize(int textWidth) const;
    int advance(const QString& text) const;
    void followWholeText();
};
