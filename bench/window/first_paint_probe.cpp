// Starts a program and prints the milliseconds from its exec to the first
// paint of its window, seen as a few screen points (centre, lower left, upper
// right of a maximised window) all leaving the black of the bare root window.
// Then ends the program. Usage: first_paint_probe PROGRAM [ARG...]
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <csignal>
#include <cstdio>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace {

bool Painted(QScreen* screen, const QPoint& p) {
    const QImage pixel = screen->grabWindow(0, p.x(), p.y(), 1, 1).toImage();
    return !pixel.isNull() && (pixel.pixel(0, 0) & 0xFFFFFF) != 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    QGuiApplication app(argc, argv);
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen->geometry();
    const QPoint points[] = {area.center(), QPoint(area.left() + 40, area.bottom() - 60),
                             QPoint(area.right() - 60, area.top() + 120)};

    QElapsedTimer clock;
    clock.start();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[1], nullptr, nullptr, argv + 1, environ) != 0) return 3;
    double ms = -1;
    while (clock.elapsed() < 10000) {
        bool all = true;
        for (const QPoint& p : points) all = all && Painted(screen, p);
        if (all) {
            ms = clock.nsecsElapsed() / 1e6;
            break;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    std::printf("%.1f\n", ms);
    return ms < 0 ? 1 : 0;
}
