#include "app/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Dialogs without a title of their own show this name.
    QApplication::setApplicationName(QStringLiteral("Gorvane"));
    Form1 window;
    window.load();
    return QApplication::exec();
}
