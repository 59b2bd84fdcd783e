#include "design_area_support.h"
#include "table/act_array_fill.h"
#include "table/design_choices.h"
#include "ui/design_captions.h"
#include "ui/design_sections.h"
#include "ui/frame_pictures.h"
#include "ui/u_design_order.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

const LocaleFormat germanLocale = LocaleFormat::fromLocale(QLocale(QLocale::German, QLocale::Germany));

int topOf(const DesignFixture &window, const char *panel)
{
    return window.control(panel)->mapTo(window.area, QPoint(0, 0)).y();
}

} // namespace

TEST(DesignArea, SectionsStackInOrderAndOptionsPushLaterSectionsDown)
{
    DesignFixture window;
    ASSERT_TRUE(window.shown);
    QSignalSpy refreshes(window.area, &DesignArea::refreshRequested);

    int previous = -1;
    for (const DesignSection &section : designSections()) {
        QWidget *header = window.control(section.header);
        QWidget *options = window.control(section.options);
        ASSERT_NE(header, nullptr) << section.header;
        ASSERT_NE(options, nullptr) << section.options;
        EXPECT_TRUE(header->isVisible()) << section.header;
        EXPECT_FALSE(options->isVisible()) << section.options;
        EXPECT_GT(topOf(window, section.header), previous) << section.header;
        previous = topOf(window, section.header);
        EXPECT_EQ(options->palette().color(QPalette::Window),
                  shiftedColour(window.prog->palette().color(QPalette::Button), -5));
    }

    QScrollBar *bar = window.box->verticalScrollBar();
    const int rangeBefore = bar->maximum() + bar->pageStep();
    const int dateBefore = topOf(window, "apanel40");
    const int orderBefore = topOf(window, "apanel100");
    window.control<QPushButton>("act_size_bb")->click();
    QWidget *sizeOptions = window.control("apanel31");
    ASSERT_TRUE(sizeOptions->isVisible());
    EXPECT_GT(sizeOptions->height(), 50);
    EXPECT_EQ(topOf(window, "apanel31"), topOf(window, "apanel30") + window.control("apanel30")->height());
    EXPECT_EQ(topOf(window, "apanel40"), dateBefore + sizeOptions->height());
    EXPECT_EQ(topOf(window, "apanel100"), orderBefore + sizeOptions->height());
    // The scroll range is the stack's height: it grew by what no longer fits.
    EXPECT_GE(bar->maximum() + bar->pageStep(), rangeBefore);
    EXPECT_EQ(window.area->height(),
              qMax(window.box->viewport()->height(), window.area->minimumSizeHint().height()));
    EXPECT_EQ(refreshes.count(), 1);

    window.control<QPushButton>("act_size_bb")->click();
    EXPECT_FALSE(sizeOptions->isVisible());
    EXPECT_EQ(topOf(window, "apanel40"), dateBefore);

    // The layout sections also open by their captions; the last section has no options.
    QTest::mouseClick(window.control("Label8"), Qt::LeftButton);
    EXPECT_TRUE(window.on("apanel101"));
    EXPECT_TRUE(window.control("des_sp_ordnung")->isVisible());
    EXPECT_EQ(window.control("apanelweitere0")->findChildren<QPushButton *>().size(), 0);

    // A loaded configuration opens panels through their settings.
    window.state.settings.setOn(SettingsWindow::PB, QStringLiteral("apanel71a"), true);
    EXPECT_TRUE(window.control("act_checksum_max")->isVisible());
    EXPECT_EQ(topOf(window, "apanel80"), topOf(window, "apanel71a") + window.control("apanel71a")->height());
}

