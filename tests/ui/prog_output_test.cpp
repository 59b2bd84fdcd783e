#include "app/table_output.h"
#include "collect/file_adder.h"
#include "collect_test_support.h"
#include "common/message_catalogue.h"
#include "dialog_answers.h"
#include "file_write_test_support.h"
#include "program_fixture.h"
#include "table/picture_file.h"
#include "ui/u_design_area.h"
#include "ui/u_einstausgabe.h"
#include "ui/u_preview_pane.h"
#include "ui/u_sm_achtung.h"
#include "ui/u_sm_bearbeitung.h"
#include "ui/u_sm_filter.h"
#include "ui/u_sm_meldung.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include "ui/lines_view.h"
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <gtest/gtest.h>

namespace {

// The main window with its dialogs and a few real files in the list.
struct OutputWindow : ProgramFixture {
    OutputWindow()
    {
        add("alpha.txt");
        add("beta.txt");
    }
    // Adds a file as the open dialog does, which refreshes the preview when it is on.
    void add(const char *name)
    {
        prog->adder().addChosenFiles({makeFile(folder.filePath(QString::fromUtf8(name)), "12345")});
    }
    template <typename T> T *child(const char *name) const
    {
        return prog->findChild<T *>(QString::fromUtf8(name));
    }
    // Waits until the refresh asked for has run: the event loop runs it after the change.
    bool settled() const
    {
        return QTest::qWaitFor([this] { return !prog->preview().refreshPending(); });
    }
    QString previewText() const
    {
        EXPECT_TRUE(settled());
        return child<LinesView>("vor_txt")->toPlainText();
    }
    void chooseFormat(int item) const { child<QComboBox>("out_format")->setCurrentIndex(item); }
    // The output of the current rows and settings, as the text formats give it.
    QString expectedText() const
    {
        return outputText(buildOutputLines(state, LocaleFormat::system()), chosenOutputFormat(state),
                          state.settings.isOn(SettingsWindow::EA, QStringLiteral("csv_lb")));
    }

    QTemporaryDir folder;
};

// Saves through the save dialog under the typed name, then answers the overwrite question
// with the button given, if it comes. Returns the name the dialog proposed.
QString saveAs(OutputWindow &window, const QString &typedName, QPushButton *answer = nullptr)
{
    QString proposed;
    answerNextDialog([&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        ASSERT_NE(dialog, nullptr);
        auto *nameField = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        proposed = nameField->text();
        nameField->setText(typedName);
        if (answer)
            answerNextDialog([answer](QWidget *) { answer->click(); });
        static_cast<QDialog *>(dialog)->accept(); // runs the file dialog's own accept
    });
    window.child<QPushButton>("Speichern")->click();
    return proposed;
}

} // namespace

