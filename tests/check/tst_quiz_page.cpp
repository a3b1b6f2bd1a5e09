// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/output/write_plan.h"
#include "check/page/quiz_pages.h"
#include "check/page/variant_order.h"
#include "check/rules/user_language.h"

#include "tests/support/process.h"
#include "tests/support/question_file.h"
#include "tests/support/windows1251.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTest>
#include <QUrl>

#include <optional>

using namespace Qt::StringLiterals;
using support::toWindows1251;

namespace {

QString contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class TestQuizPage : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_folder.emplace();
        useUserLanguage(QLocale(QLocale::English));
    }
    void holds_data();
    void holds();
    void onlyText_data();
    void onlyText();
    void names();
    void writesOverItsOwnPageOnly_data();
    void writesOverItsOwnPageOnly();
    void variants();
    void answersThatStay_data();
    void answersThatStay();
    void staysSmall();
    void printsInBrowser();

private:
    QString pagePath() const { return m_folder->filePath(u"page.html"_s); }
    QString makePage(const QByteArray &file, const QString &name = u"quiz.txt"_s, int variants = 0);

    std::optional<support::TestFolder> m_folder;
};

QString TestQuizPage::makePage(const QByteArray &file, const QString &name, int variants)
{
    const QString path = m_folder->write(name, file);
    QuizPages pages(pagePath(), false, {path}, variants);
    pages.check(path, [](const QString &) {});
    return contents(pagePath());
}

