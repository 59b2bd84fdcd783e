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

QString replaced(QString text, const RenameRule &rule)
{
    if (!rule.searchFor.isEmpty())
        text.replace(rule.searchFor, rule.replaceWith, Qt::CaseSensitive);
    return text;
}

} // namespace

RenameRule RenameRule::fromSettings(const Settings &settings)
{
    return {settings.value(DU::maske),       settings.value(DU::numstart),  settings.isOn(DU::suchenersetzen),
            settings.value(DU::suchenalt),   settings.value(DU::suchenneu), settings.isOn(DU::cb_suchname),
            settings.isOn(DU::cb_suchendung)};
}

QString renameBase(const QString &fileName)
{
    return fileName.chopped(extensionOf(fileName).size());
}

QString renameName(const QString &fileName, int position, int entryCount, const RenameRule &rule)
{
    if (fileName.isEmpty())
        return {};
    const QString extension = extensionOf(fileName);
    const qint64 number = firstNumber(rule.numberStart) + position;
    // Each placeholder on the text the one before left, so one that came in with the name counts too.
    QString text = rule.mask;
    text.replace(namePlaceholder, renameBase(fileName));
    text.replace(numberPlaceholder, QString::number(number));
    text.replace(paddedPlaceholder, paddedNumber(number, entryCount));
    text.replace(countPlaceholder, QString::number(entryCount));
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
