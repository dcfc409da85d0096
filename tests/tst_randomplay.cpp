// SPDX-License-Identifier: MIT
// Plays the real window at random, tens of thousands of moves, against a small model of the game.
// A failure names the seed and the step; TENCOINS_PLAY_SEED and TENCOINS_PLAY_STEPS replay it.

#include "coin.h"
#include "exactpayout.h"
#include "form1widget.h"
#include "randomsource.h"
#include "scrollbarpart.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <memory>
#include <random>

namespace {

// The real generator, remembering the draws of the last flip for the model.
class RecordingSource final : public RandomSource
{
public:
    explicit RecordingSource(std::uint32_t seed)
        : m_source(seed)
    { }
    float next() override { return draws.emplace_back(m_source.next()); }
    void reseedFromClock() override { }
    std::vector<float> draws;

private:
    MersenneSource m_source;
};

// What the player should see, worked out without the game's own rules.
struct Model
{
    int guess = 5;
    int bet = 0;
    long long settled = 100;
    long long balance = 100;
    QString title = "Form1";

    void chooseBet(int newBet)
    {
        bet = newBet;
        balance = settled - bet;
    }

    void flip(const std::vector<float> &draws)
    {
        int red = 0;
        for (float draw : draws)
            red += draw >= 0.5f;
        title = QString(" %1 %2").arg(guess).arg(red);
        if (red == guess)
            balance += exactPayout(red, bet);
        settled = balance;
        bet = 0;
    }

    QString money() const { return QString(balance < 0 ? "Money:%1" : "Money: %1").arg(balance); }
};

int envOr(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

} // namespace

class RandomPlayTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowAgreesWithModelThroughRandomPlay();

private:
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_chance); }
    QString act();
    QString pressKey(QScrollBar *scrollBar, bool isBet);
    QString clickPart(QScrollBar *scrollBar, bool isBet);
    QString dragThumb(QScrollBar *scrollBar, bool isBet);
    QString turnWheel(QScrollBar *scrollBar, bool isBet);
    QString flip();
    QString resize();
    void setScroll(bool isBet, int value)
    {
        isBet ? m_model.chooseBet(value) : void(m_model.guess = value);
    }
    QString mismatch() const;

    std::mt19937 m_chance;
    std::unique_ptr<RecordingSource> m_random;
    std::unique_ptr<Form1Widget> m_form;
    QScrollBar *m_bet = nullptr;
    QScrollBar *m_guess = nullptr;
    QPushButton *m_flip = nullptr;
    Model m_model;
};

void RandomPlayTest::windowAgreesWithModelThroughRandomPlay()
{
    const int seed = envOr("TENCOINS_PLAY_SEED", 20261208);
    const int steps = envOr("TENCOINS_PLAY_STEPS", 100'000);
    m_chance.seed(static_cast<std::uint32_t>(seed));
    m_random = std::make_unique<RecordingSource>(static_cast<std::uint32_t>(seed));
    m_form = std::make_unique<Form1Widget>(*m_random, [](const QString &message) {
        QFAIL(qPrintable("the game reported an error: " + message));
    });
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    m_bet = m_form->findChild<QScrollBar *>("BetScroll");
    m_guess = m_form->findChild<QScrollBar *>("ChooseScroll");
    m_flip = m_form->findChild<QPushButton *>("Flip");

    for (int step = 1; step <= steps; ++step) {
        const QString action = act();
        const QString wrong = mismatch();
        if (!wrong.isEmpty())
            QFAIL(qPrintable(QString("seed %1, step %2, after %3: %4 (replay with "
                                     "TENCOINS_PLAY_SEED=%1 TENCOINS_PLAY_STEPS=%2)")
                                 .arg(seed)
                                 .arg(step)
                                 .arg(action, wrong)));
        // Let the queued repaints run now and then, as an idle event loop would.
        if (step % 64 == 0)
            QCoreApplication::processEvents();
    }
}

QString RandomPlayTest::act()
{
    const bool isBet = pick(2) == 0;
    QScrollBar *scrollBar = isBet ? m_bet : m_guess;
    switch (pick(7)) {
    case 0:
    case 1:
        return pressKey(scrollBar, isBet);
    case 2:
        return clickPart(scrollBar, isBet);
    case 3:
        return dragThumb(scrollBar, isBet);
    case 4:
        return turnWheel(scrollBar, isBet);
    case 5:
        return flip();
    default:
        return pick(8) == 0 ? resize() : flip();
    }
}

QString RandomPlayTest::pressKey(QScrollBar *scrollBar, bool isBet)
{
    struct Key
    {
        Qt::Key key;
        const char *name;
    };
    static const Key keys[] = { { Qt::Key_Left, "Left" }, { Qt::Key_Right, "Right" },
        { Qt::Key_Up, "Up" }, { Qt::Key_Down, "Down" }, { Qt::Key_PageUp, "PageUp" },
        { Qt::Key_PageDown, "PageDown" }, { Qt::Key_Home, "Home" }, { Qt::Key_End, "End" } };
    const Key &key = keys[pick(8)];
    const int value = scrollBar->value(), single = scrollBar->singleStep();
    const int page = scrollBar->pageStep(), top = scrollBar->maximum();
    int expected = value;
    switch (key.key) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        expected = value - single;
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        expected = value + single;
        break;
    case Qt::Key_PageUp:
        expected = value - page;
        break;
    case Qt::Key_PageDown:
        expected = value + page;
        break;
    case Qt::Key_Home:
        expected = 0;
        break;
    default:
        expected = top;
    }
    expected = std::clamp(expected, 0, top);
    scrollBar->setFocus();
    QTest::keyClick(scrollBar, key.key);
    if (scrollBar->value() == expected)
        setScroll(isBet, expected);
    return QString("key %1 on %2 from %3").arg(key.name, scrollBar->objectName()).arg(value);
}