TEST(DesignArea, ControlsShowTheirSettingsAndEveryChangeAsksForARefresh)
{
    DesignFixture window;
    QSignalSpy refreshes(window.area, &DesignArea::refreshRequested);
    EXPECT_TRUE(window.control<QCheckBox>("act_name")->isChecked());
    EXPECT_FALSE(window.control<QCheckBox>("act_pfad")->isChecked());
    EXPECT_EQ(window.control<QComboBox>("act_size_einheit")->currentText(), QStringLiteral("KB"));
    EXPECT_EQ(window.control<QComboBox>("act_size_nks")->currentText(), QStringLiteral("3"));
    EXPECT_EQ(window.control<QComboBox>("des_tab_pz")->currentText(), QStringLiteral(" "));
    EXPECT_EQ(window.control<QComboBox>("des_tab_z")->currentText(), QStringLiteral("; "));
    EXPECT_EQ(window.control<QLineEdit>("act_checksum_max")->text(), QStringLiteral("10000"));
    EXPECT_TRUE(window.control<QRadioButton>("des_tab_padding")->isChecked());

    window.control<QComboBox>("act_size_einheit")->setCurrentIndex(2);
    EXPECT_EQ(window.value("act_size_einheit"), QStringLiteral("MB"));
    EXPECT_EQ(refreshes.count(), 1);
    window.control<QCheckBox>("act_checksum_sha1_rb")->click();
    EXPECT_TRUE(window.on("act_checksum_sha1_rb"));
    EXPECT_EQ(refreshes.count(), 2);
    window.state.settings.setValue(SettingsWindow::PB, QStringLiteral("act_datum_changed_format"),
                                   QStringLiteral("yyyymmdd"));
    EXPECT_EQ(window.control<QComboBox>("act_datum_changed_format")->currentText(),
              QStringLiteral("yyyymmdd"));
    EXPECT_EQ(refreshes.count(), 3);
    // A text that a fixed list lacks shows blank and stays the setting's value.
    window.state.settings.setValue(SettingsWindow::PB, QStringLiteral("act_size_einheit"),
                                   QStringLiteral("PB"));
    EXPECT_EQ(window.control<QComboBox>("act_size_einheit")->currentIndex(), -1);
    EXPECT_EQ(window.value("act_size_einheit"), QStringLiteral("PB"));
    window.state.settings.setColumnOrder(defaultColumnOrder(Language::English));
    EXPECT_EQ(refreshes.count(), 5);
    // Settings of other areas are none of its business.
    window.state.settings.setOn(SettingsWindow::PB, QStringLiteral("inp_ow"), true);
    EXPECT_EQ(refreshes.count(), 5);
}

TEST(DesignArea, OrderButtonsExchangeTheSelectedColumnWithItsNeighbour)
{
    DesignFixture window;
    auto *list = window.control<OrderList>("des_sp_ordnung");
    auto *up = window.control<QPushButton>("BitBtn5");
    auto *down = window.control<QPushButton>("BitBtn6");
    ASSERT_EQ(list->count(), 12);
    QSignalSpy orderChanges(&window.state.settings, &Settings::columnOrderChanged);

    list->setCurrentRow(11);
    for (int step = 0; step < 11; ++step)
        up->click();
    const QStringList order = window.state.settings.columnOrder();
    EXPECT_EQ(order.first(), QStringLiteral("12 Prüfsummen"));
    EXPECT_EQ(order.at(1), QStringLiteral("01 Dateiname"));
    EXPECT_EQ(order.last(), QStringLiteral("11 Dateipfad"));
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("12 Prüfsummen"));
    EXPECT_EQ(orderChanges.count(), 11);

    // With the checksum column on, the table now starts with the checksum columns.
    window.control<QCheckBox>("act_checksum")->click();
    const ActArray columns =
        fillActArray(window.state.fileList.rows(), window.state.settings, germanLocale, OutputFormat::Txt)
            .actArray;
    ASSERT_GE(columns.size(), 3);
    EXPECT_EQ(columns.at(0).header, QStringLiteral("MD5"));
    EXPECT_EQ(columns.at(1).header, QStringLiteral("CRC32"));
    EXPECT_EQ(columns.at(2).kind, ColumnKind::FileName);

    up->click();
    list->setCurrentRow(11);
    down->click();
    EXPECT_EQ(orderChanges.count(), 11);
    EXPECT_EQ(window.state.settings.columnOrder(), order);

    list->setCurrentRow(0);
    down->click();
    EXPECT_EQ(window.state.settings.columnOrder().mid(0, 2),
              (QStringList{QStringLiteral("01 Dateiname"), QStringLiteral("12 Prüfsummen")}));
    EXPECT_EQ(list->currentRow(), 1);

    // Dragging moves the entry (not an exchange) and keeps it selected.
    list->setCurrentRow(1);
    list->des_sp_ordnungDragOver(5);
    EXPECT_EQ(window.state.settings.columnOrder().at(5), QStringLiteral("12 Prüfsummen"));
    EXPECT_EQ(window.state.settings.columnOrder().at(1), QStringLiteral("02 Format"));
    EXPECT_EQ(window.state.settings.columnOrder().at(4), QStringLiteral("05 Erstellt"));
    EXPECT_EQ(list->currentRow(), 5);

    // A drag from elsewhere is refused and moves nothing.
    const QStringList before = window.state.settings.columnOrder();
    QMimeData foreign;
    foreign.setText(QStringLiteral("01 Dateiname"));
    const QPoint onFirst = list->visualItemRect(list->item(0)).center();
    QDragEnterEvent enter(onFirst, Qt::MoveAction, &foreign, Qt::LeftButton, {});
    QCoreApplication::sendEvent(list->viewport(), &enter);
    EXPECT_FALSE(enter.isAccepted());
    QDragMoveEvent move(onFirst, Qt::MoveAction, &foreign, Qt::LeftButton, {});
    QCoreApplication::sendEvent(list->viewport(), &move);
    EXPECT_FALSE(move.isAccepted());
    EXPECT_EQ(window.state.settings.columnOrder(), before);
}

