// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/controls/status_bar.h"

#include "platform/core/twips.h"

#include <QEvent>
#include <QLabel>
#include <QSizeGrip>

#include <algorithm>

namespace platform {
namespace {
constexpr int PanelGap = 2;      // pixels between panels
constexpr int PanelPadding = 12; // pixels around a panel's text
// Each panel is sunk into the bar with a margin of the bar's own colour above and below it, so that its whole
// border shows, the lower edge included.
constexpr int PanelTop = 2;
constexpr int PanelBottomMargin = 1;
} // namespace

StatusBar::StatusBar(QWidget *window) : QWidget(window), Control(this), m_grip(new QSizeGrip(this))
{
    window->installEventFilter(this);
    m_grip->setFocusPolicy(Qt::NoFocus);
    dock();
}

void StatusBar::AddPanel(const QString &text, PanelSize size, float minWidth, float designWidth)
{
    auto *label = new QLabel(this);
    label->setTextFormat(Qt::PlainText);
    label->setFrameStyle(int(QFrame::Panel) | int(QFrame::Sunken));
    label->setText(text);
    label->setIndent(PanelGap);
    m_panels.append({label, size, twipsToPixels(minWidth), twipsToPixels(designWidth)});
    layoutPanels();
}

bool StatusBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parent() && event->type() == QEvent::Resize)
        dock();
    return QWidget::eventFilter(watched, event);
}

void StatusBar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutPanels();
}

void StatusBar::dock()
{
    const auto *window = parentWidget();
    const int height = twipsToPixels(DockedHeight);
    setGeometry(0, window->height() - height, window->width(), height);
}

int StatusBar::contentsWidth(const Panel &panel) const
{
    const int text = panel.label->fontMetrics().horizontalAdvance(panel.label->text()) + PanelPadding;
    return std::max({panel.minWidth, panel.designWidth, text});
}

void StatusBar::layoutPanels()
{
    // The size grip keeps a square of the bar's height at the right end.
    const int gripSize = height();
    m_grip->setGeometry(width() - gripSize, 0, gripSize, gripSize);

    int rest = width() - gripSize;
    int springs = 0;
    for (const Panel &panel : std::as_const(m_panels)) {
        if (panel.size == PanelSize::Contents)
            rest -= contentsWidth(panel);
        else
            ++springs;
    }
    int x = 0;
    for (const Panel &panel : std::as_const(m_panels)) {
        const int width = panel.size == PanelSize::Contents ? contentsWidth(panel)
                                                            : std::max(panel.minWidth, springs ? rest / springs : 0);
        panel.label->setGeometry(x, PanelTop, width - PanelGap, height() - PanelTop - PanelBottomMargin);
        x += width;
    }
}

} // namespace platform
