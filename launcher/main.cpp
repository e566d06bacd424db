#include <launcher/Form2.h>

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));  // buttons show their background colour
    // Hiding the launcher for a drill is no reason to end; the farewell ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    launcher::Form2 window;
    window.show();
    return app.exec();
}
