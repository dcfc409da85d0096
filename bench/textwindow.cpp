// SPDX-License-Identifier: MIT
// The floor of the toolkit for a window that shows text: the bare window with one label in the
// game's font. What the game costs above this is the game's own.

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(226, 161);
    QFont::insertSubstitutions("MS Sans Serif", { "Liberation Sans" });
    QFont font("MS Sans Serif");
    font.setPixelSize(18);
    font.setBold(true);
    auto *label = new QLabel("Money: 100", &window);
    label->setFont(font);
    window.show();
    return QApplication::exec();
}
