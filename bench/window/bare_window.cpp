// The yardstick: a bare Qt Widgets window, shown maximised like Marbix's
// first start. With the argument "text" it shows one line of text, and so
// pays for setting up the fonts as every window with text does.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel window;
    if (argc > 1 && QByteArray(argv[1]) == "text") window.setText(QStringLiteral("bare"));
    window.setWindowTitle(QStringLiteral("bare"));
    window.showMaximized();
    return QApplication::exec();
}
