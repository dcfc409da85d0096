// SPDX-License-Identifier: MIT
#include "coin.h"
#include "errorreport.h"
#include "form1widget.h"
#include "scriptedsource.h"
#include "scrollbarpart.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <memory>

class Form1Test : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void windowOpensAsDescribed();
    void controlsStandWhereTheLayoutSays_data();
    void controlsStandWhereTheLayoutSays();
    void coinsStandInTwoColumns_data();
    void coinsStandInTwoColumns();
    void scrollBarsAreSetUp_data();
    void scrollBarsAreSetUp();
    void textsFitTheirControls();
    void tabVisitsFlipBetGuess();
    void focusMarkFollowsTheFocus();
    void buttonAndScrollBarsAreDrawnOverLabelsAndCoins_data();
    void buttonAndScrollBarsAreDrawnOverLabelsAndCoins();
    void labelTextsAreAligned_data();
    void labelTextsAreAligned();

    void keysMoveScrollBars_data();
    void keysMoveScrollBars();
    void arrowAndTrackClicksMoveScrollBars_data();
    void arrowAndTrackClicksMoveScrollBars();
    void wheelMovesScrollBars_data();
    void wheelMovesScrollBars();
    void draggingTheThumbChangesNothingUntilRelease();

    void flipPaintsEachCoinFromItsDraw();
    void wonFlipPaysAndResetsTheBet();
    void lostFlipKeepsTheBetTaken();
    void secondFlipWithoutBetMovesNoMoney();
    void negativeBalanceShowsNoBlank();
    void betsDoNotAddUp();
    void guessChangeMovesNoMoney();
    void bigWinThatUsedToCrashIsPaid();
    void titleKeepsTheGuessReadAtTheFlip();
    void heldKeyPressesFocusedFlipOnce_data();
    void heldKeyPressesFocusedFlipOnce();
    void coinsAndScrollBarsTellScreenReaders();

    void errorInAHandlerIsReported();
    void reportEndsTheGameWithStatusOne();

private:
    template<typename Control = QWidget>
    Control *control(const char *name) const
    {
        auto *found = m_form->findChild<Control *>(name);
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QString text(const char *label) const { return control<QLabel>(label)->text(); }
    void chooseBet(int bet);
    void chooseGuess(int guess);
    void flip() { QTest::mouseClick(control("Flip"), Qt::LeftButton); }

    ScriptedSource m_random;
    QStringList m_reported;
    std::unique_ptr<Form1Widget> m_form;
};

void Form1Test::init()
{
    m_random = ScriptedSource();
    m_reported.clear();
    m_form = std::make_unique<Form1Widget>(
        m_random, [this](const QString &message) { m_reported << message; });
    m_form->show();
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
}

void Form1Test::cleanup()
{
    m_form.reset();
    QCOMPARE(m_reported, QStringList());
}

void Form1Test::chooseBet(int bet)
{
    QWidget *scrollBar = control("BetScroll");
    scrollBar->setFocus();
    QTest::keyClick(scrollBar, Qt::Key_Home);
    for (int tens = 0; tens < bet / 10; ++tens)
        QTest::keyClick(scrollBar, Qt::Key_PageDown);
    for (int ones = 0; ones < bet % 10; ++ones)
        QTest::keyClick(scrollBar, Qt::Key_Right);
    QCOMPARE(text("Bet"), QString::number(bet));
}

void Form1Test::chooseGuess(int guess)
{
    QWidget *scrollBar = control("ChooseScroll");
    scrollBar->setFocus();
    QTest::keyClick(scrollBar, Qt::Key_Home);
    for (int step = 0; step < guess; ++step)
        QTest::keyClick(scrollBar, Qt::Key_Right);
    QCOMPARE(text("Choose"), QString::number(guess));
}

