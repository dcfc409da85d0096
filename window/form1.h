// SPDX-License-Identifier: MIT
#pragma once

#include "coinflip.h"
#include "description.h"
#include "gamestate.h"

#include <string>

class RandomSource;

// What the handlers need of the window's controls, and nothing more. Each front end implements it
// over its toolkit's widgets, built from the window description. Controls are named as in the
// description; a call on a control of the wrong kind is a programming error and may throw.
class Form1Controls
{
public:
    // A label's text.
    virtual std::string text(Control label) const = 0;
    virtual void setText(Control label, const std::string &text) = 0;

    // A scroll bar's value. Setting a different value raises that scroll bar's change handler at
    // once, nested in the caller, before setValue returns; setting the same value raises nothing.
    virtual int value(Control scrollBar) const = 0;
    virtual void setValue(Control scrollBar, int value) = 0;

    virtual void setTitle(const std::string &title) = 0;

    // Tells a screen reader something once, as the platform's screen readers listen, without
    // moving the focus; a newer message may cut short an older one.
    virtual void announce(const std::string &message) = 0;

    // Coin 1 to 10 of the coin array: created as a hidden copy of the template (coin 0), then
    // shown, placed in twips, and coloured by each flip.
    virtual void createCoin(int coin) = 0;
    virtual void showCoin(int coin) = 0;
    virtual void placeCoin(int coin, Twips left, Twips top) = 0;
    virtual void setCoinColour(int coin, Colour colour) = 0;

protected:
    ~Form1Controls() = default;
};

// The game's one window: the four handlers that tie its controls to the rules.
//
// A front end builds the controls from the description, constructs Form1 over them, runs
// Form_Load once before the window is first shown, and then calls ChooseScroll_Change,
// BetScroll_Change and Flip_Click as the player's events arrive, one at a time. The handlers
// throw on any failure (a settlement beyond what money can count, a control that failed): the
// front end must catch that at its event loop's edge, tell the player and end the program.
class Form1
{
public:
    Form1(Form1Controls &controls, RandomSource &random);

    void Form_Load();
    void ChooseScroll_Change();
    void BetScroll_Change();
    void Flip_Click();

    // Raises the change handler of the given scroll bar.
    void scrollChanged(Control scrollBar);

    const GameState &game() const { return m_game; }

private:
    void createCoins();

    Form1Controls &m_controls;
    RandomSource &m_random;
    GameState m_game;
};
