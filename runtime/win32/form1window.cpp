// SPDX-License-Identifier: MIT
#include "form1window.h"

#include "accessible.h"
#include "dpi.h"
#include "errorreport.h"
#include "scrolling.h"
#include "widetext.h"
#include "windowclasses.h"

#include <algorithm>
#include <commctrl.h>
#include <exception>
#include <stdexcept>
#include <utility>
#include <windowsx.h>

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif
#ifndef WM_GETDPISCALEDSIZE
#define WM_GETDPISCALEDSIZE 0x02E4
#endif

namespace {

constexpr DWORD WindowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
// Control ids start clear of IDOK and IDCANCEL, which the dialog keys send.
constexpr int FirstControlId = 100;

} // namespace

Form1Window::Form1Window(HINSTANCE instance, RandomSource &random)
    : m_instance(instance)
    , m_form(*this, random)
{
    registerWindowClass(instance, windowProcedure);
    // The window procedure learns m_window from WM_NCCREATE, before CreateWindowExW returns.
    if (!CreateWindowExW(0, WindowClass, widen(Form1Title).c_str(), WindowStyle, CW_USEDEFAULT,
            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, this))
        throwLastError("Creating the window");
    try {
        m_dpi = dpiOf(m_window);
        m_coins = std::make_shared<PaintedCoins>(m_window);
        createControls();
        layOut();
        fitWindowToClientArea();
        m_form.Form_Load();
        stackInTabOrder();
    } catch (...) {
        destroy();
        throw;
    }
}

Form1Window::~Form1Window()
{
    destroy();
}

void Form1Window::destroy()
{
    // Detached first: the window must neither reach a half-gone object nor end the message loop
    // of an error report still to be shown.
    SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
    DestroyWindow(std::exchange(m_window, nullptr));
    DeleteObject(std::exchange(m_regularFont, nullptr));
    DeleteObject(std::exchange(m_boldFont, nullptr));
}

void Form1Window::show(int showCommand)
{
    ShowWindow(m_window, showCommand);
    UpdateWindow(m_window);
    SetFocus(control(tabOrder().front()));
}

