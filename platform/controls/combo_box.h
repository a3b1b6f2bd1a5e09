// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/controls/control.h"

#include <QComboBox>

namespace platform {

// A drop-down combo box whose text field can be typed into. Only a pick from the list counts (activated()):
// typing neither adds an entry nor picks one, and Enter in the text field does nothing.
class ComboBox final : public QComboBox, public Control {
    Q_OBJECT
public:
    explicit ComboBox(QWidget *parent);
    Q_DISABLE_COPY_MOVE(ComboBox)

    // What the text field shows.
    QString Text() const { return currentText(); }
    // Appends entries, in their order, as AddItem would one by one, but with one change to the list for all of
    // them; the text field keeps what it shows.
    void AddItems(const QStringList &items);
};

} // namespace platform
