// SPDX-License-Identifier: MIT
#include "form1.h"

#include "displaytexts.h"
#include "randomsource.h"

#include <stdexcept>

using enum Control;

Form1::Form1(Form1Controls &controls, RandomSource &random)
    : m_controls(controls)
    , m_random(random)
{ }

void Form1::Form_Load()
{
    createCoins();
    // The only seeding in a run: a flip never reseeds.
    m_random.reseedFromClock();
    m_game.start();
}

void Form1::createCoins()
{
    for (int i = 1; i <= CoinCount; ++i) {
        m_controls.createCoin(i);
        m_controls.showCoin(i);
        if (i <= CoinsPerColumn)
            m_controls.placeCoin(i, 0, (i - 1) * CoinPitch);
        if (i > CoinsPerColumn)
            m_controls.placeCoin(i, CoinPitch, (i - 1 - CoinsPerColumn) * CoinPitch);
    }
}

void Form1::ChooseScroll_Change()
{
    m_controls.setText(Choose, scrollValueText(m_controls.value(ChooseScroll)));
}

void Form1::BetScroll_Change()
{
    m_controls.setText(Bet, scrollValueText(m_controls.value(BetScroll)));
    // The label, not the scroll bar, is the record of the bet.
    const Amount balance = m_game.takeBet(m_controls.text(Bet));
    m_controls.setText(Money, moneyText(balance));
}

void Form1::Flip_Click()
{
    const int redCount = flipCoins([this] { return m_random.next(); },
        [this](int coin, Colour colour) { m_controls.setCoinColour(coin, colour); });
    const int guess = m_controls.value(ChooseScroll);
    m_controls.setTitle(flipTitle(guess, redCount));
    const Amount balance
        = m_game.settle(redCount, m_controls.value(ChooseScroll), m_controls.text(Bet));
    m_controls.setText(Money, moneyText(balance));
    m_controls.setText(Bet, "0");
    // Runs BetScroll_Change at once when the bet was not 0 already.
    m_controls.setValue(BetScroll, 0);
    // A blind player hears what a sighted one reads off the title and the money.
    m_controls.announce(flipAnnouncement(guess, redCount, m_controls.text(Money)));
}

void Form1::scrollChanged(Control scrollBar)
{
    switch (scrollBar) {
    case ChooseScroll:
        ChooseScroll_Change();
        break;
    case BetScroll:
        BetScroll_Change();
        break;
    default:
        throw std::logic_error(std::string(describe(scrollBar).name) + " is not a scroll bar.");
    }
}
