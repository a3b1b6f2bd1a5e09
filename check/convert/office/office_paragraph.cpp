// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/convert/office/office_paragraph.h"

#include "check/rules/messages.h"
#include "check/rules/quote.h"

Finding lossNote(qint64 paragraph, Loss loss, const QString &formulaText)
{
    switch (loss) {
    case Loss::Image:
        return {paragraph, Severity::Warning, Messages::tr("an image is left out: Tavrelo shows text alone")};
    case Loss::Drawing:
        return {paragraph, Severity::Warning, Messages::tr("a drawing or chart is left out: Tavrelo shows text alone")};
    case Loss::TextBox:
        return {paragraph, Severity::Warning,
                Messages::tr("a text box is left out with its text: Tavrelo shows the text of paragraphs alone")};
    case Loss::Footnote:
        return {paragraph, Severity::Warning, Messages::tr("a footnote is left out: Tavrelo shows none")};
    case Loss::Formula: break;
    }
    if (formulaText.trimmed().isEmpty())
        return {paragraph, Severity::Warning, Messages::tr("a formula is left out: Tavrelo shows text alone")};
    return {paragraph, Severity::Note,
            Messages::tr("a formula is kept as its plain text, %1: check that it reads right")
                .arg(quote(formulaText.simplified()))};
}

void addText(OfficeParagraph &paragraph, const QString &text, quint8 emphasis)
{
    paragraph.text += text;
    paragraph.emphasis += QByteArray(text.size(), char(emphasis));
}

quint8 emphasisFrom(const OfficeParagraph &paragraph, qsizetype from)
{
    quint8 all = 0xFF;
    bool visible = false;
    for (qsizetype i = qMax<qsizetype>(0, from); i < paragraph.text.size() && i < paragraph.emphasis.size(); ++i) {
        if (paragraph.text.at(i).isSpace() || paragraph.emphasis.at(i) == neutralEmphasis)
            continue;
        all &= quint8(paragraph.emphasis.at(i));
        visible = true;
    }
    return visible ? all : 0;
}
