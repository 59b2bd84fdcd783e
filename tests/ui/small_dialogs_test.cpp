#include "app/program_state.h"
#include "cut_texts.h"
#include "dialog_answers.h"
#include "ui/app_icon.h"
#include "ui/dialog_placement.h"
#include "ui/u_sm_achtung.h"
#include "ui/u_sm_bearbeitung.h"
#include "ui/u_sm_meldung.h"

#include <QFontInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Shown {
    QString label1, label2, label3, label4;
    bool okForAllVisible = false;
};

// Runs showMessage, reads what the dialog shows and presses the given button.
Shown showAndPress(Tsm_meldung &dialog, const QString &key, const QString &path, QPushButton *button)
{
    Shown shown;
    answerNextDialog([&](QWidget *modal) {
        EXPECT_EQ(modal, &dialog);
        shown = {dialog.Label1->text(), dialog.Label2->text(), dialog.Label3->text(), dialog.Label4->text(),
                 dialog.OKalle->isVisible()};
        QTest::mouseClick(button, Qt::LeftButton);
    });
    dialog.showMessage(key, path);
    return shown;
}

QString longPath()
{
    QString path;
    for (int i = 0; i < 40; ++i)
        path += QStringLiteral("/ordner%1").arg(i);
    return path + QStringLiteral("/bericht.txt");
}

} // namespace

TEST(SmallDialogs, SharedShapeAndPlaceOverTheMainWindow)
{
    ProgramState state;
    QWidget mainWindow;
    mainWindow.setGeometry(100, 80, 1001, 701);
    mainWindow.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&mainWindow));
    // The frame's top-left counts, with the client sizes.
    const QPoint mainTopLeft = mainWindow.pos();
    Tsm_meldung meldung(state, &mainWindow);
    Tsm_achtung achtung(state, &mainWindow);
    Tsm_bearbeitung bearbeitung(state, &mainWindow);
    for (QDialog *dialog : std::initializer_list<QDialog *>{&meldung, &achtung, &bearbeitung}) {
        // 481 × 220 at least, and fixed: wider only where a text needs it.
        EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
        EXPECT_EQ(dialog->size().expandedTo(QSize(481, 220)), dialog->size());
        EXPECT_EQ(dialog->windowType(), Qt::Tool);
        EXPECT_TRUE(dialog->windowFlags() & Qt::WindowStaysOnTopHint);
        EXPECT_EQ(dialog->windowTitle(), u"Tabulix");
        const auto *image = dialog->findChild<QLabel *>(QStringLiteral("Image1"));
        ASSERT_TRUE(image);
        EXPECT_EQ(image->size(), QSize(48, 48));
        EXPECT_EQ(image->pixmap().toImage(), applicationPixmap(48).toImage());
        const auto *title = dialog->findChild<QLabel *>(QStringLiteral("Label1"));
        const auto *line = dialog->findChild<QLabel *>(QStringLiteral("Label2"));
        ASSERT_TRUE(title && line);
        EXPECT_GT(QFontInfo(title->font()).pixelSize(), QFontInfo(line->font()).pixelSize());
    }

    bearbeitung.show();
    EXPECT_EQ(bearbeitung.pos(), placeOver(mainWindow.pos(), mainWindow.size(), QSize(481, 220)));
    EXPECT_EQ(bearbeitung.pos(), mainTopLeft + QPoint(260, 240));
    // Shown again after the main window moved, it follows.
    bearbeitung.hide();
    mainWindow.move(10, 20);
    bearbeitung.show();
    EXPECT_EQ(bearbeitung.pos(), QPoint(10 + 260, 20 + 240));
    bearbeitung.hide();

    // The same for the modal ones, and a main window smaller than the dialog.
    mainWindow.move(400, 300);
    mainWindow.resize(300, 101);
    QPoint placed;
    answerNextDialog([&](QWidget *modal) {
        placed = modal->pos();
        achtung.Nein->click();
    });
    runDialog(achtung);
    EXPECT_EQ(placed, placeOver(QPoint(400, 300), QSize(300, 101), achtung.size()));
    EXPECT_EQ(placed.y(), 300 - 59);
}

