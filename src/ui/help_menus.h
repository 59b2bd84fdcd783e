#pragma once
// Help and reports in the main window: the two menus "Hilfe und Info", of which only the one of
// the interface language shows, the item that reports a fault, and the lines of "Weitere
// Funktionen" that lead to the maker's support page. The help window and the fault-report
// window each exist once, made when first asked for.
#include "app/help_pages.h"
#include "common/language.h"
#include "ui/url_opener.h"

#include <QObject>

class FaultReportWindow;
class HelpWindow;
class QMenu;
class QMenuBar;
class QWidget;
class Settings;

class HelpMenus : public QObject {
    Q_OBJECT
public:
    // Adds the help menus to `bar` and the support lines to the section of `window`.
    HelpMenus(QMenuBar &bar, QWidget &window, Settings &settings);

    // The item that reports a fault, in the menu "Datei" too.
    void addReportItem(QMenu &fileMenu);
    void showMenuOfLanguage(Language language);
    // The captions of the windows made so far.
    void applyLanguageToWindows();
    // The help window on a page of the current language.
    void showHelp(HelpPage page);
    HelpWindow *helpWindow() const { return m_helpWindow; }
    FaultReportWindow *faultReportWindow() const { return m_reportWindow; }
    // Web pages and mails go through this; tests put in their own.
    void setUrlOpener(UrlOpener opener) { m_openUrl = std::move(opener); }

private Q_SLOTS:
    void m_bugClick();

private:
    void addFeatureRequestLines();

    QMenuBar &m_bar;
    QWidget &m_window;
    Settings &m_settings;
    HelpWindow *m_helpWindow = nullptr;
    FaultReportWindow *m_reportWindow = nullptr;
    UrlOpener m_openUrl = openWithDesktop;
};
