// SPDX-License-Identifier: MIT
// The game in a web page: main() builds the window and returns, and the page then calls in with
// each of the player's events. Nothing thrown crosses into the page's JavaScript: it is caught
// here, shown to the player, and the game takes no more input.

#include "errortext.h"
#include "form1page.h"
#include "randomsource.h"

#include <emscripten/emscripten.h>
#include <exception>
#include <memory>

extern "C" void page_report_error(const char *message);

namespace {

// The game lives as long as the page does.
std::unique_ptr<RandomSource> playSource;
std::unique_ptr<Form1Page> page;
bool stopped = false;

void stop(const std::exception &error)
{
    stopped = true;
    page_report_error(closingMessage(error.what()).c_str());
}

template<typename Event>
void deliver(Event &&event)
{
    if (stopped || !page)
        return;
    try {
        event(*page);
    } catch (const std::exception &error) {
        stop(error);
    }
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void tencoins_flip()
{
    deliver([](Form1Page &form) { form.flipClicked(); });
}

EMSCRIPTEN_KEEPALIVE void tencoins_scroll(int scrollBar, int value)
{
    deliver([=](Form1Page &form) { form.scrollRequested(Control(scrollBar), value); });
}

EMSCRIPTEN_KEEPALIVE void tencoins_move(int scrollBar, int move)
{
    deliver([=](Form1Page &form) { form.moveRequested(Control(scrollBar), move); });
}

EMSCRIPTEN_KEEPALIVE void tencoins_wheel(int scrollBar, int delta)
{
    deliver([=](Form1Page &form) { form.wheelTurned(Control(scrollBar), delta); });
}
}

int main()
{
    try {
        playSource = makePlaySource();
        page = std::make_unique<Form1Page>(*playSource);
        page->show();
    } catch (const std::exception &error) {
        stop(error);
    }
    return 0;
}
