#include "app/dialog_placement.h"
#include "app/error_text.h"

#include <gtest/gtest.h>

TEST(ErrorBoxText, FullStopAfterCharactersThatSortAfterIt)
{
    EXPECT_EQ(applicationTitle(), u"Tabulix - Quellwerk");

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

TEST(DialogPlacement, CentresOverTheMainWindowTruncatingTowardsZero)
{
    const QSize dialog(481, 220);
    EXPECT_EQ(placeOver(QPoint(100, 50), QSize(1001, 600), dialog), QPoint(100 + 260, 50 + 190));
    // Odd differences lose the half pixel.
    EXPECT_EQ(placeOver(QPoint(0, 0), QSize(800, 601), dialog), QPoint(159, 190));
    // A main window smaller than the dialog: negative odd differences truncate towards zero,
    // not downwards (-3 / 2 is -1, not -2).
    EXPECT_EQ(placeOver(QPoint(10, 20), QSize(478, 217), dialog), QPoint(9, 19));
    EXPECT_EQ(placeOver(QPoint(0, 0), QSize(100, 21), dialog), QPoint(-190, -99));
    EXPECT_EQ(placeOver(QPoint(-300, -40), QSize(481, 220), dialog), QPoint(-300, -40));
}
