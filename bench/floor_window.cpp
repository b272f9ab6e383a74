// SPDX-License-Identifier: GPL-3.0-or-later
// The floor of the start-up budget: the least a Qt Widgets program pays to put one window of the
// board's size on the screen. It shows one empty top-level QWidget as big as the board's window
// (439 x 370: the client area below its menu bar plus the menu bar) and waits to be ended.
#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("floor"));
    window.resize(439, 370);
    window.show();
    return QApplication::exec();
}
