// SPDX-License-Identifier: MIT
#include "form1page.h"

#include "elements.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <stdexcept>

// The page's side, in page.js: each call acts on the control of that number in the description,
// whose element the window's first look has put in the page.
extern "C" {
void page_take_control(int control, const char *id);
void page_make_scroll_bar(int control, int minimum, int maximum, int value);
void page_order_focus(const int *controls, int count);
char *page_text(int control);
void page_set_text(int control, const char *text);
int page_value(int control);
void page_set_value(int control, int value);
void page_set_title(const char *title);
void page_announce(const char *message);
void page_take_coin(int coin, const char *id);
void page_show_coin(int coin);
void page_place_coin(int coin, int left, int top);
void page_set_coin_colour(int coin, int red, int green, int blue, const char *face);
void page_show(const char *title, int focus);
}

namespace {

int number(Control control)
{
    return static_cast<int>(control);
}

int coinNumber(int coin)
{
    if (coin < 1 || coin > CoinCount)
        throw std::logic_error("There is no coin " + std::to_string(coin) + ".");
    return coin;
}

} // namespace

Form1Page::Form1Page(RandomSource &random)
    : m_form(*this, random)
{
    createControls();
    m_form.Form_Load();
}

void Form1Page::createControls()
{
    for (const ControlDescription &description : ControlDescriptions) {
        page_take_control(number(description.control), description.name);
        const ScrollSettings &scroll = description.scroll;
        if (description.kind == ControlKind::ScrollBar)
            page_make_scroll_bar(
                number(description.control), scroll.minimum, scroll.maximum, scroll.value);
    }
    std::array<int, FocusableCount> order {};
    const auto focusable = tabOrder();
    std::transform(focusable.begin(), focusable.end(), order.begin(), number);
    page_order_focus(order.data(), int(order.size()));
}

void Form1Page::show()
{
    page_show(Form1Title, number(tabOrder().front()));
}

void Form1Page::flipClicked()
{
    m_form.Flip_Click();
}

void Form1Page::scrollRequested(Control scrollBar, int requested)
{
    expect(scrollBar, ControlKind::ScrollBar);
    setValue(scrollBar, heldToRange(describe(scrollBar).scroll, requested));
}

void Form1Page::moveRequested(Control scrollBar, int move)
{
    expect(scrollBar, ControlKind::ScrollBar);
    // A number no move has is refused by the rule.
    setValue(scrollBar, afterMove(describe(scrollBar).scroll, value(scrollBar), ScrollMove(move)));
}

void Form1Page::wheelTurned(Control scrollBar, int delta)
{
    expect(scrollBar, ControlKind::ScrollBar);
    setValue(scrollBar,
        afterWheelTurn(m_wheelSteps.at(std::size_t(number(scrollBar))), describe(scrollBar).scroll,
            value(scrollBar), delta));
}

void Form1Page::expect(Control control, ControlKind kind) const
{
    const auto index = static_cast<std::size_t>(control);
    if (index >= ControlDescriptions.size() || ControlDescriptions[index].kind != kind)
        throw std::logic_error("The page asked for control " + std::to_string(index)
            + ", which is not of the kind it needs.");
}

std::string Form1Page::text(Control label) const
{
    expect(label, ControlKind::Label);
    const std::unique_ptr<char, decltype(&std::free)> text(page_text(number(label)), &std::free);
    return text ? std::string(text.get()) : std::string();
}

void Form1Page::setText(Control label, const std::string &text)
{
    expect(label, ControlKind::Label);
    page_set_text(number(label), text.c_str());
}

int Form1Page::value(Control scrollBar) const
{
    expect(scrollBar, ControlKind::ScrollBar);
    return page_value(number(scrollBar));
}

void Form1Page::setValue(Control scrollBar, int newValue)
{
    setAndRaiseChange(m_form, scrollBar, value(scrollBar), newValue,
        [&](int shown) { page_set_value(number(scrollBar), shown); });
}

void Form1Page::setTitle(const std::string &title)
{
    page_set_title(title.c_str());
}

void Form1Page::announce(const std::string &message)
{
    page_announce(message.c_str());
}

void Form1Page::createCoin(int coin)
{
    page_take_coin(coinNumber(coin), coinId(coin).c_str());
}

void Form1Page::showCoin(int coin)
{
    page_show_coin(coinNumber(coin));
}

void Form1Page::placeCoin(int coin, Twips left, Twips top)
{
    page_place_coin(coinNumber(coin), logicalPixels(left), logicalPixels(top));
}

void Form1Page::setCoinColour(int coin, Colour colour)
{
    page_set_coin_colour(coinNumber(coin), colour.red, colour.green, colour.blue, faceName(colour));
}
