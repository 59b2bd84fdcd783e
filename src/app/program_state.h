#pragma once
// The state that the windows share: the rows, the settings of every window, the
// interface language and the "OK for all" flag of the message dialog. The desktop
// program's main window owns one; the command-line program and the tests make their own.
#include "collect/file_list.h"
#include "common/settings.h"

#include <QObject>
#include <QString>

// The switches of the menu "Einstellungen" that steer adding; a click on an item flips it.
struct MenuSwitches {
    bool m_einst_dat = true;      // walk folders for their files; add single files
    bool m_einst_ord = false;     // folders get rows of their own
    bool m_einst_doppelt = false; // refuse a path that is already in the list
    bool m_einst_dst = true;      // daylight-saving correction of file times
};

class ProgramState : public QObject {
    Q_OBJECT
public:
    explicit ProgramState(QObject *parent = nullptr) : QObject(parent) {}

    Settings settings;
    FileList fileList;
    MenuSwitches menu;
    // Set by "OK für alle" and by bulk adding; while set, adding shows no messages.
    bool okForAll = false;

    QString language() const { return m_language; }
    void setLanguage(const QString &language)
    {
        if (language == m_language)
            return;
        m_language = language;
        Q_EMIT languageChanged(language);
    }

Q_SIGNALS:
    void languageChanged(const QString &language);

private:
    QString m_language = QStringLiteral("de");
};
