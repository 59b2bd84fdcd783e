// Saves a picture of the whole screen and fails when it is plain: the smoke test's eyes.
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QSet>
#include <QTextStream>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: tabulix_screen_grab OUTPUT.png\n";
        return 2;
    }
    const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    if (screen.isNull() || !screen.save(QString::fromLocal8Bit(argv[1]))) {
        err << "could not grab or save the screen\n";
        return 1;
    }
    QSet<QRgb> colours;
    for (int y = 0; y < screen.height(); y += 2)
        for (int x = 0; x < screen.width(); x += 2)
            colours.insert(screen.pixel(x, y));
    err << "distinct colours: " << colours.size() << '\n';
    // An empty X screen is one colour; a window with text and frames has many.
    return colours.size() > 20 ? 0 : 1;
}
