#include "app/fault_report.h"
#include "app/help_pages.h"
#include "program_fixture.h"
#include "ui/u_fault_report.h"
#include "ui/u_help.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QUrlQuery>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QAction *action(const Tprog &prog, const char *name)
{
    return prog.findChild<QAction *>(QString::fromUtf8(name));
}

QMenu *menu(const Tprog &prog, const char *name)
{
    return prog.menuBar()->findChild<QMenu *>(QString::fromUtf8(name));
}

QStringList entryNames(const QMenu *menu)
{
    QStringList names;
    for (const QAction *entry : menu->actions())
        names.append(entry->isSeparator() ? u"-"_s : entry->objectName());
    return names;
}

QStringList captions(const QMenu *menu)
{
    QStringList texts;
    for (const QAction *entry : menu->actions())
        texts.append(entry->text());
    return texts;
}

QUrl shownSource(const Tprog &prog)
{
    return prog.help().helpWindow() ? prog.help().helpWindow()->browser()->source() : QUrl();
}

// The addresses a page names in attributes such as src="..." or href="...".
QStringList attributeValues(const QString &html, const QString &attribute)
{
    QStringList values;
    const QRegularExpression pattern(attribute + u"\\s*=\\s*\"([^\"]*)\""_s,
                                     QRegularExpression::CaseInsensitiveOption);
    for (const QRegularExpressionMatch &match : pattern.globalMatch(html))
        values.append(match.captured(1));
    return values;
}

// Opened addresses, answered as a desktop with or without the program for them would.
struct OpenedUrls {
    QList<QUrl> urls;
    bool answer = true;
    UrlOpener opener()
    {
        return [this](const QUrl &url) {
            urls.append(url);
            return answer;
        };
    }
};

} // namespace

TEST(HelpMenus, OnlyTheMenuOfTheLanguageShowsAndHoldsF1)
{
    ProgramFixture window;
    const Tprog &prog = *window.prog;
    QMenu *german = menu(prog, "m_info_de");
    QMenu *english = menu(prog, "m_info_en");
    ASSERT_TRUE(german && english);
    EXPECT_EQ(prog.menuBar()->actions().constLast(), english->menuAction());
    EXPECT_EQ(entryNames(german), (QStringList{u"m_info_de_hilfe"_s, u"m_bug_de"_s,
                                               u"m_info_de_empfehlungen"_s, u"m_info_de_lizenz"_s}));
    EXPECT_EQ(entryNames(english), (QStringList{u"m_info_en_intro"_s, u"m_bug_en"_s, u"m_info_en_regards"_s,
                                                u"m_info_en_licence"_s}));
    QStringList fileEntries = entryNames(menu(prog, "m_datei"));
    EXPECT_EQ(
        fileEntries.mid(fileEntries.indexOf(u"m_datei_vorschauaktualisieren"_s)),
        (QStringList{u"m_datei_vorschauaktualisieren"_s, u"-"_s, u"m_bug"_s, u"-"_s, u"m_datei_beenden"_s}));

    EXPECT_TRUE(german->menuAction()->isVisible());
    EXPECT_FALSE(english->menuAction()->isVisible());
    EXPECT_EQ(german->title(), u"Hilfe und Info");
    EXPECT_EQ(captions(german), (QStringList{u"Hilfe und Einführung"_s, u"Fehler oder Verbesserung melden"_s,
                                             u"Empfehlungen"_s, u"Lizenz"_s}));
    EXPECT_EQ(action(prog, "m_bug")->text(), u"Fehler oder Verbesserung melden..");
    EXPECT_EQ(action(prog, "m_info_de_hilfe")->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_TRUE(action(prog, "m_info_en_intro")->shortcut().isEmpty());

    window.state.settings.setLanguage(Language::English);
    EXPECT_FALSE(german->menuAction()->isVisible());
    EXPECT_TRUE(english->menuAction()->isVisible());
    EXPECT_EQ(english->title(), u"Help and Information");
    EXPECT_EQ(captions(english), (QStringList{u"Help and Introduction"_s, u"Report Bug or Improvement"_s,
                                              u"Regards"_s, u"Licence"_s}));
    EXPECT_EQ(action(prog, "m_bug")->text(), u"Report Bug or Improvement..");
    EXPECT_EQ(action(prog, "m_info_en_intro")->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_TRUE(action(prog, "m_info_de_hilfe")->shortcut().isEmpty());
}

TEST(HelpWindow, KeyAndItemsOpenTheirPagesAndTheLanguageSwitchFollows)
{
    ProgramFixture window;
    Tprog &prog = *window.prog;
    EXPECT_EQ(prog.help().helpWindow(), nullptr);
    prog.show();
    prog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&prog));
    QTest::keyClick(&prog, Qt::Key_F1);
    HelpWindow *help = prog.help().helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle(), u"Tabulix - Hilfe und Info");
    EXPECT_EQ(shownSource(prog), QUrl(u"qrc:/help/de/einfuehrung.html"_s));
    EXPECT_TRUE(help->browser()->toPlainText().contains(u"Spalten und Design"_s));

    action(prog, "m_info_de_empfehlungen")->trigger();
    EXPECT_EQ(shownSource(prog), QUrl(u"qrc:/help/de/empfehlungen.html"_s));
    action(prog, "m_info_de_lizenz")->trigger();
    EXPECT_EQ(shownSource(prog), QUrl(u"qrc:/help/de/lizenz.html"_s));
    action(prog, "m_info_de_hilfe")->trigger();
    EXPECT_EQ(shownSource(prog), QUrl(u"qrc:/help/de/einfuehrung.html"_s));
    // A followed link counts as the page shown.
    help->browser()->setSource(QUrl(u"qrc:/help/de/lizenz.html"_s));

    // The same window shows the same page of the other language.
    window.state.settings.setLanguage(Language::English);
    EXPECT_EQ(prog.help().helpWindow(), help);
    EXPECT_EQ(help->windowTitle(), u"Tabulix - Help and Information");
    EXPECT_EQ(shownSource(prog), QUrl(u"qrc:/help/en/licence.html"_s));
    EXPECT_TRUE(help->browser()->toPlainText().contains(u"Libraries used"_s));
    action(prog, "m_info_en_regards")->trigger();
    EXPECT_EQ(shownSource(prog), QUrl(u"qrc:/help/en/regards.html"_s));
    action(prog, "m_info_en_licence")->trigger();
    EXPECT_EQ(shownSource(prog), QUrl(u"qrc:/help/en/licence.html"_s));
    prog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&prog));
    QTest::keyClick(&prog, Qt::Key_F1);
    EXPECT_EQ(shownSource(prog), QUrl(u"qrc:/help/en/introduction.html"_s));

    window.state.settings.setLanguage(Language::German);
    EXPECT_EQ(shownSource(prog), QUrl(u"qrc:/help/de/einfuehrung.html"_s));
}

