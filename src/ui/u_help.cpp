#include "ui/u_help.h"

#include "common/help_texts.h"
#include "common/settings.h"

#include <QTextBrowser>
#include <QVBoxLayout>

HelpWindow::HelpWindow(Settings &settings, QWidget *parent)
    : QWidget(parent, Qt::Window), m_settings(settings), m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("help_window"));
    m_browser->setObjectName(QStringLiteral("help_browser"));
    // The pages link only to one another; nothing leaves the program's resources.
    m_browser->setOpenExternalLinks(false);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    // Wide enough for the picture of the main window beside the scroll bar.
    resize(880, 680);

    connect(m_browser, &QTextBrowser::sourceChanged, this, [this](const QUrl &url) {
        if (const std::optional<HelpPlace> place = helpPlaceOf(url))
            m_page = place->page;
    });
    applyLanguage();
}

void HelpWindow::showPage(HelpPage page)
{
    m_page = page;
    m_browser->setSource(helpPageUrl(page, m_settings.language()));
    show();
    raise();
    activateWindow();
}

void HelpWindow::applyLanguage()
{
    const Language language = m_settings.language();
    setWindowTitle(helpText(HelpText::HelpCaption, language));
    m_browser->setSource(helpPageUrl(m_page, language));
}
