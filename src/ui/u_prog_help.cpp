// The main window's help and reports: the menu "Hilfe und Info" of each language, the item
// that reports a fault, and the lines of "Weitere Funktionen" that lead to the maker's support.
#include "app/help_pages.h"
#include "app/program_state.h"
#include "common/maker_address.h"
#include "ui/u_design_builder.h"
#include "ui/u_fault_report.h"
#include "ui/u_help.h"
#include "ui/u_prog.h"

#include <QAction>
#include <QBoxLayout>
#include <QFrame>
#include <QMenuBar>

namespace {

// The two menus "Hilfe und Info"; only the one of the interface language is shown.
const struct HelpMenu {
    Language language;
    const char *menu;
    const char *introduction;
    const char *report;
    const char *recommendations;
    const char *licence;
} helpMenus[] = {
    {Language::German, "m_info_de", "m_info_de_hilfe", "m_bug_de", "m_info_de_empfehlungen",
     "m_info_de_lizenz"},
    {Language::English, "m_info_en", "m_info_en_intro", "m_bug_en", "m_info_en_regards", "m_info_en_licence"},
};

constexpr const char *featureRequestLines[] = {"Label42", "Label43", "Label44", "Label45"};

} // namespace

void Tprog::buildHelpMenus()
{
    for (const HelpMenu &names : helpMenus) {
        QMenu *menu = menuBar()->addMenu(QString());
        menu->setObjectName(QString::fromUtf8(names.menu));
        const auto addItem = [menu](const char *name, auto handler) {
            QAction *action = menu->addAction(QString());
            action->setObjectName(QString::fromUtf8(name));
            connect(action, &QAction::triggered, menu, handler);
            return action;
        };
        addItem(names.introduction, [this] { showHelp(HelpPage::Introduction); });
        addItem(names.report, [this] { m_bugClick(); });
        addItem(names.recommendations, [this] { showHelp(HelpPage::Recommendations); });
        addItem(names.licence, [this] { showHelp(HelpPage::Licence); });
    }
}

void Tprog::showHelpMenuOfLanguage(Language language)
{
    for (const HelpMenu &names : helpMenus) {
        const bool current = names.language == language;
        menuBar()->findChild<QMenu *>(QString::fromUtf8(names.menu))->menuAction()->setVisible(current);
        // Both menus offer F1; only the shown one may hold it, or the key would be ambiguous.
        findChild<QAction *>(QString::fromUtf8(names.introduction))
            ->setShortcut(current ? QKeySequence(Qt::Key_F1) : QKeySequence());
    }
}

void Tprog::showHelp(HelpPage page)
{
    if (!m_helpWindow)
        m_helpWindow = new HelpWindow(m_state.settings, this);
    m_helpWindow->showPage(page);
}

void Tprog::m_bugClick()
{
    if (!m_reportWindow)
        m_reportWindow = new FaultReportWindow(
            m_state.settings, [this](const QUrl &url) { return m_openUrl(url); }, this);
    m_reportWindow->show();
    m_reportWindow->raise();
    m_reportWindow->activateWindow();
}

void Tprog::addFeatureRequestLines()
{
    auto *section = findChild<QFrame *>(QStringLiteral("apanelweitere0"));
    auto *column = qobject_cast<QBoxLayout *>(section->layout());
    for (const char *name : featureRequestLines) {
        auto *line = new ClickLabel(section);
        line->setObjectName(QString::fromUtf8(name));
        // They look and act like a link.
        line->setCursor(Qt::PointingHandCursor);
        line->setStyleSheet(QStringLiteral("color: palette(link);"));
        connect(line, &ClickLabel::clicked, this,
                [this] { m_openUrl(QUrl(makerSupportPage(m_state.settings.language()))); });
        column->addWidget(line);
    }
}
