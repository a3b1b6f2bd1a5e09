// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/page/quiz_pages.h"
#include "check/rules/user_language.h"

#include "tests/support/process.h"
#include "tests/support/question_file.h"
#include "tests/support/windows1251.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
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
    void staysSmall();
    void printsInBrowser();

private:
    QString pagePath() const { return m_folder->filePath(u"page.html"_s); }
    QString makePage(const QByteArray &file, const QString &name = u"quiz.txt"_s);

    std::optional<support::TestFolder> m_folder;
};

QString TestQuizPage::makePage(const QByteArray &file, const QString &name)
{
    const QString path = m_folder->write(name, file);
    QuizPages pages(pagePath(), false, {path});
    pages.check(path, [](const QString &) {});
    return contents(pagePath());
}

void TestQuizPage::holds_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("fragments"); // in this order
    QTest::addColumn<QLocale::Language>("language");
    const auto row = [](const char *name, const QString &text, const QStringList &fragments,
                        QLocale::Language language = QLocale::English) {
        QTest::newRow(name) << u"Вес вопроса: 1\n"_s + text << fragments << language;
    };

    row("a question as the quiz shows it", u"Столица?\nA) Москва*\nB) Казань\n"_s,
        {u"<p class=\"sum\">1 question loaded, 2 answers, 1 question with a marked answer; 0 errors, 0 warnings, 2 "
         u"notes.</p>"_s,
         u"<h2 data-n=\"1\">Question #1</h2>"_s, u"<p data-n=\"2\"><bdi>Столица?</bdi></p>"_s,
         u"<p class=\"o r\" data-n=\"3\"><span class=\"m\" aria-hidden=\"true\">✔</span><span class=\"sr\">right "
         u"answer: </span><bdi>A) Москва</bdi></p>"_s,
         u"<p class=\"o\" data-n=\"4\"><bdi>B) Казань</bdi></p>"_s, u"<ol><li>A</li></ol>"_s});
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
        << QLocale::English;
    row("a gap: an empty button, the answer past it greyed", u"Q\nA) a\nC) c*\n"_s,
        {u"<p class=\"o\" data-n=\"3\"><bdi>A) a</bdi>"_s,
         u"<p class=\"o\"><bdi></bdi><span class=\"hint\">an empty button: the file has no answer B</span>"_s,
         u"<p class=\"x\" data-n=\"4\"><bdi>C) c*</bdi><em>no button shows it: the question has only 2 answer "
         u"buttons</em>"_s,
         u"<p class=\"f e\"><b>line 4, error:</b>"_s, u"<ol><li>\u2014</li></ol>"_s});
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
        {u"<html lang=\"ru\">"_s, u"Question #1"_s, u"<b>строка 3, предупреждение:</b>"_s}, QLocale::Russian);
}

// The page shows each question as the quiz shows it, and beside it the lines it came from and what the checker said.
void TestQuizPage::holds()
{
    QFETCH(QString, file);
    QFETCH(QStringList, fragments);
    QFETCH(QLocale::Language, language);
    useUserLanguage(QLocale(language));
    const QString page = makePage(file.toUtf8());
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
                                      << u"a"_s + c(u"␀"_s) + u"b"_s + c(u"␁"_s) + c(u"␛"_s) + c(u"␡"_s) + u"\tc"_s;
    QTest::newRow("C1 control") << quiz << u"a\u0085b"_s << u"a"_s + c(u"U+0085"_s) + u"b"_s;
    QTest::newRow("bidi controls") << quiz << u"\u202Eabc\u2066d\u2069\u202C"_s
                                   << c(u"RLO"_s) + u"abc"_s + c(u"LRI"_s) + u"d"_s + c(u"PDI"_s) + c(u"PDF"_s);
    const QString pairs = u"x"_s + u"😀"_s.repeated(3000); // pairs across the pieces the escaper writes
    QTest::newRow("pairs across pieces") << quiz << pairs << pairs;
    QTest::newRow("file name") << u"&'\u202E.txt"_s << u"q"_s << u"q"_s;
}

