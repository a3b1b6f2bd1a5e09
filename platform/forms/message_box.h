// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>

#include <functional>

namespace platform {

enum class MessageIcon { Information, Critical };

struct Message {
    QString text;
    MessageIcon icon;
    QString title;
};

// A modal message box with a single OK button; the text is always plain text. Without a title it carries the
// application's title. Returns when the user has closed it.
void MsgBox(const QString &text, MessageIcon icon, const QString &title = {});

// While one exists, message boxes are not put on screen: each is recorded and handed to the optional callback,
// which runs at the moment the box would be open. Lets tests answer message boxes without blocking.
class MessageBoxRecorder final {
public:
    explicit MessageBoxRecorder(std::function<void(const Message &)> whileOpen = {});
    ~MessageBoxRecorder();
    Q_DISABLE_COPY_MOVE(MessageBoxRecorder)

    const QList<Message> &messages() const { return m_messages; }
    void clear() { m_messages.clear(); }

private:
    friend void MsgBox(const QString &, MessageIcon, const QString &);
    QList<Message> m_messages;
    std::function<void(const Message &)> m_whileOpen;
    MessageBoxRecorder *m_previous;
};

} // namespace platform
