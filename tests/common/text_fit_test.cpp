#include "common/minimize_path.h"
#include "common/paths.h"
#include "common/text_fit.h"
#include "varied_paths.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <gtest/gtest.h>

namespace {

// The width the font's own measurement sums, in 1/64 pixels, before it rounds.
qint64 exactUnits(const QString &text)
{
    return qRound(QFontMetricsF(measuringFont()).horizontalAdvance(text) * 64);
}

// Every text a shortened path may show: each folder step followed by the name.
QStringList shownTexts(const QStringList &paths)
{
    QStringList texts;
    for (const QString &path : paths) {
        for (const QString &folder : folderSteps(folderPart(path)))
            texts.append(folder + namePart(path));
    }
    return texts;
}

} // namespace

TEST(TextFit, ModelsPlainLatinTextToTheUnit)
{
    TextFit fit(measuringFont());
    // Kerning pairs, ligatures and their neighbours, digits, symbols, umlauts and more Latin.
    for (const char *text :
         {"AVATAR To Tower WAVE", "office diff-files Affinity fff ffi ffl Fiji", "Größe Müller 2019.pdf",
          "x86_64 v10.04 (copy) [1] ©½µ", "ff", "Łódź – Čeština’s 5 € … ™ \xef\xac\x81le"}) {
        const QString plain = QString::fromUtf8(text);
        const std::optional<TextFit::Width> width = fit.model(plain);
        ASSERT_TRUE(width) << text;
        EXPECT_EQ(width->units, exactUnits(plain)) << text;
        EXPECT_TRUE(width->latin) << text;
    }
    // A text ending in a "/" of its own takes more text after it.
    EXPECT_EQ(fit.model(u"/Schiff/")->last, u'/');
    EXPECT_EQ(fit.model(u"", u'/')->last, u'/');
    // Digits and punctuation are plain but no Latin letters.
    EXPECT_FALSE(fit.model(u"/2019/12/")->latin);
    // Other scripts, marks, emoji, controls, odd spaces and object marks.
    for (const char *text : {"Привет", "e\xcc\x81", "😀", "a\tb", "a\xc2\xa0x", "a\xc2\xadx", "\xc2\x9c",
                             "a\xe2\x80\x8dx", "a\xef\xbf\xbc"})
        EXPECT_FALSE(fit.model(QString::fromUtf8(text))) << text;

    // Every step of many varied paths, also with the name modelled after the folder's "/".
    int modelled = 0;
    for (const QString &path : variedPaths(3000, 1)) {
        const QString name = namePart(path);
        const std::optional<TextFit::Width> nameWidth = fit.model(name, u'/');
        for (const QString &folder : folderSteps(folderPart(path))) {
            const std::optional<TextFit::Width> folderWidth = fit.model(folder);
            if (!folderWidth || !nameWidth || folderWidth->last != u'/')
                continue;
            if (folderWidth->latin) {
                EXPECT_EQ(folderWidth->units, exactUnits(folder)) << folder.toStdString();
            }
            if (folderWidth->latin || nameWidth->latin) {
                const QString shown = folder + name;
                EXPECT_EQ(folderWidth->units + nameWidth->units, exactUnits(shown)) << shown.toStdString();
                ++modelled;
            }
        }
    }
    EXPECT_GT(modelled, 3000);
}

TEST(TextFit, AnswersAsTheFontMeasures)
{
    const QFontMetrics metrics(measuringFont());
    TextFit fit(measuringFont());
    // Beside the varied texts: one that the font shapes in four pieces, without kerning between
    // them, and more plain characters than the fit keeps.
    QString latin;
    for (char16_t c = u' '; c < 0x250; ++c)
        latin += QChar(c);
    const QStringList texts = shownTexts(variedPaths(2000, 2))
                              << QString() << QStringLiteral("AV").repeated(7000) << latin.sliced(200)
                              << latin;
    for (const QString &text : texts) {
        const int width = metrics.horizontalAdvance(text);
        // Limits close to the width are measured, those further away are modelled.
        for (int offset = -3; offset <= 2; ++offset)
            EXPECT_EQ(fit.fits(text, fit.model(text), width + offset), offset >= 0)
                << text.toStdString() << " " << width << " " << offset;
    }
}
