// Writes the program's icon as tabulix-SIZE.png for each size named, into the folder given first.
#include "common/safe_file.h"
#include "ui/app_icon.h"

#include <QBuffer>
#include <QGuiApplication>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 3)
        return 2;
    for (qsizetype i = 2; i < arguments.size(); ++i) {
        const QString file =
            arguments[1] + QStringLiteral("/tabulix-") + arguments[i] + QStringLiteral(".png");
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        if (!applicationPixmap(arguments[i].toInt()).save(&png, "PNG"))
            return 1;
        writeFileSafely(file, png.data(), QStringLiteral("Cannot create file \"%1\".").arg(file));
    }
    return 0;
}
