#include "shorthands.h"

#include "common/tabulix_error.h"
#include "table/column_kinds.h"
#include "table/grouping.h"

#include <QSet>

namespace {

QString check(const CheckSetting &setting, bool on)
{
    return QStringLiteral("PBCH.") + nameOf(setting.id) + (on ? QStringLiteral("=1") : QStringLiteral("=0"));
}

QList<KeyedColumn> keyedColumns(const QString &list)
{
    QList<KeyedColumn> columns;
    QSet<QString> seen;
    for (const QString &key : list.split(u',')) {
        const std::optional<KeyedColumn> column = columnOfKey(key.trimmed());
        if (!column)
            throw TabulixError(QStringLiteral("--columns: unknown column \"%1\"").arg(key.trimmed()));
        if (seen.contains(key.trimmed()))
            throw TabulixError(QStringLiteral("--columns: \"%1\" is named twice").arg(key.trimmed()));
        seen.insert(key.trimmed());
        columns.append(*column);
    }
    return columns;
}

// The grouping choice a key stands for: the column of the same fact; the path groups by
// folder and file, the checksums by their MD5.
const GroupChoice *groupChoiceOfKey(const QString &key)
{
    if (key == u"folder")
        return &groupChoices()[0];
    if (key == u"folderAndFile" || key == u"path")
        return &groupChoices()[1];
    const std::optional<KeyedColumn> column = columnOfKey(key);
    if (!column || (column->kind == ColumnKind::Checksums && column->checksum != ChecksumKind::MD5))
        return nullptr;
    for (const GroupChoice &choice : groupChoices())
        if (choice.fact != GroupFact::Folder && choice.fact != GroupFact::FolderAndFile &&
            choice.kind == column->kind)
            return &choice;
    return nullptr;
}

const QStringList sizeUnits = {QStringLiteral("Byte"), QStringLiteral("KB"), QStringLiteral("MB"),
                               QStringLiteral("GB"), QStringLiteral("TB")};

} // namespace

void checkColumnKeys(const QString &list)
{
    keyedColumns(list);
}

QStringList columnAssignments(const QString &list, Language language)
{
    const QList<KeyedColumn> columns = keyedColumns(list);
    QList<ColumnKind> kinds;
    for (const KeyedColumn &column : columns)
        if (!kinds.contains(column.kind))
            kinds.append(column.kind);
    QStringList assignments;
    for (int number = 1; number <= ColumnKindCount; ++number)
        assignments << check(columnKindInfo(ColumnKind(number)).activation,
                             kinds.contains(ColumnKind(number)));
    for (int c = 0; c < ChecksumKindCount; ++c) {
        const bool wanted = std::any_of(columns.begin(), columns.end(), [c](const KeyedColumn &column) {
            return column.kind == ColumnKind::Checksums && column.checksum == ChecksumKind(c);
        });
        assignments << check(checksumColumnInfo(ChecksumKind(c)).enabling, wanted);
    }
    // Each kind moves to its place in turn, so the kinds not named keep their order behind.
    for (qsizetype place = 0; place < kinds.size(); ++place)
        assignments << QStringLiteral("PBRF.r%1=%2").arg(place).arg(orderItemText(kinds[place], language));
    return assignments;
}

void checkGroupKey(const QString &key)
{
    if (!groupChoiceOfKey(key))
        throw TabulixError(QStringLiteral("--group-by: no grouping by \"%1\"").arg(key));
}

QStringList groupAssignments(const QString &key, Language language)
{
    return {QStringLiteral("PBRB.des_grup_ja=1"),
            QStringLiteral("PBCB.des_grup=") + groupChoiceOfKey(key)->item.in(language)};
}

QStringList plainShorthand(const QString &option, const QString &value)
{
    if (option == u"--title")
        return {QStringLiteral("PBED.des_allg_header=") + value, QStringLiteral("PBCH.des_allg_header_cb=1")};
    if (option == u"--size-unit") {
        if (!sizeUnits.contains(value))
            throw TabulixError(QStringLiteral("--size-unit takes Byte, KB, MB, GB or TB"));
        return {QStringLiteral("PBCB.act_size_einheit=") + value};
    }
    if (option == u"--decimals") {
        bool number = false;
        const int places = value.toInt(&number);
        if (!number || places < 0 || places > 99 || value.startsWith(u'+'))
            throw TabulixError(QStringLiteral("--decimals takes a number from 0 to 99"));
        return {QStringLiteral("PBCB.act_size_nks=") + QString::number(places)};
    }
    if (option == u"--no-header")
        return {QStringLiteral("PBCH.des_allg_spaltenheader=0")};
    if (option == u"--no-subfolders")
        return {QStringLiteral("PBCH.inp_uv=0")};
    return {};
}