TEST(SmallDialogs, GrowToTheirTexts)
{
    ProgramState state;
    Tsm_bearbeitung dialog(state);
    ASSERT_EQ(dialog.size(), QSize(481, 220));
    const auto line = [&dialog](const char *name) {
        return dialog.findChild<QLabel *>(QString::fromUtf8(name));
    };

    // A line a little longer than the column widens the dialog and stays one line.
    const QString longer =
        QStringLiteral("Dateien werden gesucht und analysiert, bitte warten Sie einen Moment");
    ASSERT_GT(line("Label2")->fontMetrics().horizontalAdvance(longer), 353);
    dialog.setProgress({QStringLiteral("Suche"), longer, QString(), 0, 0});
    EXPECT_GT(dialog.width(), 481);
    EXPECT_EQ(dialog.height(), 220);
    EXPECT_GE(line("Label2")->width(), line("Label2")->fontMetrics().horizontalAdvance(longer));

    // A far longer one wraps, and the dialog grows down to hold it.
    dialog.setProgress({QStringLiteral("Suche"), longer.repeated(8), QString(), 0, 0});
    const int width = dialog.width();
    EXPECT_GT(dialog.height(), 220);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(cutTexts(dialog), QStringList());
    EXPECT_EQ(dialog.width(), width);

    // Short texts again: the stated size.
    dialog.setProgress({QStringLiteral("Suche"), QStringLiteral("1 Datei"), QString(), 0, 0});
    EXPECT_EQ(dialog.size(), QSize(481, 220));
}

TEST(MessageDialog, ShowsTheCatalogueAndOkForAll)
{
    ProgramState state;
    Tsm_meldung dialog(state);
    EXPECT_EQ(dialog.OK->text(), u"OK");
    EXPECT_EQ(dialog.OKalle->text(), u"OK für alle");

    Shown shown =
        showAndPress(dialog, QStringLiteral("dateischoninliste"), QStringLiteral("/a/b.txt"), dialog.OK);
    EXPECT_EQ(shown.label1, u"Datei oder Ordner wurde bereits hinzugefügt");
    EXPECT_EQ(shown.label2, u"Diese Datei oder dieser Ordner befindet sich bereits in der Liste:");
    EXPECT_EQ(shown.label3, u"\"/a/b.txt\"");
    EXPECT_EQ(shown.label4, u"Dateien und Ordner können nur einmal zur Liste hinzugefügt werden.");
    EXPECT_TRUE(shown.okForAllVisible);
    EXPECT_FALSE(state.okForAll);

    shown = showAndPress(dialog, QStringLiteral("formatfehler"), QStringLiteral("/a/b.txt"), dialog.OKalle);
    EXPECT_TRUE(state.okForAll);
    EXPECT_EQ(shown.label1, u"Format nicht unterstützt");

    // A key without a path line names the path inside its lines and hides "OK für alle".
    shown = showAndPress(dialog, QStringLiteral("keinestartkonfig"), QStringLiteral("/x/tabulix"), dialog.OK);
    EXPECT_EQ(shown.label3, u"wurde (als Datei Auto.tbx in /x/tabulix).");
    EXPECT_EQ(shown.label4, u"Speichern Sie eine Konfiguation als Auto.tbx in /x/tabulix.");
    EXPECT_FALSE(shown.okForAllVisible);

    // A long path is shortened inside the quotes; the name and the trailing folders stay.
    shown = showAndPress(dialog, QStringLiteral("ordnerfalschopen"), longPath(), dialog.OK);
    EXPECT_TRUE(shown.label3.startsWith(u"\"/.../")) << shown.label3.toStdString();
    EXPECT_TRUE(shown.label3.endsWith(u"/ordner39/bericht.txt\"")) << shown.label3.toStdString();
    EXPECT_LT(shown.label3.size(), longPath().size());
    // Markup in a path is shown as it is.
    dialog.setMessage(QStringLiteral("formatfehler"), QStringLiteral("/a/<b>.txt"));
    EXPECT_EQ(dialog.Label3->textFormat(), Qt::PlainText);
}

TEST(MessageDialog, UnknownKeyKeepsThePreviousTexts)
{
    ProgramState state;
    Tsm_meldung dialog(state);
    dialog.setMessage(QStringLiteral("dateischoninliste"), QStringLiteral("/a/b.txt"));
    EXPECT_FALSE(dialog.OKalle->isHidden());
    const Shown shown =
        showAndPress(dialog, QStringLiteral("keinsolcherschluessel"), QStringLiteral("/c/d"), dialog.OK);
    EXPECT_EQ(shown.label1, u"Datei oder Ordner wurde bereits hinzugefügt");
    EXPECT_EQ(shown.label3, u"\"/a/b.txt\"");
    EXPECT_EQ(shown.label4, u"Dateien und Ordner können nur einmal zur Liste hinzugefügt werden.");
    // "OK für alle" is hidden before the key is looked up.
    EXPECT_FALSE(shown.okForAllVisible);
}

