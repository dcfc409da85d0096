#include "window/form1.h"

#include "game/coinflip.h"
#include "game/displaytexts.h"
#include "runtime/numberforms.h"
#include "runtime/randomsource.h"
#include "window/coin.h"
#include "window/pushbutton.h"
#include "window/scrollbar.h"

#include <QLabel>
#include <exception>

namespace {

// The layout is fixed in logical pixels: positions on a grid of 8, sizes a multiple of 8 plus 1,
// so that neighbours share a one-pixel edge.
constexpr QSize ClientSize(226, 161);
constexpr int CoinSize = 33;
constexpr int CoinPitch = 32;
// 13.5 points at 96 dpi. A pixel size keeps the texts inside the fixed layout on scaled desktops.
constexpr int FontPixels = 18;

QFont controlFont(QFont::Weight weight)
{
    QFont font("MS Sans Serif");
    font.setPixelSize(FontPixels);
    font.setWeight(weight);
    return font;
}

QString text(const std::string &utf8)
{
    return QString::fromStdString(utf8);
}

QLabel *createLabel(QWidget *parent, const char *name, const QString &initial, QRect geometry,
    Qt::Alignment alignment)
{
    auto *label = new QLabel(initial, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    // Top-aligned, as the scroll bars cover the bottom of the bet and guess labels.
    label->setAlignment(alignment | Qt::AlignTop);
    label->setFont(controlFont(QFont::Bold));
    return label;
}

ScrollBar *createScrollBar(
    QWidget *parent, const char *name, const QString &accessibleName, QRect geometry)
{
    auto *scrollBar = new ScrollBar(parent);
    scrollBar->setObjectName(name);
    scrollBar->setAccessibleName(accessibleName);
    scrollBar->setGeometry(geometry);
    return scrollBar;
}

} // namespace

Form1::Form1(RandomSource &random, ErrorReport reportError, QWidget *parent)
    : QWidget(parent)
    , m_random(random)
    , m_reportError(std::move(reportError))
{
    createControls();
    connect(ChooseScroll, &QScrollBar::valueChanged, this, &Form1::ChooseScroll_Change);
    connect(BetScroll, &QScrollBar::valueChanged, this, &Form1::BetScroll_Change);
    connect(Flip, &QPushButton::clicked, this, &Form1::Flip_Click);
    Form_Load();
}

void Form1::createControls()
{
    // The face this layout was drawn for. Where it is missing, Liberation Sans matches its metrics
    // closely.
    QFont::insertSubstitutions("MS Sans Serif", { "Liberation Sans", "Arial", "Helvetica" });
    setObjectName("Form1");
    setWindowTitle("Form1");
    resize(ClientSize);

    // Created in this order, so later controls lie on top where they overlap.
    ChooseScroll = createScrollBar(this, "ChooseScroll", tr("Guess"), { 144, 56, 81, 17 });
    ChooseScroll->setRange(0, MaxRedCount);
    ChooseScroll->setValue(5);
    ChooseScroll->setSingleStep(1);
    ChooseScroll->setPageStep(1);

    BetScroll = createScrollBar(this, "BetScroll", tr("Bet"), { 64, 56, 81, 17 });
    BetScroll->setRange(0, MaxBet);
    BetScroll->setValue(0);
    BetScroll->setSingleStep(1);
    BetScroll->setPageStep(10);

    Flip = new PushButton("Flip", this);
    Flip->setObjectName("Flip");
    Flip->setGeometry(64, 0, 161, 33);
    Flip->setFont(controlFont(QFont::Normal));

    Money = createLabel(this, "Money", "Money: 100", { 64, 72, 161, 25 }, Qt::AlignLeft);
    Choose = createLabel(this, "Choose", "5", { 144, 32, 81, 33 }, Qt::AlignHCenter);
    Bet = createLabel(this, "Bet", "0", { 64, 32, 81, 33 }, Qt::AlignHCenter);

    m_coins[0] = new Coin(this);
    m_coins[0]->setObjectName("Qtr");
    m_coins[0]->setGeometry(32, 0, CoinSize, CoinSize);
    m_coins[0]->setVisible(false);

    setTabOrder(Flip, BetScroll);
    setTabOrder(BetScroll, ChooseScroll);
    Flip->setFocus();
}

void Form1::createCoins()
{
    for (int i = 1; i <= CoinCount; ++i) {
        Coin *coin = m_coins[0]->copy();
        coin->setAccessibleName(tr("Coin %1").arg(i));
        coin->setVisible(true);
        if (i < 6)
            coin->move(0, (i - 1) * CoinPitch);
        if (i > 5)
            coin->move(CoinPitch, (i - 6) * CoinPitch);
        m_coins[i] = coin;
    }
    // The button and the scroll bars stay on top of the coins and labels they overlap.
    Flip->raise();
    BetScroll->raise();
    ChooseScroll->raise();
}

template<typename Steps>
void Form1::guarded(Steps steps)
{
    // Qt lets no exception cross its event loop: whatever escapes the rules ends here.
    try {
        steps();
    } catch (const std::exception &error) {
        m_reportError(QString::fromUtf8(error.what()));
    }
}

void Form1::Form_Load()
{
    createCoins();
    m_random.reseedFromClock();
    m_game.start();
}

void Form1::ChooseScroll_Change()
{
    guarded([this] { Choose->setText(text(scrollValueText(ChooseScroll->value()))); });
}

void Form1::BetScroll_Change()
{
    guarded([this] {
        Bet->setText(text(scrollValueText(BetScroll->value())));
        const Amount balance = m_game.takeBet(Bet->text().toStdString());
        Money->setText(text(moneyText(balance)));
    });
}

void Form1::Flip_Click()
{
    guarded([this] {
        const int redCount = flipCoins([this] { return m_random.next(); },
            [this](int coin, Colour colour) {
                const bool red = colour == RedFace;
                m_coins[coin]->showFace(
                    QColor(colour.red, colour.green, colour.blue), red ? tr("red") : tr("green"));
            });
        setWindowTitle(text(flipTitle(ChooseScroll->value(), redCount)));
        const Amount balance
            = m_game.settle(redCount, ChooseScroll->value(), Bet->text().toStdString());
        Money->setText(text(moneyText(balance)));
        Bet->setText("0");
        // Runs BetScroll_Change at once when the bet was not 0 already.
        BetScroll->setValue(0);
    });
}
