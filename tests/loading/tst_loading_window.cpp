// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "loading/loading_window.h"
#include "platform/controls/label.h"
#include "platform/controls/progress_bar.h"
#include "quiz/main_window.h"
#include "tests/support/deferred_delete.h"
#include "tests/support/main_window_probe.h"
#include "tests/support/message_boxes.h"
#include "tests/support/question_file.h"
#include "tests/support/window_checks.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <set>

using namespace Qt::StringLiterals;
using platform::Forms;

namespace {

platform::ProgressBar &bar(LoadingWindow &window)
{
    return support::widget<platform::ProgressBar>(window, u"ProgressBar");
}

struct Settings {
    float min, max, value;
};

QImage picture(QWidget &widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// What the screen shows of a widget as it was last painted, without painting it again.
QImage onScreen(const QWidget &widget)
{
    const QPoint at = widget.mapTo(widget.window(), QPoint(0, 0));
    return widget.screen()
        ->grabWindow(widget.window()->winId(), at.x(), at.y(), widget.width(), widget.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// A hidden bar beside the one watched, alike in size and looks, that draws any settings without touching it.
class ReferenceBar final {
public:
    explicit ReferenceBar(const platform::ProgressBar &watched)
        : m_bar(new platform::ProgressBar(watched.parentWidget()))
    {
        m_bar->setGeometry(watched.geometry());
        m_bar->hide();
    }
    ~ReferenceBar() { delete m_bar; } // gone already when its window has been discarded
    Q_DISABLE_COPY_MOVE(ReferenceBar)

    QImage drawn(const Settings &s)
    {
        m_bar->SetMin(s.min);
        m_bar->SetMax(s.max);
        m_bar->SetValue(s.value);
        return picture(*m_bar);
    }

    // The columns of a bar's middle row that show filled: as when the bar is full, and not as when it is empty.
    int filledColumns(const QImage &bar)
    {
        if (m_full.isNull()) {
            m_empty = drawn({0, 1, 0});
            m_full = drawn({0, 1, 1});
        }
        const int y = bar.height() / 2;
        int filled = 0;
        for (int x = 0; x < bar.width(); ++x)
            filled += m_empty.pixel(x, y) != m_full.pixel(x, y) && bar.pixel(x, y) == m_full.pixel(x, y);
        return filled;
    }

    double filledShare(const QImage &bar) { return double(filledColumns(bar)) / filledColumns(m_full); }

private:
    QPointer<platform::ProgressBar> m_bar;
    QImage m_empty;
    QImage m_full;
};

class PaintCounter final : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// What the screen shows of a bar right after each of its paints: the filter lets the bar paint first, then looks.
class ShownAfterPaints final : public QObject {
public:
    explicit ShownAfterPaints(QWidget &bar) : m_bar(bar) { bar.installEventFilter(this); }
    QList<QImage> pictures;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        watched->event(event); // the bar's own paint, through QObject's public face
        pictures << onScreen(m_bar);
        return true;
    }

private:
    QWidget &m_bar;
};

} // namespace

class TestLoadingWindow final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        Forms<LoadingWindow>::Unload();
        Forms<MainWindow>::Unload();
        support::flushDeferredDeletes();
        support::removeDataFile();
    }

    void design()
    {
        Forms<LoadingWindow>::Show();
        LoadingWindow &window = Forms<LoadingWindow>::get();
        QCOMPARE(window.windowTitle(), u"Loading data..."_s);
        QCOMPARE(window.size(), QSize(394, 114)); // 5910 x 1710 twips
        QVERIFY(support::isFixedDialog(window));
        QVERIFY(support::isCentred(window));
        QCOMPARE(window.font().families().constFirst(), u"Verdana"_s);
        QCOMPARE(window.font().pointSizeF(), 8.25);
        QVERIFY(window.font().bold());

        const auto &label = support::widget<platform::Label>(window, u"Label1");
        QCOMPARE(label.Caption(), u"Importing data. Please wait..."_s);
        QCOMPARE(label.geometry(), QRect(16, 16, 361, 25));
        QCOMPARE(label.font().families().constFirst(), u"Verdana"_s);
        QCOMPARE(label.font().pointSizeF(), 8.25);
        QCOMPARE(label.font().weight(), QFont::Normal);

        platform::ProgressBar &progress = bar(window);
        QCOMPARE(progress.geometry(), QRect(16, 48, 360, 25));
        ReferenceBar reference(progress);
        QCOMPARE(reference.filledColumns(picture(progress)), 0);
    }

