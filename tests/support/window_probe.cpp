// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
// Loaded into the real program through QT_QPA_GENERIC_PLUGINS=tavrelowindowprobe:TITLE, so that a test can watch
// the program from outside with no hook in the program. On standard error it tells every message box, which it
// answers with OK as a user would, and the first time a window of that title comes up, with the peak virtual
// memory the program has taken so far where the system tells it; then it closes that window as a user would,
// which ends the program.
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QGenericPlugin>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>

#include <cstdio>

namespace {

void tell(const QString &text)
{
    std::fputs(text.toUtf8().constData(), stderr);
    std::fflush(stderr);
}

// "VmPeak: 123456 kB" from /proc, or an empty string where there is none.
QString peakVirtualMemory()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmPeak:"))
            return QString::fromLatin1(line.simplified());
    }
    return {};
}

class WindowProbe final : public QObject {
public:
    explicit WindowProbe(const QString &title) : m_title(title) { qApp->installEventFilter(this); }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            if (auto *box = qobject_cast<QMessageBox *>(watched))
                answer(box);
        } else if (event->type() == QEvent::Expose && !m_seen) {
            auto *window = qobject_cast<QWindow *>(watched);
            if (window && window->isExposed() && window->title() == m_title && !isMessageBox(window)) {
                m_seen = true;
                tell(QStringLiteral("Window up: %1\n").arg(m_title));
                if (const QString peak = peakVirtualMemory(); !peak.isEmpty())
                    tell(peak + u'\n');
                // Let the window finish its own handling of the event before it closes.
                QTimer::singleShot(0, window, [window] { window->close(); });
            }
        }
        return false;
    }

private:
    static bool isMessageBox(const QWindow *window)
    {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (widget->windowHandle() == window)
                return qobject_cast<QMessageBox *>(widget) != nullptr;
        }
        return false;
    }

    static void answer(QMessageBox *box)
    {
        const char *kind = box->icon() == QMessageBox::Critical ? "critical" : "information";
        tell(
            QStringLiteral("Message box (%1) \"%2\":\n%3\n").arg(QLatin1String(kind), box->windowTitle(), box->text()));
        // The box is on its way into its own event loop, which the answer has to end.
        QMetaObject::invokeMethod(
            box, [box] { box->done(QMessageBox::Ok); }, Qt::QueuedConnection);
    }

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
