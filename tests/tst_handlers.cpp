// SPDX-License-Identifier: MIT
// The four handlers against controls that write down every call, so that the order of steps, the
// nesting of the bet's change handler inside a flip and the one seeding of a run can be read off.

#include "form1.h"
#include "scriptedsource.h"
#include "scrolling.h"

#include <QTest>
#include <map>

namespace {

class RecordingControls final : public Form1Controls
{
public:
    Form1 *form = nullptr;
    QStringList log;
    std::map<Control, std::string> texts { { Control::Bet, "0" }, { Control::Choose, "5" },
        { Control::Money, "Money: 100" } };
    std::map<Control, int> values { { Control::BetScroll, 0 }, { Control::ChooseScroll, 5 } };

    std::string text(Control label) const override { return texts.at(label); }
    void setText(Control label, const std::string &text) override
    {
        record(QString("%1 \"%2\"").arg(name(label), QString::fromStdString(text)));
        texts[label] = text;
    }
    int value(Control scrollBar) const override { return values.at(scrollBar); }
    void setValue(Control scrollBar, int value) override
    {
        record(QString("%1 = %2").arg(name(scrollBar)).arg(value));
        ++m_depth;
        setAndRaiseChange(*form, scrollBar, values.at(scrollBar), value,
            [&](int shown) { values[scrollBar] = shown; });
        --m_depth;
    }
    void setTitle(const std::string &title) override
    {
        record(QString("title \"%1\"").arg(QString::fromStdString(title)));
    }
    void announce(const std::string &message) override
    {
        record(QString("tell \"%1\"").arg(QString::fromStdString(message)));
    }
    void createCoin(int coin) override { record(QString("create %1").arg(coin)); }
    void showCoin(int coin) override { record(QString("show %1").arg(coin)); }
    void placeCoin(int coin, Twips left, Twips top) override
    {
        record(QString("place %1 at %2,%3").arg(coin).arg(left).arg(top));
    }
    void setCoinColour(int coin, Colour colour) override
    {
        record(QString("coin %1 %2").arg(coin).arg(colour == RedFace ? "red" : "green"));
    }

    // The player moves a scroll bar: the platform sets the value and raises the handler.
    void move(Control scrollBar, int value)
    {
        values[scrollBar] = value;
        form->scrollChanged(scrollBar);
    }

private:
    static QString name(Control control) { return describe(control).name; }
    // Steps of a nested handler are marked, so a test can see where they ran.
    void record(const QString &step) { log << QString(m_depth, '>') + step; }

    int m_depth = 0;
};

} // namespace

class HandlersTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void loadCreatesShowsAndPlacesEachCoinThenSeeds();
    void onlyTheLoadSeeds();
    void flipRunsItsStepsInOrder_data();
    void flipRunsItsStepsInOrder();
    void betIsReadFromItsLabel();

private:
    ScriptedSource m_random;
    RecordingControls m_controls;
    std::unique_ptr<Form1> m_form;
};

void HandlersTest::init()
{
    m_random = ScriptedSource();
    m_controls = RecordingControls();
    m_form = std::make_unique<Form1>(m_controls, m_random);
    m_controls.form = m_form.get();
}

void HandlersTest::loadCreatesShowsAndPlacesEachCoinThenSeeds()
{
    m_form->Form_Load();
    QStringList expected;
    for (int coin = 1; coin <= 10; ++coin) {
        const int left = coin < 6 ? 0 : 480, top = 480 * ((coin - 1) % 5);
        expected << QString("create %1").arg(coin) << QString("show %1").arg(coin)
                 << QString("place %1 at %2,%3").arg(coin).arg(left).arg(top);
    }
    QCOMPARE(m_controls.log, expected);
    QCOMPARE(m_random.reseeds, 1);
    QCOMPARE(m_form->game().Balance(), 100);
}

void HandlersTest::onlyTheLoadSeeds()
{
    m_form->Form_Load();
    for (int flip = 0; flip < 5; ++flip) {
        m_controls.move(Control::BetScroll, 10);
        m_controls.move(Control::ChooseScroll, flip);
        m_random.scriptAll(0.25f, 10);
        m_form->Flip_Click();
    }
    QCOMPARE(m_random.reseeds, 1);
}

void HandlersTest::flipRunsItsStepsInOrder_data()
{
    QTest::addColumn<int>("bet");
    QTest::addColumn<QStringList>("afterTheCoins");
    QTest::newRow("a won bet, reset by the nested change handler")
        << 15
        << QStringList { "title \" 3 3\"", "Money \"Money: 213\"", "Bet \"0\"", "BetScroll = 0",
               ">Bet \"0\"", ">Money \"Money: 213\"", "tell \"Guessed 3, 3 red. Money: 213\"" };
    QTest::newRow("no bet: setting 0 again raises nothing")
        << 0
        << QStringList { "title \" 3 3\"", "Money \"Money: 100\"", "Bet \"0\"", "BetScroll = 0",
               "tell \"Guessed 3, 3 red. Money: 100\"" };
}

void HandlersTest::flipRunsItsStepsInOrder()
{
    QFETCH(int, bet);
    QFETCH(QStringList, afterTheCoins);
    m_form->Form_Load();
    m_controls.move(Control::ChooseScroll, 3);
    m_controls.move(Control::BetScroll, bet);
    m_random.script({ 0.5f, 0.1f, 0.9f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f, 0.7f });
    m_controls.log.clear();

    m_form->Flip_Click();
    QStringList expected { "coin 1 red", "coin 2 green", "coin 3 red" };
    for (int coin = 4; coin <= 9; ++coin)
        expected << QString("coin %1 green").arg(coin);
    expected << "coin 10 red" << afterTheCoins;
    QCOMPARE(m_controls.log, expected);
    QCOMPARE(m_form->game().Balance(), m_form->game().SettledBalance());
}

void HandlersTest::betIsReadFromItsLabel()
{
    m_form->Form_Load();
    m_controls.move(Control::ChooseScroll, 0);
    m_controls.move(Control::BetScroll, 30);
    // The label is the bet's record: a flip pays on what it says, whatever the scroll bar holds.
    m_controls.values[Control::BetScroll] = 99;
    m_random.scriptAll(0.1f, 10);
    m_form->Flip_Click();
    QCOMPARE(m_form->game().Balance(), 70 + 30 * 1024);
}

QTEST_APPLESS_MAIN(HandlersTest)
#include "tst_handlers.moc"
