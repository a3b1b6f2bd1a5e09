// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/page/variant_order.h"

#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// SplitMix64: small, fast, and the same sequence from the same seed everywhere.
class Random final {
public:
    explicit Random(quint64 seed) : m_state(seed) {}

    quint64 next()
    {
        quint64 z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // Uniform in 0..bound-1: draws below the last whole multiple of bound are taken, the few above drawn again.
    quint64 below(quint64 bound)
    {
        const quint64 skipped = (0 - bound) % bound; // 2^64 mod bound
        for (;;) {
            const quint64 draw = next();
            if (draw >= skipped)
                return draw % bound;
        }
    }

private:
    quint64 m_state;
};

// Fisher–Yates, from the last place down.
template<typename T> void shuffle(T *items, qsizetype count, Random &random)
{
    for (qsizetype i = count - 1; i > 0; --i)
        std::swap(items[i], items[qsizetype(random.below(quint64(i) + 1))]);
}

QString folded(QStringView answer)
{
    QString text = answer.trimmed().toString().toLower();
    text.replace(u'ё', u'е');
    return text;
}

} // namespace

void QuizHash::add(QStringView text)
{
    for (const QChar unit : text) {
        m_value = (m_value ^ unit.unicode()) * 0x100000001B3ULL;
    }
    m_value = (m_value ^ 0xFFFFu) * 0x100000001B3ULL; // no unit is U+FFFF in text: ends the piece
}

VariantOrder variantOrder(const std::vector<AnswerPlaces> &places, quint64 seed, int variant)
{
    Random random(seed ^ (quint64(variant) * 0xD1B54A32D192ED03ULL));
    VariantOrder order;
    order.questions.resize(places.size());
    for (size_t i = 0; i < places.size(); ++i)
        order.questions[i] = int(i);
    shuffle(order.questions.data(), qsizetype(order.questions.size()), random);

    order.answers.resize(places.size());
    for (size_t i = 0; i < places.size(); ++i) {
        std::array<qint8, 4> &answers = order.answers[i];
        for (int k = 0; k < 4; ++k)
            answers[size_t(k)] = qint8(k);
        // The answers that may move are shuffled among the places they hold.
        std::array<int, 4> movable{};
        int count = 0;
        for (int k = 0; k < qMin(places[i].buttons, 4); ++k) {
            if (!places[i].fixed[size_t(k)])
                movable[size_t(count++)] = k;
        }
        std::array<qint8, 4> moved{};
        for (int m = 0; m < count; ++m)
            moved[size_t(m)] = qint8(movable[size_t(m)]);
        shuffle(moved.data(), count, random);
        for (int m = 0; m < count; ++m)
            answers[size_t(movable[size_t(m)])] = moved[size_t(m)];
    }
    return order;
}

bool refersToOtherAnswers(QStringView answer)
{
    static const QStringList whole{u"все"_s, u"оба"_s,  u"ничего"_s, u"никакой"_s, u"ни один"_s,
                                   u"all"_s, u"none"_s, u"both"_s,   u"neither"_s};
    static const QStringList parts{
        u"все ответы"_s,  u"все варианты"_s, u"все перечисл"_s,  u"вышеперечисл"_s, u"все указанн"_s,  u"вышеуказанн"_s,
        u"все выше"_s,    u"все утвержд"_s,  u"все верн"_s,      u"все правильн"_s, u"все из "_s,      u"все, кроме"_s,
        u"все кроме"_s,   u"ни один из"_s,   u"ни одно из"_s,    u"ни одного"_s,    u"ничего из"_s,    u"никакой из"_s,
        u"ни то, ни"_s,   u"нет верн"_s,     u"нет правильн"_s,  u"нет ответа"_s,   u"нет подходящ"_s, u"оба ответа"_s,
        u"оба вариант"_s, u"оба утвержд"_s,  u"другой ответ"_s,  u"свой вариант"_s, u"затрудняюсь"_s,  u"all of the"_s,
        u"none of the"_s, u"both of the"_s,  u"all the above"_s, u"neither of"_s};
    QString text = folded(answer);
    while (!text.isEmpty() && (text.back() == u'.' || text.back() == u'!' || text.back() == u','))
        text.chop(1);
    if (whole.contains(text))
        return true;
    return std::any_of(parts.begin(), parts.end(), [&](const QString &part) { return text.contains(part); });
}

bool namesOtherAnswers(QStringView answer)
{
    // Two answer letters, Latin or Cyrillic, joined as "A и B", "A, C", "а или в", "A+B".
    static const QRegularExpression letters(
        u"(?<![\\p{L}\\p{N}])[A-DА-Г]\\)?\\s*(?:,|;|\\+|&|/|\\s(?:и|или|and|or)\\s)\\s*[A-DА-Г](?![\\p{L}\\p{N}])"_s,
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    return letters.match(answer).hasMatch();
}
