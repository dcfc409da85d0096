// SPDX-License-Identifier: MIT
#include "errorreport.h"

#include "errortext.h"

#include <QApplication>
#include <QMessageBox>

void reportError(const QString &message)
{
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(),
        QString::fromStdString(closingMessage(message.toStdString())));
}

void reportErrorAndQuit(const QString &message)
{
    reportError(message);
    QCoreApplication::exit(1);
}
