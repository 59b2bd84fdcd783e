// Saves a picture of the whole screen once it shows more than a plain background, and fails when
// it stays plain: the smoke test's eyes.
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <QTextStream>
#include <string_view>

namespace {

int distinctColours(const QImage &screen)
{
    QSet<QRgb> colours;
    for (int y = 0; y < screen.height(); y += 2)
        for (int x = 0; x < screen.width(); x += 2)
            colours.insert(screen.pixel(x, y));
    return int(colours.size());
}

// The screen cut to the windows on it: every pixel that differs from the empty screen's colour.
QImage trimmed(const QImage &screen)
{
    const QRgb empty = screen.pixel(screen.width() - 1, screen.height() - 1);
    QRect used;
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x)
            if (screen.pixel(x, y) != empty)
                used |= QRect(x, y, 1, 1);
    return used.isEmpty() ? screen : screen.copy(used);
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const bool trim = argc == 3 && argv[1] == std::string_view("--trim");
    if (argc != 2 && !trim) {
        err << "usage: tabulix_screen_grab [--trim] OUTPUT.png\n";
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[argc - 1]);
    // An empty X screen is one colour; a window with text and frames has many. A window just
    // mapped may not be painted yet, so look again until it is.
    QImage screen;
    const bool painted = QTest::qWaitFor(
        [&] {
            screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
            return !screen.isNull() && distinctColours(screen) > 20;
        },
        10000);
    if (screen.isNull() || !(trim ? trimmed(screen) : screen).save(output)) {
        err << "could not grab or save the screen\n";
        return 1;
    }
    err << "distinct colours: " << distinctColours(screen) << '\n';
    return painted ? 0 : 1;
}
