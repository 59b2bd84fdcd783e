#include "config/setting_sections.h"

#include "common/tabulix_error.h"
#include "config/menu_switch_keys.h"
#include "table/design_choices.h"
#include "table/output_format.h"

#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <functional>
#include <numeric>

namespace {

const SettingKind storedKinds[] = {SettingKind::Text, SettingKind::Choice, SettingKind::Radio,
                                   SettingKind::Check, SettingKind::Panel};
constexpr int ColumnOrderSize = 12;

struct Address {
    QString name; // "SECTION.KEY"
    std::function<QString(const Settings &)> read;
    std::function<void(Settings &, const QString &)> write;
    bool isSwitch = false;
    std::optional<SettingId> choice{}; // a drop-down list of the main window
};

QVector<Address> buildAddresses()
{
    QVector<Address> all;
    for (const SettingsWindow window : allSettingsWindows)
        for (const SettingKind kind : storedKinds) {
            const QString section = windowPrefix(window) + kindSuffix(kind);
            const bool mainChoice = window == SettingsWindow::PB && kind == SettingKind::Choice;
            for (const SettingId id : settingsOf(window, kind))
                all.append({section + u'.' + nameOf(id),
                            [id](const Settings &settings) { return settings.value(id); },
                            [id](Settings &settings, const QString &value) { settings.setValue(id, value); },
                            isSwitchKind(kind), mainChoice ? std::optional(id) : std::nullopt});
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
    for (const MenuSwitchKey &menuKey : menuSwitchKeys)
        all.append({QString::fromUtf16(menuKey.section) + u'.' + QString::fromUtf16(menuKey.key),
                    [value = menuKey.menuSwitch](const Settings &settings) {
                        return settings.isOn(value) ? QStringLiteral("1") : QStringLiteral("0");
                    },
                    [value = menuKey.menuSwitch](Settings &settings, const QString &text) {
                        settings.setOn(value, text == u"1");
                    },
                    true});
    return all;
}

// Built once: the addresses depend on the table of settings only, not on any settings object.
const QVector<Address> &addresses()
{
    static const QVector<Address> all = buildAddresses();
    return all;
}

// A name as names are compared: each UTF-16 unit in lower case on its own, and how often each
// letter stands in it, in 32 buckets.
struct ComparedName {
    QString text;
    std::array<qint16, 32> letters{};

    explicit ComparedName(QStringView name) : text(name.size(), Qt::Uninitialized)
    {
        std::transform(name.begin(), name.end(), text.begin(), [](QChar c) { return c.toLower(); });
        for (const QChar c : std::as_const(text))
            ++letters[c.unicode() & 31];
    }
};

// The edit distance of two names, or limit + 1 as soon as it must be more.
qsizetype distanceWithin(const ComparedName &first, const ComparedName &second, qsizetype limit)
{
    const qsizetype rows = first.text.size();
    const qsizetype columns = second.text.size();
    if (std::abs(rows - columns) > limit)
        return limit + 1;
    // Each letter one name has more of than the other takes an edit: a bound that spares most
    // of the tables below.
    qsizetype surplus = 0;
    qsizetype shortage = 0;
    for (size_t bucket = 0; bucket < first.letters.size(); ++bucket) {
        const int difference = first.letters[bucket] - second.letters[bucket];
        (difference > 0 ? surplus : shortage) += std::abs(difference);
    }
    if (std::max(surplus, shortage) > limit)
        return limit + 1;
    // Names are short: one row of the table fits on the stack.
    QVarLengthArray<qsizetype, 64> cells(columns + 1);
    qsizetype *row = cells.data();
    std::iota(row, row + columns + 1, 0);
    const QChar *a = first.text.constData();
    const QChar *b = second.text.constData();
    for (qsizetype i = 1; i <= rows; ++i) {
        qsizetype diagonal = row[0];
        row[0] = i;
        qsizetype rowLeast = i;
        const QChar unit = a[i - 1];
        for (qsizetype j = 1; j <= columns; ++j) {
            const qsizetype above = row[j];
            const qsizetype replaced = diagonal + (unit == b[j - 1] ? 0 : 1);
            row[j] = std::min(std::min(above, row[j - 1]) + 1, replaced);
            diagonal = above;
            rowLeast = std::min(rowLeast, row[j]);
        }
        // Every way through the table crosses each row.
        if (rowLeast > limit)
            return limit + 1;
    }
    return std::min(row[columns], limit + 1);
}

QString keyOf(const QString &name)
{
    return name.mid(name.lastIndexOf(u'.') + 1);
}

struct ComparedAddress {
    ComparedName name;
    ComparedName key;
};

// The addresses as they are compared, made once.
const QVector<ComparedAddress> &comparedAddresses(const QVector<Address> &all)
{
    static const QVector<ComparedAddress> compared = [&all] {
        QVector<ComparedAddress> made;
        for (const Address &address : all)
            made.append({ComparedName(address.name), ComparedName(keyOf(address.name))});
        return made;
    }();
    return compared;
}

// The address most like the name, comparing whole addresses and keys alone, so that a key in
// the wrong section is found; nothing when even the nearest differs in more than a third of
// the key (at least one letter may differ, but one letter must stay).
QString nearest(const QString &name, const QVector<Address> &all)
{
    const ComparedName wholeName(name);
    const ComparedName key(keyOf(name));
    const qsizetype limit = std::max<qsizetype>(1, key.text.size() / 3);
    const QVector<ComparedAddress> &compared = comparedAddresses(all);
    const ComparedAddress *best = nullptr;
    std::pair<qsizetype, qsizetype> bestRank;
    for (const ComparedAddress &address : compared) {
        const qsizetype distance =
            std::min(distanceWithin(wholeName, address.name, limit), distanceWithin(key, address.key, limit));
        if (distance > limit || distance >= key.text.size())
            continue;
        // Equally near by key, the address nearer as a whole wins.
        const qsizetype longest = std::max(wholeName.text.size(), address.name.text.size());
        const std::pair<qsizetype, qsizetype> rank(distance,
                                                   distanceWithin(wholeName, address.name, longest));
        if (!best || rank < bestRank) {
            best = &address;
            bestRank = rank;
        }
    }
    return best ? all[best - compared.data()].name : QString();
}

// The items a drop-down list offers when it takes no text of one's own; empty for the others.
QStringList fixedChoices(std::optional<SettingId> choice, Language language)
{
    if (!choice)
        return {};
    if (*choice == PB::out_format.id)
        return outFormatItems(language);
    return isFreeTextChoice(*choice) ? QStringList() : designChoiceItems(*choice, language);
}

// A value of a fixed list is one of its items in either language, as configuration files of
// both languages hold them.
void checkChoice(const Address &address, const QString &value, Language language)
{
    const QStringList items = fixedChoices(address.choice, language);
    if (items.isEmpty() || fixedChoices(address.choice, Language::German).contains(value) ||
        fixedChoices(address.choice, Language::English).contains(value))
        return;
    throw TabulixError(QStringLiteral("%1 takes one of \"%2\", not \"%3\"")
                           .arg(address.name, items.join(QStringLiteral("\", \"")), value));
}

} // namespace

void applySettingAssignment(Settings &settings, const QString &assignment)
{
    const qsizetype equals = assignment.indexOf(u'=');
    const QString name = assignment.left(equals);
    const QString value = equals < 0 ? QString() : assignment.mid(equals + 1);
    const QVector<Address> &all = addresses();
    const auto found = std::find_if(all.begin(), all.end(),
                                    [&name](const Address &address) { return address.name == name; });
    if (found == all.end()) {
        const QString suggestion = nearest(name, all);
        throw TabulixError(
            suggestion.isEmpty()
                ? QStringLiteral("unknown setting \"%1\"; --list-settings shows them all").arg(name)
                : QStringLiteral("unknown setting \"%1\"; did you mean %2?").arg(name, suggestion));
    }
    if (equals < 0)
        throw TabulixError(QStringLiteral("no value for %1: write %1=VALUE").arg(name));
    if (found->isSwitch && value != u"1" && value != u"0")
        throw TabulixError(QStringLiteral("%1 takes 1 or 0, not \"%2\"").arg(name, value));
    checkChoice(*found, value, settings.language());
    found->write(settings, value);
}

QStringList listSettings(const Settings &settings)
{
    QStringList lines;
    for (const Address &address : addresses())
        lines.append(address.name + u'=' + address.read(settings));
    return lines;
}
