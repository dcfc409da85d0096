#include "runtime/errorreport.h"

#include <QApplication>
#include <QMessageBox>

void reportError(const QString &message)
{
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(),
        QStringLiteral("Ten Coins has to close.\n\n%1").arg(message));
}

void reportErrorAndQuit(const QString &message)
{
    reportError(message);
    QCoreApplication::exit(1);
}
