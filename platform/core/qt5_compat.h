// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once
// What Qt 5.15 lacks of what the sources use, force-included into every file of a Qt 5 build alone (CMakeLists.txt):
// the string literals u"..."_s and "..."_ba, a read-only view of bytes with the members the sources call, a range-for
// over a regular expression's matches, and Qt Test's ordered comparisons.
#include <QtGlobal>

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
#include <QByteArray>
#include <QRegularExpression>
#include <QString>

#include <cstring>

namespace Qt {
inline namespace Literals {
inline namespace StringLiterals {
inline QString operator""_s(const char16_t *text, size_t size)
{
    return QString(reinterpret_cast<const QChar *>(text), int(size));
}
inline QByteArray operator""_ba(const char *text, size_t size)
{
    return QByteArray(text, int(size));
}
} // namespace StringLiterals
} // namespace Literals
} // namespace Qt

// Bytes held elsewhere, as Qt 6's QByteArrayView: a pointer and a length, never owning.
class QByteArrayView {
public:
    constexpr QByteArrayView() noexcept = default;
    constexpr QByteArrayView(const char *data, qsizetype size) noexcept : m_data(data), m_size(size) {}
    constexpr QByteArrayView(const char *text) noexcept : m_data(text), m_size(lengthOf(text)) {}
    QByteArrayView(const QByteArray &bytes) noexcept : m_data(bytes.constData()), m_size(bytes.size()) {}

    constexpr const char *data() const noexcept { return m_data; }
    constexpr const char *constData() const noexcept { return m_data; }
    constexpr qsizetype size() const noexcept { return m_size; }
    constexpr qsizetype length() const noexcept { return m_size; }
    constexpr bool isEmpty() const noexcept { return m_size == 0; }
    constexpr bool empty() const noexcept { return m_size == 0; }
    constexpr char operator[](qsizetype i) const noexcept { return m_data[i]; }
    constexpr char at(qsizetype i) const noexcept { return m_data[i]; }
    constexpr const char *begin() const noexcept { return m_data; }
    constexpr const char *end() const noexcept { return m_data + m_size; }
    constexpr QByteArrayView first(qsizetype n) const noexcept { return {m_data, n}; }
    constexpr QByteArrayView last(qsizetype n) const noexcept { return {m_data + m_size - n, n}; }
    constexpr QByteArrayView sliced(qsizetype pos) const noexcept { return {m_data + pos, m_size - pos}; }
    constexpr QByteArrayView sliced(qsizetype pos, qsizetype n) const noexcept { return {m_data + pos, n}; }
    bool startsWith(QByteArrayView other) const noexcept
    {
        return other.m_size <= m_size
            && (other.m_size == 0 || std::memcmp(m_data, other.m_data, size_t(other.m_size)) == 0);
    }
    QByteArray toByteArray() const { return QByteArray(m_data, int(m_size)); }

    friend bool operator==(QByteArrayView a, QByteArrayView b) noexcept
    {
        return a.m_size == b.m_size && (a.m_size == 0 || std::memcmp(a.m_data, b.m_data, size_t(a.m_size)) == 0);
    }
    friend bool operator!=(QByteArrayView a, QByteArrayView b) noexcept { return !(a == b); }

    friend QByteArray &operator+=(QByteArray &bytes, QByteArrayView more)
    {
        return bytes.append(more.data(), int(more.size()));
    }

private:
    static constexpr qsizetype lengthOf(const char *text) noexcept
    {
        qsizetype n = 0;
        while (text && text[n] != '\0')
            ++n;
        return n;
    }

    const char *m_data = nullptr;
    qsizetype m_size = 0;
};

// for (const QRegularExpressionMatch &match : expression.globalMatch(text)), as Qt 6 has it: found by the iterator's
// own namespace.
struct QRegularExpressionMatchEnd {};
class QRegularExpressionMatchStep {
public:
    explicit QRegularExpressionMatchStep(QRegularExpressionMatchIterator &matches) : m_matches(matches) { ++*this; }
    const QRegularExpressionMatch &operator*() const { return m_match; }
    QRegularExpressionMatchStep &operator++()
    {
        m_done = !m_matches.hasNext();
        if (!m_done)
            m_match = m_matches.next();
        return *this;
    }
    bool operator!=(QRegularExpressionMatchEnd) const { return !m_done; }

private:
    QRegularExpressionMatchIterator &m_matches;
    QRegularExpressionMatch m_match;
    bool m_done = false;
};
inline QRegularExpressionMatchStep begin(QRegularExpressionMatchIterator &matches)
{
    return QRegularExpressionMatchStep(matches);
}
inline QRegularExpressionMatchEnd end(QRegularExpressionMatchIterator &)
{
    return {};
}

// Qt Test's ordered comparisons, from Qt 6.4 on.
#define QCOMPARE_LE(a, b) QVERIFY2((a) <= (b), #a " <= " #b)
#define QCOMPARE_LT(a, b) QVERIFY2((a) < (b), #a " < " #b)
#define QCOMPARE_GE(a, b) QVERIFY2((a) >= (b), #a " >= " #b)
#define QCOMPARE_GT(a, b) QVERIFY2((a) > (b), #a " > " #b)
#endif
