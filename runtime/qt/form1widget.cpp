// SPDX-License-Identifier: MIT
#include "form1widget.h"

#include "announcer.h"
#include "coin.h"
#include "pushbutton.h"
#include "scrollbar.h"
#include "windowicon.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <exception>
#include <stdexcept>
#include <utility>

namespace {

QRect pixels(const TwipRect &twips)
{
    return { logicalPixels(twips.left), logicalPixels(twips.top), logicalPixels(twips.width),
        logicalPixels(twips.height) };
}

QFont controlFont(bool bold)
{
    QFont font(FontFace);
    // A pixel size keeps the texts inside the fixed layout on scaled desktops.
    font.setPixelSize(logicalPixels(FontHeight));
    font.setWeight(QFont::Weight(bold ? BoldWeight : RegularWeight));
    // The texts are plain ASCII, all in the one face: they need neither fallback fonts nor
    // shaping, and looking them up costs the start-up dearly.
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferNoShaping));
    return font;
}

QLabel *createLabel(const ControlDescription &description, QWidget *parent)
{
    auto *label = new QLabel(description.text, parent);
    const Qt::Alignment across
        = description.alignment == TextAlignment::Centred ? Qt::AlignHCenter : Qt::AlignLeft;
    // Top-aligned, as the scroll bars cover the bottom of the bet and guess labels.
    label->setAlignment(across | Qt::AlignTop);
    return label;
}

ScrollBar *createScrollBar(const ControlDescription &description, QWidget *parent)
{
    auto *scrollBar = new ScrollBar(parent);
    scrollBar->setRange(description.scroll.minimum, description.scroll.maximum);
    scrollBar->setSingleStep(description.scroll.arrowStep);
    scrollBar->setPageStep(description.scroll.pageStep);
    scrollBar->setValue(description.scroll.value);
    scrollBar->setAccessibleName(description.accessibleName);
    return scrollBar;
}

} // namespace

Form1Widget::Form1Widget(RandomSource &random, ErrorReport reportError, QWidget *parent)
    : QWidget(parent)
    , m_reportError(std::move(reportError))
    , m_form(*this, random)
{
    createControls();
    connectEvents();
    m_form.Form_Load();
    stackAndFocus();
    m_announcer = new Announcer(this);
}

bool Form1Widget::event(QEvent *event)
{
    // The icon waits for the first paint: reading it any earlier only delays the window.
    if (event->type() == QEvent::Paint && !std::exchange(m_painted, true))
        QTimer::singleShot(0, this, [] { QApplication::setWindowIcon(programIcon()); });
    return QWidget::event(event);
}

void Form1Widget::createControls()
{
    setObjectName(Form1Title);
    setWindowTitle(Form1Title);
    resize(logicalPixels(ClientWidth), logicalPixels(ClientHeight));
    // The face this layout was drawn for, or where it is missing the closest there is.
    QStringList substitutes;
    for (const char *substitute : FontSubstitutes)
        substitutes << substitute;
    QFont::insertSubstitutions(FontFace, substitutes);
    // Created in the description's order, so later controls lie on top where they overlap.
    for (const ControlDescription &description : ControlDescriptions) {
        QWidget *control = createControl(description);
        control->setObjectName(description.name);
        control->setGeometry(pixels(description.bounds));
        if (!description.visible)
            control->hide();
        m_controls.at(static_cast<std::size_t>(description.control)) = control;
    }
}

QWidget *Form1Widget::createControl(const ControlDescription &description)
{
    switch (description.kind) {
    case ControlKind::ScrollBar:
        return createScrollBar(description, this);
    case ControlKind::PushButton: {
        auto *button = new PushButton(description.text, this);
        button->setFont(controlFont(description.bold));
        return button;
    }
    case ControlKind::Label: {
        QLabel *label = createLabel(description, this);
        label->setFont(controlFont(description.bold));
        return label;
    }
    case ControlKind::Shape:
        m_coins[0] = new Coin(this);
        return m_coins[0];
    }
    throw std::logic_error("A control of no known kind.");
}

