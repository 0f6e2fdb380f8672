// The yardstick of bench/startup.sh: a bare Qt program showing one empty main window, built with
// the same compiler and flags as the game, so the two start-ups compare like for like.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("W4BareWindow"));
    window.resize(640, 480);
    window.show();
    return app.exec();
}
