#pragma once
// One named value per option control of every window, addressed by the window's
// two-letter prefix and the control's component name, beside the interface language and the
// menu switches. Setting a value, whoever does it, emits a signal, which runs the reactions
// that windows and logic connect to it.
#include "common/language.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

enum class SettingsWindow { PB, PF, EA, PS, DU, DF, SC };
enum class SettingKind { Text, Choice, Radio, Check, Panel };

inline constexpr SettingsWindow allSettingsWindows[] = {
    SettingsWindow::PB, SettingsWindow::PF, SettingsWindow::EA, SettingsWindow::PS,
    SettingsWindow::DU, SettingsWindow::DF, SettingsWindow::SC};

QString windowPrefix(SettingsWindow window); // "PB", "PF", ...
QString kindSuffix(SettingKind kind);        // "ED", "CB", "RB", "CH", "PA"
bool isSwitchKind(SettingKind kind);         // radio, check and panel hold "1" or "0"

// One control of the defaults table: its window, name, kind, fresh-start value and, for
// radio buttons, the group whose members switch each other off.
struct SettingDefinition {
    SettingsWindow window;
    const char *name;
    SettingKind kind;
    const char *value;
    const char *radioGroup = nullptr;
};

// The check items of the menus that configurations store: the adding switches of the menu
// "Einstellungen", the areas of the menu "Ansicht" and the automatic saving of the menu
// "Konfiguration". A click on an item flips it.
enum class MenuSwitch {
    AddFolderFiles,     // walk folders for their files; add single files (`m_einst_dat`)
    AddFolderRows,      // folders get rows of their own (`m_einst_ord`)
    RefuseDuplicates,   // refuse a path that is already in the list (`m_einst_doppelt`)
    DaylightCorrection, // daylight-saving correction of file times (`m_einst_dst`)
    ShowInput,          // the files area is shown (`m_anz_input`)
    ShowPreview,        // the preview area (`m_anz_vorschau`)
    ShowActions,        // the columns-and-design area (`m_anz_aktionen`)
    ShowOutput,         // the saving area (`m_anz_output`)
    AutoSaveNever,      // closing the main window saves nothing (`m_konfig_autosave_nie`)
    AutoSaveProfile,    // ... saves the profile into the start configuration (`m_konfig_autosave_profil`)
    AutoSaveAll,        // ... saves everything as the start configuration (`m_konfig_autosave_alles`)
};

// Where a window stands: maximised, or its client area's position and size on the screen.
struct WindowPlacement {
    bool maximized = false;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const WindowPlacement &other) const = default;
};

// The renaming tool's client size at a fresh start and after a reset: ten rows of its list and
// every column header in view, with the desktop's fonts.
inline constexpr int RenamerStartWidth = 720;
inline constexpr int RenamerStartHeight = 780;

// The main window's placement with the sizes of its two splitters.
struct MainWindowPlacement {
    WindowPlacement window{false, 0, 0, 826, 644};
    int rightColumnWidth = 316; // the actions and output column
    int filesAreaHeight = 301;  // the files area above the preview
    bool operator==(const MainWindowPlacement &other) const = default;
};

// A font with the colour its text is drawn in, as the font and colour dialogs choose them.
struct StyledFont {
    QFont font;
    QColor colour = Qt::black;
    bool operator==(const StyledFont &other) const = default;
};

// The look of the preview's text view. Invalid colours stand for the desktop's own text and
// background colours.
struct TextViewLook {
    StyledFont font{QFont(QStringLiteral("Courier New"), 8), QColor()};
    QColor background;
    bool wraps = false;
    bool operator==(const TextViewLook &other) const = default;
};

// Every stored control of every window, in each window's control order.
const QVector<SettingDefinition> &settingDefinitions();
// The column order of a fresh start ("01 Dateiname" ... "12 Prüfsummen"), per language.
QStringList defaultColumnOrder(Language language);