void Form1Test::windowOpensAsDescribed()
{
    QCOMPARE(m_form->objectName(), "Form1");
    QCOMPARE(m_form->windowTitle(), "Form1");
    QCOMPARE(m_form->size(), QSize(226, 161));
    QCOMPARE(control<QPushButton>("Flip")->text(), "Flip");
    QCOMPARE(text("Money"), "Money: 100");
    QCOMPARE(text("Choose"), "5");
    QCOMPARE(text("Bet"), "0");
    QCOMPARE(QApplication::focusWidget(), control("Flip"));
    QVERIFY(!control<QPushButton>("Flip")->isDefault());
    QCOMPARE(m_random.reseeds, 1);
    QCOMPARE(m_form->game().Balance(), 100);
    QCOMPARE(m_form->game().SettledBalance(), 100);
}

void Form1Test::controlsStandWhereTheLayoutSays_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("ChooseScroll") << QByteArray("ChooseScroll") << QRect(144, 56, 81, 17);
    QTest::newRow("BetScroll") << QByteArray("BetScroll") << QRect(64, 56, 81, 17);
    QTest::newRow("Flip") << QByteArray("Flip") << QRect(64, 0, 161, 33);
    QTest::newRow("Money") << QByteArray("Money") << QRect(64, 72, 161, 25);
    QTest::newRow("Choose") << QByteArray("Choose") << QRect(144, 32, 81, 33);
    QTest::newRow("Bet") << QByteArray("Bet") << QRect(64, 32, 81, 33);
}

void Form1Test::controlsStandWhereTheLayoutSays()
{
    QFETCH(QByteArray, name);
    QWidget *widget = control(name.constData());
    QTEST(widget->geometry(), "geometry");
    QVERIFY(widget->isVisible());
}

void Form1Test::coinsStandInTwoColumns_data()
{
    QTest::addColumn<int>("coin");
    QTest::addColumn<QPoint>("position");
    for (int coin = 1; coin <= 5; ++coin)
        QTest::addRow("coin %d", coin) << coin << QPoint(0, 32 * (coin - 1));
    for (int coin = 6; coin <= 10; ++coin)
        QTest::addRow("coin %d", coin) << coin << QPoint(32, 32 * (coin - 6));
}

void Form1Test::coinsStandInTwoColumns()
{
    QFETCH(int, coin);
    QFETCH(QPoint, position);
    Coin *template0 = m_form->Qtr(0);
    QVERIFY(!template0->isVisible());
    QCOMPARE(template0->geometry(), QRect(32, 0, 33, 33));

    Coin *shown = m_form->Qtr(coin);
    QVERIFY(shown->isVisible());
    QCOMPARE(shown->geometry(), QRect(position, QSize(33, 33)));
    QVERIFY(!shown->fill().isValid());
    QCOMPARE(m_form->findChildren<Coin *>().size(), 11);
}

void Form1Test::scrollBarsAreSetUp_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("singleStep");
    QTest::addColumn<int>("pageStep");
    QTest::newRow("guess") << QByteArray("ChooseScroll") << 10 << 5 << 1 << 1;
    QTest::newRow("bet") << QByteArray("BetScroll") << 100 << 0 << 1 << 10;
}

void Form1Test::scrollBarsAreSetUp()
{
    QFETCH(QByteArray, name);
    auto *scrollBar = control<QScrollBar>(name.constData());
    QCOMPARE(scrollBar->orientation(), Qt::Horizontal);
    QCOMPARE(scrollBar->minimum(), 0);
    QTEST(scrollBar->maximum(), "maximum");
    QTEST(scrollBar->value(), "value");
    QTEST(scrollBar->singleStep(), "singleStep");
    QTEST(scrollBar->pageStep(), "pageStep");
}

void Form1Test::textsFitTheirControls()
{
    struct Case
    {
        const char *name;
        QString widest;
        bool bold;
    };
    const Case cases[] = { { "Money", "Money: 102400", true }, { "Money", "Money:-40000", true },
        { "Bet", "100", true }, { "Choose", "10", true }, { "Flip", "Flip", false } };
    for (const Case &each : cases) {
        QWidget *widget = control(each.name);
        const QFontInfo resolved(widget->font());
        QCOMPARE(resolved.family(), "Liberation Sans");
        QCOMPARE(resolved.pixelSize(), 18);
        QCOMPARE(resolved.bold(), each.bold);
        const QFontMetrics metrics(widget->font());
        QVERIFY2(metrics.horizontalAdvance(each.widest) <= widget->width(), each.name);
        QVERIFY2(metrics.height() <= widget->height(), each.name);
    }
}

