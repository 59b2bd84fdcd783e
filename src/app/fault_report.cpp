#include "app/fault_report.h"

#include "common/maker_address.h"

#include <QLocale>
#include <QSysInfo>

namespace {

QString line(const char *german, const char *english, Language language, const QString &value)
{
    return BilingualText{german, english}.in(language) + QStringLiteral(": ") + value + u'\n';
}

QString percentEncoded(const QString &text)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

} // namespace

SystemFacts currentSystemFacts()
{
    return {QStringLiteral(TABULIX_VERSION),    QString::fromLatin1(qVersion()),
            QSysInfo::prettyProductName(),      QSysInfo::kernelType() + u' ' + QSysInfo::kernelVersion(),
            QSysInfo::currentCpuArchitecture(), QLocale::system().name()};
}

QString systemFactsText(const SystemFacts &facts, Language language)
{
    return line("Programmversion", "Program version", language, facts.programVersion) +
           line("Qt-Version", "Qt version", language, facts.qtVersion) +
           line("System", "System", language, facts.system) +
           line("Kernel", "Kernel", language, facts.kernel) +
           line("Architektur", "Architecture", language, facts.architecture) +
           line("Gebietsschema", "Locale", language, facts.locale) +
           line("Sprache", "Language", language, BilingualText{"Deutsch", "English"}.in(language)) +
           line("Support", "Support", language, makerSupportPage(language));
}

QString faultReportText(const SystemFacts &facts, Language language, const QString &description)
{
    const QString trimmed = description.trimmed();
    const QString told =
        trimmed.isEmpty() ? BilingualText{"(keine Beschreibung)", "(no description)"}.in(language) : trimmed;
    return BilingualText{"Tabulix: Fehler oder Verbesserung", "Tabulix: Bug or Improvement"}.in(language) +
           QStringLiteral("\n\n") + BilingualText{"Beschreibung:", "Description:"}.in(language) + u'\n' +
           told + QStringLiteral("\n\n") + systemFactsText(facts, language);
}

QString faultReportSubject(Language language)
{
    return BilingualText{"Tabulix %1: Fehler oder Verbesserung", "Tabulix %1: Bug or Improvement"}
        .in(language)
        .arg(QStringLiteral(TABULIX_VERSION));
}

QUrl faultReportMailUrl(const QString &subject, const QString &body)
{
    QString crlfBody = body;
    crlfBody.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\n', QStringLiteral("\r\n"));
    const QString address = QStringLiteral("mailto:?subject=") + percentEncoded(subject) +
                            QStringLiteral("&body=") + percentEncoded(crlfBody);
    return QUrl::fromEncoded(address.toLatin1(), QUrl::StrictMode);
}
