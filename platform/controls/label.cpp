// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/controls/label.h"

#include "platform/controls/visible_prefix.h"

#include <QEvent>
#include <QTextBoundaryFinder>

using namespace Qt::StringLiterals;

namespace platform {
namespace {

// Texts up to this length are shown whole without measuring: every label text a question file sensibly has.
constexpr qsizetype FirstPrefix = 4096;

QString onScreen(QStringView text)
{
    return text.toString().replace(u"\r\n"_s, u"\n"_s);
}

// A prefix's last run without a break opportunity, when it is longer than the label is wide at a pixel a
// character, starts a line of its own that shows only its beginning: the rest of it changes nothing on screen,
// and laying it out would cost as much as all the lines of a page.
qsizetype withoutUnseenRun(QStringView prefix, int width)
{
    const qsizetype seen = width + 2;
    if (prefix.size() <= seen)
        return prefix.size();
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, prefix.data(), prefix.size());
    breaks.toEnd();
    const qsizetype run = std::max<qsizetype>(breaks.toPreviousBoundary(), 0);
    if (prefix.size() - run <= seen)
        return prefix.size();
    const qsizetype cut = run + seen;
    return prefix[cut - 1].isHighSurrogate() ? cut + 1 : cut;
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

void Label::SetAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    setWordWrap(!autoSize);
}

// Lays the prefix out as the label draws it, in a rectangle as wide as the label's and of unbounded height: it
// is enough when it runs two lines past the label's lower edge.
double Label::prefixCoverage(QStringView prefix) const
{
    const QRect area = contentsRect();
    const int flags = static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    const QRect laidOut = fontMetrics().boundingRect(QRect(0, 0, area.width(), 1 << 24), flags, onScreen(prefix));
    return static_cast<double>(laidOut.height()) / (area.height() + 2 * fontMetrics().lineSpacing());
}

void Label::showPrefix()
{
    const QRect area = contentsRect();
    qsizetype length = visiblePrefixLength(m_caption, FirstPrefix,
                                           visibleCharacterCap(area.size(), fontMetrics().lineSpacing()),
                                           [this](QStringView prefix) { return prefixCoverage(prefix); });
    if (length < m_caption.size())
        length = withoutUnseenRun(QStringView(m_caption).first(length), area.width());
    if (length == m_shown)
        return;
    m_shown = length;
    setText(onScreen(QStringView(m_caption).first(length)));
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
