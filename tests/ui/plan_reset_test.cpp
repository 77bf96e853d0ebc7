#include "plan_reset.h"

#include <QtTest>

using zef::DefaultDirectives;

class PlanResetTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void resets_data();
    void resets();
};

void PlanResetTest::resets_data()
{
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QString>("kept");  // what follows DefaultDirectives
    QTest::newRow("empty editor") << QString() << QStringLiteral("\n");
    QTest::newRow("the five-line example")
        << QStringLiteral("  @zl 5\nabc\n\n   \n x") << QStringLiteral("abc\n\n \nx\n");
    QTest::newRow("directives only") << QStringLiteral("@zl 1\n@zld 2\n") << QStringLiteral("\n");
    QTest::newRow("order kept") << QStringLiteral("3 10\n@mna 4\n1 20\n") << QStringLiteral("3 10\n1 20\n");
    QTest::newRow("final break starts no line") << QStringLiteral("a\n") << QStringLiteral("a\n");
    QTest::newRow("one empty line") << QStringLiteral("\n") << QStringLiteral("\n");
    QTest::newRow("tabs stay") << QStringLiteral("\t@x\n \tb") << QStringLiteral("\t@x\n\tb\n");
    QTest::newRow("single space line") << QStringLiteral(" ") << QStringLiteral(" \n");
    QTest::newRow("at sign after a space only") << QStringLiteral(" @") << QStringLiteral("\n");
    QTest::newRow("at sign later in the line") << QStringLiteral("a@b") << QStringLiteral("a@b\n");
}

void PlanResetTest::resets()
{
    QFETCH(QString, editor);
    QFETCH(QString, kept);
    QCOMPARE(zef::ResetDirectives(editor), DefaultDirectives + kept);
}

QTEST_APPLESS_MAIN(PlanResetTest)
#include "plan_reset_test.moc"