TEST(DesignArea, InactiveColumnsAreGreyInTheOrderList)
{
    DesignFixture window;
    auto *list = window.control<OrderList>("des_sp_ordnung");
    const QColor normal = list->palette().color(QPalette::Active, QPalette::Text);
    const QColor grey = list->palette().color(QPalette::Disabled, QPalette::Text);
    ASSERT_NE(normal, grey);
    EXPECT_EQ(list->item(0)->foreground().color(), normal); // 01 Dateiname
    EXPECT_EQ(list->item(1)->foreground().color(), grey);   // 02 Format
    EXPECT_EQ(list->item(3)->foreground().color(), normal); // 04 Dateigröße

    // The darkest ink of a row tells its colour apart, whatever the font's smoothing.
    window.state.settings.setOn(SettingsWindow::PB, QStringLiteral("apanel101"), true);
    const auto darkestInk = [&](int row) {
        const QImage picture = list->viewport()->grab().toImage();
        const QRect rect = list->visualItemRect(list->item(row));
        int darkest = 255;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                darkest = qMin(darkest, qGray(picture.pixel(x, y)));
        return darkest;
    };
    EXPECT_LT(darkestInk(0), darkestInk(1) - 40);

    // Switching a column on repaints its entry; so does a new column order.
    window.state.settings.setOn(SettingsWindow::PB, QStringLiteral("act_format_dateiformat"), true);
    EXPECT_EQ(list->item(1)->foreground().color(), normal);
    EXPECT_NEAR(darkestInk(1), darkestInk(0), 10);
    window.state.settings.setOn(SettingsWindow::PB, QStringLiteral("act_name"), false);
    EXPECT_EQ(list->item(0)->foreground().color(), grey);
    window.state.settings.setColumnOrder(defaultColumnOrder(Language::English).mid(1)
                                         << QStringLiteral("01 Filename"));
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("02 Format"));
    EXPECT_EQ(list->item(0)->foreground().color(), normal);
    EXPECT_EQ(list->item(11)->foreground().color(), grey);
}

TEST(DesignArea, GroupingControlsFollowTheGroupingChoice)
{
    DesignFixture window;
    const char *grouped[] = {"Label11", "des_grup", "des_grup_header", "des_grup_oben", "des_grup_unten"};
    for (const char *name : grouped)
        EXPECT_FALSE(window.control(name)->isEnabled()) << name;
    window.state.settings.setOn(SettingsWindow::PB, QStringLiteral("apanel91"), true);
    QTest::mouseClick(window.control("des_grup_ja"), Qt::LeftButton);
    EXPECT_TRUE(window.on("des_grup_ja"));
    for (const char *name : grouped)
        EXPECT_TRUE(window.control(name)->isEnabled()) << name;
    window.control<QRadioButton>("des_grup_nein")->click();
    EXPECT_FALSE(window.control("des_grup")->isEnabled());
    // Set by a configuration rather than a click.
    window.state.settings.setOn(SettingsWindow::PB, QStringLiteral("des_grup_ja"), true);
    EXPECT_TRUE(window.control("des_grup_unten")->isEnabled());
    EXPECT_FALSE(window.control<QRadioButton>("des_grup_nein")->isChecked());
}