void Form1Test::tabVisitsFlipBetGuess()
{
    const char *order[] = { "BetScroll", "ChooseScroll", "Flip", "BetScroll" };
    for (const char *next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), control(next));
    }
}

void Form1Test::focusMarkFollowsTheFocus()
{
    auto *bet = control<QScrollBar>("BetScroll"), *guess = control<QScrollBar>("ChooseScroll");
    // Qt's own scroll bar, set up alike in the same window, shows how a bar without a mark looks.
    const auto unmarked = [this](QScrollBar *bar) {
        QScrollBar plain(Qt::Horizontal, m_form.get());
        plain.hide();
        plain.resize(bar->size());
        plain.setRange(bar->minimum(), bar->maximum());
        plain.setPageStep(bar->pageStep());
        plain.setValue(bar->value());
        return plain.grab().toImage();
    };
    const auto marked = [&](QScrollBar *bar) { return bar->grab().toImage() != unmarked(bar); };
    QVERIFY(!marked(bet) && !marked(guess));
    // Tab from Flip to the bet, to the guess, and back to Flip.
    const bool betMarked[] = { true, false, false };
    const bool guessMarked[] = { false, true, false };
    for (int press = 0; press < 3; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(marked(bet), betMarked[press]);
        QCOMPARE(marked(guess), guessMarked[press]);
    }
}

void Form1Test::buttonAndScrollBarsAreDrawnOverLabelsAndCoins_data()
{
    QTest::addColumn<QByteArray>("onTop");
    QTest::addColumn<QRect>("overlap");
    QTest::newRow("Flip over the tops of Bet and Choose")
        << QByteArray("Flip") << QRect(64, 32, 161, 1);
    QTest::newRow("Flip over the right column of coins")
        << QByteArray("Flip") << QRect(64, 0, 1, 33);
    QTest::newRow("BetScroll over Bet") << QByteArray("BetScroll") << QRect(64, 56, 81, 9);
    QTest::newRow("ChooseScroll over Choose")
        << QByteArray("ChooseScroll") << QRect(145, 56, 80, 9);
    QTest::newRow("BetScroll over Money") << QByteArray("BetScroll") << QRect(64, 72, 81, 1);
    QTest::newRow("ChooseScroll over Money") << QByteArray("ChooseScroll") << QRect(145, 72, 80, 1);
}

void Form1Test::buttonAndScrollBarsAreDrawnOverLabelsAndCoins()
{
    QFETCH(QByteArray, onTop);
    QFETCH(QRect, overlap);
    // Labels filled with a loud colour, so that one drawn on top could not hide.
    for (const char *name : { "Bet", "Choose", "Money" }) {
        auto *label = control<QLabel>(name);
        QPalette loud = label->palette();
        loud.setColor(QPalette::Window, Qt::magenta);
        label->setPalette(loud);
        label->setAutoFillBackground(true);
    }
    m_random.scriptAll(0.9f, 10);
    flip();
    const QImage window = m_form->grab().toImage();
    const qreal ratio = window.devicePixelRatio();

    // The control on its own, on a transparent ground: wherever it paints, the window must show
    // exactly that.
    QWidget *widget = control(onTop.constData());
    QImage alone(widget->size() * ratio, QImage::Format_ARGB32_Premultiplied);
    alone.setDevicePixelRatio(ratio);
    alone.fill(Qt::transparent);
    widget->render(&alone, {}, {}, QWidget::DrawChildren);

    int compared = 0;
    for (int y = overlap.top(); y <= overlap.bottom(); ++y) {
        for (int x = overlap.left(); x <= overlap.right(); ++x) {
            const QPoint inWindow(int((x + 0.5) * ratio), int((y + 0.5) * ratio));
            const QPoint inControl = inWindow - (widget->pos() * ratio);
            const QColor own = alone.pixelColor(inControl);
            if (own.alpha() < 255)
                continue;
            // At fractional scales the edges blend a few levels differently; a label or coin on
            // top would be far off.
            const QColor shown = window.pixelColor(inWindow);
            const int off = std::max({ qAbs(shown.red() - own.red()),
                qAbs(shown.green() - own.green()), qAbs(shown.blue() - own.blue()) });
            QVERIFY2(off <= 8,
                qPrintable(QString("at %1,%2 the window shows %3, the control %4")
                               .arg(x)
                               .arg(y)
                               .arg(shown.name(), own.name())));
            ++compared;
        }
    }
    QVERIFY(compared >= overlap.width() * overlap.height() / 2);
}

