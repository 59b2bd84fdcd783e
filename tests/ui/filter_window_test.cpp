#include "app/program_state.h"
#include "collect/type_filter.h"
#include "dialog_answers.h"
#include "ui/u_sm_filter.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QCheckBox *box(Tsm_filter &window, const char *name)
{
    auto *control = window.findChild<QCheckBox *>(QString::fromUtf8(name));
    EXPECT_TRUE(control) << name;
    return control;
}

QLineEdit *field(Tsm_filter &window, const char *name)
{
    auto *control = window.findChild<QLineEdit *>(QString::fromUtf8(name));
    EXPECT_TRUE(control) << name;
    return control;
}

// Clicks the indicator: a box stretched across its row does not take clicks beyond its caption.
void click(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

void setOn(ProgramState &state, const char *name, bool on)
{
    state.settings.setOn(SettingsWindow::PF, QString::fromUtf8(name), on);
}

} // namespace

TEST(FilterWindow, ControlsFollowTheSettings)
{
    ProgramState state;
    Tsm_filter window(state);
    EXPECT_EQ(window.objectName(), u"sm_filter");
    EXPECT_EQ(window.windowTitle(), u"Filter");
    EXPECT_TRUE(window.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(window.alle->isChecked());
    EXPECT_FALSE(window.auswahl->isChecked());
    EXPECT_TRUE(window.alle->isEnabled());
    EXPECT_EQ(window.alle->text(), u"Alle gefundenen Dateien");
    EXPECT_EQ(box(window, "cb_of_pres")->text(), u"Präsentationen");
    EXPECT_EQ(field(window, "ed_txt_allg")->text(), u"asc,ascii,nfo,scp,txt");
    EXPECT_TRUE(box(window, "cb_musik")->isChecked());
    EXPECT_FALSE(box(window, "cb_bild")->isEnabled());
    EXPECT_FALSE(field(window, "ed_sonstige")->isEnabled());

    // Values set by code, as a loaded configuration sets them.
    setOn(state, "auswahl", true);
    setOn(state, "cb_media", true);
    setOn(state, "cb_video", false);
    state.settings.setValue(SettingsWindow::PF, QStringLiteral("ed_musik"), QStringLiteral("mp3"));
    EXPECT_FALSE(window.alle->isChecked());
    EXPECT_TRUE(window.auswahl->isChecked());
    EXPECT_TRUE(box(window, "cb_video")->isEnabled());
    EXPECT_FALSE(box(window, "cb_video")->isChecked());
    EXPECT_FALSE(field(window, "ed_video")->isEnabled());
    EXPECT_TRUE(field(window, "ed_musik")->isEnabled());
    EXPECT_EQ(field(window, "ed_musik")->text(), u"mp3");
    EXPECT_FALSE(box(window, "cb_txt_web")->isEnabled());
    // Every box and field shows the enabled state of its values.
    for (const FilterBox &entry : filterBoxes()) {
        const QString name = nameOf(entry.box);
        EXPECT_EQ(window.findChild<QCheckBox *>(name)->isEnabled(),
                  filterControlEnabled(state.settings, entry.box))
            << qPrintable(name);
        if (entry.field) {
            EXPECT_EQ(window.findChild<QLineEdit *>(nameOf(*entry.field))->isEnabled(),
                      filterControlEnabled(state.settings, *entry.field))
                << qPrintable(name);
        }
    }

    // Typing goes into the settings, and the patterns follow.
    setOn(state, "cb_media", false);
    setOn(state, "cb_bild", true);
    field(window, "ed_bild")->clear();
    QTest::keyClicks(field(window, "ed_bild"), QStringLiteral("png, GIF"));
    EXPECT_EQ(filterPatterns(state.settings), (QStringList{QStringLiteral(".png"), QStringLiteral(".GIF")}));
}

TEST(FilterWindow, ClicksEnableAndDisable)
{
    ProgramState state;
    Tsm_filter window(state);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    click(window.auswahl);
    EXPECT_TRUE(state.settings.isOn(SettingsWindow::PF, QStringLiteral("auswahl")));
    EXPECT_FALSE(window.alle->isChecked());
    // A second click on the chosen button keeps it chosen.
    click(window.auswahl);
    EXPECT_TRUE(window.auswahl->isChecked());
    EXPECT_TRUE(box(window, "cb_office")->isEnabled());

    click(box(window, "cb_office"));
    for (const char *member : {"cb_of_text", "cb_of_tab", "cb_of_pres"})
        EXPECT_TRUE(box(window, member)->isEnabled()) << member;
    click(box(window, "cb_of_tab"));
    EXPECT_FALSE(field(window, "ed_of_tab")->isEnabled());

    // Unchecking the group disables its members' boxes and fields.
    click(box(window, "cb_office"));
    for (const char *member : {"cb_of_text", "cb_of_tab", "cb_of_pres"})
        EXPECT_FALSE(box(window, member)->isEnabled()) << member;
    for (const char *member : {"ed_of_text", "ed_of_tab", "ed_of_pres"})
        EXPECT_FALSE(field(window, member)->isEnabled()) << member;

    // Checking it again enables the boxes and only the checked members' fields.
    click(box(window, "cb_office"));
    for (const char *member : {"cb_of_text", "cb_of_tab", "cb_of_pres"})
        EXPECT_TRUE(box(window, member)->isEnabled()) << member;
    EXPECT_TRUE(field(window, "ed_of_text")->isEnabled());
    EXPECT_FALSE(field(window, "ed_of_tab")->isEnabled());
    EXPECT_TRUE(field(window, "ed_of_pres")->isEnabled());

    // Back to all files: nothing but the radio buttons can be used.
    click(window.alle);
    EXPECT_FALSE(window.auswahl->isChecked());
    EXPECT_FALSE(box(window, "cb_office")->isEnabled());
    EXPECT_FALSE(field(window, "ed_of_text")->isEnabled());
    EXPECT_TRUE(window.auswahl->isEnabled());
    EXPECT_EQ(filterPatterns(state.settings), QStringList{QStringLiteral(".*")});
}

TEST(FilterWindow, EnglishCaptions)
{
    ProgramState state;
    Tsm_filter window(state);
    state.settings.setLanguage(Language::English);
    window.applyLanguage();
    EXPECT_EQ(window.alle->text(), u"All supported Formats");
    EXPECT_EQ(window.auswahl->text(), u"Only the selected following Formats:");
    EXPECT_EQ(box(window, "cb_musik")->text(), u"Audio");

    state.settings.setLanguage(Language::German);
    window.applyLanguage();
    EXPECT_EQ(box(window, "cb_musik")->text(), u"Musik");
    EXPECT_EQ(window.auswahl->text(), u"Auswahl von Dateien folgender Formate:");
}

TEST(FilterWindow, ShapePlaceAndClosing)
{
    ProgramState state;
    Tsm_filter window(state);
    EXPECT_EQ(window.minimumWidth(), 255);
    EXPECT_GT(window.maximumWidth(), 255);
    EXPECT_EQ(window.minimumHeight(), window.maximumHeight());
    EXPECT_GE(window.width(), 255);

    bool centred = false;
    answerNextDialog([&](QWidget *modal) {
        EXPECT_EQ(modal, &window);
        const QRect screenArea = window.screen()->availableGeometry();
        centred = (window.frameGeometry().center() - screenArea.center()).manhattanLength() <= 2;
        QTest::mouseClick(window.Button1, Qt::LeftButton);
    });
    runDialog(window);
    EXPECT_TRUE(centred);
    EXPECT_FALSE(window.isVisible());

    // Wider works, higher does not.
    const int height = window.height();
    window.resize(600, height + 100);
    EXPECT_EQ(window.width(), 600);
    EXPECT_EQ(window.height(), height);
}
