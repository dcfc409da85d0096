// SPDX-License-Identifier: MIT
// The mouse wheel on a scroll bar, as the Windows and browser builds turn it into steps.

#include "wheel.h"

#include <QTest>

class WheelTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void turnsMoveByStepsPerNotch_data();
    void turnsMoveByStepsPerNotch();
};

void WheelTest::turnsMoveByStepsPerNotch_data()
{
    QTest::addColumn<QList<int>>("deltas"); // one turn after another, in 120ths of a notch
    QTest::addColumn<int>("arrowStep");
    QTest::addColumn<int>("pageStep");
    QTest::addColumn<QList<int>>("moves");
    QTest::newRow("a notch towards the player raises by three steps")
        << QList<int> { -120 } << 1 << 10 << QList<int> { 3 };
    QTest::newRow("a notch away lowers by three steps")
        << QList<int> { 120 } << 1 << 10 << QList<int> { -3 };
    QTest::newRow("never more than a page") << QList<int> { -1200 } << 1 << 10 << QList<int> { 10 };
    QTest::newRow("a fast spin keeps nothing past its page for the next notch")
        << QList<int> { -1200, -120 } << 1 << 10 << QList<int> { 10, 3 };
    QTest::newRow("the guess's page is one step")
        << QList<int> { -120, 120 } << 1 << 1 << QList<int> { 1, -1 };
    QTest::newRow("fine wheels' parts of a notch add up")
        << QList<int> { -30, -30, -30, -30 } << 1 << 10 << QList<int> { 0, 1, 1, 1 };
    QTest::newRow("turning back forgets what was left over")
        << QList<int> { -30, 30, 30 } << 1 << 10 << QList<int> { 0, 0, -1 };
}

void WheelTest::turnsMoveByStepsPerNotch()
{
    QFETCH(QList<int>, deltas);
    QFETCH(int, arrowStep);
    QFETCH(int, pageStep);
    QFETCH(QList<int>, moves);
    WheelSteps wheel;
    QList<int> moved;
    for (const int delta : deltas)
        moved << wheel.take(delta, arrowStep, pageStep);
    QCOMPARE(moved, moves);
}

QTEST_APPLESS_MAIN(WheelTest)
#include "tst_wheel.moc"