void Form1Test::labelTextsAreAligned_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<bool>("centred");
    QTest::newRow("Bet is centred") << QByteArray("Bet") << true;
    QTest::newRow("Choose is centred") << QByteArray("Choose") << true;
    QTest::newRow("Money is left-aligned") << QByteArray("Money") << false;
}

void Form1Test::labelTextsAreAligned()
{
    QFETCH(QByteArray, name);
    QFETCH(bool, centred);
    const QImage image = control(name.constData())->grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    const QColor ground = image.pixelColor(image.width() - 1, 0);
    int left = image.width(), right = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != ground) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    QVERIFY2(right >= 0, "the label shows no text");
    const qreal leftMargin = left / ratio, rightMargin = (image.width() - 1 - right) / ratio;
    if (centred)
        QVERIFY2(qAbs(leftMargin - rightMargin) <= 2,
            qPrintable(QString("margins %1 and %2").arg(leftMargin).arg(rightMargin)));
    else
        QVERIFY2(leftMargin <= 3 && rightMargin > 20,
            qPrintable(QString("left margin %1").arg(leftMargin)));
}

void Form1Test::keysMoveScrollBars_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("expected");
    const QByteArray bet("BetScroll"), guess("ChooseScroll");
    QTest::newRow("bet left") << bet << 50 << int(Qt::Key_Left) << 49;
    QTest::newRow("bet right") << bet << 50 << int(Qt::Key_Right) << 51;
    QTest::newRow("bet page up") << bet << 50 << int(Qt::Key_PageUp) << 40;
    QTest::newRow("bet page down") << bet << 50 << int(Qt::Key_PageDown) << 60;
    QTest::newRow("bet home") << bet << 50 << int(Qt::Key_Home) << 0;
    QTest::newRow("bet end") << bet << 50 << int(Qt::Key_End) << 100;
    QTest::newRow("bet left at 0") << bet << 0 << int(Qt::Key_Left) << 0;
    QTest::newRow("bet page down near top") << bet << 95 << int(Qt::Key_PageDown) << 100;
    QTest::newRow("bet right at 100") << bet << 100 << int(Qt::Key_Right) << 100;
    QTest::newRow("guess left") << guess << 5 << int(Qt::Key_Left) << 4;
    QTest::newRow("guess right") << guess << 5 << int(Qt::Key_Right) << 6;
    QTest::newRow("guess page up") << guess << 5 << int(Qt::Key_PageUp) << 4;
    QTest::newRow("guess page down") << guess << 5 << int(Qt::Key_PageDown) << 6;
    QTest::newRow("guess home") << guess << 5 << int(Qt::Key_Home) << 0;
    QTest::newRow("guess end") << guess << 5 << int(Qt::Key_End) << 10;
    QTest::newRow("guess right at 10") << guess << 10 << int(Qt::Key_Right) << 10;
}