// Whatever the file or its name holds shows as text, inside an isolate, and changes nothing of the page around it.
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
                                     u"em b ol li footer"_s.split(u' ');
    for (auto tags = tag.globalMatch(page); tags.hasNext();) {
        const QRegularExpressionMatch match = tags.next();
        QVERIFY2(known.contains(match.captured(1)), qPrintable(match.captured()));
    }
    QCOMPARE(page.count(u"</style>"_s), 1);
    static const QRegularExpression acting(
        u"[\\x00-\\x08\\x0B-\\x1F\\x7F-\\x9F\\x{202A}-\\x{202E}\\x{2066}-\\x{2069}]"_s);
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
}

void TestQuizPage::writesOverItsOwnPageOnly_data()
{
    QTest::addColumn<QByteArray>("there"); // at the page's name; "" for a folder, "OWN" for a page made before
    QTest::addColumn<bool>("written");

    QTest::newRow("its own page") << QByteArray("OWN") << true;
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
        const bool allowed = pages.refusal().isEmpty();
        if (allowed)
            pages.check(path, [](const QString &) {});
        return allowed;
    };
    if (there == "OWN")
        run("Вес вопроса: 1\nСтарый\nA) a*\n");
    else if (!there.isEmpty())
        support::writeFile(page, there);
    const QString before = contents(page);
    QCOMPARE(run("Вес вопроса: 1\nНовый\nA) a*\n"), written);
    QCOMPARE(contents(page).contains(u"<bdi>Новый</bdi>"_s), written);
    if (!written)
        QCOMPARE(contents(page), before);
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
// lines left out, and its right answer marked in the answer key only.
void TestQuizPage::printsInBrowser()
{
#ifdef Q_OS_WIN
    QSKIP("the browser and pdftotext are Linux's (Debian's chromium and poppler-utils)");
#endif
    const QString chromium = QStandardPaths::findExecutable(u"chromium"_s);
    const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
    if (chromium.isEmpty() || pdftotext.isEmpty())
        QSKIP("needs chromium and pdftotext: scripts/install-deps.sh installs them");
    QString file;
    QList<QStringList> questions; // the caption, the text lines and the answers each prints
    for (int k = 1; k <= 30; ++k) {
        QStringList printed{u"Question #%1"_s.arg(k)};
        file += u"Вес вопроса: 1\n"_s + (k % 7 == 0 ? u"Верно ли %1\n"_s.arg(k) : QString());
        for (int line = 1; line <= k % 6 + 1; ++line)
            printed << u"Вопрос %1, строка %2 из текста"_s.arg(k).arg(line);
        for (int answer = 0; answer < 4; ++answer)
            printed << u"%1) ответ %2.%3"_s.arg(QChar(u'A' + answer)).arg(k).arg(answer + 1);
        file += printed.mid(1).join(u'\n') + u"*\n\n"_s;
        questions << printed;
    }
    makePage(file.toUtf8());
    const auto run = [&](const QString &program, const QStringList &arguments) {
        return support::runProcess(program, arguments, m_folder->path(), QProcessEnvironment::systemEnvironment(),
                                   60000)
            .report();
    };
    for (const QString &copy : {u"key"_s, u"learners"_s}) {
        const QString pdf = m_folder->filePath(copy + u".pdf"_s);
        run(chromium, {u"--headless"_s, u"--no-sandbox"_s, u"--disable-gpu"_s, u"--no-first-run"_s,
                       u"--disable-background-networking"_s, u"--disable-component-update"_s, u"--disable-sync"_s,
                       u"--user-data-dir="_s + m_folder->filePath(u"profile"_s), u"--print-to-pdf="_s + pdf,
                       u"--no-pdf-header-footer"_s, QUrl::fromLocalFile(pagePath()).toString() + u'#' + copy});
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
            QVERIFY2(std::count_if(pages.begin(), pages.end(), holds) == 1, qPrintable(question.first()));
        }
        QVERIFY(!all.contains(u"Верно"_s) && !all.contains(u"warning"_s));
        QCOMPARE(all.count(u"✔"_s), copy == u"key" ? 30 : 0);
        QCOMPARE(all.contains(u"Answer key"_s), copy == u"key");
    }
}

QTEST_GUILESS_MAIN(TestQuizPage)
#include "tst_quiz_page.moc"
