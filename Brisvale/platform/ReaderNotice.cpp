#include "Brisvale/platform/ReaderNotice.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

QAccessibleInterface* interfaceFor(const QString& className, QObject* object)
{
    if (className == QLatin1String("ReaderNotice")) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    }
    return nullptr;
}

}

ReaderNotice::ReaderNotice(QWidget* parent) : QWidget(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(&interfaceFor);
        return true;
    }();
    (void)installed;
    setFixedSize(0, 0);
    hide();
}

void ReaderNotice::announce(const QString& text)
{
    hide();
    setAccessibleName(text);
    show();
}
