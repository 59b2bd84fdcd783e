#include "common/error_text.h"

#include <gtest/gtest.h>

TEST(ErrorBoxText, FullStopAfterCharactersThatSortAfterIt)
{
    EXPECT_EQ(errorBoxText(QStringLiteral("Unable to write to /tmp/x.ini")),
              u"Unable to write to /tmp/x.ini.");
    EXPECT_EQ(errorBoxText(QStringLiteral("Fehler: Datei fehlt")), u"Fehler: Datei fehlt.");
    // Digits, "/", "?" and letters beyond ASCII all sort after the full stop.
    EXPECT_EQ(errorBoxText(QStringLiteral("code 5")), u"code 5.");
    EXPECT_EQ(errorBoxText(QStringLiteral("/a/")), u"/a/.");
    EXPECT_EQ(errorBoxText(QStringLiteral("why?")), u"why?.");
    EXPECT_EQ(errorBoxText(QStringLiteral("Größe")), u"Größe.");

    // The full stop itself and everything sorting before it stay as they are.
    EXPECT_EQ(errorBoxText(QString()), QString());
    EXPECT_EQ(errorBoxText(QStringLiteral("Done.")), u"Done.");
    EXPECT_EQ(errorBoxText(QStringLiteral("Stop!")), u"Stop!");
    EXPECT_EQ(errorBoxText(QStringLiteral("Cannot create file \"/x\"")), u"Cannot create file \"/x\"");
    EXPECT_EQ(errorBoxText(QStringLiteral("list (empty)")), u"list (empty)");
    EXPECT_EQ(errorBoxText(QStringLiteral("a, b,")), u"a, b,");
    EXPECT_EQ(errorBoxText(QStringLiteral("minus -")), u"minus -");
    EXPECT_EQ(errorBoxText(QStringLiteral("trailing ")), u"trailing ");
    EXPECT_FALSE(unknownErrorText().isEmpty());
}
