// SPDX-License-Identifier: MIT
#include "exactpayout.h"
#include "gamestate.h"

#include <QTest>
#include <limits>
#include <stdexcept>

class MoneyTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void payoutIsExactRationalRoundedDown_data();
    void payoutIsExactRationalRoundedDown();
    void knownPayouts_data();
    void knownPayouts();
    void unknownRedCountPaysNothing();

    void gameStartsAt100();
    void betIsTakenFromSettledBalance();
    void betsDoNotAddUp();
    void wonFlipAddsPayoutAndSettles();
    void lostFlipKeepsBetTaken();
    void zeroBetMovesNoMoney_data();
    void zeroBetMovesNoMoney();
    void unmatchedGuessPaysNothingEvenOnRareCounts();
    void balanceMayGoNegative();
    void bigWinFormerlyFatalSettles_data();
    void bigWinFormerlyFatalSettles();
    void steadyLossesPastSixteenBitsSettle();
    void moneyNeverWrapsAtSixtyFourBits();
    void badInputIsRefusedAndMoneyKept_data();
    void badInputIsRefusedAndMoneyKept();
};

void MoneyTest::payoutIsExactRationalRoundedDown_data()
{
    QTest::addColumn<int>("redCount");
    QTest::addColumn<int>("bet");
    for (int red = 0; red <= 10; ++red)
        for (int bet = 0; bet <= 100; ++bet)
            QTest::addRow("red %d bet %d", red, bet) << red << bet;
}

void MoneyTest::payoutIsExactRationalRoundedDown()
{
    QFETCH(int, redCount);
    QFETCH(int, bet);
    QCOMPARE(payout(redCount, bet), exactPayout(redCount, bet));
}

void MoneyTest::knownPayouts_data()
{
    QTest::addColumn<int>("redCount");
    QTest::addColumn<int>("bet");
    QTest::addColumn<Amount>("expected");
    QTest::newRow("1 on no red") << 0 << 1 << Amount(1024);
    QTest::newRow("1 on all red") << 10 << 1 << Amount(1024);
    QTest::newRow("15 on 3 red is exactly 128") << 3 << 15 << Amount(128);
    QTest::newRow("15 on 7 red is exactly 128") << 7 << 15 << Amount(128);
    QTest::newRow("29 on 5 red is exactly 128") << 5 << 29 << Amount(128);
    QTest::newRow("87 on 5 red") << 5 << 87 << Amount(384);
    QTest::newRow("100 on 5 red") << 5 << 100 << Amount(441);
    QTest::newRow("100 on 4 red") << 4 << 100 << Amount(512);
    QTest::newRow("100 on 6 red") << 6 << 100 << Amount(512);
    QTest::newRow("100 on 3 red") << 3 << 100 << Amount(853);
    QTest::newRow("10 on 1 red") << 1 << 10 << Amount(1024);
    QTest::newRow("10 on 9 red") << 9 << 10 << Amount(1024);
    QTest::newRow("10 on 2 red") << 2 << 10 << Amount(227);
    QTest::newRow("20 on 5 red") << 5 << 20 << Amount(88);
}

void MoneyTest::knownPayouts()
{
    QFETCH(int, redCount);
    QFETCH(int, bet);
    QTEST(payout(redCount, bet), "expected");
}

void MoneyTest::unknownRedCountPaysNothing()
{
    QCOMPARE(payoutMultiplier(-1), 0.0);
    QCOMPARE(payoutMultiplier(11), 0.0);
}

void MoneyTest::gameStartsAt100()
{
    GameState game;
    game.takeBet("40");
    game.start();
    QCOMPARE(game.Balance(), Amount(100));
    QCOMPARE(game.SettledBalance(), Amount(100));
}

void MoneyTest::betIsTakenFromSettledBalance()
{
    GameState game;
    game.start();
    QCOMPARE(game.takeBet("15"), Amount(85));
    QCOMPARE(game.Balance(), Amount(85));
    QCOMPARE(game.SettledBalance(), Amount(100));
}

void MoneyTest::betsDoNotAddUp()
{
    GameState game;
    game.start();
    game.takeBet("30");
    QCOMPARE(game.takeBet("10"), Amount(90));
    QCOMPARE(game.takeBet("0"), Amount(100));
}

void MoneyTest::wonFlipAddsPayoutAndSettles()
{
    GameState game;
    game.start();
    game.takeBet("20");
    QCOMPARE(game.settle(5, 5, "20"), Amount(168));
    QCOMPARE(game.SettledBalance(), Amount(168));
    QCOMPARE(game.takeBet("0"), Amount(168));
}

void MoneyTest::lostFlipKeepsBetTaken()
{
    GameState game;
    game.start();
    game.takeBet("20");
    QCOMPARE(game.settle(4, 5, "20"), Amount(80));
    QCOMPARE(game.SettledBalance(), Amount(80));
    QCOMPARE(game.takeBet("0"), Amount(80));
}

void MoneyTest::zeroBetMovesNoMoney_data()
{
    QTest::addColumn<int>("redCount");
    QTest::addColumn<int>("guess");
    QTest::newRow("matched rare count") << 10 << 10;
    QTest::newRow("matched middle") << 5 << 5;
    QTest::newRow("missed") << 3 << 4;
}

