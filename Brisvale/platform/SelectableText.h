#pragma once

#include <QTextEdit>

// A read-only plain text, as a label shows it: wrapped at its width between words and within a
// word wider than a line (a long path or e-mail address), so that no word sets its width, and
// centred vertically in a height beyond its lines. It can be selected by mouse and copied exactly
// as given, with nothing added to it, and a reader reads it as a label.
class SelectableText : public QTextEdit {
    Q_OBJECT

public:
    explicit SelectableText(const QString& text, QWidget* parent = nullptr);

    QString text() const { return toPlainText(); }

    // As a label asks: the width QTextDocument finds fitting for the text, and its height there.
    QSize sizeHint() const override;
    // As narrow as its widest letter; one line high.
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The size of the text laid out at the width; at a negative width, at the one it finds fitting.
    QSize laidOut(qreal width) const;
    void centre();
};
