// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/controls/label.h"

#include "platform/controls/shown_text.h"
#include "platform/controls/visible_prefix.h"

#include <QEvent>
#include <QPainter>
#include <QStyleOption>
#include <QTextLayout>

#include <cmath>

namespace platform {
namespace {

// Texts up to this length are shown whole without measuring: every label text a question file sensibly has.
constexpr qsizetype FirstPrefix = 4096;

// How the label lays its text out: as QLabel does (tabs stand at every eight x's where the text starts at the
// alignment's side), but a run of letters wider than a line breaks where it must: QLabel's own word wrap lets such
// a run pass the label's edge, where nobody can read it.
QTextOption layoutOption(const QFont &font, Qt::Alignment aligned, bool rightToLeft)
{
    QTextOption option(aligned);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTextDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    const bool tabsExpand = aligned & (rightToLeft ? Qt::AlignRight : Qt::AlignLeft);
    option.setTabStopDistance(tabsExpand ? std::round(QFontMetricsF(font).horizontalAdvance(u'x') * 8) : -1);
    return option;
}

// As QPainter::drawText() takes a text: CR a space, LF a new line, a tab a space unless tabs expand.
QString asDrawn(QStringView text, const QTextOption &option)
{
    QString drawn = shownText(text);
    drawn.replace(u'\r', u' ').replace(u'\n', QChar::LineSeparator);
    if (option.tabStopDistance() < 0)
        drawn.replace(u'\t', u' ');
    return drawn;
}

} // namespace

Label::Label(QWidget *parent) : QLabel(parent), Control(this)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
    setAutoFillBackground(true);
    lower();
}

void Label::SetCaption(const QString &caption)
{
    m_caption = caption;
    m_shown = -1;
    showPrefix();
    if (m_autoSize) {
        const QSize size = sizeHint();
        takeSize(size.width(), size.height());
    }
}

void Label::SetAlignment(TextAlignment alignment)
{
    setAlignment((alignment == TextAlignment::Right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
}

void Label::SetAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    setWordWrap(!autoSize);
}

// Lays the prefix out as paintEvent() draws it, lines as wide as the label's and no limit below, until it runs two
// lines past the label's lower edge, which is enough.
double Label::prefixCoverage(QStringView prefix) const
{
    const QRect area = contentsRect();
    const qreal enough = area.height() + 2 * fontMetrics().lineSpacing();
    const QTextOption option = layoutOption(font(), visualAlignment(prefix), prefix.isRightToLeft());
    QTextLayout layout(asDrawn(prefix, option), font());
    layout.setTextOption(option);
    const qreal leading = QFontMetricsF(font()).leading();
    qreal height = -leading;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid() && height < enough; line = layout.createLine()) {
        line.setLineWidth(std::max(area.width(), 0));
        // Each line on a whole pixel, as drawText() places them.
        height = std::ceil(height + leading) + line.ascent() + line.descent();
    }
    layout.endLayout();
    return height / enough;
}

void Label::showPrefix()
{
    const QRect area = contentsRect();
    qsizetype length = visiblePrefixLength(m_caption, FirstPrefix,
                                           visibleCharacterCap(area.size(), fontMetrics().lineSpacing()),
                                           [this](QStringView prefix) { return prefixCoverage(prefix); });
    if (length == m_shown)
        return;
    m_shown = length;
    setText(shownText(QStringView(m_caption).left(length)));
}

// What QLabel draws of a plain text, but with runs wider than a line broken (see layoutOption()).
void Label::paintEvent(QPaintEvent *event)
{
    if (!wordWrap()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    const QString shown = text();
    QStyleOption option;
    option.initFrom(this);
    painter.setPen(QPen(option.palette.brush(foregroundRole()), painter.pen().widthF()));
    painter.drawText(contentsRect(), shown, layoutOption(font(), visualAlignment(shown), shown.isRightToLeft()));
}

Qt::Alignment Label::visualAlignment(QStringView text) const
{
    return QStyle::visualAlignment(text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight, alignment());
}

void Label::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    if (m_shown < m_caption.size())
        showPrefix();
}

void Label::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange && m_shown < m_caption.size())
        showPrefix();
}

} // namespace platform
