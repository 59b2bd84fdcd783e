#include "result_output.h"

#include "common/tabulix_error.h"
#include "standard_output.h"

#include <QDir>
#include <QTextStream>
#include <unistd.h>

OutputFormat resultFormatOfTag(const QString &tag)
{
    const std::optional<OutputFormat> format = outputFormatOfTag(tag);
    if (!format || !resultTable({}, *format, Language::English))
        throw TabulixError(QStringLiteral("--format takes txt, csv, htm or json"));
    return *format;
}

Language languageOfOption(const QString &code)
{
    const std::optional<Language> language = languageOfCode(code);
    if (!language)
        throw TabulixError(QStringLiteral("--lang takes de or en"));
    return *language;
}

Language startLanguage()
{
    return languageAtStart(QDir::currentPath(), QLocale::system());
}

bool printResultTable(const QList<ResultRow> &rows, OutputFormat format, Language language,
                      const StandardOutput &out)
{
    const QString failure = out.write(QString::fromUtf8(*resultTable(rows, format, language)));
    if (failure.isEmpty())
        return true;
    QTextStream(stderr) << "tabulix-cli: cannot write to standard output: " << failure << '\n';
    return false;
}
