// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "bank/question_bank.h"
#include "tests/support/bank_contents.h"
#include "tests/support/run_time_error.h"

#include <QTest>

using namespace Qt::StringLiterals;
using support::errorNumberOf;
using support::filledFields;

class TestQuestionBank : public QObject {
    Q_OBJECT

private slots:
    void freshBankIsEmpty();
    void bounds_data();
    void bounds();
    void appendQuestionLine();
    void replaceField();
};

void TestQuestionBank::freshBankIsEmpty()
{
    const QuestionBank bank;
    QCOMPARE(filledFields(bank), QStringList());
}

void TestQuestionBank::bounds_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("field");
    QTest::addColumn<bool>("valid");
    QTest::newRow("first") << 0 << 0 << true;
    QTest::newRow("last") << 1000 << 5 << true;
    QTest::newRow("slot -1") << -1 << 0 << false;
    QTest::newRow("slot 1001") << 1001 << 0 << false;
    QTest::newRow("field -1") << 1 << -1 << false;
    QTest::newRow("field 6") << 0 << 6 << false;
    // These two would land on a neighbouring slot if only the combined index were tested.
    QTest::newRow("field 6 of slot 999") << 999 << 6 << false;
    QTest::newRow("field -1 of slot 1000") << 1000 << -1 << false;
    QTest::newRow("both out") << 5000 << 99 << false;
    QTest::newRow("int min") << std::numeric_limits<int>::min() << 0 << false;
}

void TestQuestionBank::bounds()
{
    QFETCH(int, slot);
    QFETCH(int, field);
    QFETCH(bool, valid);

    QuestionBank bank;
    const int expected = valid ? 0 : 9;
    QCOMPARE(errorNumberOf([&] { bank.Field(slot, field); }), expected);
    QCOMPARE(errorNumberOf([&] { bank.ReplaceField(slot, field, u"A)x"_s); }), expected);
    QCOMPARE(errorNumberOf([&] { bank.AppendQuestionLine(slot, u"line"); }), slot >= 0 && slot <= 1000 ? 0 : 9);
    if (!valid) {
        QStringList allowed; // only the append may have gone through, to field 0 of a valid slot
        if (slot >= 0 && slot <= 1000)
            allowed << QString::number(slot) + u".0=\r\nline"_s;
        QCOMPARE(filledFields(bank), allowed);
    } else {
        QCOMPARE(bank.Field(slot, field), field == 0 ? u"A)x\r\nline"_s : u"A)x"_s);
    }
}

void TestQuestionBank::appendQuestionLine()
{
    QuestionBank bank;
    bank.AppendQuestionLine(7, u"first");
    bank.AppendQuestionLine(7, {});
    bank.AppendQuestionLine(7, u"third");
    QCOMPARE(filledFields(bank), QStringList{u"7.0=\r\nfirst\r\n\r\nthird"_s});
}

void TestQuestionBank::replaceField()
{
    QuestionBank bank;
    bank.ReplaceField(3, 2, u"B)old"_s);
    bank.ReplaceField(3, 2, u"B)new"_s);
    bank.ReplaceField(3, 5, u"2"_s);
    QCOMPARE(filledFields(bank), (QStringList{u"3.2=B)new"_s, u"3.5=2"_s}));
}

QTEST_APPLESS_MAIN(TestQuestionBank)
#include "tst_question_bank.moc"