QString RandomPlayTest::clickPart(QScrollBar *scrollBar, bool isBet)
{
    const QStyle::SubControl parts[] = { QStyle::SC_ScrollBarAddLine, QStyle::SC_ScrollBarSubLine,
        QStyle::SC_ScrollBarAddPage, QStyle::SC_ScrollBarSubPage };
    const int which = pick(4);
    const QRect target = scrollBarPart(scrollBar, parts[which]);
    const int value = scrollBar->value();
    if (target.isEmpty())
        return QString("no click: that part of %1 is empty").arg(scrollBar->objectName());
    const int step = which < 2 ? scrollBar->singleStep() : scrollBar->pageStep();
    const int expected
        = std::clamp(which % 2 == 0 ? value + step : value - step, 0, scrollBar->maximum());
    QTest::mouseClick(scrollBar, Qt::LeftButton, {}, target.center());
    if (scrollBar->value() == expected)
        setScroll(isBet, expected);
    return QString("click on part %1 of %2 from %3")
        .arg(which)
        .arg(scrollBar->objectName())
        .arg(value);
}

QString RandomPlayTest::dragThumb(QScrollBar *scrollBar, bool isBet)
{
    const QPoint grip = scrollBarPart(scrollBar, QStyle::SC_ScrollBarSlider).center();
    const QPoint to = grip + QPoint(pick(121) - 60, pick(9) - 4);
    QTest::mousePress(scrollBar, Qt::LeftButton, {}, grip);
    QTest::mouseMove(scrollBar, to);
    // Nothing may change until the thumb is let go.
    const QString during = mismatch();
    if (!during.isEmpty())
        return "a drag, while the thumb was held: " + during;
    QTest::mouseRelease(scrollBar, Qt::LeftButton, {}, to);
    // Where a drag lands depends on pixels; the model takes it from the scroll bar.
    setScroll(isBet, scrollBar->value());
    return QString("drag of %1 by %2").arg(scrollBar->objectName()).arg(to.x() - grip.x());
}

QString RandomPlayTest::turnWheel(QScrollBar *scrollBar, bool isBet)
{
    const int notches = pick(2) == 0 ? 1 : -1;
    const int step = std::min(
        QApplication::wheelScrollLines() * scrollBar->singleStep(), scrollBar->pageStep());
    const int value = scrollBar->value();
    const int expected = std::clamp(value - notches * step, 0, scrollBar->maximum());
    const QPointF inside = scrollBar->rect().center();
    QWheelEvent wheel(inside, scrollBar->mapToGlobal(inside), {}, { 0, 120 * notches },
        Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(scrollBar, &wheel);
    if (scrollBar->value() == expected)
        setScroll(isBet, expected);
    return QString("wheel %1 on %2 from %3").arg(notches).arg(scrollBar->objectName()).arg(value);
}

QString RandomPlayTest::flip()
{
    m_random->draws.clear();
    const int how = pick(3);
    if (how == 0) {
        QTest::mouseClick(m_flip, Qt::LeftButton);
    } else {
        m_flip->setFocus();
        QTest::keyClick(m_flip, how == 1 ? Qt::Key_Space : Qt::Key_Return);
    }
    if (m_random->draws.size() != 10)
        return QString("a flip that took %1 draws").arg(m_random->draws.size());
    m_model.flip(m_random->draws);
    return QString("flip by %1").arg(how == 0 ? "mouse" : how == 1 ? "Space" : "Enter");
}

QString RandomPlayTest::resize()
{
    const QSize size(100 + pick(500), 80 + pick(400));
    m_form->resize(size);
    QCoreApplication::processEvents();
    return QString("resize to %1x%2").arg(size.width()).arg(size.height());
}

QString RandomPlayTest::mismatch() const
{
    const auto label
        = [this](const char *name) { return m_form->findChild<QLabel *>(name)->text(); };
    const QString bet = QString::number(m_model.bet), guess = QString::number(m_model.guess);
    if (label("Bet") != bet || m_bet->value() != m_model.bet)
        return QString("the bet shows %1 at %2, not %3")
            .arg(label("Bet"))
            .arg(m_bet->value())
            .arg(bet);
    if (label("Choose") != guess || m_guess->value() != m_model.guess)
        return QString("the guess shows %1 at %2, not %3")
            .arg(label("Choose"))
            .arg(m_guess->value())
            .arg(guess);
    if (label("Money") != m_model.money())
        return QString("the money shows '%1', not '%2'").arg(label("Money"), m_model.money());
    if (m_form->windowTitle() != m_model.title)
        return QString("the title is '%1', not '%2'").arg(m_form->windowTitle(), m_model.title);
    const GameState &game = m_form->game();
    if (game.Balance() != m_model.balance || game.SettledBalance() != m_model.settled
        || game.Balance() != game.SettledBalance() - m_model.bet)
        return QString("the game holds %1 of %2 settled, with a bet of %3")
            .arg(game.Balance())
            .arg(game.SettledBalance())
            .arg(m_model.bet);
    if (m_flip->geometry() != QRect(64, 0, 161, 33) || m_form->Qtr(10)->pos() != QPoint(32, 128))
        return "a control moved";
    return {};
}

QTEST_MAIN(RandomPlayTest)
#include "tst_randomplay.moc"
