// SPDX-License-Identifier: MIT
#include "displaytexts.h"
#include "numberforms.h"

#include <QTest>

class TextsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void moneyText_data();
    void moneyText();
    void flipIsReported_data();
    void flipIsReported();
    void labelsShowDigitsOnly_data();
    void labelsShowDigitsOnly();
    void betTextReadsBack_data();
    void betTextReadsBack();
    void badBetTextNamesItself();
};

void TextsTest::moneyText_data()
{
    QTest::addColumn<Amount>("balance");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("start") << Amount(100) << QByteArray("Money: 100");
    QTest::newRow("zero keeps the blank") << Amount(0) << QByteArray("Money: 0");
    QTest::newRow("negative has no blank") << Amount(-5) << QByteArray("Money:-5");
    QTest::newRow("after the big win, no grouping") << Amount(32836) << QByteArray("Money: 32836");
    QTest::newRow("past 16 bits negative") << Amount(-39900) << QByteArray("Money:-39900");
    QTest::newRow("64-bit top") << std::numeric_limits<Amount>::max()
                                << QByteArray("Money: 9223372036854775807");
    QTest::newRow("64-bit bottom")
        << std::numeric_limits<Amount>::min() << QByteArray("Money:-9223372036854775808");
}

void TextsTest::moneyText()
{
    QFETCH(Amount, balance);
    QFETCH(QByteArray, expected);
    QCOMPARE(QByteArray::fromStdString(::moneyText(balance)), expected);
}

// The title a sighted player reads, and what a screen reader says with the money.
void TextsTest::flipIsReported_data()
{
    QTest::addColumn<int>("guess");
    QTest::addColumn<int>("redCount");
    QTest::addColumn<QByteArray>("title");
    QTest::addColumn<QByteArray>("announced");
    QTest::newRow("5 guessed, 3 red")
        << 5 << 3 << QByteArray(" 5 3") << QByteArray("Guessed 5, 3 red. Money: 95");
    QTest::newRow("10 guessed, 10 red")
        << 10 << 10 << QByteArray(" 10 10") << QByteArray("Guessed 10, 10 red. Money: 95");
    QTest::newRow("0 guessed, none red")
        << 0 << 0 << QByteArray(" 0 0") << QByteArray("Guessed 0, 0 red. Money: 95");
    QTest::newRow("0 guessed, 10 red")
        << 0 << 10 << QByteArray(" 0 10") << QByteArray("Guessed 0, 10 red. Money: 95");
}

void TextsTest::flipIsReported()
{
    QFETCH(int, guess);
    QFETCH(int, redCount);
    QFETCH(QByteArray, title);
    QFETCH(QByteArray, announced);
    QCOMPARE(QByteArray::fromStdString(flipTitle(guess, redCount)), title);
    QCOMPARE(QByteArray::fromStdString(flipAnnouncement(guess, redCount, "Money: 95")), announced);
}

void TextsTest::labelsShowDigitsOnly_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("0") << 0 << QByteArray("0");
    QTest::newRow("5") << 5 << QByteArray("5");
    QTest::newRow("10") << 10 << QByteArray("10");
    QTest::newRow("100") << 100 << QByteArray("100");
}

void TextsTest::labelsShowDigitsOnly()
{
    QFETCH(int, value);
    QFETCH(QByteArray, expected);
    QCOMPARE(QByteArray::fromStdString(scrollValueText(value)), expected);
}

void TextsTest::betTextReadsBack_data()
{
    QTest::addColumn<int>("bet");
    for (int bet : { 0, 1, 9, 10, 15, 29, 99, 100 })
        QTest::addRow("%d", bet) << bet;
}

void TextsTest::betTextReadsBack()
{
    QFETCH(int, bet);
    QCOMPARE(betFromText(scrollValueText(bet)), bet);
}

void TextsTest::badBetTextNamesItself()
{
    try {
        betFromText("abc");
        QFAIL("a word was taken as a bet");
    } catch (const std::invalid_argument &error) {
        QCOMPARE(QByteArray(error.what()),
            QByteArray("The bet \"abc\" is not a whole number from 0 to 100."));
    }
}

QTEST_APPLESS_MAIN(TextsTest)
#include "tst_texts.moc"
