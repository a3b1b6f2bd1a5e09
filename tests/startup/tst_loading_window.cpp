// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/message_box.h"
#include "platform/plain_label.h"
#include "platform/progress_bar.h"
#include "quiz/main_window.h"
#include "startup/loading_window.h"
#include "tests/support/deferred_delete.h"
#include "tests/support/main_window_probe.h"
#include "tests/support/question_file.h"
#include "tests/support/windows.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTest>
#include <QWindow>

#include <set>

using namespace Qt::StringLiterals;
using platform::Forms;

namespace {

platform::ProgressBar &bar(dData &window)
{
    return support::Widget<platform::ProgressBar>(window, u"ProgressBar");
}

// Every setting of the bar, in the order it happened, as "Min 1", "Max 2", "Value 1".
class SettingLog final {
public:
    explicit SettingLog(platform::ProgressBar &bar)
    {
        QObject::connect(&bar, &platform::ProgressBar::minChanged, &m_context,
                         [this](float v) { m_entries << u"Min %1"_s.arg(v); });
        QObject::connect(&bar, &platform::ProgressBar::maxChanged, &m_context,
                         [this](float v) { m_entries << u"Max %1"_s.arg(v); });
        QObject::connect(&bar, &platform::ProgressBar::valueChanged, &m_context,
                         [this](float v) { m_entries << u"Value %1"_s.arg(v); });
    }
    const QStringList &entries() const { return m_entries; }

private:
    QObject m_context;
    QStringList m_entries;
};

// What the loader must set after each of the first n headers.
QStringList expectedSettings(int headers)
{
    QStringList settings;
    for (int n = 1; n <= headers; ++n)
        settings << u"Min 1"_s << u"Max %1"_s.arg(n + 1) << u"Value %1"_s.arg(n);
    return settings;
}

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

} // namespace

