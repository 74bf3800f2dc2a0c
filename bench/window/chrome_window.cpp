// The second yardstick: what Marbix's window costs before any game. A main
// window with the same chrome (its three menus, a toolbar of five picture
// buttons, a status bar with two panes, a list in a fixed-width font beside
// a 347 × 325 picture), shown maximised; once painted, the sound library is
// loaded as Marbix loads it. No game, no profile, no pictures read.
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <dlfcn.h>
#include <utility>

namespace {

QPixmap Filled(int width, int height, Qt::GlobalColor colour) {
    QPixmap picture(width, height);
    picture.fill(colour);
    return picture;
}

// As many menus and entries as Marbix has.
void AddMenus(QMainWindow& window) {
    const std::pair<const char*, int> menus[] = {{"&Game", 6}, {"&Options", 5}, {"&Help", 2}};
    for (const auto& [title, entries] : menus) {
        QMenu* menu = window.menuBar()->addMenu(QString::fromLatin1(title));
        for (int i = 1; i <= entries; ++i) menu->addAction(QStringLiteral("Entry %1").arg(i));
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    AddMenus(window);
    QToolBar* toolbar = window.addToolBar(QStringLiteral("toolbar"));
    toolbar->setIconSize(QSize(81, 29));
    for (int i = 0; i < 5; ++i) toolbar->addAction(QIcon(Filled(81, 29, Qt::gray)), "button");

    auto* board = new QLabel;
    board->setPixmap(Filled(347, 325, Qt::lightGray));
    board->setAlignment(Qt::AlignCenter);
    window.setCentralWidget(board);
    auto* list = new QListWidget;
    list->setFont(QFont(QStringLiteral("Liberation Mono")));
    list->addItem(QStringLiteral(" 1  <<<--- you --->>> 0"));
    auto* side = new QToolBar;
    side->addWidget(list);
    window.addToolBar(Qt::RightToolBarArea, side);
    window.statusBar()->addWidget(new QLabel(QStringLiteral("Don't worry, be happy !!!")), 1);
    window.statusBar()->addPermanentWidget(new QLabel(QStringLiteral("0 h 00 m 00 s")));

    window.setWindowTitle(QStringLiteral("chrome"));
    window.showMaximized();
    QTimer::singleShot(0, [] { dlopen("libpulse.so.0", RTLD_NOW | RTLD_LOCAL); });
    return QApplication::exec();
}