TEST(MessageDialog, EnglishTexts)
{
    ProgramState state;
    state.settings.setLanguage(Language::English);
    Tsm_meldung dialog(state);
    EXPECT_EQ(dialog.OKalle->text(), u"OK for all");
    dialog.setMessage(QStringLiteral("bildfehler"), QString());
    EXPECT_EQ(dialog.Label1->text(), u"Converting Error");
    EXPECT_EQ(dialog.Label4->text(), u"Choose another format or try to create a smaller list.");
    EXPECT_FALSE(dialog.OKalle->isHidden());

    state.settings.setLanguage(Language::German);
    dialog.applyLanguage();
    EXPECT_EQ(dialog.OKalle->text(), u"OK für alle");
    EXPECT_EQ(dialog.windowTitle(), u"Tabulix");
}

TEST(ConfirmDialog, TextsAndDecision)
{
    ProgramState state;
    Tsm_achtung dialog(state);
    EXPECT_EQ(dialog.Label1->text(), u"Datei bereits vorhanden");
    EXPECT_EQ(dialog.Label5->text(), u"Überschriebene Dateien können nicht wiederhergestellt werden.");
    EXPECT_EQ(dialog.OK->text(), u"Ja");
    EXPECT_EQ(dialog.Abbrechen->text(), u"Abbrechen");

    // The file goes in without quotes, shortened like any other path line.
    dialog.setFilePath(QStringLiteral("/tmp/liste.html"));
    EXPECT_EQ(dialog.Label3->text(), u"/tmp/liste.html");
    dialog.setFilePath(longPath());
    EXPECT_TRUE(dialog.Label3->text().startsWith(u"/.../"));
    EXPECT_TRUE(dialog.Label3->text().endsWith(u"/bericht.txt"));

    const auto press = [&dialog](QPushButton *button) {
        answerNextDialog([button](QWidget *) { QTest::mouseClick(button, Qt::LeftButton); });
        runDialog(dialog);
        return dialog.overwriteDecision();
    };
    EXPECT_FALSE(dialog.overwriteDecision());
    EXPECT_TRUE(press(dialog.OK));
    EXPECT_FALSE(press(dialog.Nein));
    EXPECT_TRUE(press(dialog.OK));
    EXPECT_FALSE(press(dialog.Abbrechen));

    // Closing without a button leaves the last decision.
    EXPECT_TRUE(press(dialog.OK));
    answerNextDialog([](QWidget *modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    runDialog(dialog);
    EXPECT_TRUE(dialog.overwriteDecision());

    state.settings.setLanguage(Language::English);
    dialog.applyLanguage();
    EXPECT_EQ(dialog.Label4->text(), u"Shall this File be overwritten with the new File? ");
    EXPECT_EQ(dialog.OK->text(), u"Yes");
    EXPECT_EQ(dialog.Nein->text(), u"No");
    EXPECT_EQ(dialog.Abbrechen->text(), u"Break");
}

TEST(ProgressDialog, CancelRequestWithoutBlocking)
{
    ProgramState state;
    Tsm_bearbeitung dialog(state);
    EXPECT_FALSE(dialog.isModal());
    EXPECT_EQ(dialog.Abbrechen->text(), u"Abbrechen");

    // The step's texts and bar position show in the labels and the bar.
    dialog.setProgress(
        {QStringLiteral("Suche"), QStringLiteral("Ordner: /tmp"), QStringLiteral("<b>&"), 7, 20});
    const auto labelText = [&dialog](const char *name) {
        const auto *label = dialog.findChild<QLabel *>(QString::fromUtf8(name));
        return label ? label->text() : QStringLiteral("(missing)");
    };
    EXPECT_EQ(labelText("Label1"), u"Suche");
    EXPECT_EQ(labelText("Label2"), u"Ordner: /tmp");
    EXPECT_EQ(labelText("Label3"), u"<b>&");
    const auto *bar = dialog.findChild<QProgressBar *>(QStringLiteral("Progress"));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->maximum(), 20);
    EXPECT_EQ(bar->value(), 7);

    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_FALSE(dialog.OK->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(dialog.cancelRequested());

    QTest::mouseClick(dialog.Abbrechen, Qt::LeftButton);
    EXPECT_TRUE(dialog.cancelRequested());
    // The step that runs decides when the dialog goes.
    EXPECT_TRUE(dialog.isVisible());
    dialog.clearCancelRequest();
    EXPECT_FALSE(dialog.cancelRequested());

    // Escape and the window's close button ask for the same.
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog.cancelRequested());
    dialog.clearCancelRequest();
    dialog.close();
    EXPECT_TRUE(dialog.cancelRequested());
    EXPECT_TRUE(dialog.isVisible());
    dialog.hide();
    EXPECT_FALSE(dialog.OK->isVisibleTo(&dialog));

    state.settings.setLanguage(Language::English);
    dialog.applyLanguage();
    EXPECT_EQ(dialog.Abbrechen->text(), u"Break");
}
