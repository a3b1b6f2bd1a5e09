// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
// The quiz window as it is drawn: what lies in front of the question, long answers, the status bar.
#include "tests/quiz/quiz_fixture.h"
#include "tests/support/encoded_text.h"
#include "tests/support/question_file.h"

#include "platform/controls/status_bar.h"

#include <QApplication>
#include <QImage>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quiztest;
using namespace support;

namespace {

QImage render(QWidget &window)
{
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Where a control lies in its window's picture.
QRect areaOf(const QWidget &control)
{
    return {control.mapTo(control.window(), QPoint()), control.size()};
}

bool isInk(QRgb pixel)
{
    return qGray(pixel) < 128;
}

// The first and the last row of `area` that hold ink; lines of text lie a line spacing apart between them.
std::pair<int, int> inkRows(const QImage &picture, const QRect &area)
{
    std::pair<int, int> rows{area.bottom() + 1, area.top() - 1};
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (isInk(picture.pixel(x, y))) {
                rows = {std::min(rows.first, y), y};
                break;
            }
        }
    }
    return rows;
}

// The smallest rectangle that holds every pixel in which the two pictures differ.
QRect differences(const QImage &a, const QImage &b)
{
    QRect changed;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                changed |= QRect(x, y, 1, 1);
        }
    }
    return changed;
}

// Lines of one word each, longer than the label is wide, which break onto further lines: text across the label's
// whole width.
QStringList questionLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << u"Строка%1"_s.arg(i) + u"ж"_s.repeated(150);
    return lines;
}

const QStringList Answers{u"A) первый*"_s, u"B) второй"_s, u"C) третий"_s, u"D) четвёртый"_s};

// A point inside the frame, right of the question label.
QPoint besideQuestion(QuizWindow &quiz)
{
    const QRect label = areaOf(*quiz.control(u"qQuestion").widget());
    const QRect frame = areaOf(*quiz.control(u"MainFrame").widget());
    return {(label.right() + frame.right()) / 2, label.top() + 2};
}

// The bands of rows of `area` that hold ink, one a line of text, and the rightmost column that does.
struct Ink {
    int bands = 0;
    int right = -1;
};

Ink inkIn(const QImage &picture, const QRect &area)
{
    Ink ink;
    bool inBand = false;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        bool row = false;
        for (int x = area.left(); x <= area.right(); ++x) {
            if (isInk(picture.pixel(x, y))) {
                row = true;
                ink.right = std::max(ink.right, x);
            }
        }
        ink.bands += row && !inBand;
        inBand = row;
    }
    return ink;
}

// Restores the application's palette at the end of a test that changes it.
class PaletteScope final {
public:
    PaletteScope() : m_saved(QApplication::palette()) {}
    ~PaletteScope() { QApplication::setPalette(m_saved); }
    Q_DISABLE_COPY_MOVE(PaletteScope)

private:
    QPalette m_saved;
};

} // namespace

