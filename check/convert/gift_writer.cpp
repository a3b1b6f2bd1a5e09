// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/convert/gift_writer.h"

#include "check/convert/plain_text.h"
#include "check/rules/messages.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QString escaped(const QString &text)
{
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar ch : text) {
        if (ch == u'\\' || ch == u'~' || ch == u'=' || ch == u'#' || ch == u'{' || ch == u'}' || ch == u':')
            out += u'\\';
        out += ch;
    }
    return out;
}

// Whether Moodle's own format would show the lines otherwise than written: tags (which may span lines), entities.
bool changesAsMoodleText(const QStringList &lines)
{
    const PlainText plain = plainText(lines.join(u'\n'), TextFormat::Moodle);
    return plain.media || plain.lines != lines;
}

// A tag before a text that begins like a tag, a weight or a comment, so that nothing else is taken for one.
bool needsTag(const QString &text)
{
    return text.startsWith(u'[') || text.startsWith(u'%') || text.startsWith(u"//");
}

} // namespace

QString writeGift(const std::vector<PlayedQuestion> &questions, std::vector<Finding> &notes)
{
    QString gift;
    for (const PlayedQuestion &question : questions) {
        if (!gift.isEmpty())
            gift += u'\n';
        const bool plain = changesAsMoodleText(question.text)
                        || std::any_of(question.answers.begin(), question.answers.end(), [](const QString &answer) {
                               return changesAsMoodleText(answer.isEmpty() ? QStringList() : QStringList{answer});
                           });
        const QString tag = plain ? u"[plain]"_s : u"[moodle]"_s;

        // A physical line never begins with "//" nor stays empty: such a text line follows the one before after "\n".
        QString text = plain || (!question.text.isEmpty() && needsTag(question.text.front())) ? tag : QString();
        for (qsizetype i = 0; i < question.text.size(); ++i) {
            const QString &line = question.text[i];
            if (i > 0)
                text += line.isEmpty() || line.startsWith(u"//") ? u"\\n"_s : u"\n"_s;
            text += escaped(line);
        }
        gift += text.isEmpty() ? u"{\n"_s : text + u" {\n"_s;
        for (qsizetype k = 0; k < question.answers.size(); ++k) {
            const QString &answer = question.answers[k];
            const bool right = k == question.right;
            gift += u'\t';
            gift += !right ? u"~"_s : question.answers.size() == 1 ? u"~%100%"_s : u"="_s;
            if (needsTag(answer))
                gift += tag;
            gift += escaped(answer) + u'\n';
            if (answer.isEmpty()) {
                notes.push_back(Finding{question.answerLines[size_t(k)], Severity::Warning,
                                        Messages::tr("answer %1 of question %2 has no text after its letter, and "
                                                     "Moodle leaves out an answer without text")
                                            .arg(QChar(char16_t(u'A' + k)))
                                            .arg(question.number)});
            }
        }
        gift += u"}\n"_s;
        if (question.answers.size() == 1) {
            notes.push_back(Finding{question.line, Severity::Warning,
                                    Messages::tr("question %1 has one answer alone, and Moodle wants at least two in a "
                                                 "multiple choice")
                                        .arg(question.number)});
        }
    }
    return gift;
}
