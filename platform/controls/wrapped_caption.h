// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QRect>
#include <QString>

#include <memory>

class QPainter;
class QTextLayout;

namespace platform {

// The caption of an option button or a check box as the classic desktop draws it: plain text that wraps at word
// boundaries onto further lines (a word longer than a line breaks where it must), as many whole lines as the
// height holds (always the first), centred vertically when all of it fits and from the top when it does not.
// Nothing is drawn outside the area. Only a prefix that covers the area is laid out, so a caption of any length
// costs about the same.
class WrappedCaption final {
public:
    WrappedCaption();
    ~WrappedCaption();
    Q_DISABLE_COPY_MOVE(WrappedCaption)

    const QString &text() const { return m_text; }
    void setText(const QString &text);

    // The length of the prefix that an area of that size shows at most, kept until the text, size or font
    // changes: every character that can show lies in it.
    qsizetype prepare(QSize area, const QFont &font);

    // Draws the lines that fit with the painter's pen; returns the rectangle that the drawn lines take.
    QRect paint(QPainter &painter, const QRect &area, const QFont &font);

private:
    void layOut();

    QString m_text;
    std::unique_ptr<QTextLayout> m_layout;
    QSize m_area;
    QFont m_font;
    qsizetype m_prefix = -1; // not yet known
    int m_lines = 0;         // lines drawn
    qreal m_height = 0;      // their height
    bool m_fits = true;      // the whole caption is in those lines
};

} // namespace platform
