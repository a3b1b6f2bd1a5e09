// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QWidget>

namespace platform {

// Has a screen reader read a text out while nothing on screen changes and the focus stays where it is. Screen
// readers do not read a label whose text changes, but they do read a notification that appears: the announcer
// is an invisible notification of its window that appears afresh, named with the text, at every announce(). On
// Windows it also changes its value to the text, which is what UI Automation carries as a notification.
class Announcer final : public QObject {
    Q_OBJECT
public:
    explicit Announcer(QWidget &window);
    Q_DISABLE_COPY_MOVE(Announcer)

    void announce(const QString &text);
    const QString &text() const { return m_text; }
    QWidget &window() const { return m_window; }

private:
    QWidget &m_window;
    QString m_text;
};

} // namespace platform
