// Kalvon-五金: a desk calculator for rolled steel sections. Arguments are ignored.
#include "app/application.h"
#include "runtime/files.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication qtApp(argc, argv);
    app::Application application(rt::runDirectory());
    application.start();
    QApplication::exec();
    return 0;
}
