// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/announcer.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QCoreApplication>
#include <QWidget>

#include <utility>

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
namespace {

// A notification that exists only for assistive tools: a child of the window that no one sees.
class Notification : public QObject
{
public:
    Notification(QString text, QWidget *window)
        : QObject(window)
        , m_text(std::move(text))
    {
    }

    [[nodiscard]] const QString &text() const { return m_text; }

private:
    QString m_text;
};

class NotificationAccessible : public QAccessibleObject
{
public:
    explicit NotificationAccessible(Notification *notification)
        : QAccessibleObject(notification)
        , m_text(notification->text())
    {
    }

    [[nodiscard]] QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(object()->parent());
    }
    [[nodiscard]] QAccessibleInterface *child(int /*index*/) const override { return nullptr; }
    [[nodiscard]] int childCount() const override { return 0; }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface * /*child*/) const override
    {
        return -1;
    }
    [[nodiscard]] QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? m_text : QString();
    }
    [[nodiscard]] QAccessible::Role role() const override { return QAccessible::Notification; }
    [[nodiscard]] QAccessible::State state() const override { return {}; }

private:
    QString m_text;
};

QAccessibleInterface *notificationInterface(const QString &className, QObject *object)
{
    // Without a meta-object of its own, a notification goes by the name of its base class.
    auto *notification = dynamic_cast<Notification *>(object);
    if (className == QLatin1String("QObject") && notification != nullptr)
        return new NotificationAccessible(notification);
    return nullptr;
}

} // namespace
#endif

Announcer::Announcer(QWidget *window)
    : m_window(window)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    QAccessible::installFactory(notificationInterface);
#endif
}

void Announcer::announce(const QString &text)
{
    if (!QAccessible::isActive())
        return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(m_window, text);
    QAccessible::updateAccessibility(&event);
#else
    delete m_notification;
    m_notification = new Notification(text, m_window);
    QAccessibleEvent shown(m_notification, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
#endif
}
