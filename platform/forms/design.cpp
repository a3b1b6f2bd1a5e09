// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/forms/design.h"

#include <QFont>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace platform {

QFont makeFont(const FontDesign &design, const QFont &base)
{
    QFont font = base;
    if (design.family.isEmpty())
        return font;
    // Verdana is rarely installed outside Windows; DejaVu Sans has the same wide, open shapes.
    font.setFamilies({design.family.toString(), u"DejaVu Sans"_s});
    font.setPointSizeF(design.pointSize);
    font.setWeight(design.bold ? QFont::Bold : QFont::Normal);
    return font;
}

} // namespace platform
