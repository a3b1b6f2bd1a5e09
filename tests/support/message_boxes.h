// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/forms/message_box.h"

#include <QApplication>
#include <QEvent>
#include <QList>
#include <QMessageBox>
#include <QString>

#include <functional>

namespace support {

// A message box as the user saw it.
struct Message {
    QString text;
    platform::MessageIcon icon;
    QString title;

    friend bool operator==(const Message &, const Message &) = default;
};

// While one exists, every message box that the program opens is recorded and answered with OK as soon as it is
// on screen, so that tests run on with nobody at the keyboard; the optional callback runs while the box is open.
// The newest recorder is the one that answers.
class MessageBoxRecorder final : public QObject {
public:
    explicit MessageBoxRecorder(std::function<void(const Message &)> whileOpen = {})
        : m_whileOpen(std::move(whileOpen)), m_previous(s_active)
    {
        s_active = this;
        qApp->installEventFilter(this);
    }
    ~MessageBoxRecorder() override { s_active = m_previous; }
    Q_DISABLE_COPY_MOVE(MessageBoxRecorder)

    const QList<Message> &messages() const { return m_messages; }
    void clear() { m_messages.clear(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *box = event->type() == QEvent::Show && s_active == this ? qobject_cast<QMessageBox *>(watched) : nullptr;
        if (!box)
            return false;
        const Message message{box->text(),
                              box->icon() == QMessageBox::Critical ? platform::MessageIcon::Critical
                                                                   : platform::MessageIcon::Information,
                              box->windowTitle()};
        m_messages.append(message);
        if (m_whileOpen)
            m_whileOpen(message);
        // The box is being shown on its way into its own event loop, which the answer has to end.
        QMetaObject::invokeMethod(
            box, [box] { box->done(QMessageBox::Ok); }, Qt::QueuedConnection);
        return false;
    }

private:
    static inline MessageBoxRecorder *s_active = nullptr;
    QList<Message> m_messages;
    std::function<void(const Message &)> m_whileOpen;
    MessageBoxRecorder *m_previous;
};

} // namespace support
