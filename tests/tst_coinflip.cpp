// SPDX-License-Identifier: MIT
#include "coinflip.h"
#include "randomsource.h"

#include <QTest>
#include <array>
#include <cmath>
#include <vector>

class CoinFlipTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void drawDecidesFace_data();
    void drawDecidesFace();
    void coinTakesDrawOfItsNumber();
    void drawOutsideUnitRangeIsRefused_data();
    void drawOutsideUnitRangeIsRefused();
    void randomDrawsStayOnGridBelowOne();
    void reseedingFromClockLeavesTheDefaultSequence();
    void redCountsLookBinomial();
};

namespace {

struct Painted
{
    int coin;
    Colour colour;
};

struct ScriptedFlip
{
    int redCount;
    std::vector<Painted> painted;
};

ScriptedFlip flipWith(const std::array<float, CoinCount> &draws)
{
    ScriptedFlip result {};
    std::size_t next = 0;
    result.redCount = flipCoins([&] { return draws.at(next++); },
        [&](int coin, Colour colour) {
            // Each coin is painted as soon as it is drawn, before the next draw.
            QCOMPARE(next, std::size_t(coin));
            result.painted.push_back({ coin, colour });
        });
    return result;
}

} // namespace

void CoinFlipTest::drawDecidesFace_data()
{
    QTest::addColumn<float>("draw");
    QTest::addColumn<bool>("red");
    QTest::newRow("0 is green") << 0.0f << false;
    QTest::newRow("just below a half is green") << std::nextafter(0.5f, 0.0f) << false;
    QTest::newRow("a half is red") << 0.5f << true;
    QTest::newRow("just below 1 is red") << std::nextafter(1.0f, 0.0f) << true;
}

void CoinFlipTest::drawDecidesFace()
{
    QFETCH(float, draw);
    QFETCH(bool, red);
    std::array<float, CoinCount> draws;
    draws.fill(draw);
    const ScriptedFlip flip = flipWith(draws);
    QCOMPARE(flip.redCount, red ? 10 : 0);
    QCOMPARE(flip.painted.size(), std::size_t(CoinCount));
    for (const Painted &painted : flip.painted)
        QVERIFY(painted.colour == (red ? RedFace : GreenFace));
}

void CoinFlipTest::coinTakesDrawOfItsNumber()
{
    const ScriptedFlip flip
        = flipWith({ 0.9f, 0.1f, 0.5f, 0.4f, 0.6f, 0.0f, 0.99f, 0.2f, 0.3f, 0.7f });
    const std::array<bool, CoinCount> red { true, false, true, false, true, false, true, false,
        false, true };
    QCOMPARE(flip.redCount, 5);
    for (int coin = 1; coin <= CoinCount; ++coin) {
        QCOMPARE(flip.painted[coin - 1].coin, coin);
        QVERIFY(flip.painted[coin - 1].colour == (red[coin - 1] ? RedFace : GreenFace));
    }
}

void CoinFlipTest::drawOutsideUnitRangeIsRefused_data()
{
    QTest::addColumn<float>("draw");
    QTest::newRow("1") << 1.0f;
    QTest::newRow("negative") << -0.25f;
    QTest::newRow("not a number") << std::nanf("");
}

void CoinFlipTest::drawOutsideUnitRangeIsRefused()
{
    QFETCH(float, draw);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range,
        flipCoins([&] { return draw; }, [](int, Colour) { QFAIL("a bad draw was painted"); }));
}

void CoinFlipTest::randomDrawsStayOnGridBelowOne()
{
    MersenneSource source(20261208);
    float lowest = 1, highest = 0;
    for (int i = 0; i < 1'000'000; ++i) {
        const float draw = source.next();
        QVERIFY(draw >= 0.0f && draw < 1.0f);
        const float steps = draw * 0x1p24f;
        QCOMPARE(std::floor(steps), steps);
        lowest = std::min(lowest, draw);
        highest = std::max(highest, draw);
    }
    // A million draws reach both ends of the range.
    QVERIFY(lowest < 1e-5f);
    QVERIFY(highest > 1 - 1e-5f);
}

void CoinFlipTest::reseedingFromClockLeavesTheDefaultSequence()
{
    MersenneSource seeded, fixed;
    seeded.reseedFromClock();
    int same = 0;
    for (int i = 0; i < 8; ++i)
        same += seeded.next() == fixed.next();
    QVERIFY(same < 8);
}

void CoinFlipTest::redCountsLookBinomial()
{
    constexpr int flips = 102'400;
    MersenneSource source(42);
    std::array<int, CoinCount + 1> seen {};
    for (int i = 0; i < flips; ++i)
        ++seen[flipCoins([&] { return source.next(); }, [](int, Colour) {})];

    // Chi-square against binomial(10, 1/2) with 10 degrees of freedom: 40 is far in the tail
    // (p < 1e-5), so only a biased coin fails; the seed is fixed, so the result never changes.
    constexpr std::array<int, CoinCount + 1> ways { 1, 10, 45, 120, 210, 252, 210, 120, 45, 10, 1 };
    double chiSquare = 0;
    for (int red = 0; red <= CoinCount; ++red) {
        const double expected = flips * ways[red] / 1024.0;
        chiSquare += (seen[red] - expected) * (seen[red] - expected) / expected;
    }
    QVERIFY2(chiSquare < 40, qPrintable(QString::number(chiSquare)));
}

QTEST_APPLESS_MAIN(CoinFlipTest)
#include "tst_coinflip.moc"
