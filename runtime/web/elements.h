// SPDX-License-Identifier: MIT
#pragma once

#include "description.h"

#include <array>
#include <stdexcept>
#include <string>
#include <utility>

// The page's elements as the window's first look writes them (firstlook.cpp) and the page takes
// them over (form1page.cpp): each control's element has the control's name as its id and its kind
// as its class; coin i is the template's name and i.

constexpr const char *elementClass(ControlKind kind)
{
    switch (kind) {
    case ControlKind::ScrollBar:
        return "scrollbar";
    case ControlKind::PushButton:
        return "button";
    case ControlKind::Label:
        return "label";
    case ControlKind::Shape:
        return "coin";
    }
    throw std::logic_error("A control of no kind the page knows.");
}

inline std::string coinId(int coin)
{
    return describe(Control::Qtr).name + std::to_string(coin);
}

// Each scroll bar writes its value into the label beside it, which a screen reader learns.
inline constexpr std::array<std::pair<Control, Control>, 2> ScrollBarLabels {
    { { Control::ChooseScroll, Control::Choose }, { Control::BetScroll, Control::Bet } }
};