void Form1Test::keysMoveScrollBars()
{
    QFETCH(QByteArray, name);
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, expected);
    auto *scrollBar = control<QScrollBar>(name.constData());
    scrollBar->setValue(from);
    scrollBar->setFocus();
    QTest::keyClick(scrollBar, Qt::Key(key));
    QCOMPARE(scrollBar->value(), expected);

    const bool isBet = name == "BetScroll";
    QCOMPARE(text(isBet ? "Bet" : "Choose"), QString::number(expected));
    const int bet = isBet ? expected : 0;
    QCOMPARE(text("Money"), QString("Money: %1").arg(100 - bet));
}

void Form1Test::arrowAndTrackClicksMoveScrollBars_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("part");
    QTest::addColumn<int>("expected");
    const QByteArray bet("BetScroll"), guess("ChooseScroll");
    QTest::newRow("bet right arrow") << bet << 50 << int(QStyle::SC_ScrollBarAddLine) << 51;
    QTest::newRow("bet left arrow") << bet << 50 << int(QStyle::SC_ScrollBarSubLine) << 49;
    QTest::newRow("bet track right") << bet << 50 << int(QStyle::SC_ScrollBarAddPage) << 60;
    QTest::newRow("bet track left") << bet << 50 << int(QStyle::SC_ScrollBarSubPage) << 40;
    QTest::newRow("guess right arrow") << guess << 5 << int(QStyle::SC_ScrollBarAddLine) << 6;
    QTest::newRow("guess track left") << guess << 5 << int(QStyle::SC_ScrollBarSubPage) << 4;
}

void Form1Test::arrowAndTrackClicksMoveScrollBars()
{
    QFETCH(QByteArray, name);
    QFETCH(int, from);
    QFETCH(int, part);
    QFETCH(int, expected);
    auto *scrollBar = control<QScrollBar>(name.constData());
    scrollBar->setValue(from);
    const QRect target = scrollBarPart(scrollBar, QStyle::SubControl(part));
    QVERIFY(!target.isEmpty());
    QTest::mouseClick(scrollBar, Qt::LeftButton, {}, target.center());
    QCOMPARE(scrollBar->value(), expected);
    QCOMPARE(text(name == "BetScroll" ? "Bet" : "Choose"), QString::number(expected));
}

void Form1Test::wheelMovesScrollBars_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("notches");
    QTest::addColumn<int>("expected");
    // One notch scrolls three steps, as the desktop's wheel setting says, but never past a page.
    QTest::newRow("bet down") << QByteArray("BetScroll") << -1 << 53;
    QTest::newRow("bet up") << QByteArray("BetScroll") << 1 << 47;
    QTest::newRow("guess down") << QByteArray("ChooseScroll") << -1 << 6;
    QTest::newRow("guess up") << QByteArray("ChooseScroll") << 1 << 4;
}

