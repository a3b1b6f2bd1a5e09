// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/controls/combo_box.h"

#include <QLineEdit>

namespace platform {

ComboBox::ComboBox(QWidget *parent) : QComboBox(parent), Control(this)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    QObject::disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    QObject::disconnect(lineEdit(), &QLineEdit::returnPressed, this, nullptr);
}

void ComboBox::AddItems(const QStringList &items)
{
    // Qt makes the first entry of an empty list the current one, which would put it into the text field.
    const bool first = count() == 0;
    const QString text = first ? currentText() : QString();
    addItems(items);
    if (first) {
        setCurrentIndex(-1);
        setEditText(text);
    }
}

} // namespace platform
