// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
// Labels and captions of texts of any length: drawn exactly as the whole text would be, at a cost bounded by
// what the control can show.
#include "platform/controls/captioned_button.h"
#include "platform/controls/label.h"
#include "platform/controls/visible_prefix.h"

#include <QAccessible>
#include <QImage>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

QFont questionFont()
{
    QFont font;
    font.setFamilies({u"Verdana"_s, u"DejaVu Sans"_s});
    font.setPointSizeF(9.75);
    return font;
}

// A label set up as the question label is.
template<class Label> void setUp(Label &label, QSize size)
{
    label.setFont(questionFont());
    label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label.setWordWrap(true);
    label.setAutoFillBackground(true);
    label.resize(size);
}

QImage picture(QWidget &widget)
{
    return widget.grab().toImage();
}

QString words(qsizetype characters)
{
    const QString unit = u"Широка страна моя родная, много в ней лесов, полей и рек. "_s;
    return unit.repeated(characters / unit.size() + 1).left(characters);
}

} // namespace

class TestVisibleText final : public QObject {
    Q_OBJECT

private slots:
    void prefixLengths_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qsizetype>("cap");
        QTest::addColumn<double>("enough");    // the length that covers the area ...
        QTest::addColumn<double>("steepness"); // ... and how coverage grows toward it
        QTest::addColumn<qsizetype>("length");
        QTest::addColumn<QList<qsizetype>>("tried");
        const QString x100 = u"x"_s.repeated(100);
        const qsizetype noCap = 1000;
        QTest::newRow("shorter than the first rung")
            << u"abc"_s << noCap << 1.0 << 1.0 << qsizetype(3) << QList<qsizetype>{};
        QTest::newRow("first rung enough") << x100 << noCap << 5.0 << 1.0 << qsizetype(8) << QList<qsizetype>{8};
        QTest::newRow("rungs skipped toward the estimate")
            << x100 << noCap << 20.0 << 1.0 << qsizetype(32) << QList<qsizetype>{8, 32};
        QTest::newRow("estimates short: doubling")
            << x100 << noCap << 20.0 << 0.5 << qsizetype(32) << QList<qsizetype>{8, 16, 32};
        QTest::newRow("never enough: the whole text")
            << x100 << noCap << 5000.0 << 1.0 << qsizetype(100) << QList<qsizetype>{8};
        QTest::newRow("never enough: the cap")
            << x100 << qsizetype(40) << 5000.0 << 1.0 << qsizetype(40) << QList<qsizetype>{8};
        QTest::newRow("never between CR and LF")
            << u"abcdefg\r\nhij"_s << noCap << 1.0 << 1.0 << qsizetype(9) << QList<qsizetype>{9};
        QTest::newRow("never inside a surrogate pair")
            << u"abcdefg\U0001F600hij"_s << noCap << 1.0 << 1.0 << qsizetype(9) << QList<qsizetype>{9};
    }

    // Rungs from 8 up; the coverage stands for the layout: (length / enough) to the power steepness.
    void prefixLengths()
    {
        QFETCH(QString, text);
        QFETCH(qsizetype, cap);
        QFETCH(double, enough);
        QFETCH(double, steepness);
        QFETCH(qsizetype, length);
        QFETCH(QList<qsizetype>, tried);
        QList<qsizetype> asked;
        const qsizetype result = platform::visiblePrefixLength(text, 8, cap, [&](QStringView prefix) {
            asked << prefix.size();
            return std::pow(static_cast<double>(prefix.size()) / enough, steepness);
        });
        QCOMPARE(result, length);
        QCOMPARE(asked, tried);
    }

    // Texts without a run of letters wider than the label.
    void labelShowsWhatTheWholeTextShows_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QSize>("size");
        const QSize question(662, 462);
        QTest::newRow("one line") << u"\r\nКакая река самая длинная в Европе?"_s << question;
        QTest::newRow("lines that fit") << u"\r\nстрока"_s.repeated(20) << question;
        QTest::newRow("words past the lower edge") << words(60'000) << question;
        QTest::newRow("words in a narrow label") << words(60'000) << QSize(120, 300);
        QTest::newRow("lines of CR LF across every cut") << u"строка 789\r\n"_s.repeated(3'000) << question;
        QTest::newRow("tabs, controls and soft hyphens")
            << (u"a\tb\u0001c\u00ADd "_s + words(40)).repeated(400) << question;
        QTest::newRow("markup and ampersands") << u"<b>жирный</b> &amp; Tom & Jerry "_s.repeated(600) << question;
    }

    // Beside a plain QLabel holding the whole text, with CR LF turned into the line breaks it shows.
    void labelShowsWhatTheWholeTextShows()
    {
        QFETCH(QString, text);
        QFETCH(QSize, size);
        platform::Label label(nullptr);
        setUp(label, size);
        label.SetCaption(text);
        QLabel whole;
        setUp(whole, size);
        whole.setTextFormat(Qt::PlainText);
        whole.setText(QString(text).replace(u"\r\n"_s, u"\n"_s));
        QCOMPARE(picture(label), picture(whole));
        QCOMPARE(label.Caption(), text);
    }

    void runsBreakWhereTheyMust_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("letter");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("after");
        QTest::newRow("150 letters") << u"\r\n"_s << u"Ж"_s << 150 << QString();
        QTest::newRow("a word longer than a screenful, then lines")
            << u"\r\n"_s << u"ж"_s << 12'000 << u"\r\nвторая строка\r\nтретья"_s;
        QTest::newRow("after words on a line, then words")
            << u"\r\nстрока 1\r\nстрока 2 и слово: "_s << u"l"_s << 300 << u" и ещё слова"_s;
        QTest::newRow("letters with a combining mark") << QString() << u"и\u0306"_s << 150 << QString();
        QTest::newRow("letters of two UTF-16 units") << QString() << u"\U0001D400"_s << 200 << QString();
    }

    // A run of letters wider than the label starts a line of its own and breaks at the last letter that fits,
    // line after line, never inside a letter; the rest of it goes on with what follows. The same as a plain
    // QLabel holding the run cut into lines of as many letters as fit.
    void runsBreakWhereTheyMust()
    {
        QFETCH(QString, before);
        QFETCH(QString, letter);
        QFETCH(int, length);
        QFETCH(QString, after);
        const QSize size(662, 462);
        platform::Label label(nullptr);
        setUp(label, size);
        label.SetCaption(before + letter.repeated(length) + after);

        const int perLine = int(label.contentsRect().width() / QFontMetricsF(label.font()).horizontalAdvance(letter));
        QStringList pieces;
        for (int done = 0; done < length; done += perLine)
            pieces << letter.repeated(std::min(perLine, length - done));
        QLabel broken;
        setUp(broken, size);
        broken.setTextFormat(Qt::PlainText);
        broken.setText(QString(before + pieces.join(u'\n') + after).replace(u"\r\n"_s, u"\n"_s));
        QCOMPARE(picture(label), picture(broken));
    }

    // Growing the label lays out more of the text; what shows is still what the whole text shows.
    void labelFollowsItsSize()
    {
        const QString text = words(200'000);
        platform::Label label(nullptr);
        setUp(label, QSize(300, 100));
        label.SetCaption(text);
        label.show();
        QVERIFY(QTest::qWaitForWindowExposed(&label));
        const qsizetype small = label.text().size();
        label.resize(900, 700);
        QLabel whole;
        setUp(whole, QSize(900, 700));
        whole.setText(text);
        QCOMPARE(picture(label), picture(whole));
        QVERIFY(label.text().size() > small);
    }

    void hugeTextsCostWhatShows_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("5 MB of words") << words(5'000'000);
        QTest::newRow("5 MB without a space") << u"ы"_s.repeated(5'000'000);
        QTest::newRow("5 MB of soft hyphens") << u"\u00AD"_s.repeated(5'000'000) + u"конец"_s;
    }

    // The label holds the whole text but hands QLabel, and so assistive technology, at most what fits in its
    // area at a pixel a character, with lines to spare.
    void hugeTextsCostWhatShows()
    {
        QFETCH(QString, text);
        const QSize size(662, 462);
        platform::Label label(nullptr);
        setUp(label, size);
        label.SetCaption(text);
        QCOMPARE(label.Caption().size(), text.size());
        QVERIFY(label.text().size() <= platform::visibleCharacterCap(size, label.fontMetrics().lineSpacing()));
        QVERIFY(QStringView(text).startsWith(label.text()));
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&label);
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Name), label.text());
        QVERIFY(!picture(label).isNull());
    }

    // A caption of megabytes fills the same lines as its first few hundred characters do, and text() holds
    // only about what shows.
    void hugeCaptionShowsItsBeginning_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::newRow("words") << u"слово "_s;
        QTest::newRow("no space") << u"ы"_s;
    }

    void hugeCaptionShowsItsBeginning()
    {
        QFETCH(QString, unit);
        const QString caption = u"B) "_s + unit.repeated(6'000'000 / unit.size());
        const auto button = [](const QString &text) {
            auto widget = std::make_unique<platform::OptionButton>(nullptr);
            widget->resize(662, 50);
            widget->SetCaption(text);
            return widget;
        };
        const auto huge = button(caption);
        const auto beginning = button(caption.left(600));
        QCOMPARE(picture(*huge), picture(*beginning));
        QCOMPARE(huge->Caption().size(), caption.size());
        QVERIFY(huge->text().size() < 20'000);
        QVERIFY(caption.startsWith(huge->text()));
    }
};

QTEST_MAIN(TestVisibleText)
#include "tst_visible_text.moc"
