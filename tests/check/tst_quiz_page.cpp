// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/page/quiz_pages.h"
#include "check/user_language.h"

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

// The first fragment that does not stand in the page after the one before it; empty when all do.
QString missingInOrder(const QString &page, const QStringList &fragments)
{
    qsizetype at = 0;
    for (const QString &fragment : fragments) {
        at = page.indexOf(fragment, at);
        if (at < 0)
            return fragment;
        at += fragment.size();
    }
    return {};
}

// A question of `lines` lines of text, as teachers write them.
QString longQuestion(int lines)
{
    return u"Вес вопроса: 1\r\n"_s
         + u"Какой год основания города Москвы считается общепринятым в исторической науке?\r\n"_s.repeated(lines)
         + u"A) 1147*\r\nB) 1237\r\nC) 1480\r\nD) 1703\r\n\r\n"_s;
}

} // namespace

class TestQuizPage : public QObject {
    Q_OBJECT

private slots:
    void init();
    void holds_data();
    void holds();
    void onlyText_data();
    void onlyText();
    void names_data();
    void names();
    void writesOverItsOwnPageOnly_data();
    void writesOverItsOwnPageOnly();
    void size_data();
    void size();
    void printsInBrowser();

private:
    QString pagePath() const { return m_folder->filePath(u"page.html"_s); }
    QString makePage(const QByteArray &file, const QString &name = u"quiz.txt"_s);

    std::optional<support::TestFolder> m_folder;
};

void TestQuizPage::init()
{
    m_folder.emplace();
    useUserLanguage(QLocale(QLocale::English));
}

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

    const auto en = QLocale::English;
    const QString h = u"Вес вопроса: 1\n"_s;
    QTest::newRow("a question as the quiz shows it")
        << h + u"Столица?\nA) Москва*\nB) Казань\n"_s
        << QStringList{u"<p class=\"sum\">1 question loaded, 2 answers, 1 question with a marked answer; 0 errors, "
                       u"0 warnings, 2 notes.</p>"_s,
                       u"<h2 data-n=\"1\">Question #1</h2>"_s,
                       u"<p data-n=\"2\"><bdi>Столица?</bdi></p>"_s,
                       u"<p class=\"o r\" data-n=\"3\"><span class=\"m\" aria-hidden=\"true\">✔</span><span "
                       u"class=\"sr\">right answer: </span><bdi>A) Москва</bdi></p>"_s,
                       u"<p class=\"o\" data-n=\"4\"><bdi>B) Казань</bdi></p>"_s,
                       u"<ol><li>A</li></ol>"_s}
        << en;
    QTest::newRow("text after the answers above them")
        << h + u"Q\nA) a*\nmore\n"_s
        << QStringList{u"<bdi>Q</bdi>"_s, u"<p data-n=\"4\"><bdi>more</bdi>"_s, u"<bdi>A) a</bdi>"_s} << en;
    QTest::newRow("a dropped line greyed where it fell out")
        << h + u"Q1\nВерно\nQ2\nA) a*\n"_s
        << QStringList{u"<bdi>Q1</bdi>"_s,
                       u"<p class=\"x\" data-n=\"3\"><bdi>Верно</bdi><em>dropped: begins with \"Ве\" and is no "
                       u"question header</em></p>"_s,
                       u"<p class=\"f w\"><b>line 3, warning:</b>"_s, u"<bdi>Q2</bdi>"_s}
        << en;
    QTest::newRow("lines before the first question")
        << u"Title\n"_s + h + u"Q\nA) a*\n"_s
        << QStringList{u"<section class=\"pre\">"_s, u"<p class=\"x\" data-n=\"1\"><bdi>Title</bdi></p>"_s,
                       u"<section class=\"q\" id=\"q1\">"_s}
        << en;
    QTest::newRow("a gap: an empty button, the answer past it greyed")
        << h + u"Q\nA) a\nC) c*\n"_s
        << QStringList{u"<p class=\"o\" data-n=\"3\"><bdi>A) a</bdi>"_s,
                       u"<p class=\"o\"><bdi></bdi><span class=\"hint\">an empty button: the file has no answer "
                       u"B</span>"_s,
                       u"<p class=\"x\" data-n=\"4\"><bdi>C) c*</bdi><em>no button shows it: the question has only 2 "
                       u"answer buttons</em>"_s,
                       u"<p class=\"f e\"><b>line 4, error:</b>"_s, u"<ol><li>\u2014</li></ol>"_s}
        << en;
    QTest::newRow("a replaced answer keeps its mark")
        << h + u"Q\nA) a*\nA) b\n"_s
        << QStringList{u"<span class=\"sr\">right answer: </span><bdi>A) b</bdi>"_s,
                       u"<p class=\"x\" data-n=\"3\"><bdi>A) a*</bdi><em>replaced by a later answer A"_s}
        << en;
    QTest::newRow("a blank line at the text's end")
        << h + u"Q\n\nA) a*\n"_s << QStringList{u"<p data-n=\"2\"><bdi>Q</bdi>"_s, u"<p class=\"tb\" data-n=\"3\">"_s}
        << en;
    QTest::newRow("a line too long to read") << h + u"я"_s.repeated(25000) + u"\nA) a*\n"_s
                                             << QStringList{u"я"_s.repeated(20000)
                                                            + u"</bdi> <span class=\"cut\">… "
                                                              u"5000 more characters"_s}
                                             << en;
    QTest::newRow("question 1001") << (h + u"A) a*\n"_s).repeated(1001)
                                   << QStringList{u"<section class=\"nl\">\n<h2>Question #1001 and all that follows"_s}
                                   << en;
    QTest::newRow("in Russian") << h + u"Q\nA) a* \n"_s
                                << QStringList{u"<html lang=\"ru\">"_s, u"Question #1"_s,
                                               u"<b>строка 3, предупреждение:</b>"_s}
                                << QLocale::Russian;
}

