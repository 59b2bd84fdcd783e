// Makes the picture of the main window for the help's introduction: the real window with a few
// files in its list, each area marked with the number of its section in the help text.
// Usage: tabulix_help_pictures de|en OUTPUT.png   (scripts/help-pictures.sh runs it on Xvfb)
#include "app/hand_over_server.h"
#include "collect/file_adder.h"
#include "ui/desktop_program.h"
#include "ui/u_application.h"
#include "ui/u_preview_pane.h"
#include "ui/u_prog.h"

#include <QFile>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <cstdlib>

namespace {

// The areas in the order the help explains them, and where in each the number stands.
struct Mark {
    const char *area;
    double across; // share of the area's width
};
constexpr Mark marks[] = {{"", 0.55},       {"box_dat", 0.6}, {"box_vor", 0.6},
                          {"box_akt", 0.6}, {"box_sav", 0.6}, {"Panel12", 0.5}};

void drawMarks(const Tprog &window, QImage &picture)
{
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(13);
    painter.setFont(font);
    for (int number = 1; const Mark &mark : marks) {
        const QWidget *area = *mark.area ? window.findChild<QWidget *>(QString::fromUtf8(mark.area))
                                         : static_cast<QWidget *>(window.menuBar());
        const QRect box(area->mapTo(&window, QPoint(0, 0)), area->size());
        // Within the header line of an area, in the middle of the menu bar and the bottom bar.
        const int y =
            *mark.area && mark.area != std::string_view("Panel12") ? box.top() + 11 : box.center().y();
        const QRect circle(box.left() + int(box.width() * mark.across) - 11, y - 11, 22, 22);
        painter.setPen(QPen(Qt::white, 2));
        painter.setBrush(QColor(200, 30, 30));
        painter.drawEllipse(circle);
        painter.drawText(circle, Qt::AlignCenter, QString::number(number++));
    }
}

void writeSampleFiles(const QString &folder)
{
    const char *names[] = {"Bericht.pdf", "Ferien.jpg", "Notizen.txt", "Tabelle.csv", "Vortrag.odp"};
    for (int size = 1; const char *name : names) {
        QFile file(folder + u'/' + QString::fromUtf8(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(QByteArray(size * 7919, 'x'));
        size *= 3;
    }
}

} // namespace

int main(int argc, char **argv)
{
    // The window must not meet the user's own configurations.
    const QTemporaryDir home;
    setenv("HOME", qPrintable(home.path()), 1);
    QStandardPaths::setTestModeEnabled(true);
    TabulixApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3 || !languageOfCode(arguments.at(1))) {
        err << "usage: tabulix_help_pictures de|en OUTPUT.png\n";
        return 2;
    }

    HandOverServer server;
    DesktopProgram program(*languageOfCode(arguments.at(1)), server, {},
                           ShellIntegration(DesktopFolders::ofUser(), desktopProgramPath()));
    Tprog &window = program.mainWindow();
    const QTemporaryDir files;
    writeSampleFiles(files.path());
    for (const QString &name : QDir(files.path()).entryList(QDir::Files, QDir::Name))
        window.adder().addFile(files.filePath(name));
    window.updateCountLabel();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        err << "the window never showed\n";
        return 1;
    }
    window.findChild<QPushButton *>(QStringLiteral("Aktualisieren"))->click();
    // The refresh and the layout it causes are queued; grab() paints whatever is current.
    window.preview().runPendingRefresh();
    QCoreApplication::processEvents();

    QImage picture = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    drawMarks(window, picture);
    // A screenshot has few colours: a palette keeps the file small.
    const QImage small = picture.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    if (!small.save(arguments.at(2), "PNG", 9)) {
        err << "could not write " << arguments.at(2) << '\n';
        return 1;
    }
    return 0;
}
