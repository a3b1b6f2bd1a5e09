// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>

#include <vector>

namespace platform {

class Control;
class Controls;

// A control array: element 0 comes from the window's design table, and elements from 1 up are created from it at
// run time, taking its kind, container and font, hidden and not selected.
class ControlArray final {
public:
    ControlArray() = default;
    Q_DISABLE_COPY_MOVE(ControlArray)

    // Element `index`. Using one that has not been created is a run-time error (subscript out of range).
    Control &operator()(int index) const;
    // Element `index`, or nullptr when it has not been created.
    Control *Find(int index) const;
    // Creates element `index` from element 0, placing it in the tab order after the elements before it; an
    // element that exists is returned as it is.
    Control &Load(int index);

    static constexpr int MaxIndex = 32767;

private:
    friend class Controls;

    Controls *m_controls = nullptr;
    QString m_name;
    std::vector<Control *> m_elements; // by index; nullptr where none has been created
};

} // namespace platform