class TestMainWindowPixels final : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { removeDataFile(); }

    void controlsHideTheQuestionBehindThem_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        for (int j = 1; j <= 4; ++j)
            QTest::addRow("answer %d", j) << u"qAnswers"_s << j;
        for (const char *name : {"bCheck", "bPrevious", "qList", "bNext"})
            QTest::newRow(name) << QString::fromLatin1(name) << -1;
    }

    // The same control over a one-line question and over a 40-line one, which runs on behind it.
    void controlsHideTheQuestionBehindThem()
    {
        QFETCH(QString, name);
        QFETCH(int, index);
        writeDataFile(fileLines({{{u"Короткий вопрос"_s}, Answers}, {questionLines(40), Answers}}));
        QuizWindow quiz;
        const QWidget &control = *quiz.control(name, index).widget();
        const QImage picture = render(quiz.window());
        const QImage overShort = picture.copy(areaOf(control));
        // The corner of its rectangle, where neither a caption nor a rounded button face reaches, shows the
        // frame's own colour, as the frame does beside the question.
        QCOMPARE(overShort.pixelColor(overShort.width() - 1, 0), picture.pixelColor(besideQuestion(quiz)));
        MainWindowProbe::ShowQuestion(quiz.window(), 2);
        // The display gives answer buttons the design's width; the layout stretches them again.
        MainWindowProbe::layOut(quiz.window(), quiz.window().Width(), quiz.window().Height());
        const QImage overLong = render(quiz.window()).copy(areaOf(control));
        QCOMPARE(overLong, overShort);
    }

    // A question of one run of 150 letters, wider than the label: as many lines as its width needs, each ending
    // inside the label.
    void questionBreaksARunWiderThanItself()
    {
        writeDataFile(fileLines({{{u"Ж"_s.repeated(150)}, Answers}}));
        QuizWindow quiz;
        const platform::Label &label = *quiz.ui().qQuestion;
        const int perLine = int(label.contentsRect().width() / QFontMetricsF(label.font()).horizontalAdvance(u'Ж'));
        QVERIFY(perLine < 150);
        // Above the answer buttons, which lie in front of the label's lower part.
        QRect area = areaOf(label);
        area.setBottom(areaOf(quiz.answer(1)).top() - 1);
        const Ink ink = inkIn(render(quiz.window()), area);
        QCOMPARE(ink.bands, (150 + perLine - 1) / perLine);
        QVERIFY(ink.right < area.right());
    }

    void everyEncodingDrawsTheSameWindow_data()
    {
        QTest::addColumn<platform::TextEncoding>("encoding");
        for (const auto &[name, encoding] : encodingNames())
            QTest::newRow(name) << encoding;
    }

    // A quiz saved in any encoding that the program reads looks on screen as its Windows-1251 copy does.
    void everyEncodingDrawsTheSameWindow()
    {
        QFETCH(platform::TextEncoding, encoding);
        const QString text = fileLines({{{u"Столица России — это…"_s, u"«Ёлки» ©"_s}, Answers}}).join(u"\r\n"_s);
        writeDataFileBytes(encodeText(text, platform::TextEncoding::Windows1251));
        const QImage expected = render(QuizWindow().window());
        writeDataFileBytes(encodeText(text, encoding));
        QCOMPARE(render(QuizWindow().window()), expected);
    }

    void questionShowsNoBoxOfItsOwn_data()
    {
        QTest::addColumn<QColor>("window"); // invalid: the standard palette
        QTest::newRow("standard palette") << QColor();
        QTest::newRow("blue palette") << QColor(200, 215, 240);
        QTest::newRow("dark palette") << QColor(60, 60, 66);
    }

    // Inside the frame, the label's empty first line and the frame beside the label are one colour.
    void questionShowsNoBoxOfItsOwn()
    {
        QFETCH(QColor, window);
        const PaletteScope restore;
        if (window.isValid()) {
            QPalette palette = QApplication::palette();
            palette.setColor(QPalette::Window, window);
            QApplication::setPalette(palette);
        }
        writeDataFile(fileLines({{{u"Вопрос"_s}, Answers}}));
        QuizWindow quiz;
        const QImage picture = render(quiz.window());
        const QRect label = areaOf(*quiz.control(u"qQuestion").widget());
        const QPoint inLabel(label.left() + 2, label.top() + 2);
        const QPoint besideLabel = besideQuestion(quiz);
        QVERIFY(areaOf(*quiz.control(u"MainFrame").widget()).contains(besideLabel) && !label.contains(besideLabel));
        QCOMPARE(picture.pixelColor(inLabel), picture.pixelColor(besideLabel));
    }

    void longAnswersWrapInsideTheirButton_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("lines");
        QTest::newRow("words") << u"B) Ответ из многих слов, который никак не помещается в одну строку кнопки: "
                                  u"слова идут, пока место на первой строке не кончится"_s
                               << 2;
        QTest::newRow("words past three lines") << u"B) "_s + u"слово "_s.repeated(120) << 3;
        QTest::newRow("one word longer than a line") << u"B) "_s + u"ы"_s.repeated(300) << 3;
    }

    // Against the same window with a short answer, every changed pixel lies inside the answer's button.
    void longAnswersWrapInsideTheirButton()
    {
        QFETCH(QString, answer);
        QFETCH(int, lines);
        const auto withAnswer = [](const QString &b) {
            return fileLines({{{u"Вопрос"_s}, {u"A) первый*"_s, b, u"C) третий"_s, u"D) четвёртый"_s}}});
        };
        writeDataFile(withAnswer(u"B) x"_s));
        QImage shortAnswer;
        {
            QuizWindow quiz;
            shortAnswer = render(quiz.window());
        }
        writeDataFile(withAnswer(answer));
        QuizWindow quiz;
        const QImage longAnswer = render(quiz.window());
        const QRect button = areaOf(*quiz.answer(2).widget());
        QVERIFY(button.contains(differences(shortAnswer, longAnswer)));

        // Past the circle, the caption's text lines, each whole inside the button.
        const QRect caption = button.adjusted(20, 0, 0, 0);
        const auto [first, last] = inkRows(longAnswer, caption);
        QVERIFY(first > button.top() && last < button.bottom());
        QCOMPARE((last - first) / quiz.answer(2).widget()->fontMetrics().lineSpacing() + 1, lines);
    }

    // Each panel's sunken border shows whole, with the bar's own colour around it; the first panel takes the
    // width of its text in the design's font, 1755 twips, the second the rest up to the size grip, 8760.
    void statusBarPanelsLieInsideTheBar()
    {
        writeDataFile(fileLines(numberedQuestions(1)));
        QuizWindow quiz;
        const QWidget &barWidget = *quiz.control(u"StatusBar").widget();
        const QImage bar = render(quiz.window()).copy(areaOf(barWidget));
        const QPalette palette = barWidget.palette();
        const QRgb dark = palette.color(QPalette::Dark).rgb();
        const QRgb light = palette.color(QPalette::Light).rgb();
        const QRgb background = palette.color(QPalette::Window).rgb();

        const int middle = bar.height() / 2;
        QList<int> lefts, rights;
        for (int x = 0; x < bar.width(); ++x) {
            if (bar.pixel(x, middle) == dark)
                lefts << x;
            else if (bar.pixel(x, middle) == light)
                rights << x;
        }
        QCOMPARE(lefts, (QList<int>{0, 117}));
        QCOMPARE(rights, (QList<int>{114, 698}));
        const int grip = bar.width() - bar.height();
        QCOMPARE(15 * (lefts[1] - lefts[0]), 1755);
        QCOMPARE(15 * (grip - lefts[1]), 8760);

        for (int panel = 0; panel < 2; ++panel) {
            const int x = lefts[panel] + 1;
            int top = 0;
            while (top < bar.height() && bar.pixel(x, top) != dark)
                ++top;
            int bottom = bar.height() - 1;
            while (bottom > top && bar.pixel(x, bottom) != light)
                --bottom;
            QVERIFY2(top > 0 && bar.pixel(x, top - 1) == background, "bar colour above the panel");
            QVERIFY2(bottom < bar.height() - 1 && bar.pixel(x, bottom + 1) == background, "bar colour below the panel");
            QVERIFY2(bottom - top + 1 >= barWidget.fontMetrics().height(), "room for a line of text");
        }
    }
};

QTEST_MAIN(TestMainWindowPixels)
#include "tst_main_window_pixels.moc"
