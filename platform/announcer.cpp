// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/announcer.h"

#include "platform/accessibility.h"

#include <QAccessible>

namespace platform {

Announcer::Announcer(QWidget &window) : QObject(&window), m_window(window)
{
    InstallAccessibility();
}

void Announcer::Announce(const QString &text)
{
    m_text = text;
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace platform
