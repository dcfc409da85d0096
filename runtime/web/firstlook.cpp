// SPDX-License-Identifier: MIT
// The window's first look, written into the page when it is built: every control of the window
// description and the ten coins as the load handler leaves them, as the page's elements at 15
// twips to the CSS pixel. The browser shows the window from this markup before the game's script
// has run; the game then takes these elements over (page.js), so nothing changes on the screen
// when it starts. A press before then does nothing, since no element listens yet.
//
// Usage, under node: firstlook SHELL OUTPUT
//   SHELL   the page's shell, with {{{ WINDOW_STYLE }}}, {{{ TITLE }}} and {{{ CONTROLS }}}
//   OUTPUT  the shell with the window in their places

#include "elements.h"
#include "form1.h"
#include "randomsource.h"
#include "scrolling.h"

#include <array>
#include <exception>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <vector>

namespace {

struct Attribute
{
    std::string name;
    std::string value;
};

std::string escaped(const std::string &text)
{
    std::string html;
    for (const char c : text) {
        switch (c) {
        case '&':
            html += "&amp;";
            break;
        case '<':
            html += "&lt;";
            break;
        case '>':
            html += "&gt;";
            break;
        case '"':
            html += "&quot;";
            break;
        default:
            html += c;
        }
    }
    return html;
}

// An element with its attributes (a value of "" writes the name alone) and its escaped text or
// its children's markup.
std::string element(const std::string &tag, const std::vector<Attribute> &attributes,
    const std::string &content = "")
{
    std::string html = "<" + tag;
    for (const auto &[name, value] : attributes)
        html += " " + name + (value.empty() ? "" : "=\"" + escaped(value) + "\"");
    return html + ">" + content + "</" + tag + ">";
}

std::string pixels(Twips twips)
{
    return std::to_string(logicalPixels(twips)) + "px";
}

std::string placed(Twips left, Twips top, Twips width, Twips height)
{
    return "left:" + pixels(left) + ";top:" + pixels(top) + ";width:" + pixels(width)
        + ";height:" + pixels(height);
}

// Where the thumb stands along its track, from 0 to 1; the page's style sheet places it.
std::string thumbFraction(const ScrollSettings &scroll, int value)
{
    std::ostringstream fraction;
    fraction.precision(17);
    fraction << double(value - scroll.minimum) / (scroll.maximum - scroll.minimum);
    return fraction.str();
}

struct Coin
{
    bool shown = false;
    Twips left = 0;
    Twips top = 0;
    std::optional<Colour> colour;
};

// Form1's controls as plain values, which the load handler sets as it does on the screen.
class WindowAtStart final : private Form1Controls
{
public:
    WindowAtStart()
        : m_form(*this, m_random)
    {
        for (const ControlDescription &description : ControlDescriptions) {
            m_texts.at(index(description.control)) = description.text;
            m_values.at(index(description.control)) = description.scroll.value;
        }
        m_form.Form_Load();
    }

    const std::string &title() const { return m_title; }
    std::string controls() const;

private:
    static std::size_t index(Control control) { return static_cast<std::size_t>(control); }
    std::string controlMarkup(const ControlDescription &description) const;
    std::string coinMarkup(int coin) const;
    static std::size_t coinIndex(int coin);
    Coin &coinAt(int coin);

    std::string text(Control label) const override { return m_texts.at(index(label)); }
    void setText(Control label, const std::string &text) override
    {
        m_texts.at(index(label)) = text;
    }
    int value(Control scrollBar) const override { return m_values.at(index(scrollBar)); }
    void setValue(Control scrollBar, int wanted) override
    {
        setAndRaiseChange(m_form, scrollBar, value(scrollBar), wanted,
            [&](int shown) { m_values.at(index(scrollBar)) = shown; });
    }
    void setTitle(const std::string &title) override { m_title = title; }
    void announce(const std::string &message) override
    {
        throw std::logic_error("The window's first look has no place to tell \"" + message + "\".");
    }
    void createCoin(int coin) override { m_coins.at(coinIndex(coin)).emplace(); }
    void showCoin(int coin) override { coinAt(coin).shown = true; }
    void placeCoin(int coin, Twips left, Twips top) override
    {
        coinAt(coin).left = left;
        coinAt(coin).top = top;
    }
    void setCoinColour(int coin, Colour colour) override { coinAt(coin).colour = colour; }

