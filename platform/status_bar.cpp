// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/status_bar.h"

#include "platform/twips.h"

#include <QEvent>
#include <QLabel>
#include <QSizeGrip>

namespace platform {
namespace {
constexpr int PanelGap = 2;      // pixels between panels
constexpr int PanelPadding = 12; // pixels around a panel's text
} // namespace

StatusBar::StatusBar(QWidget *window) : QWidget(window), m_grip(new QSizeGrip(this))
{
    window->installEventFilter(this);
    m_grip->setFocusPolicy(Qt::NoFocus);
    dock();
}

void StatusBar::AddPanel(const QString &text, PanelSize size, float minWidth)
{
    auto *label = new QLabel(this);
    label->setTextFormat(Qt::PlainText);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setText(text);
    label->setIndent(PanelGap);
    m_panels.append({label, size, TwipsToPixels(minWidth)});
    layoutPanels();
}

QString StatusBar::PanelText(int panel) const
{
    return m_panels.at(panel).label->text();
}

float StatusBar::PanelWidth(int panel) const
{
    return PixelsToTwips(m_panels.at(panel).label->width());
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
    const int height = TwipsToPixels(DockedHeight);
    setGeometry(0, window->height() - height, window->width(), height);
}

void StatusBar::layoutPanels()
{
    // The size grip keeps a square of the bar's height at the right end.
    const int gripSize = height();
    m_grip->setGeometry(width() - gripSize, 0, gripSize, gripSize);

    int fixed = 0;
    int springs = 0;
    for (const Panel &panel : std::as_const(m_panels)) {
        if (panel.size == PanelSize::Contents)
            fixed += std::max(panel.minWidth, panel.label->fontMetrics().horizontalAdvance(panel.label->text())
                                                  + PanelPadding);
        else
            ++springs;
    }
    const int rest = width() - gripSize - fixed - PanelGap * static_cast<int>(m_panels.size());
    int x = 0;
    for (const Panel &panel : std::as_const(m_panels)) {
        int w = panel.minWidth;
        if (panel.size == PanelSize::Contents)
            w = std::max(w, panel.label->fontMetrics().horizontalAdvance(panel.label->text()) + PanelPadding);
        else if (springs > 0)
            w = std::max(w, rest / springs);
        panel.label->setGeometry(x, PanelGap, w, height() - PanelGap);
        x += w + PanelGap;
    }
}

} // namespace platform