void TestQuizPage::holds_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("fragments"); // in this order
    QTest::addColumn<QLocale::Language>("language");
    QTest::addColumn<int>("variants");
    const auto row = [](const char *name, const QString &text, const QStringList &fragments,
                        QLocale::Language language = QLocale::English, int variants = 0) {
        QTest::newRow(name) << u"Вес вопроса: 1\n"_s + text << fragments << language << variants;
    };

    row("a question as the quiz shows it", u"Столица?\nA) Москва*\nB) Казань\n"_s,
        {u"<p class=\"sum\">1 question loaded, 2 answers, 1 question with a marked answer; 0 errors, 0 warnings, 2 "
         u"notes.</p>"_s,
         u"<h2 data-n=\"1\">Question #1</h2>"_s, u"<p data-n=\"2\"><bdi>Столица?</bdi></p>"_s,
         u"<p class=\"o r\" data-n=\"3\"><span class=\"m\" aria-hidden=\"true\">✔</span><span class=\"sr\">right "
         u"answer: </span><bdi>A) Москва</bdi></p>"_s,
         u"<p class=\"o\" data-n=\"4\"><bdi>B) Казань</bdi></p>"_s, u"<ol><li><b>1.</b> A</li></ol>"_s});
    row("text after the answers above them", u"Q\nA) a*\nmore\n"_s,
        {u"<bdi>Q</bdi>"_s, u"<p data-n=\"4\"><bdi>more</bdi>"_s, u"<bdi>A) a</bdi>"_s});
    row("a dropped line greyed where it fell out", u"Q1\nВерно\nQ2\nA) a*\n"_s,
        {u"<bdi>Q1</bdi>"_s,
         u"<p class=\"x\" data-n=\"3\"><bdi>Верно</bdi><em>dropped: begins with \"Ве\" and is no question "
         u"header</em></p>"_s,
         u"<p class=\"f w\"><b>line 3, warning:</b>"_s, u"<bdi>Q2</bdi>"_s});
    QTest::newRow("lines before the first question")
        << u"Title\nВес вопроса: 1\nQ\nA) a*\n"_s
        << QStringList{u"<section class=\"pre\">"_s, u"<p class=\"x\" data-n=\"1\"><bdi>Title</bdi></p>"_s,
                       u"<section class=\"q\" id=\"q1\">"_s}
        << QLocale::English << 0;
    // The key's label, the title, the file's name, the counts, then the learner's fields.
    QTest::newRow("the quiz's title as the heading")
        << u"\n  Тест «Клетка» \"1\"  \n9 класс\n\nВес вопроса: 1\nQ\nA) a*\n"_s
        << QStringList{u"<title>Тест «Клетка» &quot;1&quot; — Tavrelo</title>"_s,
                       u"@bottom-left{content:\"Тест «Клетка» \\22 1\\22 \"}"_s,
                       u"<p class=\"kl\">Answer key</p>\n<h1><bdi>Тест «Клетка» &quot;1&quot;</bdi></h1>\n<p "_s
                       u"class=\"sub\"><bdi>9 "_s
                       u"класс</bdi></p>\n<p class=\"file\"><bdi>quiz.txt</bdi></p>"_s,
                       u"<p class=\"sum\">"_s,
                       u"<div class=\"fields\"><span>Name:</span><span>Class:</span><span>Date:</span></div>"_s,
                       u"<main>"_s}
        << QLocale::English << 0;
    row("the file's name without a title", u"Q\nA) a*\n"_s,
        {u"<title>quiz.txt — Tavrelo</title>"_s, u"<h1><bdi>quiz.txt</bdi></h1>\n<p class=\"enc\">"_s});
    row("a question taller than a sheet", u"Q\n"_s.repeated(45) + u"A) a*\n"_s,
        {u"<section class=\"q tall\" id=\"q1\">"_s,
         u"<p class=\"f w\"><b>in print:</b> this question takes about 48 lines"_s, u"<div class=\"t\">"_s});
    row("a gap: an empty button, the answer past it greyed", u"Q\nA) a\nC) c*\n"_s,
        {u"<p class=\"o\" data-n=\"3\"><bdi>A) a</bdi>"_s,
         u"<p class=\"o\"><bdi></bdi><span class=\"hint\">an empty button: the file has no answer B</span>"_s,
         u"<p class=\"x\" data-n=\"4\"><bdi>C) c*</bdi><em>no button shows it: the question has only 2 answer "
         u"buttons</em>"_s,
         u"<p class=\"f e\"><b>line 4, error:</b>"_s, u"<ol><li><b>1.</b> \u2014</li></ol>"_s});
    row("a gap in a variant: the empty button, nothing said cut", u"Q\nA) a\nC) c*\n"_s,
        {u"<article class=\"v v1\""_s, u"<p class=\"o\"><bdi></bdi></p>"_s}, QLocale::English, 2);
    row("a replaced answer keeps its mark", u"Q\nA) a*\nA) b\n"_s,
        {u"<span class=\"sr\">right answer: </span><bdi>A) b</bdi>"_s,
         u"<p class=\"x\" data-n=\"3\"><bdi>A) a*</bdi><em>replaced by a later answer A"_s});
    row("blank lines at the text's end", u"Q\n\n\t\rA) a*\n"_s, // line 4 ends in CR alone: a note
        {u"<p data-n=\"2\"><bdi>Q</bdi></p>\n<p class=\"tb\" data-n=\"4\">"_s});
    row("a line too long to read", u"я"_s.repeated(25000) + u"\nA) a*\n"_s,
        {u"я"_s.repeated(20000) + u"</bdi> <span class=\"cut\">… 5000 more characters"_s});
    row("question 1001", (u"A) a*\nВес вопроса: 1\n"_s).repeated(1000),
        {u"<section class=\"nl\">\n<h2>Question #1001 and all that follows"_s});
    row("in Russian", u"Q\nA) a* \n"_s,
        {u"<html lang=\"ru\">"_s, u"стр. \" counter(page) \" из \" counter(pages)"_s, u"Ключ ответов"_s,
         u"<span>Фамилия, имя:</span><span>Класс:</span><span>Дата:</span>"_s, u"Question #1"_s,
         u"<b>строка 3, предупреждение:</b>"_s},
        QLocale::Russian);
}

// The page shows each question as the quiz shows it, and beside it the lines it came from and what the checker said.
void TestQuizPage::holds()
{
    QFETCH(QString, file);
    QFETCH(QStringList, fragments);
    QFETCH(QLocale::Language, language);
    QFETCH(int, variants);
    useUserLanguage(QLocale(language));
    const QString page = makePage(file.toUtf8(), u"quiz.txt"_s, variants);
    qsizetype at = 0;
    for (const QString &fragment : fragments) {
        at = page.indexOf(fragment, at);
        QVERIFY2(at >= 0, qPrintable(u"missing: "_s + fragment.left(200)));
    }
}

