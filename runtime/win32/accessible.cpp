// SPDX-License-Identifier: MIT
#include "accessible.h"

#include "delegatingaccessible.h"
#include "description.h"
#include "paintedcoins.h"
#include "widetext.h"

#include <oleacc.h>
#include <string>
#include <utility>

namespace {

BSTR bstr(const std::string &text)
{
    return SysAllocString(widen(text).c_str());
}

long childWindowCount(HWND window)
{
    long count = 0;
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        ++count;
    return count;
}

// The standard child ids number the child windows from 1 in stacking order; the coins follow.
long coinChildId(HWND window, int coin)
{
    return childWindowCount(window) + coin;
}

HWND childWindow(HWND window, long id)
{
    HWND child = ::GetWindow(window, GW_CHILD);
    for (long each = 1; child && each < id; ++each)
        child = ::GetWindow(child, GW_HWNDNEXT);
    return child;
}

HRESULT windowObject(HWND window, IDispatch **dispatch)
{
    return AccessibleObjectFromWindow(
        window, DWORD(OBJID_WINDOW), IID_IDispatch, reinterpret_cast<void **>(dispatch));
}

bool isSelf(const VARIANT &child)
{
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// The game window's client area: its controls as Windows describes them, then the ten coins.
class ClientArea final : public DelegatingAccessible
{
public:
    ClientArea(HWND window, IAccessible *standard, std::weak_ptr<const PaintedCoins> coins)
        : DelegatingAccessible(window, standard)
        , m_coins(std::move(coins))
    { }

    HRESULT STDMETHODCALLTYPE get_accChildCount(long *count) override
    {
        *count = childWindowCount(m_window) + CoinCount;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch **dispatch) override
    {
        *dispatch = nullptr;
        // A coin is a simple element of this object, not an object of its own.
        if (ownsChild(child))
            return S_FALSE;
        // Not every standard description hands out its child windows (Wine's does not).
        HWND window
            = child.vt == VT_I4 && child.lVal > 0 ? childWindow(m_window, child.lVal) : nullptr;
        return window ? windowObject(window, dispatch) : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR *name) override
    {
        if (!ownsChild(child))
            return DelegatingAccessible::get_accName(child, name);
        *name = bstr(coinName(coinOf(child)));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR *description) override
    {
        if (!ownsChild(child))
            return DelegatingAccessible::get_accDescription(child, description);
        const std::optional<ShownCoin> coin = find(coinOf(child));
        if (!coin || !coin->colour)
            return noText(description);
        *description = bstr(faceName(*coin->colour));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT *role) override
    {
        if (!ownsChild(child))
            return DelegatingAccessible::get_accRole(child, role);
        role->vt = VT_I4;
        role->lVal = ROLE_SYSTEM_GRAPHIC;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT *state) override
    {
        if (!ownsChild(child))
            return DelegatingAccessible::get_accState(child, state);
        state->vt = VT_I4;
        state->lVal = find(coinOf(child)) ? STATE_SYSTEM_READONLY : STATE_SYSTEM_INVISIBLE;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accLocation(
        long *left, long *top, long *width, long *height, VARIANT child) override
    {
        if (!ownsChild(child))
            return DelegatingAccessible::accLocation(left, top, width, height, child);
        const std::optional<ShownCoin> coin = find(coinOf(child));
        if (!coin)
            return S_FALSE;
        POINT corner { coin->place.left, coin->place.top };
        ClientToScreen(m_window, &corner);
        *left = corner.x;
        *top = corner.y;
        *width = coin->place.right - coin->place.left;
        *height = coin->place.bottom - coin->place.top;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT *child) override
    {
        POINT point { left, top };
        ScreenToClient(m_window, &point);
        RECT client {};
        GetClientRect(m_window, &client);
        if (!PtInRect(&client, point)) {
            child->vt = VT_EMPTY;
            return S_FALSE;
        }
        // The controls lie over the coins where they meet.
        HWND under = ChildWindowFromPointEx(m_window, point, CWP_SKIPINVISIBLE);
        if (under && under != m_window) {
            child->vt = VT_DISPATCH;
            return windowObject(under, &child->pdispVal);
        }
        child->vt = VT_I4;
        child->lVal = CHILDID_SELF;
        // Coins painted later lie over earlier ones.
        for (int coin = 1; coin <= CoinCount; ++coin)
            if (covers(coin, point))
                child->lVal = coinChildId(m_window, coin);
        return S_OK;
    }

protected:
    bool ownsChild(const VARIANT &child) const override { return coinOf(child) != 0; }

private:
    // Coin 1 to 10 for a coin's child id, 0 for anything else.
    int coinOf(const VARIANT &child) const
    {
        if (child.vt != VT_I4)
            return 0;
        const long coin = child.lVal - childWindowCount(m_window);
        return coin >= 1 && coin <= CoinCount ? int(coin) : 0;
    }

    bool covers(int coin, POINT point) const
    {
        const std::optional<ShownCoin> found = find(coin);
        if (!found)
            return false;
        const RECT &place = found->place;
        const double radius = (place.right - place.left) / 2.0;
        const double dx = point.x + 0.5 - (place.left + radius);
        const double dy = point.y + 0.5 - (place.top + radius);
        return dx * dx + dy * dy <= radius * radius;
    }

    std::optional<ShownCoin> find(int coin) const
    {
        const std::shared_ptr<const PaintedCoins> coins = m_coins.lock();
        return coins ? coins->find(coin) : std::nullopt;
    }

    std::weak_ptr<const PaintedCoins> m_coins;
};

// A control in the game's own words, where it has any.
class ControlInOwnWords final : public DelegatingAccessible
{
public:
    ControlInOwnWords(
        HWND control, IAccessible *standard, const char *name, const std::string &description)
        : DelegatingAccessible(control, standard)
        , m_name(name)
        , m_description(description)
    { }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR *name) override
    {
        if (!isSelf(child) || m_name.empty())
            return DelegatingAccessible::get_accName(child, name);
        *name = bstr(m_name);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR *description) override
    {
        if (!isSelf(child) || m_description.empty())
            return DelegatingAccessible::get_accDescription(child, description);
        *description = bstr(m_description);
        return S_OK;
    }

private:
    std::string m_name;
    std::string m_description;
};

IAccessible *standardClientArea(HWND window)
{
    IAccessible *standard = nullptr;
    if (FAILED(CreateStdAccessibleObject(
            window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void **>(&standard))))
        return nullptr;
    return standard;
}

// Hands the object to the screen reader that asked, which then holds the only reference.
LRESULT handOver(DelegatingAccessible *object, WPARAM flags)
{
    const LRESULT result
        = LresultFromObject(__uuidof(IAccessible), flags, static_cast<IAccessible *>(object));
    object->Release();
    return result;
}

} // namespace

bool asksForClientArea(LPARAM objectId)
{
    return static_cast<LONG>(static_cast<DWORD>(objectId)) == OBJID_CLIENT;
}

LRESULT answerClientArea(HWND window, WPARAM flags, std::weak_ptr<const PaintedCoins> coins)
{
    IAccessible *standard = standardClientArea(window);
    return standard ? handOver(new ClientArea(window, standard, std::move(coins)), flags) : 0;
}

LRESULT answerControl(HWND control, WPARAM flags, const char *name, const std::string &description)
{
    IAccessible *standard = standardClientArea(control);
    return standard ? handOver(new ControlInOwnWords(control, standard, name, description), flags)
                    : 0;
}

void announceDescription(HWND control)
{
    NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

void announceCoinFace(HWND window, int coin)
{
    NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, window, OBJID_CLIENT, coinChildId(window, coin));
}
