// SPDX-License-Identifier: MIT
#pragma once

#include "form1.h"
#include "scrolling.h"
#include "wheel.h"

#include <array>

// Form1 in a web page: the page's elements, which the window's first look built from the window
// description at 15 twips to the CSS pixel (firstlook.cpp), taken over (page.js), and the player's
// events delivered to the game's handlers. The scroll bars are
// elements of their own (scrollbar.js) that ask for a new value; the value they show is set here.
// Anything may throw; the entry point catches it at the page's edge.
class Form1Page final : private Form1Controls
{
public:
    explicit Form1Page(RandomSource &random);
    Form1Page(const Form1Page &) = delete;
    Form1Page &operator=(const Form1Page &) = delete;

    // Titles the window Form1, which tells that the game is ready, and gives Flip the focus unless
    // the player has put it on a control already.
    void show();

    // The player's events, as the page reports them.
    void flipClicked();
    void scrollRequested(Control scrollBar, int value);
    void moveRequested(Control scrollBar, int move); // a ScrollMove by its number
    void wheelTurned(Control scrollBar, int delta);

private:
    void createControls();
    void expect(Control control, ControlKind kind) const;

    std::string text(Control label) const override;
    void setText(Control label, const std::string &text) override;
    int value(Control scrollBar) const override;
    void setValue(Control scrollBar, int value) override;
    void setTitle(const std::string &title) override;
    void announce(const std::string &message) override;
    void createCoin(int coin) override;
    void showCoin(int coin) override;
    void placeCoin(int coin, Twips left, Twips top) override;
    void setCoinColour(int coin, Colour colour) override;

    std::array<WheelSteps, ControlDescriptions.size()> m_wheelSteps {};
    Form1 m_form;
};
