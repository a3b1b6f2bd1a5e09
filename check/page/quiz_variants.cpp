// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/page/quiz_variants.h"

#include "check/page/section_html.h"
#include "check/rules/messages.h"

using namespace Qt::StringLiterals;

void QuizVariants::add(const QuizSection &section)
{
    if (section.kind != SectionKind::Question)
        return;
    Question question;
    appendPrintedText(question.text, section);
    question.tall = isTallInPrint(section);
    AnswerPlaces places;
    places.buttons = section.shownAnswers();
    question.right = section.rightAnswer <= places.buttons ? section.rightAnswer : 0;
    m_hash.add(section.text);
    bool lettered = false;
    for (int k = 0; k < places.buttons; ++k) {
        const QString &label = section.answers[size_t(k)];
        m_hash.add(label);
        const QStringView body = QStringView(label).mid(qMin<qsizetype>(2, label.size()));
        question.answers[size_t(k)] = body.left(qMin(body.size(), MaxCharactersShown)).toString();
        question.lengths[size_t(k)] = body.size();
        question.empty[size_t(k)] = label.isEmpty();
        places.fixed[size_t(k)] = label.isEmpty() || refersToOtherAnswers(body);
        lettered = lettered || namesOtherAnswers(body);
    }
    if (lettered)
        places.fixed.fill(true);
    m_hash.add(QString::number(question.right));
    m_questions.push_back(std::move(question));
    m_places.push_back(places);
}

void QuizVariants::appendVariant(QByteArray &html, int variant, QByteArrayView title, QByteArrayView fields) const
{
    const VariantOrder order = variantOrder(m_places, m_hash.value(), variant);
    const QByteArray number = QByteArray::number(variant);
    html += "<article class=\"v v" + number + "\" id=\"v" + number + "\">\n<header class=\"vh\">\n";
    html += title;
    html += "<p class=\"vn\">" + Messages::tr("Variant %1").arg(variant).toUtf8() + "</p>\n</header>\n";
    html += fields;
    std::vector<quint8> key;
    key.reserve(order.questions.size());
    for (size_t place = 0; place < order.questions.size(); ++place) {
        const size_t index = size_t(order.questions[place]);
        const Question &question = m_questions[index];
        const std::array<qint8, 4> &answers = order.answers[index];
        html += question.tall ? "<section class=\"q tall\">\n<h2>Question #" : "<section class=\"q\">\n<h2>Question #";
        html += QByteArray::number(qsizetype(place) + 1) + "</h2>\n";
        html += question.text;
        quint8 right = 0;
        if (m_places[index].buttons > 0)
            html += "<div class=\"a\">\n";
        for (int button = 0; button < m_places[index].buttons; ++button) {
            const int from = answers[size_t(button)];
            const bool isRight = from + 1 == question.right;
            if (isRight)
                right = quint8(button + 1);
            openAnswerButton(html, isRight, 0);
            const QString &body = question.answers[size_t(from)];
            // An empty button stays without a letter, as the quiz shows it.
            const QString label = question.empty[size_t(from)] ? QString() : QChar(u'A' + button) + u")"_s + body;
            appendShownText(html, label, label.isEmpty() ? 0 : question.lengths[size_t(from)] + 2);
            html += "</p>\n";
        }
        if (m_places[index].buttons > 0)
            html += "</div>\n";
        html += "</section>\n";
        key.push_back(right);
    }
    appendAnswerKey(html, Messages::tr("Answer key, variant %1").arg(variant), key);
    html += "</article>\n";
}

void appendAnswerKey(QByteArray &html, const QString &caption, const std::vector<quint8> &key)
{
    if (key.empty())
        return;
    html += "<section class=\"k\">\n<h2>" + caption.toUtf8() + "</h2>\n<ol>";
    for (size_t k = 0; k < key.size(); ++k) {
        html += "<li><b>" + QByteArray::number(qsizetype(k) + 1) + ".</b> ";
        if (key[k] > 0)
            html += char('A' + key[k] - 1);
        else
            html += "\xE2\x80\x94"; // a dash: no button is marked
        html += "</li>";
    }
    html += "</ol>\n</section>\n";
}
