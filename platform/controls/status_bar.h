// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/controls/control.h"

#include <QList>
#include <QWidget>

class QLabel;
class QSizeGrip;

namespace platform {

// A status bar of text panels, docked along the bottom edge of its window: it follows the window's size by
// itself, so no layout code has to move it. Not a QStatusBar: that one lays its items out with spacings of its
// own and draws the style's item frames around them, which moves and redraws the panels that the pixel tests pin.
class StatusBar final : public QWidget, public Control {
    Q_OBJECT
public:
    enum class PanelSize { Contents, Spring };

    explicit StatusBar(QWidget *window);
    Q_DISABLE_COPY_MOVE(StatusBar)

    // A panel never narrower than minWidth twips. A Contents panel fits its text: designWidth is the width its text
    // takes in the design's font, which may be missing here, so it grows only when the font at hand needs more.
    // Spring panels share what the Contents panels and the size grip leave.
    void AddPanel(const QString &text, PanelSize size, float minWidth = 1440, float designWidth = 0);

    static constexpr float DockedHeight = 300; // twips

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Panel {
        QLabel *label;
        PanelSize size;
        int minWidth;    // pixels
        int designWidth; // pixels
    };
    void dock();
    void layoutPanels();
    int contentsWidth(const Panel &panel) const;

    QList<Panel> m_panels;
    QSizeGrip *m_grip;
};

} // namespace platform
