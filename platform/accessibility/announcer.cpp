// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/accessibility/announcer.h"

#include <QAccessible>
#include <QAccessibleObject>

namespace platform {
namespace {

// An announcer as screen readers see it: a notification of its window, named with the text it announces, never
// on screen.
class AnnouncerAccessible final : public QAccessibleObject {
public:
    explicit AnnouncerAccessible(Announcer *announcer) : QAccessibleObject(announcer) {}

    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }
    QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? announcer().text() : QString(); }

    QWindow *window() const override { return announcer().window().windowHandle(); }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(&announcer().window());
    }
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }

private:
    Announcer &announcer() const { return *static_cast<Announcer *>(object()); }
};

QAccessibleInterface *makeInterface(const QString &, QObject *object)
{
    auto *announcer = qobject_cast<Announcer *>(object);
    return announcer ? new AnnouncerAccessible(announcer) : nullptr;
}

} // namespace

Announcer::Announcer(QWidget &window) : QObject(&window), m_window(window)
{
    // Qt asks the newest factory first, so this one must come after the application's own.
    static const bool installed = [] {
        QAccessible::installFactory(makeInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

void Announcer::announce(const QString &text)
{
    m_text = text;
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
#ifdef Q_OS_WIN
    // Qt's UI Automation bridge drops a notification that appears, but turns a value change whose value is a
    // string into a notification event of UI Automation, which Narrator, NVDA and JAWS read out. AT-SPI would
    // drop it too, with a warning, for an object that has no value.
    QAccessibleValueChangeEvent changed(this, text);
    QAccessible::updateAccessibility(&changed);
#endif
}

} // namespace platform
