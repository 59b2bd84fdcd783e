#include "config/setting_sections.h"

#include "common/tabulix_error.h"

#include <algorithm>
#include <functional>
#include <numeric>

namespace {

const SettingKind storedKinds[] = {SettingKind::Text, SettingKind::Choice, SettingKind::Radio,
                                   SettingKind::Check, SettingKind::Panel};
constexpr int ColumnOrderSize = 12;

// The adding switches of the settings menu, under their configuration keys.
const struct {
    const char16_t *key;
    MenuSwitch value;
} menuSwitches[] = {{u"DA", MenuSwitch::AddFolderFiles},
                    {u"OR", MenuSwitch::AddFolderRows},
                    {u"DO", MenuSwitch::RefuseDuplicates},
                    {u"DS", MenuSwitch::DaylightCorrection}};

struct Address {
    QString name; // "SECTION.KEY"
    std::function<QString(const Settings &)> read;
    std::function<void(Settings &, const QString &)> write;
    bool isSwitch = false;
};

QVector<Address> addresses()
{
    QVector<Address> all;
    const Settings names;
    for (const SettingsWindow window : allSettingsWindows)
        for (const SettingKind kind : storedKinds) {
            const QString section = windowPrefix(window) + kindSuffix(kind);
            for (const QString &key : names.controlOrder(window, kind))
                all.append({section + u'.' + key,
                            [window, key](const Settings &settings) { return settings.value(window, key); },
                            [window, key](Settings &settings, const QString &value) {
                                settings.setValue(window, key, value);
                            },
                            isSwitchKind(kind)});
        }
    for (int index = 0; index < ColumnOrderSize; ++index)
        all.append({QStringLiteral("PBRF.r%1").arg(index),
                    [index](const Settings &settings) { return settings.columnOrder().value(index); },
                    [index](Settings &settings, const QString &value) {
                        // The kind moves to this place, so the list keeps each kind once.
                        QStringList order = settings.columnOrder();
                        const auto sameKind = [&value](const QString &entry) {
                            return entry.left(2) == value.left(2);
                        };
                        const qsizetype current =
                            std::find_if(order.begin(), order.end(), sameKind) - order.begin();
                        if (current < order.size())
                            order.move(current, index);
                        order[index] = value;
                        settings.setColumnOrder(order);
                    }});
    for (const auto &[key, value] : menuSwitches)
        all.append({QStringLiteral("ES.") + QString::fromUtf16(key),
                    [value = value](const Settings &settings) {
                        return settings.isOn(value) ? QStringLiteral("1") : QStringLiteral("0");
                    },
                    [value = value](Settings &settings, const QString &text) {
                        settings.setOn(value, text == u"1");
                    },
                    true});
    return all;
}

int editDistance(const QString &a, const QString &b)
{
    QVector<int> row(b.size() + 1);
    std::iota(row.begin(), row.end(), 0);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = int(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int above = row[j];
            const int cost = a[i - 1].toLower() == b[j - 1].toLower() ? 0 : 1;
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + cost});
            diagonal = above;
        }
    }
    return row[b.size()];
}

QString nearest(const QString &name, const QVector<Address> &all)
{
    const auto closer = [&name](const Address &a, const Address &b) {
        return editDistance(name, a.name) < editDistance(name, b.name);
    };
    return std::min_element(all.begin(), all.end(), closer)->name;
}

} // namespace

void applySettingAssignment(Settings &settings, const QString &assignment)
{
    const qsizetype equals = assignment.indexOf(u'=');
    const QString name = assignment.left(equals);
    const QString value = equals < 0 ? QString() : assignment.mid(equals + 1);
    const QVector<Address> all = addresses();
    const auto found = std::find_if(all.begin(), all.end(),
                                    [&name](const Address &address) { return address.name == name; });
    if (found == all.end())
        throw TabulixError(
            QStringLiteral("unknown setting \"%1\"; did you mean %2?").arg(name, nearest(name, all)));
    if (equals < 0)
        throw TabulixError(QStringLiteral("no value for %1: write %1=VALUE").arg(name));
    if (found->isSwitch && value != u"1" && value != u"0")
        throw TabulixError(QStringLiteral("%1 takes 1 or 0, not \"%2\"").arg(name, value));
    found->write(settings, value);
}

QStringList listSettings(const Settings &settings)
{
    QStringList lines;
    for (const Address &address : addresses())
        lines.append(address.name + u'=' + address.read(settings));
    return lines;
}