void TestQuizPage::onlyText_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("shown");

    const QString quiz = u"quiz.txt"_s;
    const auto c = [](const QString &mark) { return u"<span class=\"c\">"_s + mark + u"</span>"_s; };
    QTest::newRow("markup") << quiz << u"<script>alert(1)</script></style><!--"_s
                            << u"&lt;script&gt;alert(1)&lt;/script&gt;&lt;/style&gt;&lt;!--"_s;
    QTest::newRow("entities and quotes") << quiz << u"&amp; \"'"_s << u"&amp;amp; &quot;&#39;"_s;
    const QString plain = u"Москва — \"столица\" & <б> "_s.repeated(7); // past the eight units read at once
    QTest::newRow("among plain text") << quiz << plain
                                      << u"Москва — &quot;столица&quot; &amp; &lt;б&gt; "_s.repeated(7);
    QTest::newRow("NUL and controls") << quiz << u"a\0b\x01\x1B\x7F\tc"_s
                                      << u"a"_s + c(u"NUL"_s) + u"b"_s + c(u"SOH"_s) + c(u"ESC"_s) + c(u"DEL"_s)
                                             + u"\tc"_s;
    QTest::newRow("C1 control") << quiz << u"a\u0085b"_s << u"a"_s + c(u"U+0085"_s) + u"b"_s;
    QTest::newRow("bidi controls") << quiz << u"\u202Eabc\u2066d\u2069\u202C"_s
                                   << c(u"RLO"_s) + u"abc"_s + c(u"LRI"_s) + u"d"_s + c(u"PDI"_s) + c(u"PDF"_s);
    QTest::newRow("direction marks") << quiz << u"\u200F2 - 5 = ?\u200E абвгдежз\u061Cийклмно"_s
                                     << c(u"RLM"_s) + u"2 - 5 = ?"_s + c(u"LRM"_s) + u" абвгдежз"_s + c(u"ALM"_s)
                                            + u"ийклмно"_s;
    const QString pairs = u"x"_s + u"😀"_s.repeated(3000); // pairs across the pieces the escaper writes
    QTest::newRow("pairs across pieces") << quiz << pairs << pairs;
    QTest::newRow("file name") << u"&'\u202E.txt"_s << u"q"_s << u"q"_s;
}

// Whatever the file or its name holds shows as text, inside an isolate, and changes nothing of the page around it;
// a control character shows by its name, in the findings' quotes too, never as a picture few fonts have.
void TestQuizPage::onlyText()
{
    QFETCH(QString, name);
    QFETCH(QString, line);
    QFETCH(QString, shown);
    const QString page = makePage((u"Вес вопроса: 1\n"_s + line + u"\nA) "_s + line + u"*\n"_s).toUtf8(), name);
    QVERIFY(page.contains(u"<bdi>"_s + shown + u"</bdi>"_s) && page.contains(u"<bdi>A) "_s + shown + u"</bdi>"_s));
    if (name != u"quiz.txt")
        QVERIFY(page.contains(u"<title>&amp;&#39;\uFFFD.txt — Tavrelo</title>"_s)
                && page.contains(u"<h1><bdi>&amp;&#39;<span class=\"c\">RLO</span>.txt</bdi></h1>"_s));
    static const QRegularExpression tag(u"<(?:/|!DOCTYPE )?([a-zA-Z0-9]+)"_s);
    static const QStringList known = u"html head meta title style body div header h1 p nav a main section h2 bdi span "
                                     u"em b ol li footer article"_s.split(u' ');
    for (auto tags = tag.globalMatch(page); tags.hasNext();) {
        const QRegularExpressionMatch match = tags.next();
        QVERIFY2(known.contains(match.captured(1)), qPrintable(match.captured()));
    }
    QCOMPARE(page.count(u"</style>"_s), 1);
    static const QRegularExpression acting(
        u"[\\x00-\\x08\\x0B-\\x1F\\x7F-\\x9F\\x{061C}\\x{200E}\\x{200F}\\x{202A}-\\x{202E}\\x{2066}-\\x{2069}\\x{2400}-\\x{2421}]"_s);
    QVERIFY(!page.contains(acting));
}

