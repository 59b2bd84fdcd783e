#include "collect/system_path.h"

#include <gtest/gtest.h>

TEST(SystemPath, ArgumentPathsGiveBackEveryByteAndShowWhatIsNotUtf8AsReplacements)
{
    const QByteArray cases[] = {"/plain/ascii.txt",
                                "/caf\xc3\xa9/\xf0\x9f\x98\x80.txt", // valid UTF-8, an emoji among it
                                "/caf\xe9/x",                        // Latin-1
                                "\xff\xfe",                          // no UTF-8 at all
                                "/a\xc0\xaf"
                                "b",                  // an overlong "/"
                                "/\xed\xa0\x80",      // an encoded surrogate
                                "/cut\xe2\x82",       // a sequence cut short at the end
                                "/\xf4\x90\x80\x80",  // past U+10FFFF
                                "/\xf0\x90\x82\x80"}; // U+10080, whose low surrogate lies among the escapes
    for (const QByteArray &bytes : cases) {
        const QString text = argumentPath(bytes);
        EXPECT_EQ(encodedPath(text), bytes) << bytes.toHex().toStdString();
        EXPECT_EQ(shownPath(encodedPath(text)), QString::fromUtf8(bytes)) << bytes.toHex().toStdString();
    }
    // Valid UTF-8 reads as it always did.
    EXPECT_EQ(argumentPath("/caf\xc3\xa9/\xf0\x90\x82\x80"), QStringLiteral("/café/\U00010080"));
    EXPECT_EQ(encodedPath(QStringLiteral("/café/\U00010080")), QByteArray("/caf\xc3\xa9/\xf0\x90\x82\x80"));
    EXPECT_EQ(argumentPath("a\xff"
                           "z")
                  .size(),
              3);
}