void Form1Test::wheelMovesScrollBars()
{
    QFETCH(QByteArray, name);
    QFETCH(int, notches);
    QFETCH(int, expected);
    auto *scrollBar = control<QScrollBar>(name.constData());
    scrollBar->setValue(name == "BetScroll" ? 50 : 5);
    control("Flip")->setFocus();
    const QPointF inside = scrollBar->rect().center();
    QWheelEvent wheel(inside, scrollBar->mapToGlobal(inside), {}, { 0, 120 * notches },
        Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(scrollBar, &wheel);
    QCOMPARE(scrollBar->value(), expected);
    QCOMPARE(text(name == "BetScroll" ? "Bet" : "Choose"), QString::number(expected));
}

void Form1Test::draggingTheThumbChangesNothingUntilRelease()
{
    auto *scrollBar = control<QScrollBar>("BetScroll");
    const QPoint grip = scrollBarPart(scrollBar, QStyle::SC_ScrollBarSlider).center();
    QTest::mousePress(scrollBar, Qt::LeftButton, {}, grip);
    QTest::mouseMove(scrollBar, grip + QPoint(20, 0));
    QVERIFY(scrollBar->isSliderDown());
    QVERIFY(scrollBar->sliderPosition() > 0);
    QCOMPARE(scrollBar->value(), 0);
    QCOMPARE(text("Bet"), "0");
    QCOMPARE(text("Money"), "Money: 100");

    QTest::mouseRelease(scrollBar, Qt::LeftButton, {}, grip + QPoint(20, 0));
    const int bet = scrollBar->value();
    QVERIFY(bet > 0);
    QCOMPARE(text("Bet"), QString::number(bet));
    QCOMPARE(text("Money"), QString("Money: %1").arg(100 - bet));
}

void Form1Test::flipPaintsEachCoinFromItsDraw()
{
    const bool red[] = { true, false, false, true, true, false, true, false, true, false };
    m_random.script({ 0.5f, 0.49999997f, 0.0f, 0.75f, 0.99999994f, 0.25f, 0.6f, 0.1f, 0.9f, 0.3f });
    flip();
    QCOMPARE(m_random.left(), 0);
    QCOMPARE(m_form->windowTitle(), " 5 5");

    // Sample every coin as drawn on screen, at the device's pixel ratio: at its centre, and near
    // its edge on all four sides, so that a coin drawn only in part shows.
    const QImage image = m_form->grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    for (int coin = 1; coin <= 10; ++coin) {
        const QRectF place(m_form->Qtr(coin)->geometry());
        const qreal reach = place.width() * 0.4;
        const QColor expected = red[coin - 1] ? QColor(255, 0, 0) : QColor(0, 255, 0);
        for (const QPointF &from : { QPointF(0, 0), QPointF(reach, 0), QPointF(-reach, 0),
                 QPointF(0, reach), QPointF(0, -reach) })
            QCOMPARE(image.pixelColor(((place.center() + from) * ratio).toPoint()), expected);
    }
}

void Form1Test::wonFlipPaysAndResetsTheBet()
{
    chooseGuess(3);
    chooseBet(15);
    QCOMPARE(text("Money"), "Money: 85");
    m_random.script({ 0.7f, 0.7f, 0.7f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f });
    flip();
    QCOMPARE(m_form->windowTitle(), " 3 3");
    QCOMPARE(text("Money"), "Money: 213");
    QCOMPARE(text("Bet"), "0");
    QCOMPARE(control<QScrollBar>("BetScroll")->value(), 0);
    QCOMPARE(m_form->game().Balance(), 213);
    QCOMPARE(m_form->game().SettledBalance(), 213);
}

void Form1Test::lostFlipKeepsTheBetTaken()
{
    chooseBet(20);
    m_random.scriptAll(0.9f, 10);
    flip();
    QCOMPARE(m_form->windowTitle(), " 5 10");
    QCOMPARE(text("Money"), "Money: 80");
    QCOMPARE(text("Bet"), "0");
    QCOMPARE(m_form->game().SettledBalance(), 80);
}

void Form1Test::secondFlipWithoutBetMovesNoMoney()
{
    chooseGuess(0);
    chooseBet(10);
    m_random.scriptAll(0.9f, 10);
    flip();
    QCOMPARE(text("Money"), "Money: 90");
    m_random.scriptAll(0.1f, 10);
    flip();
    QCOMPARE(m_form->windowTitle(), " 0 0");
    QCOMPARE(text("Money"), "Money: 90");
}

void Form1Test::negativeBalanceShowsNoBlank()
{
    chooseBet(50);
    m_random.scriptAll(0.1f, 10);
    flip();
    chooseBet(100);
    QCOMPARE(text("Money"), "Money:-50");
    m_random.scriptAll(0.1f, 10);
    flip();
    QCOMPARE(text("Money"), "Money:-50");
    QCOMPARE(m_form->game().SettledBalance(), -50);
}

void Form1Test::betsDoNotAddUp()
{
    chooseBet(30);
    chooseBet(10);
    QCOMPARE(text("Money"), "Money: 90");
}

void Form1Test::guessChangeMovesNoMoney()
{
    chooseBet(40);
    chooseGuess(9);
    QCOMPARE(text("Money"), "Money: 60");
    QCOMPARE(m_form->game().Balance(), 60);
}

void Form1Test::bigWinThatUsedToCrashIsPaid()
{
    chooseGuess(0);
    chooseBet(32);
    m_random.scriptAll(0.1f, 10);
    flip();
    QCOMPARE(text("Money"), "Money: 32836");
    chooseBet(100);
    QCOMPARE(text("Money"), "Money: 32736");
}

void Form1Test::titleKeepsTheGuessReadAtTheFlip()
{
    chooseGuess(7);
    m_random.scriptAll(0.1f, 10);
    flip();
    chooseGuess(2);
    QCOMPARE(m_form->windowTitle(), " 7 0");
}

void Form1Test::heldKeyPressesFocusedFlipOnce_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("marked");
    // X repeats a held key as further presses that Qt may leave unmarked, or as a release and a
    // press that Qt marks as repeats.
    QTest::newRow("space, unmarked presses") << int(Qt::Key_Space) << false;
    QTest::newRow("return, unmarked presses") << int(Qt::Key_Return) << false;
    QTest::newRow("keypad enter, unmarked presses") << int(Qt::Key_Enter) << false;
    QTest::newRow("space, marked repeats") << int(Qt::Key_Space) << true;
    QTest::newRow("return, marked repeats") << int(Qt::Key_Return) << true;
    QTest::newRow("keypad enter, marked repeats") << int(Qt::Key_Enter) << true;
}

