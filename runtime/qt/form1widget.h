// SPDX-License-Identifier: MIT
#pragma once

#include "form1.h"

#include <QWidget>
#include <array>
#include <exception>
#include <functional>

class Announcer;
class Coin;
class QLabel;
class QScrollBar;

// Form1 on Qt: the window and its widgets, built from the window description at 15 twips to the
// logical pixel, with the players' events delivered to the game's handlers.
class Form1Widget : public QWidget, private Form1Controls
{
    Q_OBJECT

public:
    // Told once of the error that ends the game, when it reaches the edge of the event loop; no
    // event reaches the game after it. The program's own shows it and quits.
    using ErrorReport = std::function<void(const QString &message)>;

    Form1Widget(RandomSource &random, ErrorReport reportError, QWidget *parent = nullptr);

    // Coin 1 to 10, or the hidden template coin 0.
    Coin *Qtr(int index) const { return m_coins.at(static_cast<std::size_t>(index)); }
    const GameState &game() const { return m_form.game(); }

protected:
    bool event(QEvent *event) override;

private:
    void createControls();
    QWidget *createControl(const ControlDescription &description);
    void connectEvents();
    void stackAndFocus();
    void deliver(const std::function<void()> &handler);

    QWidget *widget(Control control) const;
    QLabel *label(Control control) const;
    QScrollBar *scrollBar(Control control) const;

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

    ErrorReport m_reportError;
    int m_settingValues = 0; // how deep in setValue, whose handler runs nested
    std::exception_ptr m_nestedError; // what a nested handler threw, to rise from setValue
    bool m_stopped = false;
    std::array<QWidget *, ControlDescriptions.size()> m_controls {};
    std::array<Coin *, CoinCount + 1> m_coins {};
    Announcer *m_announcer = nullptr;
    bool m_painted = false;
    Form1 m_form;
};
