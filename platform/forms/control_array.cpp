// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/forms/control_array.h"

#include "platform/core/runtime_error.h"

using namespace Qt::StringLiterals;

namespace platform {

QString ControlArray::elementName(QStringView name, int index)
{
    return u"%1(%2)"_s.arg(name).arg(index);
}

void ControlArray::bind(const QString &name, Control &first, MakeElement makeElement)
{
    m_name = name;
    m_elements = {&first};
    m_makeElement = std::move(makeElement);
}

Control *ControlArray::Find(int index) const
{
    return index >= 0 && static_cast<std::size_t>(index) < m_elements.size() ? m_elements[index] : nullptr;
}

Control &ControlArray::operator()(int index) const
{
    Control *element = Find(index);
    if (!element)
        throw RuntimeError(Error::SubscriptOutOfRange);
    return *element;
}

Control &ControlArray::Load(int index)
{
    if (index < 0 || index > MaxIndex)
        throw RuntimeError(Error::SubscriptOutOfRange);
    if (Control *existing = Find(index))
        return *existing;
    Control &element = m_makeElement(*m_elements.front(), elementName(m_name, index));
    if (m_elements.size() <= static_cast<std::size_t>(index))
        m_elements.resize(index + 1);
    m_elements[index] = &element;
    return element;
}

} // namespace platform
