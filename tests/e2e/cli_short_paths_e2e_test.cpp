// The shortened path column measures in a font of its own: what the desktop puts in place of a
// font, and the hinting it sets, change no byte of a table.
#include "cli_test_support.h"
#include "collect_test_support.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Folders and names deep enough to be shortened, of letters whose widths differ between fonts.
QStringList deepFiles(const QString &root)
{
    const QStringList words = {QStringLiteral("Dokumente"), QStringLiteral("Projekte"),
                               QStringLiteral("Affinity"),  QStringLiteral("WAVE"),
                               QStringLiteral("Übersicht"), QStringLiteral("Tower"),
                               QStringLiteral("Kaffee"),    QStringLiteral("release-notes")};
    QStringList files;
    for (int i = 0; i < 24; ++i) {
        QString path = root;
        for (int depth = 0; depth < 3 + i % 3; ++depth)
            path += u'/' + words[(i * 5 + depth * 3) % words.size()] + QString::number(depth);
        files.append(path + QStringLiteral("/Bericht %1 %2.txt").arg(words[i % words.size()]).arg(i));
    }
    return files;
}

} // namespace

TEST(CliShortPaths, NoFontSettingOfTheDesktopChangesTheTable)
{
    const QTemporaryDir root;
    for (const QString &file : deepFiles(root.filePath(QStringLiteral("liste"))))
        makeFile(file, QByteArray("x"));
    // A desktop that puts another font in the place of "Tahoma" and hints fully.
    const QString fontSettings = root.filePath(QStringLiteral("fonts.conf"));
    makeFile(fontSettings,
             QByteArrayLiteral(
                 "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n<fontconfig>\n"
                 "<include>/etc/fonts/fonts.conf</include>\n"
                 "<match target=\"font\"><edit name=\"hintstyle\" mode=\"assign\">"
                 "<const>hintfull</const></edit></match>\n"
                 "<match target=\"pattern\"><test name=\"family\"><string>Tahoma</string></test>"
                 "<edit name=\"family\" mode=\"prepend\" binding=\"strong\">"
                 "<string>Liberation Sans</string></edit></match>\n</fontconfig>\n"));
    const QStringList arguments = {QStringLiteral("--lang"), QStringLiteral("de"),
                                   QStringLiteral("--set"),  QStringLiteral("PBCH.act_pfad=1"),
                                   QStringLiteral("--set"),  QStringLiteral("PBCH.act_pfad_kurz=1"),
                                   QStringLiteral("liste")};

    const CliRun plain = runCli(arguments, root.path());
    QProcess cli;
    prepareCli(cli, root.path());
    QProcessEnvironment environment = cli.processEnvironment();
    environment.insert(QStringLiteral("FONTCONFIG_FILE"), fontSettings);
    cli.setProcessEnvironment(environment);
    const CliRun otherFonts = finishCli(cli, arguments);

    ASSERT_EQ(plain.exitCode, 0) << plain.err.constData();
    ASSERT_EQ(otherFonts.exitCode, 0) << otherFonts.err.constData();
    EXPECT_TRUE(plain.out.contains("/.../")) << plain.out.constData();
    EXPECT_EQ(QString::fromUtf8(otherFonts.out), QString::fromUtf8(plain.out));
}