void Form1Widget::connectEvents()
{
    for (const Control control : { Control::ChooseScroll, Control::BetScroll })
        connect(scrollBar(control), &QScrollBar::valueChanged, this,
            [this, control] { deliver([this, control] { m_form.scrollChanged(control); }); });
    auto *flip = static_cast<QPushButton *>(widget(Control::Flip));
    connect(
        flip, &QPushButton::clicked, this, [this] { deliver([this] { m_form.Flip_Click(); }); });
}

void Form1Widget::stackAndFocus()
{
    // The button and the scroll bars stay on top of the coins and labels they overlap.
    QWidget *previous = nullptr;
    for (const Control control : tabOrder()) {
        QWidget *current = widget(control);
        current->raise();
        if (previous)
            setTabOrder(previous, current);
        previous = current;
    }
    widget(tabOrder().front())->setFocus();
}

void Form1Widget::deliver(const std::function<void()> &handler)
{
    if (m_stopped)
        return;
    // Qt lets no exception cross its event loop or its signals. A handler nested in setValue
    // hands its error to setValue, which throws it on to the handler that called it; at the
    // event loop's edge the game stops.
    try {
        handler();
    } catch (const std::exception &error) {
        if (m_settingValues > 0) {
            m_nestedError = std::current_exception();
            return;
        }
        m_stopped = true;
        m_reportError(QString::fromUtf8(error.what()));
    }
}

QWidget *Form1Widget::widget(Control control) const
{
    return m_controls.at(static_cast<std::size_t>(control));
}

QLabel *Form1Widget::label(Control control) const
{
    if (auto *found = qobject_cast<QLabel *>(widget(control)))
        return found;
    throw std::logic_error(std::string(describe(control).name) + " is not a label.");
}

QScrollBar *Form1Widget::scrollBar(Control control) const
{
    if (auto *found = qobject_cast<QScrollBar *>(widget(control)))
        return found;
    throw std::logic_error(std::string(describe(control).name) + " is not a scroll bar.");
}

std::string Form1Widget::text(Control control) const
{
    return label(control)->text().toStdString();
}

void Form1Widget::setText(Control control, const std::string &text)
{
    label(control)->setText(QString::fromStdString(text));
}

int Form1Widget::value(Control control) const
{
    return scrollBar(control)->value();
}

void Form1Widget::setValue(Control control, int value)
{
    // valueChanged reaches the handler at once, through a direct connection, when it changes.
    QScrollBar *bar = scrollBar(control);
    ++m_settingValues;
    bar->setValue(value);
    --m_settingValues;
    if (m_nestedError)
        std::rethrow_exception(std::exchange(m_nestedError, nullptr));
}

void Form1Widget::setTitle(const std::string &title)
{
    setWindowTitle(QString::fromStdString(title));
    // A screen reader that reads the window's name finds the flip there, as a sighted player
    // does; what a blind player hears of each flip is the announcement.
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void Form1Widget::announce(const std::string &message)
{
    m_announcer->announce(QString::fromStdString(message));
}

void Form1Widget::createCoin(int coin)
{
    Coin *created = m_coins.at(0)->copy();
    created->setAccessibleName(QString::fromStdString(coinName(coin)));
    m_coins.at(static_cast<std::size_t>(coin)) = created;
}

void Form1Widget::showCoin(int coin)
{
    Qtr(coin)->setVisible(true);
}

void Form1Widget::placeCoin(int coin, Twips left, Twips top)
{
    Qtr(coin)->move(logicalPixels(left), logicalPixels(top));
}

void Form1Widget::setCoinColour(int coin, Colour colour)
{
    Qtr(coin)->showFace(QColor(colour.red, colour.green, colour.blue), faceName(colour));
}
