#include "table/output_targets.h"

#include <gtest/gtest.h>

TEST(OutputTargets, TextForAPictureSplitsAtCrLfOnly)
{
    const QString a = QStringLiteral("a"), b = QStringLiteral("b");
    // The break after the last line leaves an empty line at the bottom of the picture.
    EXPECT_EQ(textPictureLines(QStringLiteral("a\r\nb\r\n")), (QStringList{a, b, QString()}));
    EXPECT_EQ(textPictureLines(QStringLiteral("a\r\nb")), (QStringList{a, b}));
    EXPECT_EQ(textPictureLines(QString()), QStringList{QString()});
    // CSV without line breaks is one line; a lone LF or CR does not break it.
    EXPECT_EQ(textPictureLines(QStringLiteral("x;y\nz\r")), QStringList{QStringLiteral("x;y\nz\r")});
}
