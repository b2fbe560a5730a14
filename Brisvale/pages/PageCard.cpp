#include "Brisvale/pages/PageCard.h"

#include "Brisvale/platform/Look.h"

#include <QLabel>
#include <QVBoxLayout>

PageCard::PageCard(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("PageCard"));
    setStyleSheet(QStringLiteral("QFrame#PageCard { background-color: %1; border-radius: 8px; }")
                      .arg(Look::sheetBackground().name()));
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(16, 16, 16, 16);
    layout_->setSpacing(12);
}

QLabel* PageCard::makeTitle(const QString& objectName, QWidget* parent)
{
    auto* title = new QLabel(parent);
    title->setObjectName(objectName);
    QFont font = title->font();
    font.setPixelSize(22);
    font.setWeight(QFont::DemiBold);
    title->setFont(font);
    return title;
}

QLabel* PageCard::makeCaption(const QString& objectName, QWidget* parent)
{
    auto* caption = new QLabel(parent);
    caption->setObjectName(objectName);
    QFont font = caption->font();
    font.setPixelSize(15);
    font.setWeight(QFont::DemiBold);
    caption->setFont(font);
    return caption;
}

QLabel* PageCard::makeValue(const QString& objectName, QWidget* parent)
{
    auto* value = new QLabel(parent);
    value->setObjectName(objectName);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return value;
}