TEST(OutputWindow, TheFormatChoosesTheViewAndItsButtons)
{
    OutputWindow window;
    auto *pictureView = window.child<QScrollArea>("picture_view");
    auto *webView = window.child<QTextBrowser>("web_view");
    auto *vor_pic = window.child<QPushButton>("vor_pic");
    auto *vor_web = window.child<QPushButton>("vor_web");
    EXPECT_TRUE(window.previewText().contains(QStringLiteral("alpha.txt")));
    EXPECT_TRUE(pictureView->isHidden() && webView->isHidden());
    EXPECT_FALSE(vor_pic->isEnabled() || vor_web->isEnabled());

    window.chooseFormat(2); // GIF
    EXPECT_EQ(window.state.settings.value(SettingsWindow::PB, QStringLiteral("out_format")),
              QStringLiteral("GIF-Bild (*.gif)"));
    EXPECT_FALSE(pictureView->isHidden());
    EXPECT_TRUE(webView->isHidden());
    EXPECT_TRUE(vor_pic->isEnabled() && vor_pic->isChecked());
    EXPECT_FALSE(vor_web->isEnabled() || window.child<QPushButton>("vor_text")->isChecked());
    EXPECT_TRUE(window.state.settings.isOn(SettingsWindow::PB, QStringLiteral("vor_pic")));
    auto *picture = pictureView->widget();
    ASSERT_TRUE(window.settled());
    ASSERT_GT(picture->width(), 10);
    // The picture with its one-pixel frame; the view scrolls over 10 pixels more than the picture.
    EXPECT_EQ(qobject_cast<QLabel *>(picture)->pixmap().size() + QSize(8, 8), picture->size());

    // The text button shows the text beneath without giving up the picture format.
    window.child<QPushButton>("vor_text")->click();
    EXPECT_TRUE(pictureView->isHidden());
    EXPECT_FALSE(vor_pic->isChecked());

    window.chooseFormat(5); // HTML
    ASSERT_TRUE(window.settled());
    EXPECT_FALSE(webView->isHidden());
    EXPECT_TRUE(vor_web->isEnabled() && !vor_pic->isEnabled());
    EXPECT_TRUE(webView->toPlainText().contains(QStringLiteral("beta.txt")));
    EXPECT_TRUE(window.previewText().contains(QStringLiteral("<")));

    // An empty list empties every view.
    window.control<QPushButton>("inp_deleteall")->click();
    EXPECT_TRUE(window.previewText().isEmpty());
    EXPECT_TRUE(webView->toPlainText().isEmpty());
    EXPECT_EQ(picture->size(), QSize(0, 0));

    // The language change translates the chosen item.
    window.state.settings.setLanguage(Language::English);
    EXPECT_EQ(window.state.settings.value(SettingsWindow::PB, QStringLiteral("out_format")),
              QStringLiteral("HTML-Table (*.htm)"));
    EXPECT_EQ(window.child<QComboBox>("out_format")->currentText(), QStringLiteral("HTML-Table (*.htm)"));
}

TEST(OutputWindow, WithThePreviewOffSavingRebuildsFirstAndAsksBeforeReplacing)
{
    OutputWindow window;
    auto *vor_okay = window.child<QCheckBox>("vor_okay");
    auto *menuItem = window.child<QAction>("m_einst_vorschau");
    EXPECT_TRUE(menuItem->isChecked());
    vor_okay->click();
    EXPECT_FALSE(menuItem->isChecked());
    EXPECT_TRUE(window.prog->preview().previewUpToDate()); // switching off refreshes once

    window.add("gamma.txt");
    EXPECT_FALSE(window.previewText().contains(QStringLiteral("gamma.txt")));
    EXPECT_FALSE(window.prog->preview().previewUpToDate());

    QTemporaryDir target;
    const QString path = target.filePath(QStringLiteral("liste.txt"));
    EXPECT_EQ(saveAs(window, target.filePath(QStringLiteral("liste"))), QStringLiteral("Dateiliste"));
    const QByteArray saved = contentOf(path);
    EXPECT_TRUE(saved.contains("gamma.txt"));
    EXPECT_TRUE(saved.endsWith("\r\n"));
    EXPECT_TRUE(window.previewText().contains(QStringLiteral("gamma.txt")));
    EXPECT_TRUE(window.prog->preview().previewUpToDate());

    // "Nein" keeps the file as it was; "Ja" replaces it.
    window.add("delta.txt");
    saveAs(window, path, window.confirmation.Nein);
    EXPECT_EQ(contentOf(path), saved);
    saveAs(window, path, window.confirmation.OK);
    EXPECT_TRUE(contentOf(path).contains("delta.txt"));

    // The menu item switches the preview on again, which refreshes at once.
    window.add("epsilon.txt");
    menuItem->trigger();
    EXPECT_TRUE(vor_okay->isChecked() && menuItem->isChecked());
    EXPECT_TRUE(window.previewText().contains(QStringLiteral("epsilon.txt")));
}