    void progressAfterHeaders_data()
    {
        QTest::addColumn<int>("headers");
        QTest::addColumn<double>("share");
        QTest::newRow("one question: empty") << 1 << 0.0;
        QTest::newRow("two questions: half") << 2 << 0.5;
        QTest::newRow("ten questions: nine tenths") << 10 << 0.9;
    }

    // After the n-th header: Min 1, Max n + 1, Value n, so the bar shows (n - 1) / n full.
    void progressAfterHeaders()
    {
        QFETCH(int, headers);
        QFETCH(double, share);
        LoadingWindow &window = Forms<LoadingWindow>::get();
        for (int n = 1; n <= headers; ++n)
            window.updateProgress(static_cast<qint16>(n));
        ReferenceBar reference(bar(window));
        QVERIFY(qAbs(reference.filledShare(picture(bar(window))) - share) < 0.01);
        const float n = static_cast<float>(headers);
        QCOMPARE(picture(bar(window)), reference.drawn({1, n + 1, n}));
    }

    void settingsInAnyOrder_data()
    {
        QTest::addColumn<QString>("steps"); // from the design's Min 0, Max 100, Value 0: nN sets Min, xN Max, vN Value
        QTest::addColumn<double>("share");
        // The loader's first update raises Min above the design's Value before it sets Max and Value; the Value
        // stays as it was, which a wider range shows.
        QTest::newRow("Min raised above Value") << u"n1"_s << 0.0;
        QTest::newRow("Min raised above Value keeps Value") << u"n1 x4 n0"_s << 0.0;
        QTest::newRow("then Max and Value") << u"n1 x2 v1"_s << 0.0;
        QTest::newRow("second question") << u"n1 x2 v1 n1 x3 v2"_s << 0.5;
        QTest::newRow("Value before its range") << u"v2 n1 x3"_s << 0.5;
        QTest::newRow("Value above Max") << u"v150"_s << 1.0;
        QTest::newRow("Value above Max is kept") << u"v150 x300"_s << 0.5;
        QTest::newRow("Max below Min") << u"v4 n5 x3"_s << 0.0;
        QTest::newRow("Max below Min, then a range again") << u"v4 n5 x3 n3 x5"_s << 0.5;
        QTest::newRow("fractions") << u"n0.5 x1.5 v1.25"_s << 0.75;
    }

    // Min, Max and Value may be set in any order: a range that does not (yet) hold the value is no error; the bar
    // keeps the value it was given and draws the share clamped to empty or full.
    void settingsInAnyOrder()
    {
        QFETCH(QString, steps);
        QFETCH(double, share);
        platform::ProgressBar &progress = bar(Forms<LoadingWindow>::get());
        for (const QString &step : steps.split(u' ')) {
            const float number = step.mid(1).toFloat();
            if (step.startsWith(u'n'))
                progress.SetMin(number);
            else if (step.startsWith(u'x'))
                progress.SetMax(number);
            else
                progress.SetValue(number);
        }
        ReferenceBar reference(progress);
        QVERIFY(qAbs(reference.filledShare(picture(progress)) - share) < 0.01);
    }

    void loaderSettingsPerHeader_data()
    {
        QTest::addColumn<int>("headers");
        QTest::newRow("no header") << 0;
        QTest::newRow("one header") << 1;
        QTest::newRow("two headers") << 2;
        QTest::newRow("ten headers") << 10;
    }

    // Through the real loader: the window is loaded beforehand so its bar can be looked at once the file is read.
    void loaderSettingsPerHeader()
    {
        QFETCH(int, headers);
        QStringList lines{u"Title line"_s, u"Ведущая строка"_s};
        lines << support::fileLines(support::numberedQuestions(headers));
        support::writeDataFile(lines);

        QPointer<LoadingWindow> window = &Forms<LoadingWindow>::get();
        const ShownAfterPaints shown(bar(*window));
        const support::MessageBoxRecorder recorder;
        Forms<MainWindow>::Load();

        QVERIFY(window); // unloading waits for the handler to return before the window is discarded
        platform::ProgressBar &progress = bar(*window);
        ReferenceBar reference(progress);
        const float n = static_cast<float>(headers);
        QVERIFY(qAbs(reference.filledShare(picture(progress)) - (headers == 0 ? 0 : (n - 1) / n)) < 0.01);
        // The bar moved on screen while the file was read: every header's share was shown, in order.
        QList<int> shownColumns;
        for (const QImage &picture : shown.pictures)
            shownColumns << reference.filledColumns(picture);
        QVERIFY(std::is_sorted(shownColumns.begin(), shownColumns.end()));
        for (int header = 1; header < headers; ++header) {
            const float k = static_cast<float>(header);
            QVERIFY2(shownColumns.contains(reference.filledColumns(reference.drawn({1, k + 1, k}))),
                     qPrintable(u"header %1 never shown"_s.arg(header)));
        }
        QVERIFY(window->isHidden());
        QVERIFY(Forms<MainWindow>::get().isEnabled());
        QVERIFY(recorder.messages().isEmpty());
        QCOMPARE(support::loadedWindows<LoadingWindow>(), 0);
        QVERIFY(!window);
    }

