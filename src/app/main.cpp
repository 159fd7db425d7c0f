#include "app/application_identity.h"
#include "app/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setApplicationIdentity();
    Form1 window;
    window.load();
    return QApplication::exec();
}
