// The command line's shorthands: each sets what the --set steps it stands for set, in order
// with the other setting steps.
#include "cli_test_support.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray settingsAfter(const QStringList &options, const QString &folder)
{
    const CliRun run = runCli(QStringList{QStringLiteral("--lang"), QStringLiteral("en")} + options +
                                  QStringList{QStringLiteral("--list-settings")},
                              folder);
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    return run.out;
}

} // namespace

TEST(CliShorthands, EachSetsWhatItsSetStepsSet)
{
    QTemporaryDir home;
    const QStringList shorthands = {QStringLiteral("--columns"),   QStringLiteral("size,name,sha256,md5"),
                                    QStringLiteral("--group-by"),  QStringLiteral("modified"),
                                    QStringLiteral("--title"),     QStringLiteral("Pictures 2024"),
                                    QStringLiteral("--size-unit"), QStringLiteral("MB"),
                                    QStringLiteral("--decimals"),  QStringLiteral("1"),
                                    QStringLiteral("--no-header"), QStringLiteral("--no-subfolders")};
    const QStringList sets = withSets({QStringLiteral("PBCH.act_name=1"),
                                       QStringLiteral("PBCH.act_format_dateiformat=0"),
                                       QStringLiteral("PBCH.act_format_windowstyp=0"),
                                       QStringLiteral("PBCH.act_size=1"),
                                       QStringLiteral("PBCH.act_datum_erstellt=0"),
                                       QStringLiteral("PBCH.act_datum_zugegriffen=0"),
                                       QStringLiteral("PBCH.act_datum_changed=0"),
                                       QStringLiteral("PBCH.act_attribute_hidden=0"),
                                       QStringLiteral("PBCH.act_attribute_readonly=0"),
                                       QStringLiteral("PBCH.act_exeprog=0"),
                                       QStringLiteral("PBCH.act_pfad=0"),
                                       QStringLiteral("PBCH.act_checksum=1"),
                                       QStringLiteral("PBCH.act_checksum_md5=1"),
                                       QStringLiteral("PBCH.act_checksum_crc=0"),
                                       QStringLiteral("PBCH.act_checksum_sha1=0"),
                                       QStringLiteral("PBCH.act_checksum_sha256=1"),
                                       QStringLiteral("PBCH.act_checksum_sha512=0"),
                                       QStringLiteral("PBRF.r0=04 File Size"),
                                       QStringLiteral("PBRF.r1=01 Filename"),
                                       QStringLiteral("PBRF.r2=12 Checksums"),
                                       QStringLiteral("PBRB.des_grup_ja=1"),
                                       QStringLiteral("PBCB.des_grup=Changed"),
                                       QStringLiteral("PBED.des_allg_header=Pictures 2024"),
                                       QStringLiteral("PBCH.des_allg_header_cb=1"),
                                       QStringLiteral("PBCB.act_size_einheit=MB"),
                                       QStringLiteral("PBCB.act_size_nks=1"),
                                       QStringLiteral("PBCH.des_allg_spaltenheader=0"),
                                       QStringLiteral("PBCH.inp_uv=0")});
    const QByteArray bySets = settingsAfter(sets, home.path());
    EXPECT_EQ(settingsAfter(shorthands, home.path()), bySets);
    EXPECT_NE(settingsAfter({}, home.path()), bySets);
    // In order with --set: a later step wins either way.
    EXPECT_EQ(settingsAfter(withSets({QStringLiteral("PBCH.act_pfad=1")}) + shorthands, home.path()), bySets);
    EXPECT_NE(settingsAfter(shorthands + withSets({QStringLiteral("PBCH.act_pfad=1")}), home.path()), bySets);

    for (const QStringList &wrong : {QStringList{QStringLiteral("--columns"), QStringLiteral("name,colour")},
                                     QStringList{QStringLiteral("--columns"), QStringLiteral("name,name")},
                                     QStringList{QStringLiteral("--group-by"), QStringLiteral("sha1")},
                                     QStringList{QStringLiteral("--size-unit"), QStringLiteral("PB")},
                                     QStringList{QStringLiteral("--decimals"), QStringLiteral("100")}}) {
        const CliRun run = runCli(wrong + QStringList{QStringLiteral("--list-settings")}, home.path());
        EXPECT_EQ(run.exitCode, 2) << wrong.join(u' ').toStdString();
        const QByteArray prefix = "tabulix-cli: " + wrong[0].toUtf8();
        EXPECT_TRUE(run.err.startsWith(prefix)) << run.err.constData();
    }
}
