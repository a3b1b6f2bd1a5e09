// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
// The window layer: twip geometry, captions, option buttons, windows and their life, message boxes and the
// guard around event handlers.
#include "platform/controls/captioned_button.h"
#include "platform/controls/control.h"
#include "platform/controls/frame.h"
#include "platform/controls/label.h"
#include "platform/core/runtime_error.h"
#include "platform/core/twips.h"
#include "platform/forms/design.h"
#include "platform/forms/error_guard.h"
#include "platform/forms/form.h"
#include "platform/forms/window_placement.h"
#include "tests/support/deferred_delete.h"
#include "tests/support/message_boxes.h"
#include "tests/support/run_time_error.h"
#include "tests/support/window_checks.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <array>

using namespace Qt::StringLiterals;
using platform::ControlDesign;
using platform::Forms;

namespace {

struct ProbeControls {
    platform::Frame *Frame;
    platform::ControlArray<platform::OptionButton> Option;
    platform::CheckBox *Check;
    platform::Label *Text;
};
using Row = platform::ControlDesign<ProbeControls>;

// clang-format off
constexpr std::array ProbeRows{
    Row{.control = &ProbeControls::Frame, .name = u"Frame", .caption = u"F",
        .left = 150, .top = 60, .width = 3000, .height = 2000},
    Row{.control = &ProbeControls::Option, .name = u"Option",
        .container = &ProbeControls::Frame, .caption = u"a", .left = 100, .top = 100, .width = 1500, .height = 300,
        .tabIndex = 2},
    Row{.control = &ProbeControls::Check, .name = u"Check", .caption = u"c",
        .left = 100, .top = 2200, .width = 1500, .height = 300, .tabIndex = 1},
    Row{.control = &ProbeControls::Text, .name = u"Text", .caption = u"t",
        .left = 100, .top = 2600, .width = 1500, .height = 300, .autoSize = true},
};
// clang-format on

constexpr platform::FormDesign<ProbeControls> ProbeDesign{
    .window = {.caption = u"Probe", .clientWidth = 4500, .clientHeight = 3000},
    .controls = ProbeRows,
};

// A small window whose load and key handlers can be watched, or made to fail.
class ProbeForm final : public platform::DesignedForm<ProbeControls> {
public:
    ProbeForm() : DesignedForm(ProbeDesign) {}
    using DesignedForm::ui;

    static inline int loads = 0;
    static inline bool failInLoad = false;
    static inline QList<qint16> keys;
    static inline QList<QSize> resizes; // the sizes the resize handler saw while not minimised

protected:
    void Form_Load() override
    {
        ++loads;
        if (failInLoad)
            throw platform::RuntimeError(platform::Error::DeviceIOError);
    }
    void Form_KeyPress(qint16 keyAscii) override { keys << keyAscii; }
    void Form_Resize() override
    {
        if (!isMinimized())
            resizes << size();
    }
};

class OtherForm final : public platform::DesignedForm<ProbeControls> {
public:
    OtherForm() : DesignedForm(ProbeDesign) {}
};

} // namespace