int Form1Window::run()
{
    MSG message {};
    BOOL received = FALSE;
    while ((received = GetMessageW(&message, nullptr, 0, 0)) > 0) {
        pressEnterAsSpace(message);
        // Tab and Shift+Tab between the controls, the arrow keys to a focused scroll bar.
        if (!IsDialogMessageW(m_window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return received < 0 ? 1 : int(message.wParam);
}

void Form1Window::pressEnterAsSpace(MSG &message) const
{
    // Enter presses the focused button exactly as Space does: down on the key's press, a click on
    // its release. A held key repeats only its press, so it clicks once.
    const bool keyMessage = message.message == WM_KEYDOWN || message.message == WM_KEYUP;
    if (keyMessage && message.wParam == VK_RETURN && message.hwnd == control(Control::Flip))
        message.wParam = VK_SPACE;
}

LRESULT CALLBACK Form1Window::windowProcedure(
    HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto *self = static_cast<Form1Window *>(
            reinterpret_cast<const CREATESTRUCTW *>(lParam)->lpCreateParams);
        self->m_window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto *self = reinterpret_cast<Form1Window *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    // Windows calls this from C: no exception may leave it.
    try {
        return self->handle(message, wParam, lParam);
    } catch (const std::exception &error) {
        self->fail(error.what());
    } catch (...) {
        self->fail("An unknown error.");
    }
    return 0;
}

LRESULT CALLBACK Form1Window::controlProcedure(
    HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR window)
{
    auto *self = reinterpret_cast<Form1Window *>(window);
    const auto which = Control(GetDlgCtrlID(control) - FirstControlId);
    switch (message) {
    case WM_GETOBJECT:
        if (asksForClientArea(lParam))
            return answerControl(control, wParam, describe(which).accessibleName,
                which == Control::Flip ? self->m_flipAnnouncement : std::string());
        break;
    case WM_KILLFOCUS:
        // Read out with the button's name when the player comes back, it would be out of date.
        if (which == Control::Flip)
            self->m_flipAnnouncement.clear();
        break;
    case WM_MOUSEWHEEL:
        // The window moves whichever scroll bar the pointer is over.
        if (describe(which).kind == ControlKind::ScrollBar)
            return SendMessageW(GetParent(control), message, wParam, lParam);
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(control, controlProcedure, 0);
        break;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

void Form1Window::fail(const std::string &reason)
{
    if (m_failed)
        return;
    m_failed = true;
    reportError(m_window, reason);
    PostQuitMessage(1);
}

LRESULT Form1Window::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_HSCROLL:
        if (!m_failed)
            scroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam));
        return 0;
    case WM_COMMAND:
        if (!m_failed && HIWORD(wParam) == BN_CLICKED
            && reinterpret_cast<HWND>(lParam) == control(Control::Flip))
            m_form.Flip_Click();
        return 0;
    case WM_MOUSEWHEEL:
        if (!m_failed)
            wheel({ GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam) }, GET_WHEEL_DELTA_WPARAM(wParam));
        return 0;
    case WM_GETOBJECT:
        if (asksForClientArea(lParam))
            return answerClientArea(m_window, wParam, m_coins);
        break;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(m_window, &paint);
        if (m_coins)
            m_coins->paint(dc);
        EndPaint(m_window, &paint);
        return 0;
    }
    case WM_CTLCOLORSTATIC: {
        // Labels on the window's own face colour.
        auto *dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_ACTIVATE:
        // Coming back to the window returns the focus to the control that had it.
        if (LOWORD(wParam) == WA_INACTIVE) {
            m_focusBeforeDeactivation = GetFocus();
        } else if (m_focusBeforeDeactivation && IsChild(m_window, m_focusBeforeDeactivation)) {
            SetFocus(m_focusBeforeDeactivation);
            return 0;
        }
        break;
    case WM_GETDPISCALEDSIZE:
        // Asked before a change of scale (Windows 10 1703 and later): the size a start at the new
        // scale has, so that the rectangle then suggested keeps the window where it was.
        *reinterpret_cast<SIZE *>(lParam) = windowSizeAt(UINT(wParam));
        return TRUE;
    case WM_DPICHANGED: {
        // Laid out again as a start at the new scale would be, at the place Windows suggests.
        m_dpi = HIWORD(wParam);
        layOut();
        const RECT &suggested = *reinterpret_cast<const RECT *>(lParam);
        fitWindowToClientArea(POINT { suggested.left, suggested.top });
        InvalidateRect(m_window, nullptr, TRUE);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(m_window, message, wParam, lParam);
}

void Form1Window::createControls()
{
    for (const ControlDescription &description : ControlDescriptions) {
        if (description.kind == ControlKind::Shape)
            continue;
        m_controls[static_cast<std::size_t>(description.control)] = createControl(description);
    }
}

HWND Form1Window::createControl(const ControlDescription &description)
{
    const ControlClass kind = controlClass(description);
    const int id = FirstControlId + int(description.control);
    // A scroll bar shows no text; its window text is what a screen reader calls it.
    const std::string text = description.kind == ControlKind::ScrollBar ? description.accessibleName
                                                                        : description.text;
    const DWORD visible = description.visible ? WS_VISIBLE : 0;
    HWND created = CreateWindowExW(0, kind.name, widen(text).c_str(),
        WS_CHILD | WS_CLIPSIBLINGS | visible | kind.style, 0, 0, 0, 0, m_window,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), m_instance, nullptr);
    if (!created)
        throwLastError("Creating a control");
    if (takesFocus(description)
        && !SetWindowSubclass(created, controlProcedure, 0, DWORD_PTR(this)))
        throwLastError("Subclassing a control");
    if (description.kind == ControlKind::ScrollBar) {
        SCROLLINFO range { sizeof range, SIF_RANGE | SIF_POS, description.scroll.minimum,
            description.scroll.maximum, 0, description.scroll.value, 0 };
        SetScrollInfo(created, SB_CTL, &range, FALSE);
    }
    return created;
}

void Form1Window::stackInTabOrder()
{
    // The dialog keys tab through the controls in stacking order, and the button and the scroll
    // bars must lie over the labels and coins: so they go on top, in tab order.
    HWND above = HWND_TOP;
    for (const Control each : tabOrder()) {
        SetWindowPos(control(each), above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = control(each);
    }
}

void Form1Window::layOut()
{
    m_coins->setDpi(m_dpi);
    // An outline font wherever the bitmap face would have to be stretched.
    const DWORD precision = m_dpi == PixelsPerInchAt96Dpi ? OUT_DEFAULT_PRECIS : OUT_TT_ONLY_PRECIS;
    const auto font = [&](int weight) {
        return CreateFontW(-pixels(FontHeight), 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET,
            precision, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
            widen(FontFace).c_str());
    };
    HFONT regular = font(RegularWeight), bold = font(BoldWeight);
    if (!regular || !bold)
        throwLastError("Creating the font");
    for (const ControlDescription &description : ControlDescriptions) {
        HWND window = m_controls[static_cast<std::size_t>(description.control)];
        if (!window)
            continue;
        const TwipRect &bounds = description.bounds;
        MoveWindow(window, pixels(bounds.left), pixels(bounds.top), pixels(bounds.width),
            pixels(bounds.height), TRUE);
        SendMessageW(window, WM_SETFONT, WPARAM(description.bold ? bold : regular), TRUE);
    }
    DeleteObject(std::exchange(m_regularFont, regular));
    DeleteObject(std::exchange(m_boldFont, bold));
}

void Form1Window::fitWindowToClientArea(std::optional<POINT> place)
{
    const SIZE outer = windowSizeAt(m_dpi);
    const POINT at = place.value_or(POINT {});
    const UINT keep = SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(
        m_window, nullptr, at.x, at.y, outer.cx, outer.cy, keep | (place ? 0 : SWP_NOMOVE));
    // Where the frame drawn is not the one computed (Wine draws its frames at the system's dpi,
    // whatever the window's), the client area comes out short or long: the difference is made up.
    RECT client {};
    GetClientRect(m_window, &client);
    const int wider = pixels(ClientWidth) - client.right,
              taller = pixels(ClientHeight) - client.bottom;
    if ((wider || taller) && !IsIconic(m_window) && !IsZoomed(m_window))
        SetWindowPos(
            m_window, nullptr, 0, 0, outer.cx + wider, outer.cy + taller, keep | SWP_NOMOVE);
}

SIZE Form1Window::windowSizeAt(UINT dpi) const
{
    return windowSizeFor(
        pixelsAt(ClientWidth, dpi), pixelsAt(ClientHeight, dpi), WindowStyle, 0, dpi);
}

void Form1Window::scroll(HWND scrollBar, WORD request)
{
    const Control which = controlOf(scrollBar);
    const ScrollSettings &settings = describe(which).scroll;
    const auto move
        = [&](ScrollMove to) { setValue(which, afterMove(settings, value(which), to)); };
    switch (request) {
    case SB_LINELEFT:
        return move(ScrollMove::ArrowLess);
    case SB_LINERIGHT:
        return move(ScrollMove::ArrowMore);
    case SB_PAGELEFT:
        return move(ScrollMove::PageLess);
    case SB_PAGERIGHT:
        return move(ScrollMove::PageMore);
    case SB_LEFT:
        return move(ScrollMove::ToMinimum);
    case SB_RIGHT:
        return move(ScrollMove::ToMaximum);
    case SB_THUMBPOSITION: {
        SCROLLINFO track { sizeof track, SIF_TRACKPOS, 0, 0, 0, 0, 0 };
        GetScrollInfo(scrollBar, SB_CTL, &track);
        return setValue(which, heldToRange(settings, track.nTrackPos));
    }
    default:
        // SB_THUMBTRACK while a thumb is dragged, SB_ENDSCROLL after: nothing changes.
        return;
    }
}

void Form1Window::wheel(POINT onScreen, int delta)
{
    POINT inWindow = onScreen;
    ScreenToClient(m_window, &inWindow);
    HWND under = ChildWindowFromPointEx(m_window, inWindow, CWP_SKIPINVISIBLE);
    if (!under || under == m_window)
        return;
    const Control which = controlOf(under);
    if (describe(which).kind != ControlKind::ScrollBar)
        return;
    // The player's own setting, three unless changed; "a page a notch" is UINT_MAX, and more than
    // a page never moves anyway.
    UINT stepsPerNotch = WheelSteps::StepsPerNotch;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &stepsPerNotch, 0);
    setValue(which,
        afterWheelTurn(m_wheelSteps[std::size_t(which)], describe(which).scroll, value(which),
            delta, int(std::min<UINT>(stepsPerNotch, 1000))));
}

int Form1Window::pixels(Twips twips) const
{
    return pixelsAt(twips, m_dpi);
}

HWND Form1Window::control(Control which) const
{
    if (HWND window = m_controls[static_cast<std::size_t>(which)])
        return window;
    throw std::logic_error(std::string(describe(which).name) + " is not a window control.");
}

Control Form1Window::controlOf(HWND window) const
{
    const auto found = std::find(m_controls.begin(), m_controls.end(), window);
    if (!window || found == m_controls.end())
        throw std::logic_error("A message from a control the window does not have.");
    return static_cast<Control>(found - m_controls.begin());
}

std::string Form1Window::text(Control label) const
{
    HWND window = control(label);
    std::wstring wide(std::size_t(GetWindowTextLengthW(window)) + 1, L'\0');
    wide.resize(std::size_t(GetWindowTextW(window, wide.data(), int(wide.size()))));
    return narrow(wide);
}

void Form1Window::setText(Control label, const std::string &text)
{
    if (!SetWindowTextW(control(label), widen(text).c_str()))
        throwLastError("Setting a label's text");
}

int Form1Window::value(Control scrollBar) const
{
    SCROLLINFO position { sizeof position, SIF_POS, 0, 0, 0, 0, 0 };
    if (!GetScrollInfo(control(scrollBar), SB_CTL, &position))
        throwLastError("Reading a scroll bar");
    return position.nPos;
}

void Form1Window::setValue(Control scrollBar, int newValue)
{
    setAndRaiseChange(m_form, scrollBar, value(scrollBar), newValue, [&](int shown) {
        SCROLLINFO position { sizeof position, SIF_POS, 0, 0, 0, shown, 0 };
        SetScrollInfo(control(scrollBar), SB_CTL, &position, TRUE);
    });
}

void Form1Window::setTitle(const std::string &title)
{
    if (!SetWindowTextW(m_window, widen(title).c_str()))
        throwLastError("Setting the title");
}

void Form1Window::announce(const std::string &message)
{
    // Windows screen readers read out a new description of the focused control: Flip keeps the
    // focus through a flip, and describes it until the focus leaves.
    m_flipAnnouncement = message;
    announceDescription(control(Control::Flip));
}

void Form1Window::createCoin(int coin)
{
    m_coins->create(coin);
}

void Form1Window::showCoin(int coin)
{
    m_coins->show(coin);
}

void Form1Window::placeCoin(int coin, Twips left, Twips top)
{
    m_coins->place(coin, left, top);
}

void Form1Window::setCoinColour(int coin, Colour colour)
{
    m_coins->setColour(coin, colour);
    announceCoinFace(m_window, coin);
}
