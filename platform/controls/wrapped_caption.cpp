// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/controls/wrapped_caption.h"

#include "platform/controls/visible_prefix.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

#include <cmath>

namespace platform {
namespace {

// Prefixes start at a length that holds every caption a question file sensibly has.
constexpr qsizetype FirstPrefix = 512;

QTextOption wrappingOption()
{
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}

// Creates lines as wide as `width`, one under the other, until `maxLines` exist or the text is used up.
int createLines(QTextLayout &layout, qreal width, int maxLines)
{
    int count = 0;
    qreal y = 0;
    layout.beginLayout();
    while (count < maxLines) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        y += line.height();
        ++count;
    }
    layout.endLayout();
    return count;
}

} // namespace

WrappedCaption::WrappedCaption() = default;
WrappedCaption::~WrappedCaption() = default;

void WrappedCaption::setText(const QString &text)
{
    m_text = text;
    m_prefix = -1;
    m_layout.reset();
}

qsizetype WrappedCaption::prepare(QSize area, const QFont &font)
{
    if (m_prefix >= 0 && area == m_area && font == m_font)
        return m_prefix;
    m_area = area;
    m_font = font;
    m_layout.reset();
    const qreal lineHeight = QFontMetricsF(font).height();
    const int fitting = std::max(1, static_cast<int>(area.height() / lineHeight));
    const qreal width = std::max(area.width(), 1);

    // A prefix is long enough once it runs to a line past the last one that fits, and into the one after it.
    m_prefix = visiblePrefixLength(m_text, FirstPrefix, visibleCharacterCap(area, std::ceil(lineHeight)),
                                   [&](QStringView prefix) {
                                       QTextLayout probe(prefix.toString(), font);
                                       probe.setTextOption(wrappingOption());
                                       return createLines(probe, width, fitting + 2) / (fitting + 2.0);
                                   });
    return m_prefix;
}

// The lines to draw, laid out when first drawn at this size.
void WrappedCaption::layOut()
{
    const qreal lineHeight = QFontMetricsF(m_font).height();
    const int fitting = std::max(1, static_cast<int>(m_area.height() / lineHeight));
    m_layout = std::make_unique<QTextLayout>(m_prefix == m_text.size() ? m_text : m_text.left(m_prefix), m_font);
    m_layout->setTextOption(wrappingOption());
    const int created = createLines(*m_layout, std::max(m_area.width(), 1), fitting + 1);
    m_lines = std::min(created, fitting);
    m_fits = created <= fitting && m_prefix == m_text.size();
    m_height = 0;
    for (int i = 0; i < m_lines; ++i)
        m_height += m_layout->lineAt(i).height();
}

QRect WrappedCaption::paint(QPainter &painter, const QRect &area, const QFont &font)
{
    prepare(area.size(), font);
    if (!m_layout)
        layOut();
    const qreal top = m_fits ? area.top() + std::round((area.height() - m_height) / 2) : area.top();
    const QPointF origin(area.left(), top);
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    painter.setFont(font);
    QRectF drawn;
    for (int i = 0; i < m_lines; ++i) {
        const QTextLine line = m_layout->lineAt(i);
        line.draw(&painter, origin);
        drawn |= QRectF(origin + line.position(), QSizeF(line.naturalTextWidth(), line.height()));
    }
    painter.restore();
    return drawn.toAlignedRect() & area;
}

} // namespace platform
