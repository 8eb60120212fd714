// Kalvon-五金: a desk calculator for rolled steel sections. Arguments are ignored.
#include "app/application.h"
#include "runtime/files.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kalvon-五金"));
    QApplication::setApplicationVersion(QStringLiteral("2.0.0.0"));
    QApplication::setDesktopFileName(QStringLiteral("kalvon"));
    app::Application application(rt::runDirectory());
    application.start();
    QApplication::exec();
    return 0;
}
