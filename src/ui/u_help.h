#pragma once
// The help window: the help pages of the interface language in a text browser. There is one
// window; after a language switch it shows the same page of the other language.
#include "app/help_pages.h"

#include <QWidget>

class QTextBrowser;
class Settings;

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(Settings &settings, QWidget *parent = nullptr);

    // Shows the page in the current language and brings the window to the front.
    void showPage(HelpPage page);
    // The page shown, also after following a link between the pages.
    HelpPage page() const { return m_page; }
    QTextBrowser *browser() const { return m_browser; }

    // The caption and the shown page in the current language; the language switch calls it.
    void applyLanguage();

private:
    Settings &m_settings;
    QTextBrowser *m_browser;
    HelpPage m_page = HelpPage::Introduction;
};
