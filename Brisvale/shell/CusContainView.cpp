#include "Brisvale/shell/CusContainView.h"

#include <QVBoxLayout>

CusContainView::CusContainView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("containView"));
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(0, 0, 0, 0);
}

void CusContainView::addSubview(QWidget* view)
{
    if (view == shown) {
        return;
    }
    if (shown) {
        layout_->removeWidget(shown);
        shown->hide();
    }
    shown = view;
    if (view) {
        view->setParent(this);
        // A page narrower than the area (the first-run region page) stands in its middle.
        const bool bounded = view->maximumWidth() < QWIDGETSIZE_MAX || view->maximumHeight() < QWIDGETSIZE_MAX;
        layout_->addWidget(view, 0, bounded ? Qt::AlignCenter : Qt::Alignment());
        view->show();
    }
}
