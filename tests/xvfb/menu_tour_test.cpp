// Every menu of the menu bar opened on a real X screen, in both languages: no caption is empty,
// each fits the place the menu gives it, each menu stays on the screen. The pictures of the
// open menus stay in the build folder to look at.
#include "program_fixture.h"

#include <QDir>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The caption as drawn: "&&" is one ampersand, a single "&" only marks the access key.
QString drawnText(QString caption)
{
    caption.replace(u"&&"_s, u"\x1f"_s);
    caption.remove(u'&');
    return caption.replace(u'\x1f', u'&');
}

class MenuTour {
public:
    MenuTour(Tprog &prog, const QString &language) : m_prog(prog), m_language(language)
    {
        QDir().mkpath(QStringLiteral(TABULIX_ARTEFACTS_DIR));
    }

    void visitMenuBar()
    {
        QMenuBar *bar = m_prog.menuBar();
        for (QAction *top : bar->actions()) {
            if (!top->isVisible())
                continue;
            const QString title = drawnText(top->text());
            SCOPED_TRACE(QString(m_language + u" menu "_s + top->menu()->objectName()).toStdString());
            EXPECT_FALSE(title.trimmed().isEmpty());
            EXPECT_LE(QFontMetrics(top->font().resolve(bar->font())).horizontalAdvance(title),
                      bar->actionGeometry(top).width());
            bar->setActiveAction(top);
            visitOpenMenu(top->menu());
            top->menu()->hide();
            ASSERT_TRUE(QTest::qWaitFor([top] { return !top->menu()->isVisible(); }));
        }
    }

private:
    void visitOpenMenu(QMenu *menu)
    {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
        const QRect screen = menu->screen()->geometry();
        EXPECT_TRUE(screen.contains(menu->geometry())) << "menu beyond the screen";
        keepPicture(menu->objectName());
        for (QAction *item : menu->actions()) {
            if (!item->isVisible() || item->isSeparator())
                continue;
            checkItem(menu, item);
            if (QMenu *submenu = item->menu()) {
                submenu->popup(menu->mapToGlobal(menu->actionGeometry(item).topRight()));
                visitOpenMenu(submenu);
                submenu->hide();
            }
        }
    }

    void checkItem(const QMenu *menu, QAction *item)
    {
        const QString text = drawnText(item->text());
        SCOPED_TRACE(item->objectName().toStdString());
        EXPECT_FALSE(text.trimmed().isEmpty());
        const QFontMetrics metrics(item->font().resolve(menu->font()));
        int needed = metrics.horizontalAdvance(text);
        if (!item->shortcut().isEmpty())
            needed += metrics.horizontalAdvance(item->shortcut().toString(QKeySequence::NativeText));
        EXPECT_LE(needed, menu->actionGeometry(item).width()) << text.toStdString();
    }

    void keepPicture(const QString &menuName)
    {
        QCoreApplication::processEvents();
        const QImage picture = m_prog.screen()->grabWindow(0).toImage();
        const QString file =
            u"%1/menu-%2-%3.png"_s.arg(QStringLiteral(TABULIX_ARTEFACTS_DIR), m_language, menuName);
        EXPECT_TRUE(picture.save(file)) << file.toStdString();
    }

    Tprog &m_prog;
    QString m_language;
};

} // namespace

TEST(MenusOnScreen, EveryMenuInBothLanguagesShowsFittingCaptions)
{
    ASSERT_EQ(QGuiApplication::platformName(), u"xcb") << "run under xvfb-run with QT_QPA_PLATFORM=xcb";
    ProgramFixture window;
    window.prog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.prog));
    for (const Language language : {Language::German, Language::English}) {
        window.chooseLanguage(language);
        ASSERT_EQ(window.state.settings.language(), language);
        MenuTour(*window.prog, languageCode(language)).visitMenuBar();
    }
}
