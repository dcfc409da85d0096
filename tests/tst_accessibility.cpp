// SPDX-License-Identifier: MIT
// What a screen reader hears of a flip, through Qt's real AT-SPI bridge: run under Xvfb in a D-Bus
// session with the accessibility bus (tests/a11ybus.sh), where accessibility is switched on.

#include "coin.h"
#include "form1widget.h"
#include "scriptedsource.h"

#include <QAccessible>
#include <QPushButton>
#include <QTest>

namespace {

using Heard = QPair<QObject *, QAccessible::Event>;
QList<Heard> heard;

void hear(QAccessibleEvent *event)
{
    heard.append({ event->object(), event->type() });
}

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void screenReadersHearEachFlip();
};

void AccessibilityTest::screenReadersHearEachFlip()
{
    ScriptedSource random;
    Form1Widget form(random, [](const QString &message) { QFAIL(qPrintable(message)); });
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000);

    heard.clear();
    const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler(hear);
    auto *flip = form.findChild<QPushButton *>("Flip");
    random.scriptAll(0.9f, 10);
    QTest::mouseClick(flip, Qt::LeftButton);
    random.scriptAll(0.1f, 10);
    QTest::mouseClick(flip, Qt::LeftButton);
    QAccessible::installUpdateHandler(previous);

    // The title reports each flip, and each coin its new face.
    QCOMPARE(heard.count(Heard(&form, QAccessible::NameChanged)), 2);
    for (int coin = 1; coin <= 10; ++coin)
        QCOMPARE(heard.count(Heard(form.Qtr(coin), QAccessible::DescriptionChanged)), 2);
    QCOMPARE(QAccessible::queryAccessibleInterface(&form)->text(QAccessible::Name), " 5 0");
    QCOMPARE(QAccessible::queryAccessibleInterface(form.Qtr(1))->text(QAccessible::Description),
        "green");
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
