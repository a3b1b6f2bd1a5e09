// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/core/runtime_error.h"

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <functional>
#include <vector>

namespace platform {

namespace detail {
// The object name of element `index` of the array `name`: "qAnswers(2)".
QString elementName(QStringView name, int index);
// Raises SubscriptOutOfRange for an index that no element can have.
void checkElementIndex(int index);
} // namespace detail

// A control array of controls of kind K: element 0 comes from the window's design table, and elements from 1 up
// are created from it at run time, taking its kind, container and font, hidden and not selected.
template<class K> class ControlArray final {
public:
    ControlArray() = default;
    Q_DISABLE_COPY_MOVE(ControlArray)

    // Element `index`. Using one that has not been created is a run-time error (subscript out of range).
    K &operator()(int index) const
    {
        K *element = find(index);
        if (!element)
            throw RuntimeError(Error::SubscriptOutOfRange);
        return *element;
    }

    // Element `index`, or nullptr when it has not been created.
    K *find(int index) const
    {
        return index >= 0 && static_cast<std::size_t>(index) < m_elements.size() ? m_elements[index] : nullptr;
    }

    // Creates element `index` from element 0, placing it in the tab order after the elements before it; an
    // element that exists is returned as it is.
    K &Load(int index)
    {
        detail::checkElementIndex(index);
        if (K *existing = find(index))
            return *existing;
        K &element = m_makeElement(*m_elements.front(), detail::elementName(m_name, index));
        if (m_elements.size() <= static_cast<std::size_t>(index))
            m_elements.resize(index + 1);
        m_elements[index] = &element;
        return element;
    }

    // How the window makes a new element from the pattern, under the given object name.
    using MakeElement = std::function<K &(const K &pattern, const QString &name)>;
    // Element 0 and how the window makes the others; done once, by the window's builder.
    void bind(const QString &name, K &first, MakeElement makeElement)
    {
        m_name = name;
        m_elements = {&first};
        m_makeElement = std::move(makeElement);
    }

private:
    MakeElement m_makeElement;
    QString m_name;
    std::vector<K *> m_elements; // by index; nullptr where none has been created
};

} // namespace platform
