// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/controls/control.h"

#include "platform/core/twips.h"

#include <QWidget>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace platform {

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

void Control::takeSize(int widthPixels, int heightPixels)
{
    m_width = pixelsToTwips(widthPixels);
    m_height = pixelsToTwips(heightPixels);
    applyGeometry();
}

void Control::applyGeometry()
{
    m_widget.setGeometry(twipsToPixels(m_left), twipsToPixels(m_top), std::max(0, twipsToPixels(m_width)),
                         std::max(0, twipsToPixels(m_height)));
}

void Control::SetVisible(bool visible)
{
    m_visible = visible;
    m_widget.setVisible(visible);
}

QString escapeMnemonics(const QString &caption)
{
    QString escaped = caption;
    return escaped.replace(u'&', u"&&"_s);
}

QString unescapeMnemonics(const QString &text)
{
    QString plain = text;
    return plain.replace(u"&&"_s, u"&"_s);
}

} // namespace platform