    MersenneSource m_random;
    std::array<std::string, ControlDescriptions.size()> m_texts;
    std::array<int, ControlDescriptions.size()> m_values {};
    std::string m_title = Form1Title;
    std::array<std::optional<Coin>, CoinCount + 1> m_coins;
    Form1 m_form;
};

std::size_t WindowAtStart::coinIndex(int coin)
{
    if (coin < 1 || coin > CoinCount)
        throw std::logic_error("There is no coin " + std::to_string(coin) + ".");
    return std::size_t(coin);
}

Coin &WindowAtStart::coinAt(int coin)
{
    std::optional<Coin> &created = m_coins.at(coinIndex(coin));
    if (!created)
        throw std::logic_error(coinName(coin) + " is used before it is created.");
    return *created;
}

std::string WindowAtStart::controls() const
{
    std::string html;
    for (const ControlDescription &description : ControlDescriptions)
        html += controlMarkup(description) + "\n";
    // The coins after the controls, as created, over the labels where they meet.
    for (int coin = 1; coin <= CoinCount; ++coin)
        if (m_coins.at(std::size_t(coin)))
            html += coinMarkup(coin) + "\n";
    return html;
}

std::string WindowAtStart::controlMarkup(const ControlDescription &description) const
{
    const TwipRect &bounds = description.bounds;
    std::string style = placed(bounds.left, bounds.top, bounds.width, bounds.height);
    std::string classes = elementClass(description.kind);
    if (description.alignment == TextAlignment::Centred)
        classes += " centred";
    if (description.bold)
        classes += " bold";
    std::vector<Attribute> attributes { { "id", description.name } };
    if (takesFocus(description)) {
        // Over the labels and coins where they meet, in the order Tab visits them.
        style += ";z-index:" + std::to_string(1 + description.tabIndex);
        attributes.push_back({ "tabindex", "0" });
    }
    if (!description.visible)
        attributes.push_back({ "hidden", "" });
    const int value = m_values.at(index(description.control));
    switch (description.kind) {
    case ControlKind::PushButton:
        attributes.insert(
            attributes.end(), { { "class", classes }, { "style", style }, { "type", "button" } });
        if (description.control == tabOrder().front())
            attributes.push_back({ "autofocus", "" });
        return element("button", attributes, escaped(m_texts.at(index(description.control))));
    case ControlKind::ScrollBar: {
        const ScrollSettings &scroll = description.scroll;
        Control label = description.control;
        for (const auto &[scrollBar, itsLabel] : ScrollBarLabels)
            if (scrollBar == description.control)
                label = itsLabel;
        attributes.insert(attributes.end(),
            { { "class", classes }, { "style", style }, { "role", "slider" },
                { "aria-label", description.accessibleName },
                { "aria-controls", describe(label).name }, { "aria-orientation", "horizontal" },
                { "aria-valuemin", std::to_string(scroll.minimum) },
                { "aria-valuemax", std::to_string(scroll.maximum) },
                { "aria-valuenow", std::to_string(value) },
                { "aria-valuetext", std::to_string(value) } });
        const std::string thumb = element("div",
            { { "class", "thumb" }, { "style", "--fraction:" + thumbFraction(scroll, value) } });
        return element("div", attributes,
            element("div", { { "class", "arrow less" } })
                + element("div", { { "class", "track" } }, thumb)
                + element("div", { { "class", "arrow more" } }));
    }
    case ControlKind::Label:
        attributes.insert(attributes.end(), { { "class", classes }, { "style", style } });
        return element("div", attributes, escaped(m_texts.at(index(description.control))));
    case ControlKind::Shape:
        attributes.insert(attributes.end(), { { "class", classes }, { "style", style } });
        return element("div", attributes);
    }
    throw std::logic_error("A control of no kind the page knows.");
}

// A copy of the template: its class and size, and the coin's own place, name and face.
std::string WindowAtStart::coinMarkup(int coinNumber) const
{
    const Coin &coin = *m_coins.at(std::size_t(coinNumber));
    const TwipRect &template_ = describe(Control::Qtr).bounds;
    std::string style = placed(coin.left, coin.top, template_.width, template_.height);
    std::vector<Attribute> attributes { { "id", coinId(coinNumber) },
        { "class", elementClass(ControlKind::Shape) } };
    if (coin.colour) {
        const Colour colour = *coin.colour;
        style += ";background-color:rgb(" + std::to_string(colour.red) + ", "
            + std::to_string(colour.green) + ", " + std::to_string(colour.blue) + ")";
    }
    attributes.insert(attributes.end(),
        { { "style", style }, { "role", "img" }, { "aria-label", coinName(coinNumber) } });
    if (coin.colour)
        attributes.push_back({ "aria-description", faceName(*coin.colour) });
    if (!coin.shown)
        attributes.push_back({ "hidden", "" });
    return element("div", attributes);
}

// The window's variables for the page's style sheet: the client area's size and the font, the
// description's face, then the same substitutes as on the desktop, then any sans-serif.
std::string windowStyle()
{
    std::string fontFamily = std::string("\"") + FontFace + '"';
    for (const char *substitute : FontSubstitutes)
        fontFamily += std::string(", \"") + substitute + '"';
    fontFamily += ", sans-serif";
    return escaped("--client-width:" + pixels(ClientWidth)
        + ";--client-height:" + pixels(ClientHeight) + ";--font-family:" + fontFamily
        + ";--font-size:" + pixels(FontHeight));
}

void replace(std::string &page, const std::string &marker, const std::string &markup)
{
    const std::size_t at = page.find(marker);
    if (at == std::string::npos)
        throw std::runtime_error("The shell has no " + marker + ".");
    page.replace(at, marker.size(), markup);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::cerr << "usage: firstlook SHELL OUTPUT\n";
        return 2;
    }
    try {
        std::ifstream shell(argv[1]);
        std::stringstream page;
        if (!(page << shell.rdbuf()))
            throw std::runtime_error(std::string("Cannot read ") + argv[1] + ".");
        std::string html = page.str();
        const WindowAtStart window;
        replace(html, "{{{ WINDOW_STYLE }}}", windowStyle());
        replace(html, "{{{ TITLE }}}", escaped(window.title()));
        replace(html, "{{{ CONTROLS }}}", window.controls());
        std::ofstream output(argv[2]);
        if (!(output << html) || !output.flush())
            throw std::runtime_error(std::string("Cannot write ") + argv[2] + ".");
    } catch (const std::exception &error) {
        std::cerr << "firstlook: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