// The page shows each question as the quiz shows it, and beside it the lines it came from and what the checker said.
void TestQuizPage::holds()
{
    QFETCH(QString, file);
    QFETCH(QStringList, fragments);
    QFETCH(QLocale::Language, language);
    useUserLanguage(QLocale(language));
    const QString page = makePage(file.toUtf8());
    const QString missing = missingInOrder(page, fragments);
    QVERIFY2(missing.isEmpty(), qPrintable(u"missing: "_s + missing.left(200)));
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
                                      << QString(plain)
                                             .replace(u"&"_s, u"&amp;"_s)
                                             .replace(u"\""_s, u"&quot;"_s)
                                             .replace(u"<"_s, u"&lt;"_s)
                                             .replace(u">"_s, u"&gt;"_s);
    QTest::newRow("NUL and controls") << quiz << u"a\0b\x01\x1B\x7F\tc"_s
                                      << u"a"_s + c(u"␀"_s) + u"b"_s + c(u"␁"_s) + c(u"␛"_s) + c(u"␡"_s) + u"\tc"_s;
    QTest::newRow("C1 control") << quiz << u"a\u0085b"_s << u"a"_s + c(u"U+0085"_s) + u"b"_s;
    QTest::newRow("bidi controls") << quiz << u"\u202Eabc\u2066d\u2069\u202C"_s
                                   << c(u"RLO"_s) + u"abc"_s + c(u"LRI"_s) + u"d"_s + c(u"PDI"_s) + c(u"PDF"_s);
    const QString pairs = u"x"_s + u"😀"_s.repeated(3000); // pairs across the pieces the escaper writes
    QTest::newRow("pairs across pieces") << quiz << pairs << pairs;
    QTest::newRow("file name") << u"<b>&'\u202E.txt"_s << u"q"_s << u"q"_s;
}

