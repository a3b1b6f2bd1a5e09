// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <functional>
#include <vector>

namespace platform {

class Control;

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

    // The object name of element `index` of the array `name`: "qAnswers(2)".
    static QString elementName(QStringView name, int index);

    // Makes a new element from the pattern, under the given object name, in the pattern's window.
    using MakeElement = std::function<Control &(const Control &pattern, const QString &name)>;
    // Element 0 and how the window makes the others; done once, by the window's builder.
    void bind(const QString &name, Control &first, MakeElement makeElement);

private:
    MakeElement m_makeElement;
    QString m_name;
    std::vector<Control *> m_elements; // by index; nullptr where none has been created
};

} // namespace platform
