// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once
// Qt 6's QStringEncoder and QStringDecoder, as far as the tests use them, on Qt 5's QTextCodec: only a Qt 5 build
// finds these headers (its folder is on the include path of that build alone).
#include "platform/core/qt5_compat.h"

#include <QTextCodec>

class QStringConverter {
public:
    enum Encoding { Utf8, Utf16LE, Utf16BE };
    enum class Flag { Default = 0, Stateless = 1, WriteBom = 2 };
    Q_DECLARE_FLAGS(Flags, Flag)

    bool isValid() const noexcept { return m_codec != nullptr; }
    bool hasError() const noexcept { return m_error; }

protected:
    QStringConverter(Encoding encoding, Flags flags)
        : m_codec(QTextCodec::codecForName(encoding == Utf8      ? "UTF-8"
                                           : encoding == Utf16LE ? "UTF-16LE"
                                                                 : "UTF-16BE")),
          m_flags(flags)
    {
    }
    explicit QStringConverter(const char *name) : m_codec(QTextCodec::codecForName(name)) {}

    QTextCodec *m_codec = nullptr;
    Flags m_flags;
    bool m_error = false;
};
Q_DECLARE_OPERATORS_FOR_FLAGS(QStringConverter::Flags)

class QStringEncoder : public QStringConverter {
public:
    QStringEncoder(Encoding encoding, Flags flags = Flag::Default) : QStringConverter(encoding, flags) {}
    explicit QStringEncoder(const char *name) : QStringConverter(name) {}

    QByteArray operator()(const QString &text) { return encode(text); }
    QByteArray encode(const QString &text)
    {
        QTextCodec::ConverterState state(m_flags & Flag::WriteBom ? QTextCodec::DefaultConversion
                                                                  : QTextCodec::IgnoreHeader);
        const QByteArray bytes = m_codec->fromUnicode(text.constData(), text.size(), &state);
        m_error = m_error || state.invalidChars > 0;
        return bytes;
    }
};

class QStringDecoder : public QStringConverter {
public:
    QStringDecoder(Encoding encoding, Flags flags = Flag::Default) : QStringConverter(encoding, flags) {}
    explicit QStringDecoder(const char *name) : QStringConverter(name) {}

    QString operator()(QByteArrayView bytes) { return decode(bytes); }
    QString decode(QByteArrayView bytes)
    {
        QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
        const QString text = m_codec->toUnicode(bytes.data(), int(bytes.size()), &state);
        m_error = m_error || state.invalidChars > 0 || state.remainingChars > 0;
        return text;
    }
};