// Whatever the file or its name holds shows as text, inside an isolate, and changes nothing of the page around it.
void TestQuizPage::onlyText()
{
    QFETCH(QString, name);
    QFETCH(QString, line);
    QFETCH(QString, shown);
#ifdef Q_OS_WIN
    if (name.contains(u'<'))
        QSKIP("Windows allows no \"<\" in a file's name");
#endif
    const QString page = makePage((u"Вес вопроса: 1\n"_s + line + u"\nA) "_s + line + u"*\n"_s).toUtf8(), name);
    QVERIFY(page.contains(u"<bdi>"_s + shown + u"</bdi>"_s) && page.contains(u"<bdi>A) "_s + shown + u"</bdi>"_s));
    if (name != u"quiz.txt")
        QVERIFY(page.contains(u"<title>&lt;b&gt;&amp;&#39;\uFFFD.txt — Tavrelo</title>"_s)
                && page.contains(u"<h1><bdi>&lt;b&gt;&amp;&#39;<span class=\"c\">RLO</span>.txt</bdi></h1>"_s));
    static const QRegularExpression tag(u"<(?:/|!DOCTYPE )?([a-zA-Z0-9]+)"_s);
    static const QStringList known = u"html head meta title style body div header h1 p nav a main section h2 bdi span "
                                     u"em b ol li footer"_s.split(u' ');
    for (const QRegularExpressionMatch &match : tag.globalMatch(page))
        QVERIFY2(known.contains(match.captured(1)), qPrintable(match.captured()));
    QCOMPARE(page.count(u"</style>"_s), 1);
    for (const QChar ch : page) {
        const char16_t u = ch.unicode();
        QVERIFY2((u >= 0x20 || u == u'\n' || u == u'\t') && (u < 0x7F || u > 0x9F) && !(u >= 0x202A && u <= 0x202E)
                     && !(u >= 0x2066 && u <= 0x2069),
                 qPrintable(QString::number(u, 16)));
    }
}

void TestQuizPage::names_data()
{
    QTest::addColumn<QString>("page"); // "FOLDER" stands for a folder that exists
    QTest::addColumn<bool>("fromExplorer");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("pages");

    const QStringList one{u"a/data.txt"_s};
    QTest::newRow("one file") << u"quiz.html"_s << false << one << QStringList{u"quiz.html"_s};
    QTest::newRow("several files") << u"pages"_s << false << QStringList{u"a/data.txt"_s, u"b/тест 2.txt"_s}
                                   << QStringList{u"pages/data.html"_s, u"pages/тест 2.html"_s};
    QTest::newRow("a folder named") << u"pages/"_s << false << one << QStringList{u"pages/data.html"_s};
    QTest::newRow("a folder there") << u"FOLDER"_s << false << one << QStringList{u"FOLDER/data.html"_s};
    QTest::newRow("from Explorer") << QString() << true << QStringList{u"C:/Мои тесты/тест.1.txt"_s, u"data.txt"_s}
                                   << QStringList{u"C:/Мои тесты/тест.1.html"_s, u"data.html"_s};
    QTest::newRow("from Explorer with --html") << u"quiz.html"_s << true << one << QStringList{u"quiz.html"_s};
    QTest::newRow("no page") << QString() << false << one << QStringList{QString()};
}

