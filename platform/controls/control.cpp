// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/controls/control.h"

#include "platform/controls/option_button.h"
#include "platform/controls/plain_label.h"
#include "platform/core/twips.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace platform {
namespace {

// Buttons and frames take '&' as a mnemonic marker; doubling it shows the character itself.
QString escapeMnemonics(const QString &text)
{
    QString escaped = text;
    return escaped.replace(u'&', u"&&"_s);
}

QString unescapeMnemonics(const QString &text)
{
    QString plain = text;
    return plain.replace(u"&&"_s, u"&"_s);
}

} // namespace

Control::Control(ControlKind kind, QWidget *widget) : m_kind(kind), m_widget(widget)
{
}

void Control::setTwips(float &field, float twips)
{
    field = twips;
    applyGeometry();
}

void Control::Move(float left, float top, float width, float height)
{
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    applyGeometry();
}

void Control::applyGeometry()
{
    m_widget->setGeometry(twipsToPixels(m_left), twipsToPixels(m_top), std::max(0, twipsToPixels(m_width)),
                          std::max(0, twipsToPixels(m_height)));
}

void Control::SetVisible(bool visible)
{
    m_visible = visible;
    m_widget->setVisible(visible);
}

QString Control::Caption() const
{
    switch (m_kind) {
    case ControlKind::Label: return as<PlainLabel>()->Text();
    case ControlKind::Frame: return unescapeMnemonics(as<QGroupBox>()->title());
    case ControlKind::CheckBox: return as<CheckBox>()->Caption();
    case ControlKind::OptionButton: return as<OptionButton>()->Caption();
    case ControlKind::CommandButton: return unescapeMnemonics(as<QAbstractButton>()->text());
    case ControlKind::ComboBox: return as<QComboBox>()->currentText();
    case ControlKind::Image:
    case ControlKind::StatusBar:
    case ControlKind::ProgressBar: break;
    }
    return {};
}

void Control::SetCaption(const QString &caption)
{
    switch (m_kind) {
    case ControlKind::Label:
        as<PlainLabel>()->SetText(caption);
        if (m_autoSize) {
            const QSize size = m_widget->sizeHint();
            m_width = pixelsToTwips(size.width());
            m_height = pixelsToTwips(size.height());
            applyGeometry();
        }
        break;
    case ControlKind::Frame: as<QGroupBox>()->setTitle(escapeMnemonics(caption)); break;
    case ControlKind::CheckBox: as<CheckBox>()->SetCaption(caption); break;
    case ControlKind::OptionButton: as<OptionButton>()->SetCaption(caption); break;
    case ControlKind::CommandButton: as<QAbstractButton>()->setText(escapeMnemonics(caption)); break;
    case ControlKind::ComboBox: as<QComboBox>()->setEditText(caption); break;
    case ControlKind::Image:
    case ControlKind::StatusBar:
    case ControlKind::ProgressBar: break;
    }
}

bool Control::Value() const
{
    if (m_kind != ControlKind::CheckBox && m_kind != ControlKind::OptionButton)
        return false;
    return as<QAbstractButton>()->isChecked();
}

void Control::SetValue(bool selected)
{
    if (m_kind != ControlKind::CheckBox && m_kind != ControlKind::OptionButton)
        return;
    auto *button = as<QAbstractButton>();
    // An auto-exclusive option button refuses to clear itself while it is the checked one of its group.
    const bool exclusive = button->autoExclusive();
    if (!selected && exclusive)
        button->setAutoExclusive(false);
    button->setChecked(selected);
    if (!selected && exclusive)
        button->setAutoExclusive(true);
}

} // namespace platform
