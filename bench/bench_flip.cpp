// SPDX-License-Identifier: MIT
// One press of Flip on the real window, through the ten coins' repaint.

#include "form1widget.h"
#include "randomsource.h"

#include <QPushButton>
#include <QTest>

class FlipBenchmark : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void flipAndRepaint()
    {
        MersenneSource random(1);
        Form1Widget form(random, [](const QString &message) { qFatal("%s", qPrintable(message)); });
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto *flip = form.findChild<QPushButton *>("Flip");
        QBENCHMARK
        {
            flip->click();
            // Let the queued repaint of the coins run now.
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
        }
    }
};

QTEST_MAIN(FlipBenchmark)
#include "bench_flip.moc"
