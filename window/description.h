// SPDX-License-Identifier: MIT
#pragma once

#include "coinflip.h"
#include "numberforms.h"

#include <array>
#include <string>

// Form1 as it stands before the first event: the window, every control's place and settings, and
// the coin template. Fixed data in twips (1/1440 inch; 15 twips make one pixel at 96 dpi); each
// front end builds its controls from it with its own toolkit.

using Twips = int;

inline constexpr Twips TwipsPerInch = 1440;
inline constexpr int PixelsPerInchAt96Dpi = 96;
inline constexpr Twips TwipsPerPixelAt96Dpi = TwipsPerInch / PixelsPerInchAt96Dpi;

// A length in the pixels of a 96-dpi screen, which Qt and browsers scale to the one at hand.
constexpr int logicalPixels(Twips twips)
{
    return twips / TwipsPerPixelAt96Dpi;
}

struct TwipRect
{
    Twips left = 0;
    Twips top = 0;
    Twips width = 0;
    Twips height = 0;
};

// The controls, in the order the window creates them (later ones are created on top).
enum class Control { ChooseScroll, BetScroll, Flip, Money, Choose, Bet, Qtr };
enum class ControlKind { ScrollBar, PushButton, Label, Shape };
enum class TextAlignment { Left, Centred };

struct ScrollSettings
{
    int minimum = 0;
    int maximum = 0;
    int value = 0;
    int arrowStep = 0; // an arrow click or a Left/Right key
    int pageStep = 0; // a click in the track or Page Up/Down
};

struct ControlDescription
{
    Control control;
    const char *name;
    ControlKind kind;
    TwipRect bounds;
    const char *text = ""; // a label's text, the button's caption
    TextAlignment alignment = TextAlignment::Left;
    bool bold = false;
    ScrollSettings scroll {};
    int tabIndex = 0; // only scroll bars and the button take the focus
    const char *accessibleName = ""; // what a screen reader calls a control that shows no text
    bool visible = true;
};

inline constexpr const char *Form1Title = "Form1";
inline constexpr Twips ClientWidth = 3390;
inline constexpr Twips ClientHeight = 2415;

// The button's and the labels' font: 13.5 points, Western character set, never italic. Where the
// face is missing, the first of its substitutes that is there: Liberation Sans has its metrics.
inline constexpr const char *FontFace = "MS Sans Serif";
inline constexpr std::array<const char *, 3> FontSubstitutes { "Liberation Sans", "Arial",
    "Helvetica" };
inline constexpr Twips FontHeight = 270;
inline constexpr int RegularWeight = 400;
inline constexpr int BoldWeight = 700;

// Coins stand on a grid of 480 twips; being 495 across, neighbours share one pixel. They fill
// two columns of five, down the window's left edge.
inline constexpr Twips CoinPitch = 480;
inline constexpr int CoinsPerColumn = 5;

// What a screen reader calls coin 1 to 10, and the face it reads out after a flip. Every front end
// says the same.
inline std::string coinName(int coin)
{
    return "Coin " + std::to_string(coin);
}

constexpr const char *faceName(Colour colour)
{
    return colour == RedFace ? "red" : "green";
}

inline constexpr std::array<ControlDescription, 7> ControlDescriptions { {
    { .control = Control::ChooseScroll,
        .name = "ChooseScroll",
        .kind = ControlKind::ScrollBar,
        .bounds = { 2160, 840, 1215, 255 },
        .scroll = { .minimum = 0, .maximum = 10, .value = 5, .arrowStep = 1, .pageStep = 1 },
        .tabIndex = 2,
        .accessibleName = "Guess" },
    { .control = Control::BetScroll,
        .name = "BetScroll",
        .kind = ControlKind::ScrollBar,
        .bounds = { 960, 840, 1215, 255 },
        .scroll = { .minimum = 0, .maximum = MaxBet, .value = 0, .arrowStep = 1, .pageStep = 10 },
        .tabIndex = 1,
        .accessibleName = "Bet" },
    { .control = Control::Flip,
        .name = "Flip",
        .kind = ControlKind::PushButton,
        .bounds = { 960, 0, 2415, 495 },
        .text = "Flip",
        .tabIndex = 0 },
    { .control = Control::Money,
        .name = "Money",
        .kind = ControlKind::Label,
        .bounds = { 960, 1080, 2415, 375 },
        .text = "Money: 100",
        .alignment = TextAlignment::Left,
        .bold = true },
    { .control = Control::Choose,
        .name = "Choose",
        .kind = ControlKind::Label,
        .bounds = { 2160, 480, 1215, 495 },
        .text = "5",
        .alignment = TextAlignment::Centred,
        .bold = true },
    { .control = Control::Bet,
        .name = "Bet",
        .kind = ControlKind::Label,
        .bounds = { 960, 480, 1215, 495 },
        .text = "0",
        .alignment = TextAlignment::Centred,
        .bold = true },
    // Element 0 of the coin array: the template the ten coins are copied from, never shown.
    { .control = Control::Qtr,
        .name = "Qtr",
        .kind = ControlKind::Shape,
        .bounds = { 480, 0, 495, 495 },
        .visible = false },
} };

// A control's description stands at its number in the table.
constexpr bool listedInOrder()
{
    for (std::size_t i = 0; i < ControlDescriptions.size(); ++i)
        if (ControlDescriptions[i].control != static_cast<Control>(i))
            return false;
    return true;
}
static_assert(listedInOrder(), "ControlDescriptions must list the controls in Control's order");

constexpr const ControlDescription &describe(Control control)
{
    return ControlDescriptions[static_cast<std::size_t>(control)];
}

constexpr bool takesFocus(const ControlDescription &description)
{
    return description.kind == ControlKind::ScrollBar
        || description.kind == ControlKind::PushButton;
}

inline constexpr std::size_t FocusableCount = 3;

// The controls that take the focus, in tab order. Where they overlap labels or coins they are
// drawn on top.
constexpr std::array<Control, FocusableCount> tabOrder()
{
    std::array<Control, FocusableCount> order {};
    for (const ControlDescription &description : ControlDescriptions)
        if (takesFocus(description))
            order.at(static_cast<std::size_t>(description.tabIndex)) = description.control;
    return order;
}
