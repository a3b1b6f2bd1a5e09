// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

namespace platform {

// A label as the classic desktop has it: plain text, no markup and no keyboard mnemonics; CR LF starts a new
// line and, when the label wraps, long lines wrap at its width; what passes its edges is cut. A text of any
// length costs what the label can show: QLabel is handed only a prefix of the text that runs past the label's
// lower edge (see VisiblePrefixLength), laid out and drawn exactly as the whole text would be, and assistive
// technology reads that prefix, so everything visible and a little more.
class PlainLabel final : public QLabel {
    Q_OBJECT
public:
    explicit PlainLabel(QWidget *parent);
    Q_DISABLE_COPY_MOVE(PlainLabel)

    // The whole text, as it was given.
    const QString &Text() const { return m_text; }
    void SetText(const QString &text);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void showPrefix();
    double prefixCoverage(QStringView prefix) const;

    QString m_text;
    qsizetype m_shown = -1; // length of the prefix that QLabel holds
};

} // namespace platform
