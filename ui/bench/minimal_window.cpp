// The yardstick for start-up time: the smallest Qt Widgets program that shows
// a window, started the same way as zef.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("minimal window"));
    window.resize(571, 351);
    window.show();
    return application.exec();
}