void MoneyTest::zeroBetMovesNoMoney()
{
    QFETCH(int, redCount);
    QFETCH(int, guess);
    GameState game;
    game.start();
    QCOMPARE(game.settle(redCount, guess, "0"), Amount(100));
    QCOMPARE(game.SettledBalance(), Amount(100));
}

void MoneyTest::unmatchedGuessPaysNothingEvenOnRareCounts()
{
    GameState game;
    game.start();
    game.takeBet("50");
    QCOMPARE(game.settle(0, 1, "50"), Amount(50));
    game.takeBet("50");
    QCOMPARE(game.settle(10, 9, "50"), Amount(0));
}

void MoneyTest::balanceMayGoNegative()
{
    GameState game;
    game.start();
    game.takeBet("50");
    game.settle(3, 4, "50");
    QCOMPARE(game.SettledBalance(), Amount(50));
    QCOMPARE(game.takeBet("100"), Amount(-50));
    QCOMPARE(game.settle(3, 4, "100"), Amount(-50));
    QCOMPARE(game.SettledBalance(), Amount(-50));
}

void MoneyTest::bigWinFormerlyFatalSettles_data()
{
    QTest::addColumn<int>("redCount");
    QTest::addColumn<QByteArray>("bet");
    QTest::addColumn<Amount>("settled");
    QTest::newRow("31 on no red, the last that fitted 16 bits")
        << 0 << QByteArray("31") << Amount(31813);
    QTest::newRow("32 on no red") << 0 << QByteArray("32") << Amount(32836);
    QTest::newRow("32 on all red") << 10 << QByteArray("32") << Amount(32836);
    QTest::newRow("100 on all red") << 10 << QByteArray("100") << Amount(102400);
}

void MoneyTest::bigWinFormerlyFatalSettles()
{
    QFETCH(int, redCount);
    QFETCH(QByteArray, bet);
    GameState game;
    game.start();
    game.takeBet(bet.toStdString());
    QTEST(game.settle(redCount, redCount, bet.toStdString()), "settled");
    QTEST(game.SettledBalance(), "settled");

    // The game goes on from the new balance.
    QFETCH(Amount, settled);
    QCOMPARE(game.takeBet("100"), settled - 100);
}

void MoneyTest::steadyLossesPastSixteenBitsSettle()
{
    GameState game;
    game.start();
    for (int flip = 0; flip < 400; ++flip) {
        game.takeBet("100");
        game.settle(5, 6, "100");
    }
    QCOMPARE(game.SettledBalance(), Amount(100 - 400 * 100));
}

void MoneyTest::moneyNeverWrapsAtSixtyFourBits()
{
    constexpr Amount most = std::numeric_limits<Amount>::max();
    constexpr Amount least = std::numeric_limits<Amount>::min();
    QCOMPARE(addMoney(most - 1024, 1024), most);
    QCOMPARE(addMoney(least + 100, -100), least);
    QVERIFY_THROWS_EXCEPTION(std::overflow_error, addMoney(most, 1));
    QVERIFY_THROWS_EXCEPTION(std::overflow_error, addMoney(least, -1));
}

void MoneyTest::badInputIsRefusedAndMoneyKept_data()
{
    QTest::addColumn<int>("redCount");
    QTest::addColumn<int>("guess");
    QTest::addColumn<QByteArray>("bet");
    QTest::newRow("empty bet") << 5 << 5 << QByteArray("");
    QTest::newRow("bet over 100") << 5 << 5 << QByteArray("101");
    QTest::newRow("negative bet") << 5 << 5 << QByteArray("-1");
    QTest::newRow("signed bet") << 5 << 5 << QByteArray("+5");
    QTest::newRow("blank before bet") << 5 << 5 << QByteArray(" 5");
    QTest::newRow("fractional bet") << 5 << 5 << QByteArray("5.5");
    QTest::newRow("exponent bet") << 5 << 5 << QByteArray("1e2");
    QTest::newRow("word bet") << 5 << 5 << QByteArray("ten");
    QTest::newRow("huge bet") << 5 << 5 << QByteArray("99999999999999999999");
    // The characters either side of the digits in ASCII.
    QTest::newRow("colon after a digit") << 5 << 5 << QByteArray("1:");
    QTest::newRow("slash after a digit") << 5 << 5 << QByteArray("9/");
    QTest::newRow("colon alone") << 5 << 5 << QByteArray(":");
    QTest::newRow("digit after a slash") << 5 << 5 << QByteArray("/5");
    QTest::newRow("embedded nul") << 5 << 5 << QByteArray("1\0", 2);
    QTest::newRow("red count below 0") << -1 << 5 << QByteArray("10");
    QTest::newRow("red count over 10") << 11 << 11 << QByteArray("10");
    QTest::newRow("guess over 10") << 5 << 11 << QByteArray("10");
}

void MoneyTest::badInputIsRefusedAndMoneyKept()
{
    QFETCH(int, redCount);
    QFETCH(int, guess);
    QFETCH(QByteArray, bet);
    GameState game;
    game.start();
    game.takeBet("10");
    QVERIFY_THROWS_EXCEPTION(
        std::invalid_argument, game.settle(redCount, guess, bet.toStdString()));
    if (redCount == 5 && guess == 5)
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, game.takeBet(bet.toStdString()));
    QCOMPARE(game.Balance(), Amount(90));
    QCOMPARE(game.SettledBalance(), Amount(100));
}

QTEST_APPLESS_MAIN(MoneyTest)
#include "tst_money.moc"