void Form1Test::heldKeyPressesFocusedFlipOnce()
{
    QFETCH(int, key);
    QFETCH(bool, marked);
    m_random.scriptAll(0.9f, 30);
    QWidget *flipButton = control("Flip");
    QTest::keyPress(flipButton, Qt::Key(key));
    for (int repeat = 0; repeat < 3; ++repeat) {
        if (marked) {
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(flipButton, &release);
        }
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), marked);
        QApplication::sendEvent(flipButton, &press);
    }
    QCOMPARE(m_random.left(), 30);
    QTest::keyRelease(flipButton, Qt::Key(key));
    QCOMPARE(m_random.left(), 20);
    QCOMPARE(m_form->windowTitle(), " 5 10");
    m_random = ScriptedSource();
}

void Form1Test::coinsAndScrollBarsTellScreenReaders()
{
    m_random.script({ 0.1f, 0.1f, 0.9f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f, 0.9f });
    flip();
    const auto describe = [](QWidget *widget, QAccessible::Text what) {
        return QAccessible::queryAccessibleInterface(widget)->text(what);
    };
    QCOMPARE(describe(m_form->Qtr(3), QAccessible::Name), "Coin 3");
    QCOMPARE(describe(m_form->Qtr(3), QAccessible::Description), "red");
    QCOMPARE(describe(m_form->Qtr(4), QAccessible::Description), "green");
    QCOMPARE(describe(m_form->Qtr(10), QAccessible::Description), "red");
    QCOMPARE(describe(control("BetScroll"), QAccessible::Name), "Bet");
    QCOMPARE(describe(control("ChooseScroll"), QAccessible::Name), "Guess");
}

void Form1Test::errorInAHandlerIsReported()
{
    chooseBet(10);
    m_random.script({ 0.9f, 0.9f, 0.9f });
    flip();
    QCOMPARE(m_reported, QStringList("The scripted draws ran out."));
    // The flip stopped before the money moved.
    QCOMPARE(text("Money"), "Money: 90");
    QCOMPARE(m_form->windowTitle(), "Form1");
    // The game has stopped: told once, it takes no more input.
    m_random.scriptAll(0.9f, CoinCount);
    flip();
    QTest::keyClick(control("BetScroll"), Qt::Key_Right);
    QCOMPARE(m_reported, QStringList("The scripted draws ran out."));
    QCOMPARE(m_form->windowTitle(), "Form1");
    m_reported.clear();
}

void Form1Test::reportEndsTheGameWithStatusOne()
{
    QString shown;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    closer.start(10);
    QTimer::singleShot(0, [] { reportErrorAndQuit("The coins rolled away."); });
    QCOMPARE(QApplication::exec(), 1);
    QCOMPARE(shown, "Ten Coins has to close.\n\nThe coins rolled away.");
}

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
