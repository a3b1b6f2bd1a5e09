// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "loading/loading_window.h"
#include "platform/controls/label.h"
#include "platform/core/runtime_error.h"
#include "platform/core/twips.h"
#include "platform/forms/error_guard.h"
#include "quiz/main_window.h"
#include "startup/splash_window.h"
#include "tests/support/deferred_delete.h"
#include "tests/support/main_window_probe.h"
#include "tests/support/message_boxes.h"
#include "tests/support/question_file.h"
#include "tests/support/unreadable_file.h"
#include "tests/support/window_checks.h"

#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QWindow>

using namespace Qt::StringLiterals;
using platform::Forms;

#if QT_VERSION_MAJOR < 6
Q_DECLARE_METATYPE(Qt::MouseButton) // a test row's column; Qt 6 knows its own enums
#endif

namespace {

// The splash window on screen, as a user meets it.
SplashWindow &shownSplash()
{
    Forms<SplashWindow>::Show();
    SplashWindow &splash = Forms<SplashWindow>::get();
    if (!QTest::qWaitForWindowExposed(&splash))
        qWarning("splash window not exposed");
    return splash;
}

QWidget &control(QStringView name)
{
    return support::widget(Forms<SplashWindow>::get(), name);
}

QString caption(QStringView label)
{
    return support::widget<platform::Label>(Forms<SplashWindow>::get(), label).Caption();
}

// A point of the frame that lies on none of its controls, in the window's coordinates.
QPoint frameItself()
{
    QWidget *frame = &control(u"Frame1");
    const QPoint local(platform::twipsToPixels(450), platform::twipsToPixels(450));
    Q_ASSERT(!frame->childAt(local));
    return frame->mapTo(frame->window(), local);
}

void clickAt(const QPoint &point, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(Forms<SplashWindow>::get().windowHandle(), button, {}, point);
}

} // namespace