void TestQuizPage::names()
{
    QFETCH(QString, page);
    QFETCH(bool, fromExplorer);
    QFETCH(QStringList, files);
    QFETCH(QStringList, pages);
    const QString folder = m_folder->path();
    const QuizPages run(page.replace(u"FOLDER"_s, folder), fromExplorer, files);
    for (qsizetype i = 0; i < files.size(); ++i)
        QCOMPARE(run.pageOf(files[i]), pages[i].replace(u"FOLDER"_s, folder));
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

// In the folder that --html names, as with several files.
void TestQuizPage::writesOverItsOwnPageOnly()
{
    QFETCH(QByteArray, there);
    QFETCH(bool, written);
    const QString folder = m_folder->filePath(u"pages"_s);
    const QString quiz = m_folder->filePath(u"new.txt"_s);
    const QString page = folder + u"/new.html"_s;
    QVERIFY(QDir().mkpath(there.isEmpty() ? page : folder));
    if (there == "OWN") {
        m_folder->write(u"new.txt"_s, "Вес вопроса: 1\nСтарый вопрос\nA) a*\n");
        QuizPages(folder, false, {quiz}).check(quiz, [](const QString &) {});
    } else if (!there.isEmpty()) {
        support::writeFile(page, there);
    }
    const QString before = contents(page);
    m_folder->write(u"new.txt"_s, "Вес вопроса: 1\nНовый вопрос\nA) a*\n");
    QuizPages pages(folder, false, {quiz});
    QCOMPARE(pages.refusal().isEmpty(), written);
    if (written) {
        QCOMPARE(pages.check(quiz, [](const QString &) {}), ExitStatus::Clean);
        QVERIFY(contents(page).contains(u"<bdi>Новый вопрос</bdi>"_s));
    } else {
        QCOMPARE(contents(page), before);
    }
}

void TestQuizPage::size_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<double>("limit"); // times the file's size, or megabytes when above 100

    QString quiz;
    for (int n = 0; n < 1000; ++n)
        quiz += longQuestion(25); // 2 KB of text each
    QTest::newRow("1000 questions of 2 KB") << toWindows1251(quiz) << 3.0;
    const QByteArray words = u"основания города Москвы в исторической науке "_s.toUtf8();
    const QByteArray line = words.repeated(50 * (1 << 20) / words.size());
    QTest::newRow("a line of 50 MB") << line << 5.0 * (1 << 20);
    QTest::newRow("a question of 50 MB") << "Вес вопроса: 1\n" + line + "\nA) a*\n" << 5.0 * (1 << 20);
}

void TestQuizPage::size()
{
    QFETCH(QByteArray, file);
    QFETCH(double, limit);
    makePage(file);
    const double size = double(QFileInfo(pagePath()).size());
    QVERIFY2(size > 0 && size <= (limit > 100 ? limit : limit * double(file.size())),
             qPrintable(QString::number(size)));
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
    for (const QString &copy : {u"key"_s, u"learners"_s}) {
        const QString pdf = m_folder->filePath(copy + u".pdf"_s);
        const QString profile = m_folder->filePath(u"profile"_s);
        const support::ProcessOutcome printed = support::runProcess(
            chromium,
            {u"--headless"_s, u"--no-sandbox"_s, u"--disable-gpu"_s, u"--no-first-run"_s,
             u"--disable-background-networking"_s, u"--disable-component-update"_s, u"--disable-sync"_s,
             u"--user-data-dir="_s + profile, u"--print-to-pdf="_s + pdf, u"--no-pdf-header-footer"_s,
             QUrl::fromLocalFile(pagePath()).toString() + u'#' + copy},
            m_folder->path(), QProcessEnvironment::systemEnvironment(), 60000);
        QVERIFY2(printed.finished && QFileInfo::exists(pdf), qPrintable(printed.report()));
        const support::ProcessOutcome read = support::runProcess(pdftotext, {u"-bbox"_s, pdf, u"-"_s}, m_folder->path(),
                                                                 QProcessEnvironment::systemEnvironment(), 60000);
        QVERIFY2(read.succeeded(), qPrintable(read.report()));

        // Each page's words in reading order, and the height of the smallest word of question text.
        static const QRegularExpression pageStart(u"<page width=\"([\\d.]+)\" height=\"([\\d.]+)\">"_s);
        static const QRegularExpression word(u"<word xMin=\"[\\d.]+\" yMin=\"([\\d.]+)\" xMax=\"[\\d.]+\" "
                                             u"yMax=\"([\\d.]+)\">([^<]*)</word>"_s);
        QStringList pages;
        double smallest = 100;
        for (const QString &page : read.output.split(u"<page "_s).mid(1)) {
            const QRegularExpressionMatch size = pageStart.match(u"<page "_s + page);
            QVERIFY(qAbs(size.captured(1).toDouble() - 595) < 1 && qAbs(size.captured(2).toDouble() - 842) < 1);
            QString text;
            for (const QRegularExpressionMatch &match : word.globalMatch(page)) {
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
