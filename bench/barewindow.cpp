// SPDX-License-Identifier: MIT
// The floor of the toolkit: an empty Qt window of the game's size, started the same way.

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(226, 161);
    window.show();
    return QApplication::exec();
}
