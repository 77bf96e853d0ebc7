#include "build_tree.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class BuildTreeTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void findsBuildTree_data();
    void findsBuildTree();
};

void BuildTreeTest::findsBuildTree_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("inside");
    QTest::newRow("the build folder") << QStringLiteral("build") << true;
    QTest::newRow("a folder of the build") << QStringLiteral("build/ui") << true;
    QTest::newRow("an installed copy") << QStringLiteral("usr/bin") << false;
}

void BuildTreeTest::findsBuildTree()
{
    QFETCH(QString, folder);
    QFETCH(bool, inside);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    QVERIFY(QDir(root.path()).mkpath(QStringLiteral("build/ui")));
    QVERIFY(QDir(root.path()).mkpath(QStringLiteral("usr/bin")));
    QFile cache(root.filePath(QStringLiteral("build/CMakeCache.txt")));
    QVERIFY(cache.open(QIODevice::WriteOnly));

    QCOMPARE(zef::InsideBuildTree(root.filePath(folder)), inside);
}

QTEST_GUILESS_MAIN(BuildTreeTest)
#include "build_tree_test.moc"
