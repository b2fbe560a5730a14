#pragma once

#include <QFrame>

class QLabel;
class QVBoxLayout;

// The white card a page stands on: 16 px padding, 8 px radius, its title (22 px semibold) on
// top. The page adds its content to the card's layout.
class PageCard : public QFrame {
    Q_OBJECT

public:
    explicit PageCard(QWidget* parent = nullptr);

    QVBoxLayout* content() const { return layout_; }

    // A title label styled for a page, named by its outlet.
    static QLabel* makeTitle(const QString& objectName, QWidget* parent);

    // A caption and a value label, as used by the summaries.
    static QLabel* makeCaption(const QString& objectName, QWidget* parent);
    static QLabel* makeValue(const QString& objectName, QWidget* parent);
    // A number that matters (an average, the best value): large and bold.
    static QLabel* makeFigure(const QString& objectName, QWidget* parent);

private:
    QVBoxLayout* layout_ = nullptr;
};