// --html names the page of one file, or the folder of the pages of several; from Explorer, a page stands beside its
// file.
void TestQuizPage::names()
{
    const QStringList two{u"a/data.txt"_s, u"b/тест 2.txt"_s};
    QCOMPARE(QuizPages(u"quiz.html"_s, true, {two[0]}).pageOf(two[0]), u"quiz.html"_s);
    QCOMPARE(QuizPages(u"pages"_s, false, two).pageOf(two[1]), u"pages/тест 2.html"_s);
    QCOMPARE(QuizPages(u"pages/"_s, false, {two[0]}).pageOf(two[0]), u"pages/data.html"_s);
    QCOMPARE(QuizPages(m_folder->path(), false, {two[0]}).pageOf(two[0]), m_folder->path() + u"/data.html"_s);
    const QStringList dropped{u"C:/Мои тесты/тест.1.txt"_s, u"data.txt"_s};
    QCOMPARE(QuizPages(QString(), true, dropped).pageOf(dropped[0]), u"C:/Мои тесты/тест.1.html"_s);
    QCOMPARE(QuizPages(QString(), true, dropped).pageOf(dropped[1]), u"data.html"_s);
    QCOMPARE(QuizPages(QString(), false, dropped).pageOf(dropped[1]), QString());
    // Pages in a folder are not the user's to name: two files of one name get two pages.
    const QStringList same{u"a/x.txt"_s, u"b/X.txt"_s, u"x-2.txt"_s};
    const QuizPages folder(u"pages"_s, false, same);
    QCOMPARE(QStringList({folder.pageOf(same[0]), folder.pageOf(same[1]), folder.pageOf(same[2])}),
             QStringList({u"pages/x.html"_s, u"pages/X-2.html"_s, u"pages/x-2-2.html"_s}));
    QVERIFY(folder.refusal().isEmpty());
    QVERIFY(QuizPages(u"one.html"_s, false, two).refusal().contains(u"name a folder"_s));
}

void TestQuizPage::writesOverItsOwnPageOnly_data()
{
    // At the page's name: "" a folder, "OWN" a page made before, "EDITED" one made before and changed since.
    QTest::addColumn<QByteArray>("there");
    QTest::addColumn<bool>("written");

    QTest::newRow("its own page") << QByteArray("OWN") << true;
    QTest::newRow("its own page, edited since") << QByteArray("EDITED") << false;
    QTest::newRow("another program's page")
        << QByteArray("<!DOCTYPE html>\n<html>\n<head>\n<meta name=\"generator\" content=\"Word\">") << false;
    QTest::newRow("the marker far down") << QByteArray(500, 'x') + "<meta name=\"generator\" content=\"tavrelo-check\">"
                                         << false;
    QTest::newRow("a folder") << QByteArray() << false;
}

void TestQuizPage::writesOverItsOwnPageOnly()
{
    QFETCH(QByteArray, there);
    QFETCH(bool, written);
    // In the folder that --html names, as with several files.
    const QString folder = m_folder->filePath(u"pages"_s);
    const QString page = folder + u"/quiz.html"_s;
    QVERIFY(QDir().mkpath(there.isEmpty() ? page : folder));
    const auto run = [&](const QByteArray &quiz) {
        const QString path = m_folder->write(u"quiz.txt"_s, quiz);
        QuizPages pages(folder, false, {path});
        WritePlan plan;
        pages.plan(plan);
        const bool allowed = pages.refusal().isEmpty() && plan.clash().isEmpty();
        if (allowed)
            pages.check(path, [](const QString &) {});
        return allowed;
    };
    if (there == "OWN" || there == "EDITED")
        run("Вес вопроса: 1\nСтарый\nA) a*\n");
    if (there == "EDITED")
        support::writeFile(page, contents(page).toUtf8().replace("</main>", "<p>Мои заметки</p></main>"));
    else if (!there.isEmpty() && there != "OWN")
        support::writeFile(page, there);
    const QString before = contents(page);
    QCOMPARE(run("Вес вопроса: 1\nНовый\nA) a*\n"), written);
    QCOMPARE(contents(page).contains(u"<bdi>Новый</bdi>"_s), written);
    if (!written)
        QCOMPARE(contents(page), before);
}

