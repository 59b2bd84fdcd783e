#pragma once
// One named value per option control of every window, addressed by the window's
// two-letter prefix and the control's component name. Setting a value, whoever does it,
// emits `changed`, which runs the reactions that windows and logic connect to it.
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

// Every stored control of every window, in each window's control order.
const QVector<SettingDefinition> &settingDefinitions();
// The column order of a fresh start ("01 Dateiname" ... "12 Prüfsummen"), per language.
QStringList defaultColumnOrder(const QString &language);

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

    QStringList columnOrder() const { return m_columnOrder; }
    void setColumnOrder(const QStringList &entries);

    // Every control back to its fresh-start value, each change announced.
    void resetToDefaults(const QString &language);

Q_SIGNALS:
    void changed(SettingsWindow window, const QString &name);
    void columnOrderChanged();

private:
    struct Entry {
        SettingKind kind;
        QString value;
        QString radioGroup;
    };
    const Entry &entry(SettingsWindow window, const QString &name) const;
    void store(SettingsWindow window, const QString &name, const QString &value);

    QHash<QString, Entry> m_entries;
    QHash<SettingsWindow, QStringList> m_order;
    QStringList m_columnOrder;
};
