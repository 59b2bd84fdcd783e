#include "config/configuration_file.h"
#include "dialog_answers.h"
#include "file_write_test_support.h"
#include "program_fixture.h"

#include <QColorDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

QByteArray savedConfiguration(const Settings &settings, const QString &path)
{
    saveConfiguration(settings, path);
    return contentOf(path);
}

// Answers the next font dialog with OK, untouched, keeping the font it opened on; the colour
// dialog that follows the picture font's is answered with OK as well.
void acceptFontDialogUntouched(QFont &opened, bool colourFollows)
{
    answerNextDialogOf<QFontDialog>([&opened, colourFollows](QFontDialog *dialog) {
        opened = dialog->currentFont();
        if (colourFollows)
            answerNextDialogOf<QColorDialog>([](QColorDialog *colours) { colours->accept(); });
        dialog->accept();
    });
}

} // namespace

TEST(FontDialogs, OpenOnTheDrawnFontAndAnUntouchedOkChangesNothing)
{
    ProgramFixture window;
    // The preview's "Courier New" is drawn in a substitute; the picture font is a face whose
    // regular style is not named "Regular".
    window.state.settings.setPictureFont({QFont(QStringLiteral("DejaVu Serif"), 10), QColor(Qt::black)});
    const QString path = window.home.filePath(QStringLiteral("look.tbx"));
    const QByteArray before = savedConfiguration(window.state.settings, path);

    QFont opened;
    acceptFontDialogUntouched(opened, false);
    window.action("m_einst_vor_schrift")->trigger();
    const QFontInfo preview(QFont(QStringLiteral("Courier New"), 8));
    EXPECT_EQ(opened.family(), preview.family());
    EXPECT_EQ(opened.styleName(), preview.styleName());
    EXPECT_EQ(opened.pointSize(), 8);

    acceptFontDialogUntouched(opened, true);
    window.outputSettings.BitBtn6->click();
    EXPECT_EQ(opened.family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(opened.styleName(), QStringLiteral("Book"));
    EXPECT_FALSE(opened.italic());
    EXPECT_EQ(opened.pointSize(), 10);

    EXPECT_EQ(savedConfiguration(window.state.settings, path), before);
}
