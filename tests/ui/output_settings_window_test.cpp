#include "app/program_state.h"
#include "common/tabulix_error.h"
#include "dialog_answers.h"
#include "encoding/text_encoding.h"
#include "ui/output_settings_captions.h"
#include "ui/u_einstausgabe.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFontDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

template <typename Widget> Widget *child(Teinstausgabe &window, const char *name)
{
    auto *widget = window.findChild<Widget *>(QString::fromUtf8(name));
    EXPECT_TRUE(widget) << name;
    return widget;
}

QString setting(ProgramState &state, const char *name)
{
    return state.settings.value(SettingsWindow::EA, QString::fromUtf8(name));
}

QColor fieldBackground(Teinstausgabe &window)
{
    return window.Edit1->palette().color(QPalette::Base);
}

QColor fieldText(Teinstausgabe &window)
{
    return window.Edit1->palette().color(QPalette::Text);
}

} // namespace

TEST(OutputSettingsWindow, EncodingButtonsMirrorTheSettings)
{
    ProgramState state;
    Teinstausgabe window(state);
    EXPECT_EQ(window.windowTitle(), u"Ausgabe Einstellungen");
    EXPECT_TRUE(window.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(child<QRadioButton>(window, "rb_utf8")->isChecked());
    EXPECT_EQ(child<QRadioButton>(window, "rb_beibehalten")->text(), u"Wenn möglich, Kodierung übernehmen");

    // A value set by code, as a loaded configuration sets it.
    setTextEncoding(state.settings, TextEncoding::Utf16BE);
    EXPECT_TRUE(child<QRadioButton>(window, "rb_utf_be")->isChecked());
    EXPECT_FALSE(child<QRadioButton>(window, "rb_utf8")->isChecked());

    // A click chooses the encoding of saved tables and switches the others off.
    window.show();
    for (const TextEncodingRadio &radio : textEncodingRadios) {
        auto *button = window.findChild<QRadioButton *>(nameOf(radio.radio));
        ASSERT_TRUE(button);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
        EXPECT_TRUE(state.settings.isOn(SettingsWindow::EA, button->objectName()))
            << button->objectName().toStdString();
        EXPECT_EQ(currentTextEncoding(state.settings), radio.encoding) << button->objectName().toStdString();
        for (QRadioButton *other : window.findChildren<QRadioButton *>())
            EXPECT_EQ(other->isChecked(), other == button) << other->objectName().toStdString();
    }
}

TEST(OutputSettingsWindow, Edit1SetsTheBackgroundOnlyForAValidColour)
{
    ProgramState state;
    Teinstausgabe window(state);
    EXPECT_EQ(window.Edit1->text(), u"#FFFFFF");
    EXPECT_EQ(window.backgroundColour(), QColor(Qt::white));
    EXPECT_EQ(fieldBackground(window), QColor(Qt::white));
    EXPECT_EQ(fieldText(window), QColor(Qt::black));

    window.Edit1->setText(QStringLiteral("#ff0000"));
    EXPECT_EQ(window.backgroundColour(), QColor(255, 0, 0));
    EXPECT_EQ(fieldBackground(window), QColor(255, 0, 0));
    EXPECT_EQ(fieldText(window), QColor(Qt::white));
    EXPECT_EQ(setting(state, "Edit1"), u"#ff0000");

    // The last valid colour stays while the text names none.
    window.Edit1->setText(QStringLiteral("xyz"));
    EXPECT_EQ(window.backgroundColour(), QColor(255, 0, 0));
    EXPECT_EQ(fieldBackground(window), QColor(255, 0, 0));
    EXPECT_EQ(setting(state, "Edit1"), u"xyz");

    window.Edit1->setText(QStringLiteral("ffff00"));
    EXPECT_EQ(window.backgroundColour(), QColor(255, 255, 0));
    EXPECT_EQ(fieldText(window), QColor(Qt::black));
    window.Edit1->setText(QStringLiteral("ff0000"));
    EXPECT_EQ(window.backgroundColour(), QColor(255, 0, 0));

    // Typed digit by digit, the colour comes with the sixth.
    window.Edit1->clear();
    QTest::keyClicks(window.Edit1, QStringLiteral("#0000f"));
    EXPECT_EQ(window.backgroundColour(), QColor(255, 0, 0));
    QTest::keyClicks(window.Edit1, QStringLiteral("f"));
    EXPECT_EQ(window.backgroundColour(), QColor(0, 0, 255));

    state.settings.setValue(SettingsWindow::EA, QStringLiteral("Edit1"), QStringLiteral("#00FF80"));
    EXPECT_EQ(window.Edit1->text(), u"#00FF80");
    EXPECT_EQ(window.backgroundColour(), QColor(0, 255, 128));

    // A window opened on an unreadable setting starts white.
    state.settings.setValue(SettingsWindow::EA, QStringLiteral("Edit1"), QStringLiteral("#12345"));
    Teinstausgabe second(state);
    EXPECT_EQ(second.backgroundColour(), QColor(Qt::white));
    EXPECT_EQ(second.Edit1->text(), u"#12345");
}

TEST(OutputSettingsWindow, ColourDialogFillsEdit1)
{
    ProgramState state;
    Teinstausgabe window(state);
    answerNextDialog([](QWidget *modal) {
        auto *dialog = qobject_cast<QColorDialog *>(modal);
        ASSERT_TRUE(dialog);
        EXPECT_EQ(dialog->currentColor(), QColor(Qt::white));
        dialog->setCurrentColor(QColor(0x12, 0xab, 0x0c));
        dialog->accept();
    });
    window.BitBtn1->click();
    EXPECT_EQ(window.Edit1->text(), u"#12AB0C");
    EXPECT_EQ(setting(state, "Edit1"), u"#12AB0C");
    EXPECT_EQ(window.backgroundColour(), QColor(0x12, 0xab, 0x0c));

    // Cancelled, nothing changes.
    answerNextDialog([](QWidget *modal) { qobject_cast<QDialog *>(modal)->reject(); });
    window.BitBtn1->click();
    EXPECT_EQ(window.Edit1->text(), u"#12AB0C");
}

TEST(OutputSettingsWindow, FontDialogThenColourDialogSetThePictureFont)
{
    ProgramState state;
    Teinstausgabe window(state);
    QSignalSpy changed(&state.settings, &Settings::pictureFontChanged);
    EXPECT_EQ(state.settings.pictureFont().font.family(), u"Courier New");
    EXPECT_EQ(state.settings.pictureFont().font.pointSize(), 8);
    EXPECT_EQ(state.settings.pictureFont().colour, QColor(Qt::black));
    EXPECT_EQ(window.Label3->font(), state.settings.pictureFont().font);

    QFont chosen = state.settings.pictureFont().font;
    chosen.setPointSize(14);
    chosen.setItalic(true);
    answerNextDialog([&chosen](QWidget *modal) {
        auto *dialog = qobject_cast<QFontDialog *>(modal);
        ASSERT_TRUE(dialog);
        answerNextDialog([](QWidget *colourModal) {
            auto *colourDialog = qobject_cast<QColorDialog *>(colourModal);
            ASSERT_TRUE(colourDialog);
            colourDialog->setCurrentColor(QColor(0, 0, 200));
            colourDialog->accept();
        });
        dialog->setCurrentFont(chosen);
        dialog->accept();
    });
    window.BitBtn6->click();
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(state.settings.pictureFont().font.pointSize(), 14);
    EXPECT_TRUE(state.settings.pictureFont().font.italic());
    EXPECT_EQ(state.settings.pictureFont().colour, QColor(0, 0, 200));
    EXPECT_EQ(window.Label3->font(), state.settings.pictureFont().font);
    EXPECT_EQ(window.Label3->palette().color(QPalette::WindowText), QColor(0, 0, 200));

    // A font set from elsewhere, as a loaded configuration sets it, shows in the window.
    state.settings.setPictureFont({QFont(QStringLiteral("Liberation Mono"), 11), QColor(Qt::red)});
    EXPECT_EQ(window.Label3->font().pointSize(), 11);
    EXPECT_EQ(window.Label3->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_EQ(changed.count(), 2);

    // A cancelled font dialog changes nothing.
    answerNextDialog([](QWidget *modal) { qobject_cast<QDialog *>(modal)->reject(); });
    window.BitBtn6->click();
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(state.settings.pictureFont().colour, QColor(Qt::red));
}

TEST(OutputSettingsWindow, CsvFieldsAndEnglishCaptions)
{
    ProgramState state;
    Teinstausgabe window(state);
    auto *separator = child<QLineEdit>(window, "csv_trenn");
    EXPECT_EQ(separator->text(), u";");
    EXPECT_TRUE(child<QCheckBox>(window, "csv_lb")->isChecked());
    separator->setText(QStringLiteral("%tab%"));
    EXPECT_EQ(setting(state, "csv_trenn"), u"%tab%");
    state.settings.setValue(SettingsWindow::EA, QStringLiteral("csv_inc"), QStringLiteral("\""));
    EXPECT_EQ(child<QLineEdit>(window, "csv_inc")->text(), u"\"");
    child<QCheckBox>(window, "csv_lb")->click();
    EXPECT_EQ(setting(state, "csv_lb"), u"0");
    EXPECT_EQ(child<QLabel>(window, "Label8")->text(), u"Tipp: Benutzen Sie %tab% für Tabs.");

    state.settings.setLanguage(Language::English);
    window.applyLanguage();
    EXPECT_EQ(window.windowTitle(), u"Output Settings");
    EXPECT_EQ(child<QGroupBox>(window, "GroupBox3")->title(), u"Export as CSV");
    EXPECT_EQ(child<QLabel>(window, "Label8")->text(), u"Tip: Use %tab% for tabs.");
}

TEST(OutputSettingsWindow, OkClosesTheModalWindow)
{
    ProgramState state;
    Teinstausgabe window(state);
    answerNextDialog([&window](QWidget *modal) {
        EXPECT_EQ(modal, &window);
        QTest::mouseClick(window.Button1, Qt::LeftButton);
    });
    EXPECT_EQ(runDialog(window), QDialog::Accepted);
    EXPECT_FALSE(window.isVisible());
}

TEST(OutputSettingsCaptions, EveryControlHasCaptionsInBothLanguages)
{
    const Language de = Language::German;
    const Language en = Language::English;
    EXPECT_EQ(outputSettingsCaption(QStringLiteral("einstausgabe"), de), u"Ausgabe Einstellungen");
    EXPECT_EQ(outputSettingsCaption(QStringLiteral("einstausgabe"), en), u"Output Settings");
    EXPECT_EQ(outputSettingsCaption(QStringLiteral("rb_utf7ansi"), de),
              u"Unicode UTF-7 als ANSI gespeichert");
    EXPECT_EQ(outputSettingsCaption(QStringLiteral("BitBtn6"), de), u"Schrift wählen..");
    EXPECT_EQ(outputSettingsCaption(QStringLiteral("Label8"), en), u"Tip: Use %tab% for tabs.");
    for (const TextEncodingRadio &radio : textEncodingRadios)
        EXPECT_FALSE(outputSettingsCaption(nameOf(radio.radio), en).isEmpty());
    EXPECT_THROW(outputSettingsCaption(QStringLiteral("rb_utf64"), de), TabulixError);
}