class TestSplashWindow final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        platform::setProgramEnd({});
        Forms<SplashWindow>::Unload();
        Forms<LoadingWindow>::Unload();
        Forms<MainWindow>::Unload();
        support::flushDeferredDeletes();
        support::removeDataFile();
    }

    void labelsAfterLoad()
    {
        shownSplash();
        const QWidget &version = control(u"lblVersion");
        const QWidget &product = control(u"lblProductName");
        QCOMPARE(caption(u"lblVersion"), u"Version 1.0.3"_s);
        QCOMPARE(caption(u"lblProductName"), u"Tavrelo"_s);
        // Both fit their new text; the version keeps its right edge, the name its left one.
        QCOMPARE(version.size(), version.sizeHint());
        QCOMPARE(product.size(), product.sizeHint());
        QCOMPARE(version.x() + version.width(), platform::twipsToPixels(5970 + 885));
        QCOMPARE(product.x(), platform::twipsToPixels(2880));
        QVERIFY(control(u"Frame1").rect().contains(version.geometry()));
        QVERIFY(Forms<SplashWindow>::get().windowTitle().trimmed().isEmpty());
    }

    void design()
    {
        SplashWindow &splash = shownSplash();
        QCOMPARE(splash.size(), QSize(490, 285)); // 7350 x 4275 twips
        QVERIFY(support::isFixedDialog(splash));
        QVERIFY(support::isCentred(splash));
        QVERIFY(splash.windowTitle().trimmed().isEmpty());
        QCOMPARE(caption(u"lblWarning"), u"by tavrelo@users.noreply.example"_s);
    }

    void labelFonts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("family");
        QTest::addColumn<qreal>("pointSize");
        QTest::addColumn<bool>("bold");
        QTest::newRow("lblWarning") << u"lblWarning"_s << u"Verdana"_s << 8.25 << false;
        QTest::newRow("lblVersion") << u"lblVersion"_s << u"Arial"_s << 12.0 << true;
        QTest::newRow("lblProductName") << u"lblProductName"_s << u"Arial"_s << 32.25 << true;
    }

    void labelFonts()
    {
        QFETCH(QString, name);
        QFETCH(QString, family);
        QFETCH(qreal, pointSize);
        QFETCH(bool, bold);
        const QFont font = control(name).font();
        QCOMPARE(font.families().constFirst(), family);
        QCOMPARE(font.pointSizeF(), pointSize);
        QCOMPARE(font.bold(), bold);
    }

    void logoPicture()
    {
        const auto *logo = &support::widget<QLabel>(Forms<SplashWindow>::get(), u"imgLogo");
#if QT_VERSION_MAJOR >= 6
        QCOMPARE(logo->pixmap().size(), QSize(32, 32));
#else
        QCOMPARE(logo->pixmap(Qt::ReturnByValue).size(), QSize(32, 32)); // the other returns a pointer
#endif
        QVERIFY(logo->hasScaledContents());
        QCOMPARE(logo->size(), QSize(platform::twipsToPixels(1815), platform::twipsToPixels(2385)));
    }

    void keys_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<bool>("closes");
        QTest::newRow("letter") << Qt::Key_Q << true;
        QTest::newRow("digit") << Qt::Key_7 << true;
        QTest::newRow("space") << Qt::Key_Space << true;
        QTest::newRow("Enter") << Qt::Key_Return << true;
        QTest::newRow("keypad Enter") << Qt::Key_Enter << true;
        QTest::newRow("Escape") << Qt::Key_Escape << true;
        QTest::newRow("Backspace") << Qt::Key_Backspace << true;
        QTest::newRow("left arrow") << Qt::Key_Left << false;
        QTest::newRow("down arrow") << Qt::Key_Down << false;
        QTest::newRow("F1") << Qt::Key_F1 << false;
        QTest::newRow("Shift alone") << Qt::Key_Shift << false;
    }

    // Keys go to the window, not to a control: sent through the window system, they reach Form_KeyPress.
    void keys()
    {
        QFETCH(Qt::Key, key);
        QFETCH(bool, closes);
        const QPointer<QWindow> splash = shownSplash().windowHandle();
        // With no other window loaded, closing the splash leaves none: the program ends. Qt 5 may have deleted the
        // window by the time the key is released.
        QCOMPARE(support::endsProgram([&] {
                     QTest::keyPress(splash, key);
                     if (splash)
                         QTest::keyRelease(splash, key);
                 }),
                 closes);
        QCOMPARE(support::loadedWindows(), closes ? 0 : 1);
        QCOMPARE(support::loadedWindows<SplashWindow>(), closes ? 0 : 1);
    }

    // The main window's whole start runs inside the click: the loading window is up (here with the missing
    // file's message) while the splash is still loaded, and only then does the splash close.
    void frameClickLoadsMainWindow()
    {
        support::removeDataFile();
        shownSplash();
        int boxes = 0;
        const support::MessageBoxRecorder recorder([&](const support::Message &message) {
            ++boxes;
            QCOMPARE(message.text, u"Data file not found"_s);
            QVERIFY(Forms<SplashWindow>::get().isVisible());
            QVERIFY(Forms<LoadingWindow>::get().isVisible());
            QVERIFY(!Forms<MainWindow>::get().isVisible());
        });
        clickAt(frameItself());
        QCOMPARE(boxes, 1);
        QCOMPARE(support::loadedWindows<SplashWindow>(), 0);
        QCOMPARE(support::loadedWindows<LoadingWindow>(), 0);
        QCOMPARE(support::loadedWindows<MainWindow>(), 1);
        QVERIFY(Forms<MainWindow>::get().isVisible());
        QVERIFY(Forms<MainWindow>::get().isEnabled());
    }

    void frameClickShowsLoadedMainWindow()
    {
        support::writeDataFile(support::fileLines(support::numberedQuestions(3)));
        const support::MessageBoxRecorder recorder;
        Forms<MainWindow>::Load();
        MainWindow *main = &Forms<MainWindow>::get();
        MainWindowProbe::ShowQuestion(*main, 2);
        shownSplash();
        clickAt(frameItself());
        QCOMPARE(support::loadedWindows<SplashWindow>(), 0);
        QCOMPARE(&Forms<MainWindow>::get(), main);
        QVERIFY(main->isVisible());
        // Not loaded again: a fresh load would have gone back to question 1.
        QCOMPARE(MainWindowProbe::CurrentQuestion(*main), 2);
        QVERIFY(recorder.messages().isEmpty());
    }

    void clicksThatDoNothing_data()
    {
        QTest::addColumn<QString>("target"); // a control of the frame, or empty for the frame's own area
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("window margin") << u"margin"_s << Qt::LeftButton;
        QTest::newRow("picture") << u"imgLogo"_s << Qt::LeftButton;
        QTest::newRow("product name") << u"lblProductName"_s << Qt::LeftButton;
        QTest::newRow("version") << u"lblVersion"_s << Qt::LeftButton;
        QTest::newRow("contact line") << u"lblWarning"_s << Qt::LeftButton;
        QTest::newRow("right button on the frame") << QString() << Qt::RightButton;
    }

    void clicksThatDoNothing()
    {
        QFETCH(QString, target);
        QFETCH(Qt::MouseButton, button);
        SplashWindow &splash = shownSplash();
        QPoint point;
        if (target.isEmpty()) {
            point = frameItself();
        } else if (target == u"margin"_s) {
            point = QPoint(2, 2);
            QVERIFY(!control(u"Frame1").geometry().contains(point));
        } else {
            const QWidget &widget = control(target);
            point = widget.mapTo(&splash, widget.rect().center());
        }
        const support::MessageBoxRecorder recorder;
        clickAt(point, button);
        QCOMPARE(support::loadedWindows<SplashWindow>(), 1);
        QCOMPARE(support::loadedWindows<MainWindow>(), 0);
        QVERIFY(recorder.messages().isEmpty());
    }

    // A question file that exists but cannot be read: the error of the main window's load passes through the
    // click unchanged, is reported once, and ends the program.
    void frameClickPassesRunTimeErrorOn()
    {
        QFile::remove(support::dataFilePath());
        const support::UnreadableFile unreadable(support::dataFilePath());
        QVERIFY(unreadable.made());
        QList<int> ended;
        platform::setProgramEnd([&](const platform::RuntimeError &error) { ended << error.Number(); });
        const support::MessageBoxRecorder recorder;
        shownSplash();
        clickAt(frameItself());

        const platform::RuntimeError expected(support::UnreadableFile::error());
        QCOMPARE(ended, QList<int>{expected.Number()});
        QCOMPARE(recorder.messages().size(), 1);
        const support::Message &message = recorder.messages().constFirst();
        QCOMPARE(message.text, u"Run-time error '%1':\n\n%2"_s.arg(expected.Number()).arg(expected.Description()));
        QCOMPARE(message.icon, platform::MessageIcon::Critical);
        QCOMPARE(message.title, u"Tavrelo"_s);
    }
};

QTEST_MAIN(TestSplashWindow)
#include "tst_splash_window.moc"