TEST(DesignArea, CustomItemEmptiesTheFieldForAnOwnText)
{
    DesignFixture window;
    window.state.settings.setOn(SettingsWindow::PB, QStringLiteral("apanel51"), true);
    window.state.settings.setOn(SettingsWindow::PB, QStringLiteral("apanel81"), true);
    for (const char *name : {"act_attribute_hidden_nein", "des_tab_pz"}) {
        auto *list = window.control<QComboBox>(name);
        ASSERT_TRUE(list->isEditable()) << name;
        list->setCurrentIndex(list->findText(QStringLiteral("Benutzerdefiniert..")));
        EXPECT_EQ(window.value(name), QString()) << name;
        EXPECT_EQ(list->currentText(), QString()) << name;
        EXPECT_TRUE(list->hasFocus()) << name;
        QTest::keyClicks(list, QStringLiteral("#"));
        EXPECT_EQ(window.value(name), QStringLiteral("#")) << name;
    }
    // Other items are taken as they are, also the current one picked again after typing over it.
    auto *yes = window.control<QComboBox>("act_attribute_hidden_ja");
    yes->setCurrentIndex(1);
    EXPECT_EQ(window.value("act_attribute_hidden_ja"), QStringLiteral("versteckt"));
    yes->setFocus();
    QTest::keyClicks(yes, QStringLiteral("!"));
    EXPECT_EQ(window.value("act_attribute_hidden_ja"), QStringLiteral("versteckt!"));
    yes->showPopup();
    QAbstractItemView *items = yes->view();
    QTest::mouseClick(items->viewport(), Qt::LeftButton, {},
                      items->visualRect(items->model()->index(1, 0)).center());
    EXPECT_EQ(yes->currentText(), QStringLiteral("versteckt"));
    EXPECT_EQ(window.value("act_attribute_hidden_ja"), QStringLiteral("versteckt"));
}

TEST(DesignArea, CaptionsAndListItemsFollowTheLanguage)
{
    DesignFixture window;
    for (const ControlText &text : designTexts())
        for (const QString &name : textComponents(text))
            EXPECT_NE(window.prog->findChild<QWidget *>(name), nullptr) << name.toStdString();
    EXPECT_EQ(window.control<QPushButton>("act_size_bb")->text(), QStringLiteral("Optionen"));
    EXPECT_EQ(window.control<QCheckBox>("act_datum_zugegriffen")->text(),
              QStringLiteral("Datum: Letzter Zugriff"));
    EXPECT_EQ(window.control<QLabel>("act_size_ed_label")->text(), QStringLiteral("Spaltenüberschrift:"));

    window.state.settings.setValue(SettingsWindow::PB, QStringLiteral("act_size_ed"),
                                   QStringLiteral("Dateigröße (KB)"));
    window.state.settings.setValue(SettingsWindow::PB, QStringLiteral("act_pfad_ed"), QStringLiteral("Ort"));
    window.state.settings.setLanguage(Language::English);
    EXPECT_EQ(window.control<QPushButton>("act_size_bb")->text(), QStringLiteral("Options"));
    EXPECT_EQ(window.control<QCheckBox>("act_attribute_hidden")->text(),
              QStringLiteral("File Attribut: Hidden"));
    EXPECT_EQ(window.control<QLabel>("Label8")->text(), QStringLiteral("Order of Columns"));
    EXPECT_EQ(window.control<QPushButton>("BitBtn6")->text(), QStringLiteral("Move Down (Right)"));
    EXPECT_EQ(window.control<QLineEdit>("act_size_ed")->text(), QStringLiteral("File Size (KB)"));
    EXPECT_EQ(window.control<QLineEdit>("act_pfad_ed")->text(), QStringLiteral("Ort"));
    auto *grouping = window.control<QComboBox>("des_grup");
    EXPECT_EQ(grouping->itemText(0), QStringLiteral("Folder"));
    EXPECT_EQ(grouping->currentText(), QStringLiteral("Windows Type"));
    auto *no = window.control<QComboBox>("act_attribute_readonly_nein");
    EXPECT_EQ(no->currentText(), QStringLiteral("no"));
    EXPECT_EQ(no->itemText(3), QStringLiteral("Custom.."));

    window.state.settings.setLanguage(Language::German);
    EXPECT_EQ(window.control<QLabel>("Label13")->text(), QStringLiteral("Weitere Funktionen"));
    EXPECT_EQ(window.value("act_size_ed"), QStringLiteral("Dateigröße (KB)"));
    EXPECT_EQ(grouping->currentText(), QStringLiteral("Windows Typ"));
}