TEST(HelpWindow, EveryPageLoadsWithItsPicturesAndLinksThatStayInItsLanguage)
{
    const QStringList pages = helpPageResources();
    ASSERT_EQ(pages.size(), 6);
    QTextBrowser browser;
    for (const QString &path : pages) {
        SCOPED_TRACE(path.toStdString());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        EXPECT_TRUE(html.contains(u"<h1>"_s));
        const QUrl url(u"qrc"_s + path);
        const std::optional<HelpPlace> place = helpPlaceOf(url);
        ASSERT_TRUE(place);
        EXPECT_EQ(helpPageUrl(place->page, place->language), url);
        browser.setSource(url);
        EXPECT_FALSE(browser.toPlainText().trimmed().isEmpty());

        const QStringList pictures = attributeValues(html, u"src"_s);
        EXPECT_EQ(!pictures.isEmpty(), place->page == HelpPage::Introduction);
        for (const QString &picture : pictures) {
            const QUrl pictureUrl = url.resolved(QUrl(picture));
            EXPECT_TRUE(QFile::exists(u':' + pictureUrl.path())) << picture.toStdString();
            const QImage image(u':' + pictureUrl.path());
            EXPECT_FALSE(image.isNull()) << picture.toStdString();
            // Shown in the browser as it finds it, at a size that fits the help window.
            EXPECT_FALSE(browser.document()->resource(QTextDocument::ImageResource, QUrl(picture)).isNull());
            EXPECT_LE(image.width(), 1000);
        }
        const QStringList links = attributeValues(html, u"href"_s);
        EXPECT_EQ(links.size(), 2);
        for (const QString &link : links) {
            const std::optional<HelpPlace> target = helpPlaceOf(url.resolved(QUrl(link)));
            ASSERT_TRUE(target) << link.toStdString();
            EXPECT_EQ(target->language, place->language);
            EXPECT_NE(target->page, place->page);
        }
    }
    EXPECT_FALSE(helpPlaceOf(QUrl(u"qrc:/help/de/fehlt.html"_s)));
    EXPECT_FALSE(helpPlaceOf(QUrl(u"https://tabulix.example/help/de/einfuehrung.html"_s)));
}

