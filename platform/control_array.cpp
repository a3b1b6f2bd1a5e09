// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/control_array.h"

#include "platform/controls.h"
#include "platform/runtime_error.h"

namespace platform {

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
    Control &element = m_controls->makeElement(*m_elements.front(), detail::ElementName(m_name, index));
    if (m_elements.size() <= static_cast<std::size_t>(index))
        m_elements.resize(index + 1);
    m_elements[index] = &element;
    return element;
}

} // namespace platform