// Each variant holds every question once, its answers lettered anew with the mark moved along, and a key that
// agrees; an answer that speaks of the others keeps its place; the same file gives the same variants.
void TestQuizPage::variants()
{
    constexpr int Questions = 12;
    QString file = u"Тест\n"_s;
    for (int k = 1; k <= Questions; ++k) {
        file += u"Вес вопроса: 1\nВопрос %1\n"_s.arg(k);
        for (int a = 1; a <= 4; ++a) {
            QString text = u"ответ %1.%2"_s.arg(k).arg(a);
            if (a == 4 && k == 2)
                text = u"Всё перечисленное"_s;
            if (a == 4 && k == 5)
                text = u"верны A и C"_s;
            file += QChar(u'A' + a - 1) + u") "_s + text + (a == k % 4 + 1 ? u"*\n"_s : u"\n"_s);
        }
    }
    const QString page = makePage(file.toUtf8(), u"quiz.txt"_s, 3);
    QCOMPARE(makePage(file.toUtf8(), u"quiz.txt"_s, 3), page);
    QVERIFY(!page.contains(u"<section class=\"pre\">"_s) && !page.contains(u"class=\"f "_s));

    static const QRegularExpression question(u"<section class=\"q\">\n<h2>Question #(\\d+)</h2>\n<div class=\"t\">\n"_s
                                             u"<p><bdi>Вопрос (\\d+)</bdi></p>"_s);
    static const QRegularExpression answer(
        u"<p class=\"o( r)?\">(?:<span[^>]*>[^<]*</span>)*<bdi>([A-D])\\) ([^<]*)"_s);
    static const QRegularExpression key(u"<li><b>(\\d+)\\.</b> ([A-D])</li>"_s);
    const QStringList variants = page.split(u"<article class=\"v v"_s).mid(1);
    QCOMPARE(variants.size(), 3);
    QStringList orders;
    QStringList keys;
    for (const QString &variant : variants) {
        QVERIFY(variant.contains(u"<h1><bdi>Тест</bdi></h1>\n<p class=\"vn\">Variant "_s));
        QVERIFY(variant.contains(u"<div class=\"fields\">"_s));
        QString keyLetters;
        for (const QRegularExpressionMatch &match : key.globalMatch(variant))
            keyLetters += match.captured(2);
        QCOMPARE(keyLetters.size(), Questions);
        QSet<int> seen;
        QStringList order;
        const QStringList sections = variant.split(u"<section class=\"q\">"_s).mid(1);
        QCOMPARE(sections.size(), Questions);
        for (qsizetype place = 0; place < sections.size(); ++place) {
            const QRegularExpressionMatch caption = question.match(u"<section class=\"q\">"_s + sections[place]);
            QVERIFY2(caption.hasMatch(), qPrintable(sections[place]));
            QCOMPARE(caption.captured(1).toInt(), place + 1);
            const int k = caption.captured(2).toInt();
            seen.insert(k);
            order << QString::number(k);
            QString letters;
            QStringList texts;
            for (const QRegularExpressionMatch &match : answer.globalMatch(sections[place])) {
                letters += match.captured(2);
                texts << match.captured(3);
                if (!match.captured(1).isEmpty()) {
                    QCOMPARE(match.captured(3), u"ответ %1.%2"_s.arg(k).arg(k % 4 + 1)); // the mark moved along
                    QCOMPARE(QString(keyLetters.at(place)), match.captured(2));
                }
            }
            QCOMPARE(letters, u"ABCD"_s);
            if (k == 2)
                QCOMPARE(texts.last(), u"Всё перечисленное"_s);
            if (k == 5)
                QCOMPARE(texts, QStringList({u"ответ 5.1"_s, u"ответ 5.2"_s, u"ответ 5.3"_s, u"верны A и C"_s}));
        }
        QCOMPARE(seen.size(), Questions);
        orders << order.join(u' ');
        keys << keyLetters;
    }
    QVERIFY(orders[0] != orders[1] && orders[1] != orders[2]);
    // The order is the file's for good: a reprint after an upgrade still matches the key marked with.
    QCOMPARE(orders[0] + u"; "_s + keys[0], u"2 4 9 8 11 10 6 3 7 5 1 12; BCCDBBBDABDD"_s);
}

void TestQuizPage::answersThatStay_data()
{
    QTest::addColumn<QString>("answer"); // after its letter
    QTest::addColumn<int>("stays");      // 0 moves, 1 keeps its place, 2 keeps its question's answers in place

    QTest::newRow("все ответы верны") << u" все ответы верны"_s << 1;
    QTest::newRow("всё перечисленное") << u" Всё перечисленное."_s << 1;
    QTest::newRow("нет верного ответа") << u" нет верного ответа"_s << 1;
    QTest::newRow("правильного ответа нет") << u" Правильного ответа нет"_s << 1;
    QTest::newRow("верных ответов нет") << u" верных ответов нет"_s << 1;
    QTest::newRow("ни один из") << u" Ни один из перечисленных"_s << 1;
    QTest::newRow("оба") << u" оба"_s << 1;
    QTest::newRow("none of the above") << u" None of the above"_s << 1;
    QTest::newRow("A и B") << u" A и B"_s << 2;
    QTest::newRow("Cyrillic letters") << u" верны а и в"_s << 2;
    QTest::newRow("a list of letters") << u" A, C"_s << 2;
    QTest::newRow("a plain answer") << u" Волга"_s << 0;
    QTest::newRow("all of something") << u" Все реки Европы"_s << 0;
    QTest::newRow("two words joined") << u" Москва и Казань"_s << 0;
    QTest::newRow("a year") << u" в 1147 году"_s << 0;
}

