#include "design_area_support.h"
#include "ui/u_design_wheel.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

// Opens enough options that the stack is higher than the box.
void openManyOptions(DesignFixture &window)
{
    for (const char *panel :
         {"apanel11", "apanel31", "apanel41", "apanel51", "apanel81", "apanel91", "apanel101"})
        window.state.settings.setOn(SettingsWindow::PB, QString::fromUtf8(panel), true);
}

// One notch of the wheel (towards the user for a negative delta) at a point of a widget.
void turnWheel(QWidget *target, QPoint at, int delta)
{
    QWheelEvent turn(at, target->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(target, &turn);
}

} // namespace

TEST(DesignWheel, WheelScrollsTheOptionsUnlessADropDownListWasClickedLast)
{
    DesignFixture window;
    ASSERT_TRUE(window.shown);
    openManyOptions(window);
    QScrollBar *bar = window.box->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 200);
    QWidget *viewport = window.box->viewport();
    const QPoint middle = viewport->rect().center();

    turnWheel(viewport, middle, -120);
    EXPECT_EQ(bar->value(), 20);
    EXPECT_TRUE(window.box->hasFocus());
    // However large the turn: one step per wheel event, also over a control inside.
    turnWheel(viewport, middle, -360);
    EXPECT_EQ(bar->value(), 40);
    turnWheel(viewport, middle, 120);
    EXPECT_EQ(bar->value(), 20);

    // After a click into a drop-down list the wheel changes the list, wherever it turns over the options.
    auto *unit = window.control<QComboBox>("act_size_einheit");
    window.box->ensureWidgetVisible(unit);
    const int scrolled = bar->value();
    QTest::mouseClick(unit, Qt::LeftButton);
    unit->hidePopup();
    ASSERT_TRUE(unit->hasFocus());
    EXPECT_FALSE(window.area->wheel().wheelAllowed());
    turnWheel(viewport, middle, -120);
    EXPECT_EQ(bar->value(), scrolled);
    EXPECT_EQ(window.value("act_size_einheit"), QStringLiteral("MB"));
    turnWheel(unit, unit->rect().center(), 120);
    EXPECT_EQ(window.value("act_size_einheit"), QStringLiteral("KB"));
    EXPECT_EQ(bar->value(), scrolled);

    // A click on a caption of the options gives the wheel back to the box.
    auto *caption = window.control<QLabel>("Label3");
    QTest::mouseClick(caption, Qt::LeftButton);
    EXPECT_TRUE(window.area->wheel().wheelAllowed());
    EXPECT_TRUE(window.box->hasFocus());
    turnWheel(viewport, middle, -120);
    EXPECT_EQ(bar->value(), scrolled + 20);

    // Outside the options the wheel is none of its business.
    const int before = bar->value();
    QWidget *list = window.prog->findChild<QWidget *>(QStringLiteral("qulist"));
    turnWheel(list, list->rect().center(), -120);
    EXPECT_FALSE(window.area->wheel().mouseOverOptions());
    EXPECT_EQ(bar->value(), before);
}

TEST(DesignWheel, ReleasingTheButtonOutsideADropDownListAllowsTheWheelAgain)
{
    DesignFixture window;
    openManyOptions(window);
    auto *unit = window.control<QComboBox>("act_size_einheit");
    QTest::mouseClick(unit, Qt::LeftButton);
    unit->hidePopup();
    EXPECT_FALSE(window.area->wheel().wheelAllowed());
    // A click on a check box moves the focus there; the release then allows the wheel.
    QTest::mouseClick(window.control("act_size_showunit"), Qt::LeftButton);
    EXPECT_TRUE(window.area->wheel().wheelAllowed());
}

TEST(DesignWheel, ArrangingPanelsKeepsTheScrollPosition)
{
    DesignFixture window;
    openManyOptions(window);
    QScrollBar *bar = window.box->verticalScrollBar();
    bar->setValue(150);
    const int rangeBefore = bar->maximum();
    window.control<QPushButton>("act_pfad_bb")->click();
    EXPECT_EQ(bar->maximum(), rangeBefore + window.control("apanel71")->height());
    EXPECT_EQ(bar->value(), 150);
    window.control<QPushButton>("act_name_bb")->click();
    EXPECT_FALSE(window.control("apanel11")->isVisible());
    EXPECT_EQ(bar->value(), 150);
    window.area->arrangePanels();
    EXPECT_EQ(bar->value(), 150);
}

TEST(DesignWheel, DecimalsTakeDigitsOnlyAndFixedListsNoTypedKeys)
{
    DesignFixture window;
    window.state.settings.setOn(SettingsWindow::PB, QStringLiteral("apanel31"), true);
    auto *decimals = window.control<QComboBox>("act_size_nks");
    decimals->setFocus();
    QTest::keyClicks(decimals, QStringLiteral("a5 "));
    EXPECT_EQ(window.value("act_size_nks"), QStringLiteral("35"));
    QTest::keyClick(decimals, Qt::Key_Backspace);
    EXPECT_EQ(window.value("act_size_nks"), QStringLiteral("3"));
    // Once the text is no whole number, nothing more is typed.
    window.state.settings.setValue(SettingsWindow::PB, QStringLiteral("act_size_nks"), QStringLiteral("x"));
    QTest::keyClicks(decimals, QStringLiteral("4"));
    QTest::keyClick(decimals, Qt::Key_Backspace);
    EXPECT_EQ(window.value("act_size_nks"), QStringLiteral("x"));
    // Picking an item still works.
    decimals->setCurrentIndex(0);
    EXPECT_EQ(window.value("act_size_nks"), QStringLiteral("0"));

    for (const char *name : {"act_size_einheit", "act_datum_erstellt_format", "des_grup"}) {
        auto *list = window.control<QComboBox>(name);
        EXPECT_FALSE(list->isEditable()) << name;
        const QString before = list->currentText();
        list->setFocus();
        QTest::keyClicks(list, QStringLiteral("MdO"));
        EXPECT_EQ(list->currentText(), before) << name;
    }
    // The arrow keys still walk the list.
    auto *unit = window.control<QComboBox>("act_size_einheit");
    QTest::keyClick(unit, Qt::Key_Down);
    EXPECT_EQ(window.value("act_size_einheit"), QStringLiteral("MB"));
}
