// SPDX-License-Identifier: MIT
#include "display.h"
#include "errorreport.h"
#include "form1widget.h"
#include "randomsource.h"

#include <QApplication>
#include <exception>
#include <optional>

int main(int argc, char *argv[])
{
    std::optional<QApplication> app;
    createApplicationOrExit([&] { app.emplace(argc, argv); });
    QApplication::setApplicationName("Ten Coins");
    QGuiApplication::setDesktopFileName(APP_ID);
    try {
        const std::unique_ptr<RandomSource> random = makePlaySource();
        Form1Widget window(*random, reportErrorAndQuit);
        window.show();
        return QApplication::exec();
    } catch (const std::exception &error) {
        reportError(QString::fromUtf8(error.what()));
        return 1;
    }
}