class TestWindowLayer final : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        ProbeForm::loads = 0;
        ProbeForm::failInLoad = false;
        ProbeForm::keys.clear();
        ProbeForm::resizes.clear();
    }

    void cleanup()
    {
        Forms<ProbeForm>::Unload();
        Forms<OtherForm>::Unload();
        support::flushDeferredDeletes();
        platform::setProgramEnd({});
    }

    void twipsAreKeptAsGiven_data()
    {
        QTest::addColumn<float>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("whole pixels") << 4560.0f << 304;
        QTest::newRow("rounds down") << 1007.0f << 67;
        QTest::newRow("rounds up") << 1013.0f << 68;
        QTest::newRow("fraction of a twip") << 360.5f << 24;
        QTest::newRow("negative") << -1375.0f << -92;
        QTest::newRow("zero") << 0.0f << 0;
    }

    void twipsAreKeptAsGiven()
    {
        QFETCH(float, twips);
        QFETCH(int, pixels);
        ProbeForm &form = Forms<ProbeForm>::get();
        platform::Control &c = *form.ui.Check;
        c.SetLeft(twips);
        c.SetTop(twips);
        QCOMPARE(c.Left(), twips);
        QCOMPARE(c.Top(), twips);
        QCOMPARE(c.widget()->pos(), QPoint(pixels, pixels));
        c.SetWidth(std::abs(twips));
        QCOMPARE(c.Width(), std::abs(twips));
        QCOMPARE(c.widget()->width(), std::abs(pixels));
    }

    void outerSizeAddsTheDesignFrame()
    {
        ProbeForm &form = Forms<ProbeForm>::get();
        QCOMPARE(form.size(), QSize(300, 200));
        QCOMPARE(form.Width(), 4500.0f + 120);
        QCOMPARE(form.Height(), 3000.0f + 405);
        QCOMPARE(form.windowTitle(), u"Probe"_s);
        // Inside a frame, positions count from the frame.
        const platform::Control &option = form.ui.Option(0);
        QCOMPARE(option.widget()->parentWidget(), form.ui.Frame->widget());
        QCOMPARE(option.widget()->pos(), QPoint(7, 7));
    }

    void windowsAreCentredOrKeptOnScreen_data()
    {
        QTest::addColumn<QSize>("outer");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QPoint>("topLeft");
        const QRect screen(0, 0, 1280, 1024);
        const QRect besidePanel(0, 30, 1280, 994);
        QTest::newRow("fits: centred") << QSize(729, 611) << screen << QPoint(275, 206);
        QTest::newRow("centred in the free area") << QSize(729, 611) << besidePanel << QPoint(275, 221);
        QTest::newRow("exactly as tall") << QSize(400, 994) << besidePanel << QPoint(440, 30);
        QTest::newRow("1366 x 768 at 1.5: too tall") << QSize(729, 611) << QRect(0, 0, 910, 512) << QPoint(90, 0);
        QTest::newRow("too wide") << QSize(1000, 300) << QRect(100, 0, 800, 600) << QPoint(100, 150);
        QTest::newRow("too large") << QSize(2000, 2000) << QRect(10, 20, 800, 600) << QPoint(10, 20);
    }

    void windowsAreCentredOrKeptOnScreen()
    {
        QFETCH(QSize, outer);
        QFETCH(QRect, available);
        QFETCH(QPoint, topLeft);
        QCOMPARE(platform::placeWindow(outer, available), topLeft);
    }

    void captionsArePlainText_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shown"); // what the widget is handed
        // clang-format off
        QTest::newRow("button with &") << "Check" << "Tom & Jerry" << "Tom && Jerry";
        QTest::newRow("button with &&") << "Check" << "a && b" << "a &&&& b";
        QTest::newRow("frame with &") << "Frame" << "Q&A" << "Q&&A";
        QTest::newRow("label with &") << "Text" << "R&D" << "R&D";
        QTest::newRow("label with markup") << "Text" << "<b>x</b>" << "<b>x</b>";
        // clang-format on
    }

    void captionsArePlainText()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, shown);
        const ProbeControls &ui = Forms<ProbeForm>::get().ui;
        // The caption reads back as given, and the widget is handed the text that shows it.
        const auto check = [&](auto &control, auto handedOver) {
            control.SetCaption(caption);
            QCOMPARE(control.Caption(), caption);
            QCOMPARE(handedOver(), shown);
        };
        if (name == u"Frame") {
            check(*ui.Frame, [&] { return ui.Frame->title(); });
        } else if (name == u"Check") {
            check(*ui.Check, [&] { return ui.Check->text(); });
        } else {
            check(*ui.Text, [&] { return ui.Text->text(); });
            QCOMPARE(ui.Text->textFormat(), Qt::PlainText);
        }
    }

    // A long caption takes as many whole lines as the check box's height holds, and no more.
    void checkBoxCaptionWraps()
    {
        platform::CheckBox &c = *Forms<ProbeForm>::get().ui.Check;
        // Two lines and a half of the default font, whose size each Qt picks for itself.
        c.SetHeight(platform::pixelsToTwips(c.widget()->fontMetrics().height() * 5 / 2));
        c.SetCaption(u"one two three four five six seven eight nine ten eleven twelve thirteen fourteen"_s);
        const QImage picture = c.widget()->grab().toImage();
        int first = picture.height(), last = -1;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 20; x < picture.width(); ++x) { // past the box
                if (qGray(picture.pixel(x, y)) < 128) {
                    first = std::min(first, y);
                    last = y;
                    break;
                }
            }
        }
        const QFontMetrics metrics = c.widget()->fontMetrics();
        QCOMPARE(c.widget()->height() / metrics.height(), 2);
        QCOMPARE((last - first) / metrics.lineSpacing() + 1, c.widget()->height() / metrics.height());
    }

    void autoSizedLabelTakesItsTextsSize()
    {
        platform::Label &c = *Forms<ProbeForm>::get().ui.Text;
        c.SetCaption(u"a much longer caption than before"_s);
        QCOMPARE(c.Left(), 100.0f);
        QCOMPARE(c.Width(), 15.0f * c.widget()->sizeHint().width());
        QCOMPARE(c.widget()->width(), c.widget()->sizeHint().width());
    }

    void optionButtonsClearEvenWhenChecked()
    {
        ProbeForm &form = Forms<ProbeForm>::get();
        platform::OptionButton &first = form.ui.Option.Load(1);
        platform::OptionButton &second = form.ui.Option.Load(2);
        QVERIFY(!first.Visible());
        QCOMPARE(first.widget()->parentWidget(), form.ui.Frame->widget());
        QCOMPARE(first.Left(), 100.0f);
        QCOMPARE(&form.ui.Option.Load(1), &first); // loading twice makes no second one
        first.SetValue(true);
        second.SetValue(true);
        QVERIFY(!first.Value()); // one group
        second.SetValue(false);
        QVERIFY(!second.Value());
        QVERIFY(second.autoExclusive());
        // The new elements follow their pattern in the tab order.
        QWidget *next = form.ui.Option(0).widget()->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        QCOMPARE(next, first.widget());
    }

    void controlArrayElements_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("error"); // of using the element after elements 1 and 3 were created
        QTest::addColumn<QString>("name");
        QTest::newRow("the design's element 0") << 0 << 0 << u"Option(0)"_s;
        QTest::newRow("created") << 3 << 0 << u"Option(3)"_s;
        QTest::newRow("between created ones") << 2 << 9 << QString();
        QTest::newRow("past the last created") << 4 << 9 << QString();
        QTest::newRow("negative") << -1 << 9 << QString();
    }

    // An element is reached by its index once it exists; any other index is a run-time error, never a null control.
    void controlArrayElements()
    {
        QFETCH(int, index);
        QFETCH(int, error);
        QFETCH(QString, name);
        platform::ControlArray<platform::OptionButton> &option = Forms<ProbeForm>::get().ui.Option;
        option.Load(1);
        option.Load(3);
        QCOMPARE(support::errorNumberOf([&] { option(index); }), error);
        QCOMPARE(option.find(index) != nullptr, error == 0);
        if (error == 0)
            QCOMPARE(option(index).widget()->objectName(), name);
        QCOMPARE(support::errorNumberOf([&] { option.Load(-1); }), 9);
    }

    void formsAreLoadedOnFirstUse()
    {
        QCOMPARE(support::loadedWindows<ProbeForm>(), 0);
        ProbeForm &form = Forms<ProbeForm>::get();
        QCOMPARE(ProbeForm::loads, 1);
        QVERIFY(!form.isVisible());
        QCOMPARE(&Forms<ProbeForm>::get(), &form);
        Forms<ProbeForm>::Show();
        QVERIFY(form.isVisible());
        QCOMPARE(ProbeForm::loads, 1);

        QPointer<ProbeForm> old(&form);
        Forms<ProbeForm>::Unload();
        QVERIFY(!old->isVisible());
        QCOMPARE(support::loadedWindows<ProbeForm>(), 0);
        QVERIFY(old.isNull());
        // A later use loads afresh.
        Forms<ProbeForm>::Show();
        QCOMPARE(ProbeForm::loads, 2);
    }

    void closingAWindowUnloadsIt()
    {
        Forms<ProbeForm>::Show();
        Forms<OtherForm>::Show();
        QCOMPARE(support::loadedWindows(), 2);
        Forms<OtherForm>::get().close();
        QCOMPARE(support::loadedWindows<OtherForm>(), 0);
        QCOMPARE(support::loadedWindows(), 1);
    }

    void keysThatProduceACharacter_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("expected"); // -1: no key press event
        QTest::newRow("letter") << int(Qt::Key_A) << int('a');
        QTest::newRow("digit") << int(Qt::Key_7) << int('7');
        QTest::newRow("Enter") << int(Qt::Key_Return) << 13;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << 27;
        QTest::newRow("arrow") << int(Qt::Key_Left) << -1;
        QTest::newRow("function key") << int(Qt::Key_F5) << -1;
        QTest::newRow("Shift alone") << int(Qt::Key_Shift) << -1;
    }

    void keysThatProduceACharacter()
    {
        QFETCH(int, key);
        QFETCH(int, expected);
        ProbeForm &form = Forms<ProbeForm>::get();
        QTest::keyClick(&form, static_cast<Qt::Key>(key));
        QCOMPARE(ProbeForm::keys, expected < 0 ? QList<qint16>{} : QList<qint16>{qint16(expected)});
    }

    void resizeHandlerSeesTheSizeAfterAChangeOfState_data()
    {
        QTest::addColumn<QString>("before"); // states gone through first: M maximised, m minimised, n normal
        QTest::addColumn<QString>("change");
        // clang-format off
        QTest::newRow("maximise") << "" << "M";
        QTest::newRow("restore from maximised") << "M" << "n";
        QTest::newRow("restore from minimised") << "m" << "n";
        QTest::newRow("maximise from minimised") << "m" << "M";
        QTest::newRow("restore from minimised, maximised before") << "Mm" << "n";
        QTest::newRow("maximised again from minimised") << "Mm" << "M";
        // clang-format on
    }

    // A change of state that changes the size must not reach the handler with the size the window is leaving:
    // a layout for that size would stay behind in a window too small to be laid out.
    void resizeHandlerSeesTheSizeAfterAChangeOfState()
    {
        QFETCH(QString, before);
        QFETCH(QString, change);
        Forms<ProbeForm>::Show();
        ProbeForm &form = Forms<ProbeForm>::get();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const auto enter = [&](QChar state) {
            state == u'M' ? form.showMaximized() : state == u'm' ? form.showMinimized() : form.showNormal();
            QCoreApplication::processEvents();
        };
        for (QChar state : before)
            enter(state);
        ProbeForm::resizes.clear();
        enter(change.at(0));
        QVERIFY(!form.isMinimized());
        QVERIFY(!ProbeForm::resizes.isEmpty()); // restoring and maximising always reach the handler
        for (const QSize &seen : std::as_const(ProbeForm::resizes))
            QCOMPARE(seen, form.size());
    }

    void messageBoxesAreRecorded()
    {
        support::MessageBoxRecorder recorder;
        platform::MsgBox(u"Hello <b>&</b>"_s, platform::MessageIcon::Information);
        platform::MsgBox(u"Bye"_s, platform::MessageIcon::Critical, u"Other"_s);
        QCOMPARE(recorder.messages().size(), 2);
        QCOMPARE(recorder.messages().at(0).text, u"Hello <b>&</b>"_s);
        QCOMPARE(recorder.messages().at(0).title, u"Tavrelo"_s);
        QCOMPARE(recorder.messages().at(1).icon, platform::MessageIcon::Critical);
        QCOMPARE(recorder.messages().at(1).title, u"Other"_s);
    }

    void messageBoxesShowAsMuchAsTheScreenHolds_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("whole");
        const QString head = u"Увы, неправильно. Правильный ответ :\r\n"_s;
        QTest::newRow("ordinary message") << head + u"B) Волга"_s << true;
        QTest::newRow("answer of 5 MB of words") << head + u"B) "_s + u"слово "_s.repeated(900'000) << false;
        QTest::newRow("answer of 5 MB without a space") << head + u"B) "_s + u"ы"_s.repeated(5'000'000) << false;
    }

    // A box on screen, closed as soon as it is up: it holds the text's beginning, at most a screenful.
    void messageBoxesShowAsMuchAsTheScreenHolds()
    {
        QFETCH(QString, text);
        QFETCH(bool, whole);
        QString shown;
        QTimer::singleShot(0, this, [&shown] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                shown = box->text();
                box->accept();
            }
        });
        platform::MsgBox(text, platform::MessageIcon::Critical);
        QVERIFY(text.startsWith(shown));
        if (whole)
            QCOMPARE(shown, text);
        else
            QVERIFY2(shown.size() < 100'000, qPrintable(QString::number(shown.size())));
    }

    void runTimeErrorEndsTheProgramAfterItsMessage()
    {
        QList<int> ended;
        platform::setProgramEnd([&](const platform::RuntimeError &e) { ended << e.Number(); });
        support::MessageBoxRecorder recorder;
        bool after = false;
        platform::runHandler([&] {
            // passed on unchanged
            platform::runHandler([] { throw platform::RuntimeError(platform::Error::SubscriptOutOfRange); });
            after = true;
        });
        QVERIFY(!after);
        QCOMPARE(ended, QList<int>{9});
        QCOMPARE(recorder.messages().size(), 1);
        QCOMPARE(recorder.messages().at(0).text, u"Run-time error '9':\n\nSubscript out of range"_s);
        QCOMPARE(recorder.messages().at(0).icon, platform::MessageIcon::Critical);
        QCOMPARE(recorder.messages().at(0).title, u"Tavrelo"_s);
    }

    void runTimeErrorInsideFormLoad()
    {
        QList<int> ended;
        platform::setProgramEnd([&](const platform::RuntimeError &e) { ended << e.Number(); });
        support::MessageBoxRecorder recorder;
        ProbeForm::failInLoad = true;
        Forms<ProbeForm>::Load();
        QCOMPARE(ended, QList<int>{57});
        QCOMPARE(recorder.messages().at(0).text, u"Run-time error '57':\n\nDevice I/O error"_s);
    }
};

QTEST_MAIN(TestWindowLayer)
#include "tst_window_layer.moc"
