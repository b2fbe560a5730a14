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
        layout_->addWidget(view);
        view->show();
    }
}
