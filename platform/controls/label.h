// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/controls/control.h"

#include <QLabel>

namespace platform {

// A label as the classic desktop has it: plain text, no markup and no keyboard mnemonics; CR LF starts a new
// line and long lines wrap at its width, at word boundaries, and a run of letters wider than the label at the last
// letter that fits; what passes its lower edge is cut. It lies beneath the other controls of its
// container, so that buttons placed over it stay usable, and it is opaque in its container's colour. A caption of
// any length costs what the label can show: QLabel is handed only a prefix of the caption that runs past the
// label's lower edge (see visiblePrefixLength), laid out and drawn exactly as the whole caption would be, and
// assistive technology reads that prefix, so everything visible and a little more.
class Label final : public QLabel, public Control {
    Q_OBJECT
public:
    explicit Label(QWidget *parent);
    Q_DISABLE_COPY_MOVE(Label)

    // The whole caption, as it was given.
    const QString &Caption() const { return m_caption; }
    void SetCaption(const QString &caption);

    // Whether the label has handed QLabel, and so assistive technology, its whole caption rather than a prefix.
    bool showsWholeCaption() const { return m_shown == m_caption.size(); }

    // Left or right, at the top.
    void SetAlignment(TextAlignment alignment);
    // A label that sizes itself to its caption keeps its Left and Top, and shows its caption on one line.
    void SetAutoSize(bool autoSize);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void showPrefix();
    double prefixCoverage(QStringView prefix) const;
    // The alignment on screen for a text of that direction.
    Qt::Alignment visualAlignment(QStringView text) const;

    QString m_caption;
    qsizetype m_shown = -1; // length of the prefix that QLabel holds
    bool m_autoSize = false;
};

} // namespace platform
