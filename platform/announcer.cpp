// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/announcer.h"

#include <QAccessibleObject>
#include <QWidget>

namespace platform {
namespace {

class AnnouncerAccessible final : public QAccessibleObject {
public:
    explicit AnnouncerAccessible(Announcer *announcer) : QAccessibleObject(announcer) {}

    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }
    QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? announcer().Text() : QString(); }

    QWindow *window() const override { return announcer().Window().windowHandle(); }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(&announcer().Window());
    }
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }

private:
    Announcer &announcer() const { return *static_cast<Announcer *>(object()); }
};

QAccessibleInterface *makeInterface(const QString &, QObject *object)
{
    if (auto *announcer = qobject_cast<Announcer *>(object))
        return new AnnouncerAccessible(announcer);
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget &window) : QObject(&window), m_window(window)
{
    static const bool installed = [] {
        QAccessible::installFactory(makeInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

void Announcer::Announce(const QString &text)
{
    m_text = text;
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace platform