// Which answers keep their place in the variants, whatever the case and the letters they are typed in.
void TestQuizPage::answersThatStay()
{
    QFETCH(QString, answer);
    QFETCH(int, stays);
    QCOMPARE(namesOtherAnswers(answer) ? 2 : refersToOtherAnswers(answer) ? 1 : 0, stays);
}

// However long its lines, a page stays a few times its file's size.
void TestQuizPage::staysSmall()
{
    const QString question = u"Вес вопроса: 1\r\n"_s
                           + u"Какой год основания города Москвы считается общепринятым в науке?\r\n"_s.repeated(30)
                           + u"A) 1147*\r\nB) 1237\r\nC) 1480\r\nD) 1703\r\n\r\n"_s;
    const QByteArray quiz = toWindows1251(question.repeated(1000)); // 2 KB of text each
    makePage(quiz);
    QVERIFY(QFileInfo(pagePath()).size() <= 3 * quiz.size());
    const QByteArray words = u"основания города Москвы в исторической науке "_s.toUtf8();
    const QByteArray line = words.repeated(50 * (1 << 20) / words.size());
    for (const QByteArray &file : {line, "Вес вопроса: 1\n" + line + "\nA) a*\n"}) {
        makePage(file);
        QVERIFY(QFileInfo(pagePath()).size() <= 5 * (1 << 20));
    }
}