TEST(OutputWindow, APictureThatCannotBeWrittenShowsThePictureMessage)
{
    OutputWindow window;
    window.chooseFormat(4); // BMP
    ASSERT_TRUE(window.settled());
    // A link to a device that is always full: written through, it fails on the first write.
    QTemporaryDir target;
    const QString path = target.filePath(QStringLiteral("voll.bmp"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), path));

    QString shownTitle;
    answerNextDialog([&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
        answerNextDialog([&](QWidget *) {
            answerNextDialog([&](QWidget *message) {
                shownTitle = window.message.Label1->text();
                message->close();
            });
            window.confirmation.OK->click();
        });
        static_cast<QDialog *>(dialog)->accept();
    });
    window.child<QPushButton>("Speichern")->click();
    EXPECT_EQ(shownTitle, messageTexts(QStringLiteral("bildfehler"), Language::German)->title);
    EXPECT_TRUE(QFileInfo(path).isSymLink());
}

TEST(OutputWindow, RefreshesAskedForInOneEventRunOnceAndBeforeCopyingOrSaving)
{
    OutputWindow window;
    ASSERT_TRUE(window.settled());
    PreviewPane &preview = window.prog->preview();
    QSignalSpy asked(window.prog->designArea(), &DesignArea::refreshRequested);
    QSignalSpy refreshed(&preview, &PreviewPane::refreshed);

    // The radio click turns grouping on and "no grouping" off: two changes, one refresh.
    window.child<QRadioButton>("des_grup_ja")->click();
    EXPECT_EQ(asked.count(), 2);
    EXPECT_TRUE(preview.refreshPending());
    EXPECT_FALSE(preview.previewUpToDate());
    EXPECT_EQ(refreshed.count(), 0);
    ASSERT_TRUE(window.settled());
    EXPECT_EQ(refreshed.count(), 1);
    EXPECT_TRUE(preview.previewUpToDate());
    EXPECT_EQ(window.previewText(),
              window.expectedText().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

    // Copying right after a change, before the event loop ran: the copy has the change.
    QClipboard *clipboard = QGuiApplication::clipboard();
    window.state.settings.setOn(SettingsWindow::PB, QStringLiteral("act_pfad"), true);
    ASSERT_TRUE(preview.refreshPending());
    window.child<QPushButton>("Zwischenablage")->click();
    EXPECT_EQ(clipboard->text(), window.expectedText());
    EXPECT_TRUE(clipboard->text().contains(window.folder.path()));
    // The copy ran the waiting refresh; none is left to run again.
    EXPECT_FALSE(preview.refreshPending());
    EXPECT_EQ(refreshed.count(), 2);

    // Saving a picture right after a row came: the picture is drawn from the new rows.
    window.chooseFormat(4); // BMP
    ASSERT_TRUE(window.settled());
    window.add("gamma.txt");
    ASSERT_TRUE(preview.refreshPending());
    QTemporaryDir target;
    const QString path = target.filePath(QStringLiteral("liste.bmp"));
    saveAs(window, path);
    const std::optional<QImage> expected =
        drawTablePicture(buildOutputLines(window.state, LocaleFormat::system()), preview.pictureFont(),
                         preview.pictureBackgroundColour());
    ASSERT_TRUE(expected);
    EXPECT_EQ(contentOf(path), encodePicture(*expected, OutputFormat::Bmp));
}

TEST(OutputWindow, AChangeWhileTheTableIsMadeDropsItSoOnlyTheNewestIsShown)
{
    OutputWindow window;
    QVector<FileEntry> rows;
    for (int i = 0; i < 2000; ++i) {
        FileEntry row;
        row.name = QStringLiteral("zeile%1.txt").arg(i);
        row.bytes = i;
        rows.append(row);
    }
    window.state.fileList.append(rows);
    window.state.settings.setOn(SettingsWindow::PB, QStringLiteral("des_allg_header_cb"), true);
    ASSERT_TRUE(window.settled());
    PreviewPane &preview = window.prog->preview();
    QSignalSpy refreshed(&preview, &PreviewPane::refreshed);
    const auto setTitle = [&window](const QString &title) {
        window.state.settings.setValue(SettingsWindow::PB, QStringLiteral("des_allg_header"), title);
    };

    // The first title's table is under way when the second title comes.
    setTitle(QStringLiteral("Erster Titel"));
    QCoreApplication::processEvents();
    EXPECT_TRUE(preview.refreshPending());
    EXPECT_FALSE(preview.previewUpToDate());
    setTitle(QStringLiteral("Zweiter Titel"));
    ASSERT_TRUE(window.settled());
    EXPECT_EQ(refreshed.count(), 1);
    EXPECT_TRUE(window.previewText().contains(u"Zweiter Titel"));
    EXPECT_EQ(window.previewText(),
              window.expectedText().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

    // Copying while a table is under way makes the newest on the spot; the one under way
    // never shows.
    setTitle(QStringLiteral("Dritter Titel"));
    QCoreApplication::processEvents();
    window.child<QPushButton>("Zwischenablage")->click();
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains(u"Dritter Titel"));
    EXPECT_EQ(refreshed.count(), 2);
    EXPECT_TRUE(window.previewText().contains(u"Dritter Titel"));
}

TEST(OutputWindow, TheClipboardTakesTextMarkupOrPicture)
{
    OutputWindow window;
    QClipboard *clipboard = QGuiApplication::clipboard();
    window.child<QPushButton>("Zwischenablage")->click();
    EXPECT_EQ(clipboard->text(), window.expectedText());
    EXPECT_TRUE(clipboard->text().contains(QStringLiteral("beta.txt")));
    // Beside the text a plain table, read back as its cells.
    const auto copiedCells = [clipboard] {
        QTextDocument copied;
        copied.setHtml(clipboard->mimeData()->html());
        QStringList cells;
        for (QTextBlock block = copied.begin(); block.isValid(); block = block.next())
            if (QTextCursor(block).currentTable())
                cells << block.text();
        return cells;
    };
    QStringList cells = copiedCells();
    ASSERT_EQ(cells.size(), 3 * 3) << cells.join(u'|').toStdString();
    EXPECT_EQ(cells[0], QStringLiteral("Name"));
    EXPECT_TRUE(cells.contains(QStringLiteral("beta.txt")));

    // The workbook copies the text table and its plain table.
    window.chooseFormat(6);
    window.child<QPushButton>("Zwischenablage")->click();
    EXPECT_EQ(clipboard->text(), window.expectedText());
    EXPECT_TRUE(clipboard->text().contains(QStringLiteral("beta.txt")));
    EXPECT_EQ(copiedCells(), cells);

    // CSV without line breaks runs every row into one line.
    window.state.settings.setOn(SettingsWindow::EA, QStringLiteral("csv_lb"), false);
    window.chooseFormat(1);
    window.child<QAction>("m_datei_zwischenablage")->trigger();
    EXPECT_TRUE(clipboard->text().contains(QStringLiteral("alpha.txt")));
    EXPECT_FALSE(clipboard->text().contains(u'\n'));

    window.chooseFormat(5); // HTML goes as its markup
    window.child<QPushButton>("Zwischenablage")->click();
    EXPECT_TRUE(clipboard->text().contains(QStringLiteral("<")));

    // The page shows its table in the web view, without its script.
    window.chooseFormat(9);
    window.child<QPushButton>("Zwischenablage")->click();
    EXPECT_TRUE(clipboard->text().startsWith(QStringLiteral("<!DOCTYPE html>")));
    auto *webView = window.child<QTextBrowser>("web_view");
    ASSERT_TRUE(window.settled());
    EXPECT_FALSE(webView->isHidden());
    EXPECT_TRUE(webView->toPlainText().contains(QStringLiteral("beta.txt")));
    EXPECT_FALSE(webView->toPlainText().contains(QStringLiteral("function")))
        << webView->toPlainText().left(3000).toStdString();
    // Nor the search line and the head of the script's table, which the view would not hide.
    EXPECT_FALSE(webView->toPlainText().contains(QStringLiteral("von 2 Dateien")));
    EXPECT_EQ(webView->toPlainText().count(QStringLiteral("Dateigröße")), 1);

    window.chooseFormat(2); // GIF: the picture and the file's bytes
    window.child<QPushButton>("Zwischenablage")->click();
    const QMimeData *data = clipboard->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasImage());
    EXPECT_TRUE(data->data(QStringLiteral("image/gif")).startsWith("GIF8"));
}

