// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/core/runtime_error.h"

#include <QString>

#include <limits>
#include <optional>

// A score counter that starts out empty: empty + 1 gives 1, an empty counter joined to a text adds nothing,
// and it compares equal to 0.
class ScoreCounter final {
public:
    ScoreCounter() = default;
    explicit ScoreCounter(qint64 value) : m_value(value) {}

    bool isEmpty() const { return !m_value.has_value(); }
    qint64 value() const { return m_value.value_or(0); }

    void increment()
    {
        if (value() == std::numeric_limits<qint64>::max())
            throw platform::RuntimeError(platform::Error::Overflow);
        m_value = value() + 1;
    }

    QString text() const { return m_value ? QString::number(*m_value) : QString(); }

    friend bool operator==(const ScoreCounter &a, qint64 b) { return a.value() == b; }

private:
    std::optional<qint64> m_value;
};
