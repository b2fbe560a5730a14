#include "Brisvale/pages/PageCard.h"

#include "Brisvale/platform/Look.h"

#include <QLabel>
#include <QVBoxLayout>

PageCard::PageCard(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("PageCard"));
    Look::styleCard(*this);
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(Look::cardPadding, Look::cardPadding, Look::cardPadding, Look::cardPadding);
    layout_->setSpacing(12);
}

QLabel* PageCard::makeTitle(const QString& objectName, QWidget* parent)
{
    auto* title = new QLabel(parent);
    title->setObjectName(objectName);
    Look::stylePageTitle(*title);
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

QLabel* PageCard::makeFigure(const QString& objectName, QWidget* parent)
{
    QLabel* figure = makeValue(objectName, parent);
    QFont font = figure->font();
    font.setPixelSize(22);
    font.setBold(true);
    figure->setFont(font);
    return figure;
}
