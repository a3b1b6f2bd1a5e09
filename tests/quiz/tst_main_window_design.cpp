// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
// The quiz window as designed, and how its controls follow the window's size.
#include "tests/quiz/quiz_fixture.h"
#include "tests/support/deferred_delete.h"
#include "tests/support/question_file.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quiztest;
using namespace support;

namespace {

struct Rect {
    float left, top, width, height;
};

Rect rect(const platform::Control &c)
{
    return {c.Left(), c.Top(), c.Width(), c.Height()};
}

bool operator==(const Rect &a, const Rect &b)
{
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

char *toString(const Rect &r)
{
    return QTest::toString(u"(%1, %2, %3, %4)"_s.arg(r.left).arg(r.top).arg(r.width).arg(r.height));
}

// Outer size in twips for a client area in pixels.
void resizeToOuter(MainWindow &w, float W, float H)
{
    w.resize(qRound((W - 120) / 15), qRound((H - 405) / 15));
}

} // namespace

Q_DECLARE_METATYPE(Rect)

class TestMainWindowDesign final : public QObject {
    Q_OBJECT

private slots:
    void init() { writeDataFile(fileLines(numberedQuestions(3))); }
    void cleanup() { removeDataFile(); }

    void window()
    {
        QuizWindow quiz;
        MainWindow &w = quiz.window();
        QCOMPARE(w.windowTitle(), u"Tavrelo"_s);
        QCOMPARE(w.size(), QSize(721, 584)); // 10815 x 8760 twips
        QCOMPARE(w.Width(), 10935.0f);
        QCOMPARE(w.Height(), 9165.0f);
        QVERIFY(w.font().families().startsWith(u"Verdana"_s));
        QCOMPARE(w.font().pointSizeF(), 8.25);
        QCOMPARE(w.font().weight(), QFont::Normal);
        // A normal window, sizable, with minimise and maximise buttons.
        QCOMPARE(w.windowType(), Qt::Window);
        QVERIFY(w.windowFlags().testFlag(Qt::WindowMinimizeButtonHint)
                && w.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!w.windowFlags().testFlag(Qt::MSWindowsFixedSizeDialogHint));
        QVERIFY(w.minimumSize() != w.maximumSize());
    }

    // Centred on the screen's free area where it fits; a screen too low for it gets its title bar at the top.
    void placedOnScreen()
    {
        QuizWindow quiz;
        MainWindow &w = quiz.window();
        const QRect area = w.screen()->availableGeometry();
        const QSize outer(qRound(w.Width() / 15), qRound(w.Height() / 15));
        const QRect placed(w.frameGeometry().topLeft(), outer);
        QVERIFY(area.width() >= outer.width());
        QVERIFY(qAbs(placed.center().x() - area.center().x()) <= 1);
        if (area.height() >= outer.height())
            QVERIFY(qAbs(placed.center().y() - area.center().y()) <= 1);
        else
            QCOMPARE(placed.top(), area.top());
    }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<Rect>("design");
        QTest::addColumn<qreal>("pointSize");
        QTest::addColumn<bool>("bold");

