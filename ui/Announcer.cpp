#include "Announcer.h"

#include <QAccessibleWidget>

namespace {

QAccessibleInterface *notificationFor(const QString &className, QObject *object)
{
    if (className == QLatin1String(Announcer::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget *parent)
    : QWidget(parent)
{
    static const bool installed = (QAccessible::installFactory(notificationFor), true);
    Q_UNUSED(installed);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    resize(0, 0);
    hide();
}

void Announcer::announce(const QString &message)
{
    hide();
    setAccessibleName(message);
    show();
}
