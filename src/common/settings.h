#pragma once
// One named value per option control of every window, addressed by the window's
// two-letter prefix and the control's component name, beside the interface language and the
// menu switches. Setting a value, whoever does it, emits a signal, which runs the reactions
// that windows and logic connect to it.
#include "common/language.h"
#include "common/setting_ids.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>
#include <vector>

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

// The column order of a fresh start ("01 Dateiname" ... "12 Prüfsummen"), per language.
QStringList defaultColumnOrder(Language language);

// Tells of the changes of one setting.
class SettingSignal : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
Q_SIGNALS:
    void changed();
};

class Settings : public QObject {
    Q_OBJECT
public:
    explicit Settings(QObject *parent = nullptr);

    template <SettingKind Kind>
    requires ValueKind<Kind> QString value(SettingHandle<Kind> setting)
    const { return m_values.values[int(setting.id)]; }
    template <SettingKind Kind>
    requires ValueKind<Kind>
    void setValue(SettingHandle<Kind> setting, const QString &value) { setValue(setting.id, value); }
    template <SettingKind Kind>
    requires SwitchKind<Kind>
    bool isOn(SettingHandle<Kind> setting) const { return isOn(setting.id); }
    // A radio button switched on switches the other buttons of its group off first.
    template <SettingKind Kind>
    requires SwitchKind<Kind>
    void setOn(SettingHandle<Kind> setting, bool on)
    {
        setValue(setting.id, on ? QStringLiteral("1") : QStringLiteral("0"));
    }

    // A handle of the wrong kind is refused, rather than read as a number.
    template <SettingKind Kind>
    requires SwitchKind<Kind> QString value(SettingHandle<Kind>)
    const = delete;
    template <SettingKind Kind>
    requires SwitchKind<Kind>
    void setValue(SettingHandle<Kind>, const QString &) = delete;
    template <SettingKind Kind>
    requires ValueKind<Kind>
    bool isOn(SettingHandle<Kind>) const = delete;

    // Any setting by its number, as files and controls hold it: switches read and take "1" or "0".
    QString value(SettingId id) const { return m_values.values[int(id)]; }
    bool isOn(SettingId id) const { return m_values.values[int(id)] == u"1"; }
    void setValue(SettingId id, const QString &value);

    // The same by a window and a component name. Unknown names throw TabulixError: a misspelt
    // component name is a program fault.
    bool contains(SettingsWindow window, const QString &name) const;
    SettingKind kind(SettingsWindow window, const QString &name) const;
    QString value(SettingsWindow window, const QString &name) const;
    bool isOn(SettingsWindow window, const QString &name) const;
    void setValue(SettingsWindow window, const QString &name, const QString &value);
    void setOn(SettingsWindow window, const QString &name, bool on);

    // Component names of one kind in the window's control order (the order of saving).
    QStringList controlOrder(SettingsWindow window, SettingKind kind) const;

    // Runs the reaction after each change of this one setting, while the context lives.
    template <SettingKind Kind, typename Reaction>
    QMetaObject::Connection watch(SettingHandle<Kind> setting, const QObject *context, Reaction &&reaction)
    {
        return watch(setting.id, context, std::forward<Reaction>(reaction));
    }
    template <typename Reaction>
    QMetaObject::Connection watch(SettingId id, const QObject *context, Reaction &&reaction)
    {
        return connect(signalOf(id), &SettingSignal::changed, context, std::forward<Reaction>(reaction));
    }

    QStringList columnOrder() const { return m_values.columnOrder; }
    void setColumnOrder(const QStringList &entries);

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
        // One per setting, indexed by SettingId.
        QVector<QString> values;
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
    // After each change of any setting, once its own watchers have run; watch() follows one.
    void changed(SettingId id);
    void columnOrderChanged();
    void languageChanged(Language language);
    void menuSwitchChanged(MenuSwitch menuSwitch);
    void pictureFontChanged();
    void textViewLookChanged();
    void mainPlacementChanged();
    void renamerPlacementChanged();

private:
    SettingId idOf(SettingsWindow window, const QString &name) const;
    void store(SettingId id, const QString &value);
    SettingSignal *signalOf(SettingId id);

    Values m_values;
    // Made when a setting is first watched.
    std::vector<SettingSignal *> m_signals;
};
