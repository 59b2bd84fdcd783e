// tabulix-cli: the headless front end over the same core as the desktop program.
#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

namespace {

const char usage[] = "Usage: tabulix-cli [--help] [--version]\n"
                     "Makes lists of files without a window.\n"
                     "\n"
                     "  --help     show this help and exit\n"
                     "  --version  show the version and exit\n";

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tabulix-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TABULIX_VERSION));
    QTextStream out(stdout), err(stderr);

    const QStringList arguments = app.arguments().mid(1);
    if (arguments == QStringList{QStringLiteral("--help")} ||
        arguments == QStringList{QStringLiteral("-h")}) {
        out << usage;
        return 0;
    }
    if (arguments == QStringList{QStringLiteral("--version")}) {
        out << "tabulix-cli " << TABULIX_VERSION << '\n';
        return 0;
    }
    if (arguments.isEmpty())
        err << "tabulix-cli: nothing to do\n";
    else
        err << "tabulix-cli: unknown option or argument: " << arguments.first() << '\n';
    err << "Try 'tabulix-cli --help'.\n";
    return 2;
}
