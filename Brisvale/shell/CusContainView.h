#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>
#include <optional>

class QVBoxLayout;

// The main window's page area. It holds the view of the visible page only, filling the area
// (a page with a maximum size stands in the middle instead).
class CusContainView : public QWidget {
    Q_OBJECT

public:
    explicit CusContainView(QWidget* parent = nullptr);

    // Puts the page's view in the area in place of the one shown, which is hidden and leaves it.
    void addSubview(QWidget* view);

    // The view in the area, if any.
    QWidget* subview() const { return shown; }

    // Kept for the layout; the area itself is drawn by the window's background.
    std::optional<QColor> backgroundColor;

private:
    QVBoxLayout* layout_ = nullptr;
    QPointer<QWidget> shown;
};