class TestLoadingWindow final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        Forms<dData>::Unload();
        Forms<MainWindow>::Unload();
        support::FlushDeferredDeletes();
        support::RemoveDataFile();
    }

    void design()
    {
        Forms<dData>::Show();
        dData &window = Forms<dData>::Get();
        QCOMPARE(window.windowTitle(), u"Loading data..."_s);
        QCOMPARE(window.size(), QSize(394, 114)); // 5910 x 1710 twips
        QVERIFY(support::IsFixedDialog(window));
        QVERIFY(support::IsCentred(window));
        QCOMPARE(window.font().families().constFirst(), u"Verdana"_s);
        QCOMPARE(window.font().pointSizeF(), 8.25);
        QVERIFY(window.font().bold());

        const auto &label = support::Widget<platform::PlainLabel>(window, u"Label1");
        QCOMPARE(label.Text(), u"Importing data. Please wait..."_s);
        QCOMPARE(label.geometry(), QRect(16, 16, 361, 25));
        QCOMPARE(label.font().families().constFirst(), u"Verdana"_s);
        QCOMPARE(label.font().pointSizeF(), 8.25);
        QCOMPARE(label.font().weight(), QFont::Normal);

        platform::ProgressBar &progress = bar(window);
        QCOMPARE(progress.geometry(), QRect(16, 48, 360, 25));
        QCOMPARE(progress.Min(), 0.0f);
        QCOMPARE(progress.Max(), 100.0f);
        QCOMPARE(progress.Value(), 0.0f);
    }

    void progressAfterHeaders_data()
    {
        QTest::addColumn<int>("headers");
        QTest::addColumn<float>("max");
        QTest::addColumn<double>("share");
        QTest::newRow("one question: empty") << 1 << 2.0f << 0.0;
        QTest::newRow("two questions: half") << 2 << 3.0f << 0.5;
        QTest::newRow("ten questions: nine tenths") << 10 << 11.0f << 0.9;
    }

    void progressAfterHeaders()
    {
        QFETCH(int, headers);
        QFETCH(float, max);
        QFETCH(double, share);
        dData &window = Forms<dData>::Get();
        for (int n = 1; n <= headers; ++n)
            window.UpdateProgress(static_cast<qint16>(n));
        QCOMPARE(bar(window).Min(), 1.0f);
        QCOMPARE(bar(window).Max(), max);
        QCOMPARE(bar(window).Value(), static_cast<float>(headers));
        QCOMPARE(bar(window).FilledShare(), share);
    }

    // The first update raises Min to 1 while Value still stands at its design 0: no error, and the bar keeps
    // the value it was given and draws empty until the range holds it.
    void firstUpdateRaisesMinAboveValue()
    {
        dData &window = Forms<dData>::Get();
        QCOMPARE(bar(window).Value(), 0.0f);
        QCOMPARE(bar(window).FilledShare(), 0.0);
        float valueWhenMinSet = -1;
        double shareWhenMinSet = -1;
        QObject context;
        connect(&bar(window), &platform::ProgressBar::minChanged, &context, [&](float) {
            valueWhenMinSet = bar(window).Value();
            shareWhenMinSet = bar(window).FilledShare();
        });
        const SettingLog log(bar(window));
        window.UpdateProgress(1);
        QCOMPARE(log.entries(), expectedSettings(1));
        QCOMPARE(valueWhenMinSet, 0.0f);
        QCOMPARE(shareWhenMinSet, 0.0);
    }

    void loaderSettingsPerHeader_data()
    {
        QTest::addColumn<int>("headers");
        QTest::newRow("no header") << 0;
        QTest::newRow("one header") << 1;
        QTest::newRow("two headers") << 2;
        QTest::newRow("ten headers") << 10;
    }

    // Through the real loader: the window is loaded beforehand so its bar can be watched while the file loads.
    void loaderSettingsPerHeader()
    {
        QFETCH(int, headers);
        QStringList lines{u"Title line"_s, u"Ведущая строка"_s};
        lines << support::FileLines(support::NumberedQuestions(headers));
        support::WriteDataFile(lines);

        QPointer<dData> window = &Forms<dData>::Get();
        const SettingLog log(bar(*window));
        const platform::MessageBoxRecorder recorder;
        Forms<MainWindow>::Load();

        QCOMPARE(log.entries(), expectedSettings(headers));
        QVERIFY(!Forms<dData>::IsLoaded());
        QVERIFY(window); // unloading waits for the handler to return before the window is discarded
        QCOMPARE(bar(*window).FilledShare(), headers == 0 ? 0.0 : (headers - 1.0) / headers);
        QVERIFY(window->isHidden());
        QVERIFY(Forms<MainWindow>::Get().Enabled());
        QVERIFY(recorder.messages().isEmpty());
        support::FlushDeferredDeletes();
        QVERIFY(!window);
    }

    void missingFileMessageWhileWindowShown()
    {
        support::RemoveDataFile();
        int boxes = 0;
        const platform::MessageBoxRecorder recorder([&](const platform::Message &message) {
            ++boxes;
            QCOMPARE(message.text, u"Data file not found"_s);
            QCOMPARE(message.icon, platform::MessageIcon::Critical);
            QCOMPARE(message.title, u"Tavrelo"_s);
            QVERIFY(Forms<dData>::IsLoaded());
            QVERIFY(Forms<dData>::Get().isVisible());
            QVERIFY(!Forms<MainWindow>::Get().Enabled());
        });
        Forms<MainWindow>::Load();
        QCOMPARE(boxes, 1);
        QVERIFY(!Forms<dData>::IsLoaded());
        QVERIFY(Forms<MainWindow>::Get().Enabled());
        QCOMPARE(MainWindowProbe::QuestionCount(Forms<MainWindow>::Get()), 0);
    }

    // The loader never returns to the event loop, so the window has to be paintable the moment Show returns.
    void exposedRightAfterShow()
    {
        Forms<dData>::Show();
        dData &window = Forms<dData>::Get();
        QVERIFY(window.windowHandle());
        QVERIFY(window.windowHandle()->isExposed());
        PaintCounter counter;
        bar(window).installEventFilter(&counter);
        window.UpdateProgress(2);
        QCOMPARE(counter.paints, 1);
    }

    // A paint for every change of the drawn width, but not one per header: the largest file must not be slowed
    // down by the window.
    void repaintsOnlyWhenWorthwhile()
    {
        Forms<dData>::Show();
        dData &window = Forms<dData>::Get();
        PaintCounter counter;
        bar(window).installEventFilter(&counter);
        std::set<int> widths;
        QElapsedTimer clock;
        clock.start();
        for (int n = 1; n <= 1000; ++n) {
            window.UpdateProgress(static_cast<qint16>(n));
            widths.insert(bar(window).FilledPixels());
        }
        const qint64 elapsed = clock.elapsed();
        QVERIFY2(widths.size() > 10, "the bar should be wide enough to show progress");
        // The empty bar of the first header was already painted when the window was shown.
        QVERIFY(counter.paints >= static_cast<int>(widths.size()) - 1);
        QVERIFY2(counter.paints <= static_cast<int>(widths.size() + elapsed / platform::ProgressBar::RepaintIntervalMs)
                                       + 1,
                 qPrintable(u"%1 paints for %2 widths in %3 ms"_s.arg(counter.paints).arg(widths.size()).arg(elapsed)));
        QVERIFY(counter.paints < 200);
    }
};

QTEST_MAIN(TestLoadingWindow)
#include "tst_loading_window.moc"
