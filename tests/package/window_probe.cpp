// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
// Loaded into the real program through QT_QPA_GENERIC_PLUGINS=tavrelowindowprobe:TITLE, so that a test can see
// the program's window come up without any hook in the program: when the window of that title is first exposed,
// the probe says so on standard error and closes the window as a user would, which ends the program.
#include <QEvent>
#include <QGenericPlugin>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>

#include <cstdio>

namespace {

class WindowProbe final : public QObject {
public:
    explicit WindowProbe(const QString &title) : m_title(title) { qGuiApp->installEventFilter(this); }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = qobject_cast<QWindow *>(watched);
        if (!m_seen && event->type() == QEvent::Expose && window && window->isExposed() && window->title() == m_title) {
            m_seen = true;
            std::fprintf(stderr, "Window up: %s\n", qPrintable(m_title));
            std::fflush(stderr);
            // Let the window finish its own handling of the event before it closes.
            QTimer::singleShot(0, window, [window] { window->close(); });
        }
        return false;
    }

private:
    QString m_title;
    bool m_seen = false;
};

} // namespace

class WindowProbePlugin final : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "window_probe.json")

public:
    QObject *create(const QString &, const QString &title) override { return new WindowProbe(title); }
};

#include "window_probe.moc"
