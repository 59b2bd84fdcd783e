#include "renamer/rename_name.h"

#include "common/paths.h"
#include "common/settings.h"

namespace {

const QString namePlaceholder = QStringLiteral("%name%");
const QString numberPlaceholder = QStringLiteral("%num%");
const QString paddedPlaceholder = QStringLiteral("%0num%");
const QString countPlaceholder = QStringLiteral("%abs%");

// Read as int, so the first number plus any position stays far inside 64 bits.
qint64 firstNumber(const QString &text)
{
    bool whole = false;
    const int number = text.toInt(&whole);
    return whole ? number : 1;
}

// At least as many digits as the entry count has; a "-" stays in front of the zeros.
QString paddedNumber(qint64 number, int entryCount)
{
    const int width = int(QString::number(entryCount).size());
    const QString digits = QString::number(qAbs(number)).rightJustified(width, u'0');
    return number < 0 ? u'-' + digits : digits;
}

QString replaced(const QString &text, const RenameRule &rule)
{
    return replaceAll(text, rule.search());
}

} // namespace

RenameRule RenameRule::fromSettings(const Settings &settings)
{
    return {
        settings.value(DU::maske),        settings.value(DU::numstart),  settings.isOn(DU::suchenersetzen),
        settings.value(DU::suchenalt),    settings.value(DU::suchenneu), settings.isOn(DU::cb_suchname),
        settings.isOn(DU::cb_suchendung), settings.isOn(DU::cb_regex),   settings.isOn(DU::cb_case)};
}

QString renameBase(const QString &fileName)
{
    return fileName.chopped(extensionOf(fileName).size());
}

QString renameName(const QString &fileName, int position, int entryCount, const RenameRule &rule,
                   const NameFacts &facts)
{
    if (fileName.isEmpty())
        return {};
    const QString extension = extensionOf(fileName);
    const qint64 number = firstNumber(rule.numberStart) + position;
    // Each placeholder on the text the one before left, so one that came in with the name counts
    // too; the facts of the file are never read as placeholders.
    const QString text = expandMask(rule.mask, facts, [&](QString part) {
        part.replace(namePlaceholder, renameBase(fileName));
        part.replace(numberPlaceholder, QString::number(number));
        part.replace(paddedPlaceholder, paddedNumber(number, entryCount));
        part.replace(countPlaceholder, QString::number(entryCount));
        return part;
    });
    if (!rule.replacing || rule.inName == rule.inExtension) {
        if (rule.replacing && rule.inName)
            return replaced(text + extension, rule);
        return text + extension;
    }
    return rule.inName ? replaced(text, rule) + extension : text + replaced(extension, rule);
}

bool isUsableFileName(const QString &name)
{
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/') &&
           !name.contains(QChar(0));
}