    void missingFileMessageWhileWindowShown()
    {
        support::removeDataFile();
        int boxes = 0;
        const support::MessageBoxRecorder recorder([&](const support::Message &message) {
            ++boxes;
            QCOMPARE(message.text, u"Data file not found"_s);
            QCOMPARE(message.icon, platform::MessageIcon::Critical);
            QCOMPARE(message.title, u"Tavrelo"_s);
            QVERIFY(Forms<LoadingWindow>::get().isVisible());
            QVERIFY(!Forms<MainWindow>::get().isEnabled());
        });
        Forms<MainWindow>::Load();
        QCOMPARE(boxes, 1);
        QCOMPARE(support::loadedWindows<LoadingWindow>(), 0);
        QVERIFY(Forms<MainWindow>::get().isEnabled());
        QCOMPARE(MainWindowProbe::QuestionCount(Forms<MainWindow>::get()), 0);
    }

    // The loader never returns to the event loop, so the window has to be paintable the moment Show returns.
    void exposedRightAfterShow()
    {
        Forms<LoadingWindow>::Show();
        LoadingWindow &window = Forms<LoadingWindow>::get();
        QVERIFY(window.windowHandle());
        QVERIFY(window.windowHandle()->isExposed());
        PaintCounter counter;
        bar(window).installEventFilter(&counter);
        window.updateProgress(2);
        QCOMPARE(counter.paints, 1);
    }

    // The screen shows every change of the drawn width at once, yet the bar is not painted once per header: the
    // largest file must not be slowed down by the window.
    void repaintsOnlyWhenWorthwhile()
    {
        Forms<LoadingWindow>::Show();
        LoadingWindow &window = Forms<LoadingWindow>::get();
        platform::ProgressBar &progress = bar(window);
        ReferenceBar reference(progress);
        PaintCounter counter;
        progress.installEventFilter(&counter);
        std::set<int> shownWidths;
        QElapsedTimer clock;
        clock.start();
        for (int n = 1; n <= 1000; ++n) {
            window.updateProgress(static_cast<qint16>(n));
            const int shown = reference.filledColumns(onScreen(progress));
            const float header = static_cast<float>(n);
            QCOMPARE(shown, reference.filledColumns(reference.drawn({1, header + 1, header})));
            shownWidths.insert(shown);
        }
        const qint64 elapsed = clock.elapsed();
        QVERIFY2(shownWidths.size() > 10, "the bar should be wide enough to show progress");
        // The empty bar of the first header was already painted when the window was shown.
        const qint64 allowed = qint64(shownWidths.size()) + elapsed / platform::ProgressBar::RepaintIntervalMs;
        const QString counts = u"%1 paints for %2 widths in %3 ms"_s.arg(counter.paints).arg(shownWidths.size());
        QVERIFY2(counter.paints <= allowed, qPrintable(counts.arg(elapsed)));
        QVERIFY(counter.paints < 1000); // fewer paints than headers, however slow the machine
    }

    // A paint of part of the bar in between, such as an expose, leaves no column of the former width on screen.
    void partialPaintLeavesNoStaleColumns()
    {
        Forms<LoadingWindow>::Show();
        platform::ProgressBar &progress = bar(Forms<LoadingWindow>::get());
        ReferenceBar reference(progress);
        const auto shownAt = [&](float value) { return reference.filledColumns(reference.drawn({0, 100, value})); };
        progress.SetValue(10);
        QTRY_COMPARE(reference.filledColumns(onScreen(progress)), shownAt(10));
        progress.SetValue(50);                                           // its repaint waits for the event loop
        progress.repaint(progress.width() - 1, 0, 1, progress.height()); // the right edge alone, before that
        QTRY_COMPARE(reference.filledColumns(onScreen(progress)), shownAt(50));
    }
};

QTEST_MAIN(TestLoadingWindow)
#include "tst_loading_window.moc"
