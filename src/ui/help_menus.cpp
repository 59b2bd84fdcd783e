#include "ui/help_menus.h"

#include "common/maker_address.h"
#include "common/settings.h"
#include "ui/u_design_builder.h"
#include "ui/u_fault_report.h"
#include "ui/u_help.h"

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

HelpMenus::HelpMenus(QMenuBar &bar, QWidget &window, Settings &settings)
    : QObject(&window), m_bar(bar), m_window(window), m_settings(settings)
{
    for (const HelpMenu &names : helpMenus) {
        QMenu *menu = bar.addMenu(QString());
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
    addFeatureRequestLines();
}

void HelpMenus::addReportItem(QMenu &fileMenu)
{
    QAction *item = fileMenu.addAction(QString());
    item->setObjectName(QStringLiteral("m_bug"));
    connect(item, &QAction::triggered, this, &HelpMenus::m_bugClick);
}

void HelpMenus::applyLanguageToWindows()
{
    if (m_helpWindow)
        m_helpWindow->applyLanguage();
    if (m_reportWindow)
        m_reportWindow->applyLanguage();
}

void HelpMenus::showMenuOfLanguage(Language language)
{
    for (const HelpMenu &names : helpMenus) {
        const bool current = names.language == language;
        m_bar.findChild<QMenu *>(QString::fromUtf8(names.menu))->menuAction()->setVisible(current);
        // Both menus offer F1; only the shown one may hold it, or the key would be ambiguous.
        m_bar.findChild<QAction *>(QString::fromUtf8(names.introduction))
            ->setShortcut(current ? QKeySequence(Qt::Key_F1) : QKeySequence());
    }
}

void HelpMenus::showHelp(HelpPage page)
{
    if (!m_helpWindow)
        m_helpWindow = new HelpWindow(m_settings, &m_window);
    m_helpWindow->showPage(page);
}

void HelpMenus::m_bugClick()
{
    if (!m_reportWindow)
        m_reportWindow = new FaultReportWindow(
            m_settings, [this](const QUrl &url) { return m_openUrl(url); }, &m_window);
    m_reportWindow->show();
    m_reportWindow->raise();
    m_reportWindow->activateWindow();
}

void HelpMenus::addFeatureRequestLines()
{
    auto *section = m_window.findChild<QFrame *>(QStringLiteral("apanelweitere0"));
    auto *column = qobject_cast<QBoxLayout *>(section->layout());
    for (const char *name : featureRequestLines) {
        auto *line = new ClickLabel(section);
        line->setObjectName(QString::fromUtf8(name));
        // They look and act like a link.
        line->setCursor(Qt::PointingHandCursor);
        line->setStyleSheet(QStringLiteral("color: palette(link);"));
        connect(line, &ClickLabel::clicked, this,
                [this] { m_openUrl(QUrl(makerSupportPage(m_settings.language()))); });
        column->addWidget(line);
    }
}