class Settings : public QObject {
    Q_OBJECT
public:
    explicit Settings(QObject *parent = nullptr);

    bool contains(SettingsWindow window, const QString &name) const;
    SettingKind kind(SettingsWindow window, const QString &name) const;
    QString value(SettingsWindow window, const QString &name) const;
    bool isOn(SettingsWindow window, const QString &name) const;

    // Unknown names throw TabulixError: a misspelt component name is a program fault.
    void setValue(SettingsWindow window, const QString &name, const QString &value);
    void setOn(SettingsWindow window, const QString &name, bool on);

    // Component names of one kind in the window's control order (the order of saving).
    QStringList controlOrder(SettingsWindow window, SettingKind kind) const;

    QStringList columnOrder() const { return m_values.columnOrder; }
    void setColumnOrder(const QStringList &entries);

    // Every control back to its fresh-start value, each change announced. The language and
    // the menu switches keep their values.
    void resetToDefaults(Language language);

    Language language() const { return m_values.language; }
    void setLanguage(Language language);

    bool isOn(MenuSwitch menuSwitch) const;
    void setOn(MenuSwitch menuSwitch, bool on);

    // The font pictures of the table are drawn in; a fresh start has "Courier New", 8 points, black.
    StyledFont pictureFont() const { return m_values.pictureFont; }
    void setPictureFont(const StyledFont &font);

    TextViewLook textViewLook() const { return m_values.textViewLook; }
    void setTextViewLook(const TextViewLook &look);

    // Where the windows stand, as the windows last reported it or a configuration asked for it.
    MainWindowPlacement mainPlacement() const { return m_values.mainPlacement; }
    void setMainPlacement(const MainWindowPlacement &placement);
    WindowPlacement renamerPlacement() const { return m_values.renamerPlacement; }
    void setRenamerPlacement(const WindowPlacement &placement);

    // Every value, copied in one go: a Settings made from them on another thread reads the
    // same as this one, with no one listening to it.
    struct Values {
        struct Entry {
            SettingKind kind;
            QString value;
            QString radioGroup;
        };
        QHash<QString, Entry> entries;
        QHash<SettingsWindow, QStringList> order;
        QStringList columnOrder;
        Language language = Language::German;
        StyledFont pictureFont{QFont(QStringLiteral("Courier New"), 8), QColor(Qt::black)};
        TextViewLook textViewLook;
        MainWindowPlacement mainPlacement;
        WindowPlacement renamerPlacement{false, 0, 0, RenamerStartWidth, RenamerStartHeight};
        QHash<MenuSwitch, bool> menuSwitches{
            {MenuSwitch::AddFolderFiles, true},    {MenuSwitch::AddFolderRows, false},
            {MenuSwitch::RefuseDuplicates, false}, {MenuSwitch::DaylightCorrection, true},
            {MenuSwitch::ShowInput, true},         {MenuSwitch::ShowPreview, true},
            {MenuSwitch::ShowActions, true},       {MenuSwitch::ShowOutput, true},
            {MenuSwitch::AutoSaveNever, true},     {MenuSwitch::AutoSaveProfile, false},
            {MenuSwitch::AutoSaveAll, false}};
    };
    explicit Settings(const Values &values, QObject *parent = nullptr) : QObject(parent), m_values(values) {}
    const Values &values() const { return m_values; }

Q_SIGNALS:
    void changed(SettingsWindow window, const QString &name);
    void columnOrderChanged();
    void languageChanged(Language language);
    void menuSwitchChanged(MenuSwitch menuSwitch);
    void pictureFontChanged();
    void textViewLookChanged();
    void mainPlacementChanged();
    void renamerPlacementChanged();

private:
    using Entry = Values::Entry;
    const Entry &entry(SettingsWindow window, const QString &name) const;
    void store(SettingsWindow window, const QString &name, const QString &value);

    Values m_values;
};