TEST(OutputWindowSettings, TheOutputSettingsWindowDrawsThePreviewPicture)
{
    OutputWindow window;
    window.state.settings.setValue(SettingsWindow::PB, QStringLiteral("out_format"),
                                   outFormatItem(OutputFormat::Bmp, Language::German));
    // A new background in the output settings refreshes the picture at once.
    window.state.settings.setValue(SettingsWindow::EA, QStringLiteral("Edit1"), QStringLiteral("#FF0000"));
    ASSERT_TRUE(window.settled());
    const QPixmap shown = window.child<QLabel>("preview_picture")->pixmap();
    ASSERT_FALSE(shown.isNull());
    // The frame is black.
    const QImage framed = shown.toImage();
    EXPECT_EQ(framed.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(framed.pixelColor(framed.width() - 1, framed.height() - 1), QColor(Qt::black));
    EXPECT_EQ(framed.pixelColor(1, 1), QColor(Qt::red));

    QString openedTitle;
    answerNextDialog([&](QWidget *modal) {
        openedTitle = modal->windowTitle();
        modal->close();
    });
    window.child<QAction>("m_einst_ausgabe")->trigger();
    EXPECT_EQ(openedTitle, QStringLiteral("Ausgabe Einstellungen"));
}

TEST(OutputWindowSettings, TheTextViewTakesFontBackgroundAndLineBreaks)
{
    OutputWindow window;
    auto *view = window.child<LinesView>("vor_txt");
    window.child<QAction>("m_einst_vor_umbruch")->trigger();
    EXPECT_TRUE(view->wraps());
    EXPECT_EQ(view->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    window.child<QAction>("m_einst_vor_umbruch")->trigger();
    EXPECT_FALSE(view->wraps());

    answerNextDialog([](QWidget *modal) {
        auto *dialog = qobject_cast<QColorDialog *>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->setCurrentColor(QColor(0x12, 0x34, 0x56));
        dialog->accept();
    });
    window.child<QAction>("m_einst_vor_hg")->trigger();
    EXPECT_EQ(view->palette().color(QPalette::Base), QColor(0x12, 0x34, 0x56));

    QFont chosen(QStringLiteral("DejaVu Sans Mono"), 13);
    answerNextDialog([&chosen](QWidget *modal) {
        auto *dialog = qobject_cast<QFontDialog *>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->setCurrentFont(chosen);
        dialog->accept();
    });
    window.child<QAction>("m_einst_vor_schrift")->trigger();
    EXPECT_EQ(view->font().pointSize(), 13);
    EXPECT_EQ(window.state.settings.textViewLook().font.font.pointSize(), 13);

    // A look set from elsewhere, as a loaded configuration sets it, reaches the view and the menu.
    TextViewLook look = window.state.settings.textViewLook();
    look.wraps = true;
    look.background = QColor(Qt::yellow);
    window.state.settings.setTextViewLook(look);
    EXPECT_TRUE(view->wraps());
    EXPECT_EQ(view->palette().color(QPalette::Base), QColor(Qt::yellow));
    EXPECT_TRUE(window.child<QAction>("m_einst_vor_umbruch")->isChecked());
}

TEST(OutputWindow, TheWorkbookAndTheDataFormatsAreSavedAsTheirOwnFiles)
{
    OutputWindow window;
    QTemporaryDir target;
    window.chooseFormat(6); // the workbook, written from the rows rather than from the text shown
    ASSERT_TRUE(window.settled());
    const QString workbook = target.filePath(QStringLiteral("liste.xlsx"));
    saveAs(window, workbook);
    EXPECT_TRUE(contentOf(workbook).startsWith("PK\x03\x04"));

    window.chooseFormat(7); // JSON: UTF-8 without a byte-order mark, whatever the encoding chosen
    ASSERT_TRUE(window.settled());
    const QString json = target.filePath(QStringLiteral("liste.json"));
    saveAs(window, json);
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(contentOf(json), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError);
    EXPECT_EQ(document[u"rows"].toArray().size(), 2);
}
