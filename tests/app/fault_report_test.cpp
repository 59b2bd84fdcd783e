#include "app/fault_report.h"

#include <QRegularExpression>
#include <QUrlQuery>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const SystemFacts facts{u"1.2.3"_s,       u"6.4.2"_s,  u"Debian GNU/Linux 12 (bookworm)"_s,
                        u"linux 6.1.0"_s, u"x86_64"_s, u"de_DE"_s};

} // namespace

TEST(FaultReport, TextHoldsDescriptionFactsAndSupportPageInTheLanguage)
{
    const QString german = faultReportText(facts, Language::German, u"  Beim Speichern stürzt es ab.\n\n"_s);
    EXPECT_TRUE(german.startsWith(u"Tabulix: Fehler oder Verbesserung\n\nBeschreibung:\n"
                                  u"Beim Speichern stürzt es ab.\n\n"))
        << german.toStdString();
    for (const QString &expected :
         {u"Programmversion: 1.2.3\n"_s, u"Qt-Version: 6.4.2\n"_s,
          u"System: Debian GNU/Linux 12 (bookworm)\n"_s, u"Kernel: linux 6.1.0\n"_s,
          u"Architektur: x86_64\n"_s, u"Gebietsschema: de_DE\n"_s, u"Sprache: Deutsch\n"_s,
          u"Support: https://tabulix.example/de/support\n"_s})
        EXPECT_TRUE(german.contains(expected)) << expected.toStdString();

    const QString english = faultReportText(facts, Language::English, u" \n "_s);
    EXPECT_TRUE(english.contains(u"Description:\n(no description)\n"_s)) << english.toStdString();
    for (const QString &expected :
         {u"Program version: 1.2.3\n"_s, u"Qt version: 6.4.2\n"_s, u"Language: English\n"_s,
          u"Support: https://tabulix.example/en/support\n"_s})
        EXPECT_TRUE(english.contains(expected)) << expected.toStdString();
    EXPECT_FALSE(english.contains(u"Programmversion"_s));

    // This run's facts are the ones the report names.
    const SystemFacts current = currentSystemFacts();
    EXPECT_EQ(current.programVersion, QStringLiteral(TABULIX_VERSION));
    EXPECT_EQ(current.qtVersion, QString::fromLatin1(qVersion()));
    EXPECT_EQ(current.locale, u"de_DE");
    EXPECT_FALSE(current.system.isEmpty());
    EXPECT_TRUE(current.kernel.startsWith(u"linux "));
    EXPECT_FALSE(current.architecture.isEmpty());
    EXPECT_TRUE(faultReportSubject(Language::English).contains(QStringLiteral(TABULIX_VERSION)));
}

TEST(FaultReport, MailUrlCarriesSubjectAndBodyPercentEncoded)
{
    const QString body = u"Größe & Typ = 100% + mehr?\n#2 a;b\r\nEnde"_s;
    const QUrl url = faultReportMailUrl(u"Tabulix 1: Fehler"_s, body);
    ASSERT_TRUE(url.isValid()) << url.errorString().toStdString();
    EXPECT_EQ(url.scheme(), u"mailto");
    EXPECT_TRUE(url.path().isEmpty());
    // Nothing but unreserved characters and escapes inside the values, so no mail program
    // splits the body at "&" or reads "+" as a space.
    const QString encoded = QString::fromLatin1(url.toEncoded());
    static const QRegularExpression shape(u"^mailto:\\?subject=[A-Za-z0-9%._~-]+&body=[A-Za-z0-9%._~-]+$"_s);
    EXPECT_TRUE(shape.match(encoded).hasMatch()) << encoded.toStdString();
    EXPECT_TRUE(encoded.contains(u"%26%20Typ%20%3D%20100%25%20%2B"_s)) << encoded.toStdString();

    const QUrlQuery query(url);
    EXPECT_EQ(query.queryItemValue(u"subject"_s, QUrl::FullyDecoded), u"Tabulix 1: Fehler");
    // Every line ends with CR LF, also the one that had it already.
    EXPECT_EQ(query.queryItemValue(u"body"_s, QUrl::FullyDecoded),
              u"Größe & Typ = 100% + mehr?\r\n#2 a;b\r\nEnde"_s);
}
