// Every text of every window, dialog and message shows whole in both languages, with the
// desktop's fonts. The tests run once at scale 1 and once more at scale 2 on a screen of
// 2560 × 1800 pixels (tests/CMakeLists.txt).
#include "common/message_catalogue.h"
#include "cut_texts.h"
#include "program_fixture.h"
#include "ui/design_sections.h"
#include "ui/file_facts_dialog.h"
#include "ui/u_application.h"
#include "ui/u_einstshortcuts.h"
#include "ui/u_fault_report.h"
#include "ui/u_help.h"
#include "ui/u_renamix.h"
#include "ui/u_renamix_filter.h"

#include <QDialog>
#include <QHeaderView>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

// A path far longer than any line, with folders to shorten and a long name.
const QString longPath = QStringLiteral("/home/someone/Dokumente/Projekte/2024/Berichte/Quartal/"
                                        "eine-recht-lange-zusammenfassung-des-jahres.txt");

// Shows the window as the program would, and names its cut texts.
QStringList cutTextsOf(QWidget &window)
{
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window)) << window.objectName().toStdString();
    return cutTexts(window);
}

// The program's windows as main() makes them, in one language.
struct EveryWindow : ProgramFixture {
    explicit EveryWindow(Language language) { chooseLanguage(language); }

    TRenamix &renamix = program.renamer();
    Teinstshortcuts &shortcuts = program.shortcutsWindow();
};

const Language bothLanguages[] = {Language::German, Language::English};

} // namespace

TEST(TextsFit, RunAtTheScaleTheScreenAsks)
{
    // The second run must really be at scale 2: a 1280 × 900 screen in logical pixels.
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (qEnvironmentVariable("QT_SCALE_FACTOR") == u"2") {
        EXPECT_EQ(screen->devicePixelRatio(), 2.0);
        EXPECT_EQ(screen->size(), QSize(1280, 900));
    } else {
        EXPECT_EQ(screen->devicePixelRatio(), 1.0);
    }
}

TEST(TextsFit, MainWindowWithEveryOptionGroupAndEveryAreaHidden)
{
    for (const Language language : bothLanguages) {
        SCOPED_TRACE(languageCode(language).toStdString());
        EveryWindow windows(language);
        Tprog &prog = *windows.prog;
        EXPECT_EQ(cutTextsOf(prog), QStringList());

        // One options panel open at a time: the column stays as wide as the window made it.
        auto *options = prog.findChild<QScrollArea *>(QStringLiteral("ScrollBox1"));
        Settings &settings = windows.state.settings;
        for (const DesignSection &section : designSections()) {
            const QString panel = QString::fromUtf8(section.options);
            settings.setOn(SettingsWindow::PB, panel, true);
            QCoreApplication::processEvents();
            EXPECT_EQ(cutTexts(prog), QStringList()) << panel.toStdString();
            EXPECT_FALSE(options->horizontalScrollBar()->isVisible()) << panel.toStdString();
            settings.setOn(SettingsWindow::PB, panel, false);
        }

        // With every area hidden, the bottom bar holds all four restore buttons.
        for (const MenuSwitch area : {MenuSwitch::ShowInput, MenuSwitch::ShowPreview, MenuSwitch::ShowActions,
                                      MenuSwitch::ShowOutput})
            settings.setOn(area, false);
        EXPECT_EQ(cutTexts(prog), QStringList());
    }
}

TEST(TextsFit, EveryOtherWindowAndDialog)
{
    for (const Language language : bothLanguages) {
        SCOPED_TRACE(languageCode(language).toStdString());
        EveryWindow windows(language);
        windows.prog->show();
        QWidget *const others[] = {windows.start,   &windows.outputSettings, &windows.profile,
                                   &windows.filter, &windows.shortcuts,      &windows.renamix.filterWindow()};
        for (QWidget *window : others) {
            EXPECT_EQ(cutTextsOf(*window), QStringList()) << window->objectName().toStdString();
            window->hide();
        }

        windows.action("m_bug")->trigger();
        EXPECT_EQ(cutTextsOf(*windows.prog->help().faultReportWindow()), QStringList());
        windows.action(isGerman(language) ? "m_info_de_hilfe" : "m_info_en_intro")->trigger();
        EXPECT_EQ(cutTextsOf(*windows.prog->help().helpWindow()), QStringList());

        FileFacts facts;
        const QAbstractItemModel &list = windows.state.fileList;
        for (int column = 0; column < list.columnCount(); ++column)
            facts.append({list.headerData(column, Qt::Horizontal).toString(), longPath});
        showFileFacts(windows.prog, QStringLiteral("Datei.txt"), facts);
        auto *factsDialog = windows.prog->findChild<QDialog *>(QStringLiteral("fileFacts"));
        ASSERT_TRUE(factsDialog);
        EXPECT_EQ(cutTextsOf(*factsDialog), QStringList());

        QStringList cutInErrorBox{QStringLiteral("(not shown)")};
        answerNextDialogOf<QMessageBox>([&cutInErrorBox](QMessageBox *box) {
            cutInErrorBox = cutTexts(*box);
            box->button(QMessageBox::Ok)->click();
        });
        showErrorBox(QStringLiteral("Cannot create file \"%1\". Permission denied").arg(longPath));
        EXPECT_EQ(cutInErrorBox, QStringList());
    }
}

TEST(TextsFit, RenamingToolOpensWithTenRowsAndEveryHeader)
{
    for (const Language language : bothLanguages) {
        SCOPED_TRACE(languageCode(language).toStdString());
        EveryWindow windows(language);
        QTemporaryDir folder;
        for (int i = 0; i < 10; ++i) {
            QFile file(folder.filePath(QStringLiteral("Urlaubsbild %1.jpg").arg(i)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        windows.renamix.tool().addFolder(folder.path());
        EXPECT_EQ(cutTextsOf(windows.renamix), QStringList());

        auto *list = windows.renamix.findChild<QTreeView *>(QStringLiteral("qulist"));
        EXPECT_EQ(cut_texts_detail::cutSections(*list->header(), true), QStringList());
        ASSERT_EQ(list->model()->rowCount(), 10);
        const QModelIndex last = list->model()->index(9, 0);
        EXPECT_TRUE(list->viewport()->rect().contains(list->visualRect(last))) << "ten rows";
    }
}

TEST(TextsFit, EveryMessageAndTheOtherSmallDialogs)
{
    for (const Language language : bothLanguages) {
        SCOPED_TRACE(languageCode(language).toStdString());
        EveryWindow windows(language);
        windows.prog->show();
        for (const QString &key : messageKeys()) {
            windows.message.setMessage(key, longPath);
            EXPECT_EQ(cutTextsOf(windows.message), QStringList()) << key.toStdString();
            windows.message.hide();
        }

        windows.confirmation.setFilePath(longPath);
        EXPECT_EQ(cutTextsOf(windows.confirmation), QStringList());
        windows.confirmation.hide();

        const auto counted = [language](int count, UiText suffix) -> QString {
            return QString::number(count) + uiText(suffix, language);
        };
        for (const UiText title : {UiText::SearchingTitle, UiText::AnalysingTitle}) {
            windows.progress.setProgress({uiText(title, language), counted(1234567, UiText::AddingSuffix),
                                          counted(1234567, UiText::AnalysedSuffix), 1, 2});
            EXPECT_EQ(cutTextsOf(windows.progress), QStringList());
            windows.progress.hide();
        }
    }
}