// Printed by a real browser, each question stands whole on one page of A4, at 11 pt or more, findings and dropped
// lines left out, and its right answer marked in the answer key only. The key says so at its top and lists the
// answers on one sheet, row by row; the learners' copy has the fields to fill in; each variant starts on a new sheet;
// and without being told, the browser prints none of its own header and footer.
void TestQuizPage::printsInBrowser()
{
#ifdef Q_OS_WIN
    QSKIP("the browser and pdftotext are Linux's (Debian's chromium and poppler-utils)");
#endif
    const QString chromium = QStandardPaths::findExecutable(u"chromium"_s);
    const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
    if (chromium.isEmpty() || pdftotext.isEmpty())
        QSKIP("needs chromium and pdftotext: scripts/install-deps.sh installs them");
    QString file = u"Контрольная работа\n"_s;
    QList<QStringList> questions; // the text lines and the answers' texts each prints
    QString key;
    for (int k = 1; k <= 30; ++k) {
        QStringList printed;
        file += u"Вес вопроса: 1\n"_s + (k % 7 == 0 ? u"Верно ли %1\n"_s.arg(k) : QString());
        for (int line = 1; line <= k % 6 + 1; ++line)
            printed << u"Вопрос %1, строка %2 из текста"_s.arg(k).arg(line);
        file += printed.join(u'\n') + u'\n';
        for (int answer = 0; answer < 4; ++answer) {
            printed << u"ответ %1.%2"_s.arg(k).arg(answer + 1);
            file += QChar(u'A' + answer) + u") "_s + printed.last() + (answer == k % 4 ? u"*\n"_s : u"\n"_s);
        }
        file += u'\n';
        questions << printed;
        key += u"%1. %2 "_s.arg(k).arg(QChar(u'A' + k % 4));
    }
    const auto run = [&](const QString &program, const QStringList &arguments) {
        return support::runProcess(program, arguments, m_folder->path(), QProcessEnvironment::systemEnvironment(),
                                   60000)
            .report();
    };
    struct Print {
        int variants;
        QString copy;
        bool toldNoHeaders;
    };
    for (const Print &print : {Print{0, u"key"_s, true}, Print{0, u"learners"_s, false}, Print{2, u"key"_s, false}}) {
        makePage(file.toUtf8(), u"quiz.txt"_s, print.variants);
        const bool isKey = print.copy == u"key";
        const QString pdf = m_folder->filePath(print.copy + u".pdf"_s);
        QStringList arguments{u"--headless"_s,
                              u"--no-sandbox"_s,
                              u"--disable-gpu"_s,
                              u"--no-first-run"_s,
                              u"--disable-background-networking"_s,
                              u"--disable-component-update"_s,
                              u"--disable-sync"_s,
                              u"--user-data-dir="_s + m_folder->filePath(u"profile"_s),
                              u"--print-to-pdf="_s + pdf,
                              QUrl::fromLocalFile(pagePath()).toString() + u'#' + print.copy};
        if (print.toldNoHeaders)
            arguments << u"--no-pdf-header-footer"_s;
        run(chromium, arguments);
        const QString read = run(pdftotext, {u"-bbox"_s, pdf, u"-"_s});
        QVERIFY2(read.contains(u"<page "_s), qPrintable(read));
        // Each page's words in reading order, and the height of the smallest word of question text.
        static const QRegularExpression word(u"<word xMin=\"[\\d.]+\" yMin=\"([\\d.]+)\" xMax=\"[\\d.]+\" "
                                             u"yMax=\"([\\d.]+)\">([^<]*)</word>"_s);
        QStringList pages;
        double smallest = 100;
        for (const QString &page : read.split(u"<page "_s).mid(1)) {
            QVERIFY2(page.startsWith(u"width=\"594.9"_s) && page.contains(u"height=\"841.9"_s), "A4");
            QString text;
            for (auto words = word.globalMatch(page); words.hasNext();) {
                const QRegularExpressionMatch match = words.next();
                text += match.captured(3) + u' ';
                if (match.captured(3).startsWith(u"Вопрос"_s))
                    smallest = qMin(smallest, match.captured(2).toDouble() - match.captured(1).toDouble());
            }
            pages << text;
        }
        QVERIFY2(pages.size() >= 3, "the questions fill several pages");
        QVERIFY2(smallest >= 12.5, qPrintable(QString::number(smallest))); // DejaVu Sans at 11 pt is 12.8 high
        const QString all = pages.join(QString());
        for (const QStringList &question : questions) {
            const auto holds = [&](const QString &page) {
                return std::all_of(question.begin(), question.end(),
                                   [&](const QString &text) { return page.contains(text + u' '); });
            };
            QVERIFY2(std::count_if(pages.begin(), pages.end(), holds) == qMax(1, print.variants),
                     qPrintable(question.first()));
        }
        QVERIFY(!all.contains(u"Верно"_s) && !all.contains(u"warning"_s) && !all.contains(u"quiz.txt"_s));
        QCOMPARE(all.count(u"✔"_s), isKey ? 30 * qMax(1, print.variants) : 0);
        // The heading: the key's label, the title, the learner's fields; in a page of variants, each one's.
        const QString top = (isKey ? u"ANSWER KEY "_s : QString()) + u"Контрольная работа "_s;
        const QString fields = isKey ? QString() : u"Name: Class: Date: "_s;
        if (print.variants == 0) {
            QVERIFY2(pages.first().startsWith(top + fields + u"Question #1 "_s), qPrintable(pages.first()));
        } else {
            for (int variant = 1; variant <= print.variants; ++variant) {
                const QString heading = top + u"Variant %1 "_s.arg(variant) + fields + u"Question #1 "_s;
                QCOMPARE(std::count_if(pages.begin(), pages.end(),
                                       [&](const QString &page) { return page.startsWith(heading); }),
                         1);
            }
        }
        QCOMPARE(all.contains(u"Name:"_s), !isKey);
        if (isKey && print.variants == 0)
            QCOMPARE(pages.filter(u"Answer key "_s + key).size(), 1);
        if (isKey && print.variants > 0)
            QCOMPARE(pages.filter(QRegularExpression(u"Answer key, variant \\d 1\\. [A-D] 2\\. [A-D] .* 30\\. [A-D]"_s))
                         .size(),
                     2);
        // The page's own footer, and not a word of the browser's.
        for (qsizetype page = 0; page < pages.size(); ++page)
            QVERIFY2(pages[page].contains(u"page %1 of %2 "_s.arg(page + 1).arg(pages.size())),
                     qPrintable(pages[page]));
        QVERIFY(!all.contains(u"file:"_s) && !all.contains(u"Tavrelo"_s));
    }
}

QTEST_GUILESS_MAIN(TestQuizPage)
#include "tst_quiz_page.moc"
