#pragma once

#include "game/gamestate.h"

#include <QWidget>
#include <array>
#include <functional>

class Coin;
class PushButton;
class QLabel;
class RandomSource;
class ScrollBar;

// The game's one window. The player sets the guess with ChooseScroll and the bet with BetScroll,
// then presses Flip; the ten coins Qtr(1) to Qtr(10) show the flip, the title reports the guess
// and the red count, and the Money label the balance.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    // Told of any error that escapes a handler; the program's own ends the game.
    using ErrorReport = std::function<void(const QString &message)>;

    Form1(RandomSource &random, ErrorReport reportError, QWidget *parent = nullptr);

    // Coin 1 to 10, or the hidden template coin 0.
    Coin *Qtr(int index) const { return m_coins.at(index); }
    const GameState &game() const { return m_game; }

private:
    void createControls();
    void createCoins();

    void Form_Load();
    void ChooseScroll_Change();
    void BetScroll_Change();
    void Flip_Click();

    template<typename Steps>
    void guarded(Steps steps);

    RandomSource &m_random;
    ErrorReport m_reportError;
    GameState m_game;

    ScrollBar *ChooseScroll = nullptr;
    ScrollBar *BetScroll = nullptr;
    PushButton *Flip = nullptr;
    QLabel *Money = nullptr;
    QLabel *Choose = nullptr;
    QLabel *Bet = nullptr;
    std::array<Coin *, 11> m_coins {};
};