TEST(FaultReportWindow, GathersTheReportAndHandsItOnWithoutSending)
{
    ProgramFixture window;
    Tprog &prog = *window.prog;
    OpenedUrls opened;
    prog.help().setUrlOpener(opened.opener());
    action(prog, "m_bug")->trigger();
    FaultReportWindow *report = prog.help().faultReportWindow();
    ASSERT_NE(report, nullptr);
    EXPECT_TRUE(report->isVisible());
    action(prog, "m_bug_de")->trigger();
    EXPECT_EQ(prog.help().faultReportWindow(), report);
    EXPECT_EQ(report->windowTitle(), u"Fehler oder Verbesserung melden");
    EXPECT_TRUE(
        report->facts->toPlainText().contains(u"Programmversion: "_s + QStringLiteral(TABULIX_VERSION)));

    QTest::keyClicks(report->description, u"Die Vorschau bleibt leer & grau."_s);
    QTest::mouseClick(report->copyButton, Qt::LeftButton);
    const QString copied = QGuiApplication::clipboard()->text();
    EXPECT_EQ(copied, report->reportText());
    for (const QString &expected : QStringList{u"Die Vorschau bleibt leer & grau."_s,
                                               u"Programmversion: "_s + QStringLiteral(TABULIX_VERSION),
                                               u"Qt-Version: "_s + QString::fromLatin1(qVersion())})
        EXPECT_TRUE(copied.contains(expected)) << expected.toStdString();
    EXPECT_EQ(report->status->text(), u"Der Bericht ist in der Zwischenablage.");
    EXPECT_TRUE(opened.urls.isEmpty());

    QTest::mouseClick(report->mailButton, Qt::LeftButton);
    ASSERT_EQ(opened.urls.size(), 1);
    const QUrl mail = opened.urls.constFirst();
    EXPECT_EQ(mail.scheme(), u"mailto");
    QString expectedBody = report->reportText();
    expectedBody.replace(u'\n', u"\r\n"_s);
    EXPECT_EQ(QUrlQuery(mail).queryItemValue(u"body"_s, QUrl::FullyDecoded), expectedBody);
    EXPECT_TRUE(report->status->text().isEmpty());
    opened.answer = false;
    QTest::mouseClick(report->mailButton, Qt::LeftButton);
    EXPECT_TRUE(report->status->text().startsWith(u"Kein E-Mail-Programm"_s));

    // The window speaks the new language; what the user wrote stays.
    window.state.settings.setLanguage(Language::English);
    EXPECT_EQ(report->windowTitle(), u"Report Bug or Improvement");
    EXPECT_EQ(report->copyButton->text(), u"Copy to Clipboard");
    EXPECT_TRUE(report->facts->toPlainText().contains(u"Language: English"_s));
    EXPECT_EQ(report->description->toPlainText(), u"Die Vorschau bleibt leer & grau.");
    EXPECT_TRUE(report->reportText().startsWith(u"Tabulix: Bug or Improvement"_s));
    action(prog, "m_bug_en")->trigger();
    EXPECT_EQ(prog.help().faultReportWindow(), report);
    QTest::mouseClick(report->closeButton, Qt::LeftButton);
    EXPECT_FALSE(report->isVisible());
}

TEST(FeatureRequestLines, FourLinesLeadToTheSupportPageOfTheLanguage)
{
    ProgramFixture window;
    Tprog &prog = *window.prog;
    OpenedUrls opened;
    prog.help().setUrlOpener(opened.opener());
    prog.show();
    auto *section = prog.findChild<QWidget *>(u"apanelweitere0"_s);
    ASSERT_NE(section, nullptr);
    QList<QLabel *> lines;
    for (const char *name : {"Label42", "Label43", "Label44", "Label45"}) {
        auto *line = section->findChild<QLabel *>(QString::fromUtf8(name));
        ASSERT_NE(line, nullptr) << name;
        lines.append(line);
    }
    EXPECT_EQ(lines.constFirst()->text(), u"Sie vermissen eine Funktion?");
    for (QLabel *line : std::as_const(lines))
        EXPECT_FALSE(line->text().isEmpty());
    QTest::mouseClick(lines.at(1), Qt::LeftButton);
    EXPECT_EQ(opened.urls, QList<QUrl>{QUrl(u"https://tabulix.example/de/support"_s)});

    window.state.settings.setLanguage(Language::English);
    EXPECT_EQ(lines.constFirst()->text(), u"Missing a Function?");
    QTest::mouseClick(lines.at(3), Qt::LeftButton);
    EXPECT_EQ(opened.urls.constLast(), QUrl(u"https://tabulix.example/en/support"_s));
    EXPECT_EQ(opened.urls.size(), 2);
}
