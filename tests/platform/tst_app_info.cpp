// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "platform/core/app_info.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTest>

using namespace Qt::StringLiterals;

class TestAppInfo : public QObject {
    Q_OBJECT

private slots:
    void pathNamesTheProgramFolder();
};

void TestAppInfo::pathNamesTheProgramFolder()
{
    const QString path = platform::AppPath();
    QVERIFY(!path.endsWith(u'/'));
    // Appending "/name" must give the program's own file back.
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    QCOMPARE(QFileInfo(path + u'/' + program).canonicalFilePath(),
             QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath());
}

QTEST_GUILESS_MAIN(TestAppInfo)
#include "tst_app_info.moc"