        const auto row = [](const char *name, const char *container, const QString &caption, Rect r, qreal pt = 8.25,
                            bool bold = false) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(container) << caption << r << pt
                                << bold;
        };
        row("showMessage", "MainWindow", u"Выводить окно после ответа на вопрос"_s, {120, 120, 4095, 255});
        row("showRight", "MainWindow", u"Показывать правильные ответы"_s, {120, 480, 3255, 255});
        row("MainFrame", "MainWindow", u"Question #1"_s, {120, 960, 10575, 7335});
        row("bNext", "MainFrame", u">>"_s, {9960, 6840, 495, 315});
        row("qList", "MainFrame", QString(), {9000, 6840, 870, 315});
        row("bPrevious", "MainFrame", u"<<"_s, {8400, 6840, 495, 315});
        row("bCheck", "MainFrame", u"Я прав?"_s, {240, 6840, 1695, 375});
        row("qQuestion", "MainFrame", u"\r\nQuestion 1"_s, {240, 480, 9975, 2535}, 9.75);
        row("LabelRate", "MainWindow", u"0%"_s, {9840, 120, 855, 375}, 12, true);
        row("LabelWrong", "MainWindow", u"Неправильных: 0"_s, {7680, 600, 2895, 375}, 9.75, true);
        row("LabelRight", "MainWindow", u"Правильных: 0"_s, {4560, 600, 2895, 255}, 9.75, true);
        row("LabelTotal", "MainWindow", u"Ответов всего: "_s, {4560, 120, 5055, 255}, 9.75, true);
    }

    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QString, caption);
        QFETCH(Rect, design);
        QFETCH(qreal, pointSize);
        QFETCH(bool, bold);

        // Before the window is first laid out, every control stands where the design puts it.
        MainWindow &w = platform::Forms<MainWindow>::get();
        const platform::Control &c = MainWindowProbe::control(w, name);
        QCOMPARE(rect(c), design);
        QCOMPARE(c.widget()->geometry(), QRect(qRound(design.left / 15), qRound(design.top / 15),
                                               qRound(design.width / 15), qRound(design.height / 15)));
        const QWidget *parent = c.widget()->parentWidget();
        QCOMPARE(parent == &w ? u"MainWindow"_s : parent->objectName(), container);
        QCOMPARE(MainWindowProbe::caption(w, name), caption);
        QCOMPARE(c.widget()->font().pointSizeF(), pointSize);
        QCOMPARE(c.widget()->font().bold(), bold);
        QVERIFY(c.widget()->font().families().startsWith(u"Verdana"_s));
        QVERIFY(c.Visible());
        if (auto *label = qobject_cast<QLabel *>(c.widget())) {
            QCOMPARE(label->textFormat(), Qt::PlainText);
            QVERIFY(label->autoFillBackground());
            // Assistive technology reads a label's current text.
            QAccessibleInterface *a = QAccessible::queryAccessibleInterface(label);
            QVERIFY(a);
            QCOMPARE(a->text(QAccessible::Name), label->text());
        }
        platform::Forms<MainWindow>::Unload();
        support::flushDeferredDeletes();
    }

    void colours()
    {
        QuizWindow quiz;
        const auto text = [&](QStringView name) {
            return quiz.control(name).widget()->palette().color(QPalette::WindowText);
        };
        QCOMPARE(text(u"LabelWrong"), QColor(192, 0, 0));
        QCOMPARE(text(u"LabelRight"), QColor(0, 128, 0));
        QCOMPARE(text(u"LabelTotal"), quiz.window().palette().color(QPalette::WindowText));
    }

    // The desktop's 3D-highlight colour, white in the standard colours: on screen, the rate is drawn in white.
    void rateIsWhiteInTheStandardColours()
    {
        const QPalette saved = QApplication::palette();
        QApplication::setPalette(QApplication::style()->standardPalette());
        QuizWindow quiz;
        QWidget &rate = *quiz.control(u"LabelRate").widget();
        QCOMPARE(rate.palette().color(QPalette::WindowText), QColor(Qt::white));
        const QImage picture = rate.grab().toImage().convertToFormat(QImage::Format_RGB32);
        int white = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x)
                white += picture.pixel(x, y) == qRgb(255, 255, 255);
        }
        QApplication::setPalette(saved);
        QVERIFY2(white > 20, "the text \"0%\" in white");
    }

    void hiddenPatternAndCheckBoxes()
    {
        QuizWindow quiz;
        const platform::OptionButton &pattern = quiz.ui().qAnswers(0);
        QVERIFY(!pattern.Visible());
        QCOMPARE(pattern.Caption(), QString());
        QCOMPARE(rect(pattern), (Rect{360, 3360, 9975, 375}));
        QVERIFY(!quiz.ui().showMessage->Value());
        QVERIFY(!quiz.ui().showRight->Value());
        // The first layout, when the window is first shown, has already stretched the answer buttons.
        for (int j = 1; j <= 4; ++j) {
            QCOMPARE(quiz.answer(j).Width(), 9935.0f);
            QCOMPARE(quiz.answer(j).widget()->width(), 662);
        }
        // Answer buttons are made from the pattern: same container and font.
        QCOMPARE(quiz.answer(1).widget()->parentWidget(), pattern.widget()->parentWidget());
        QCOMPARE(quiz.answer(4).widget()->font(), pattern.widget()->font());
        // Buttons lie in front of the question label, whose lower part they cover.
        const QWidget *frame = pattern.widget()->parentWidget();
        QCOMPARE(frame->childAt(quiz.answer(1).widget()->geometry().center()), quiz.answer(1).widget());
    }

    void tabOrder()
    {
        QuizWindow quiz;
        const QStringList expected{u"qAnswers(0)"_s, u"qAnswers(1)"_s, u"qAnswers(2)"_s, u"qAnswers(3)"_s,
                                   u"qAnswers(4)"_s, u"bCheck"_s,      u"showRight"_s,   u"showMessage"_s,
                                   u"bPrevious"_s,   u"qList"_s,       u"bNext"_s};
        QStringList chain;
        QWidget *start = quiz.control(u"qAnswers", 0).widget();
        QWidget *w = start;
        do {
            if (expected.contains(w->objectName()) && !chain.contains(w->objectName()))
                chain << w->objectName();
            w = w->nextInFocusChain();
        } while (w != start);
        QCOMPARE(chain, expected);
        for (const char *name : {"MainFrame", "qQuestion", "LabelTotal", "LabelRate", "StatusBar"})
            QCOMPARE(quiz.control(QString::fromLatin1(name)).widget()->focusPolicy(), Qt::NoFocus);
    }

    // The panels as the bar shows them: their texts and widths, the last one reaching the size grip.
    void statusBar()
    {
        QuizWindow quiz;
        QWidget &bar = *quiz.ui().StatusBar->widget();
        const QList<QLabel *> panels = bar.findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly);
        QCOMPARE(panels.size(), 2);
        QCOMPARE(panels[0]->text(), u"Tavrelo 1.0.0 "_s);
        QCOMPARE(panels[1]->text(), QString());
        // Each panel takes its width and the gap before the next one.
        const auto spans = [&] {
            const int gap = panels[1]->x() - panels[0]->x() - panels[0]->width();
            return QList<int>{15 * (panels[1]->x() - panels[0]->x()), 15 * (panels[1]->width() + gap)};
        };
        // At the start size: the text's width in the design's font, and the rest up to the size grip.
        QCOMPARE(spans(), (QList<int>{1755, 8760}));
        const auto docked = [&] {
            QCOMPARE(bar.geometry(), QRect(0, quiz.window().height() - 20, quiz.window().width(), 20));
            QCOMPARE(panels[0]->x(), 0);
            QCOMPARE(15 * panels[1]->x() + spans()[1], 15 * (bar.width() - bar.height()));
        };
        docked();
        quiz.window().resize(900, 700);
        docked();
        QCOMPARE(spans()[0], 1755);
        quiz.window().resize(150, 700);
        QCOMPARE(spans()[1], 1440); // never narrower, even when the bar is
    }

    void layoutWorkedExample()
    {
        QuizWindow quiz;
        MainWindow &w = quiz.window();
        resizeToOuter(w, 12000, 10000);
        resizeToOuter(w, 10935, 9165);
        QCOMPARE(w.Width(), 10935.0f);
        QCOMPARE(w.Height(), 9165.0f);
        QCOMPARE(rect(quiz.control(u"MainFrame")), (Rect{120, 960, 10585, 7440}));
        QCOMPARE(rect(quiz.control(u"qQuestion")), (Rect{240, 480, 9935, 6930}));
        QCOMPARE(rect(quiz.control(u"bCheck")), (Rect{360, 6990, 1695, 375}));
        QCOMPARE(rect(quiz.control(u"bPrevious")), (Rect{8400, 6990, 495, 315}));
        QCOMPARE(rect(quiz.control(u"qList")), (Rect{9000, 6990, 870, 315}));
        QCOMPARE(rect(quiz.control(u"bNext")), (Rect{9960, 6990, 495, 315}));
        for (int i = 1; i <= 4; ++i)
            QCOMPARE(rect(quiz.answer(i)), (Rect{360, 3995.0f + 720 * (i - 1), 9935, 750}));
        QCOMPARE(quiz.control(u"LabelTotal").Left(), 4560.0f);
        QCOMPARE(quiz.control(u"LabelRight").Left(), 4560.0f);
        QCOMPARE(quiz.control(u"LabelWrong").Left(), 7680.0f);
        QCOMPARE(quiz.control(u"LabelRate").Left(), 9840.0f);
        QCOMPARE(rect(quiz.control(u"showRight")), (Rect{120, 480, 3255, 255}));
        // What the rule does not name keeps its design values.
        QCOMPARE(quiz.control(u"LabelRate").Top(), 120.0f);
        QCOMPARE(rect(quiz.control(u"qAnswers", 0)), (Rect{360, 3360, 9975, 375}));
    }

    void thresholds_data()
    {
        QTest::addColumn<float>("W");
        QTest::addColumn<float>("H");
        QTest::addColumn<bool>("laidOut");
        QTest::newRow("width at 4770") << 4770.0f << 9165.0f << false;
        QTest::newRow("height at 2235") << 10935.0f << 2235.0f << false;
        QTest::newRow("both at threshold") << 4770.0f << 2235.0f << false;
        QTest::newRow("smallest laid out") << 4785.0f << 2250.0f << true;
        QTest::newRow("just above width") << 4770.5f << 9165.0f << true;
    }

    void thresholds()
    {
        QFETCH(float, W);
        QFETCH(float, H);
        QFETCH(bool, laidOut);
        QuizWindow quiz;
        const Rect frame = rect(quiz.control(u"MainFrame"));
        MainWindowProbe::layOut(quiz.window(), W, H);
        if (laidOut) {
            QCOMPARE(rect(quiz.control(u"MainFrame")), (Rect{120, 960, W - 350, H - 1725}));
            QCOMPARE(quiz.control(u"qQuestion").Height(), H - 2235);
        } else {
            QCOMPARE(rect(quiz.control(u"MainFrame")), frame);
        }
    }

    void realResizeAtThresholdMovesNothing()
    {
        QuizWindow quiz;
        MainWindow &w = quiz.window();
        const Rect frame = rect(quiz.control(u"MainFrame"));
        resizeToOuter(w, 4770, 5000);
        QCOMPARE(w.Width(), 4770.0f);
        QCOMPARE(rect(quiz.control(u"MainFrame")), frame);
        resizeToOuter(w, 4785, 2250);
        QCOMPARE(quiz.control(u"qQuestion").Height(), 15.0f);
    }

    void narrowWindowPutsLabelsOffTheEdge()
    {
        QuizWindow quiz;
        MainWindowProbe::layOut(quiz.window(), 5000, 9165);
        QCOMPARE(quiz.control(u"LabelTotal").Left(), -1375.0f);
        QCOMPARE(quiz.control(u"LabelRight").Left(), -1375.0f);
        QCOMPARE(quiz.control(u"LabelTotal").widget()->x(), qRound(-1375 / 15.0));
    }

    void widerAnswersUntilNextDisplay()
    {
        QuizWindow quiz;
        MainWindow &w = quiz.window();
        resizeToOuter(w, 15000, 9165);
        QCOMPARE(w.Width(), 15000.0f);
        for (int i = 1; i <= 4; ++i)
            QCOMPARE(quiz.answer(i).Width(), 14000.0f);
        quiz.click(u"bNext");
        for (int i = 1; i <= 4; ++i)
            QCOMPARE(quiz.answer(i).Width(), 9975.0f);
    }

    void tallerWindowMovesTheAnswerColumn()
    {
        QuizWindow quiz;
        MainWindow &w = quiz.window();
        resizeToOuter(w, 10935, 12165);
        quiz.click(u"bNext");
        for (int i = 1; i <= 4; ++i)
            QCOMPARE(quiz.answer(i).Top(), 12165.0f - 5170 + 720 * (i - 1));
    }

    void hiddenButtonsKeepTheirPlace()
    {
        writeDataFile(fileLines(
            {{{u"four"_s}, {u"A) 1"_s, u"B) 2"_s, u"C) 3"_s, u"D) 4"_s}}, {{u"two"_s}, {u"A) 1"_s, u"B) 2"_s}}}));
        QuizWindow quiz;
        MainWindow &w = quiz.window();
        quiz.click(u"bNext");
        const Rect fourth = rect(quiz.answer(4));
        resizeToOuter(w, 13020, 11010);
        QCOMPARE(rect(quiz.answer(4)), fourth);
        QCOMPARE(quiz.answer(4).Caption(), u"D) 4"_s);
        QCOMPARE(quiz.answer(1).Width(), 12020.0f);
    }

    void minimisedWindowMovesNothing()
    {
        QuizWindow quiz;
        MainWindow &w = quiz.window();
        const Rect frame = rect(quiz.control(u"MainFrame"));
        w.showMinimized();
        QVERIFY(w.isMinimized());
        resizeToOuter(w, 13000, 11000);
        QCOMPARE(rect(quiz.control(u"MainFrame")), frame);
        w.showNormal();
        QVERIFY(!w.isMinimized());
        QCOMPARE(rect(quiz.control(u"MainFrame")), (Rect{120, 960, w.Width() - 350, w.Height() - 1725}));
    }
};

QTEST_MAIN(TestMainWindowDesign)
#include "tst_main_window_design.moc"
