// Saves a picture of the whole screen once it shows more than a plain background, and fails when
// it stays plain: the smoke test's eyes.
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <QTextStream>

namespace {

int distinctColours(const QImage &screen)
{
    QSet<QRgb> colours;
    for (int y = 0; y < screen.height(); y += 2)
        for (int x = 0; x < screen.width(); x += 2)
            colours.insert(screen.pixel(x, y));
    return int(colours.size());
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: tabulix_screen_grab OUTPUT.png\n";
        return 2;
    }
    // An empty X screen is one colour; a window with text and frames has many. A window just
    // mapped may not be painted yet, so look again until it is.
    QImage screen;
    const bool painted = QTest::qWaitFor(
        [&] {
            screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
            return !screen.isNull() && distinctColours(screen) > 20;
        },
        10000);
    if (screen.isNull() || !screen.save(QString::fromLocal8Bit(argv[1]))) {
        err << "could not grab or save the screen\n";
        return 1;
    }
    err << "distinct colours: " << distinctColours(screen) << '\n';
    return painted ? 0 : 1;
}
