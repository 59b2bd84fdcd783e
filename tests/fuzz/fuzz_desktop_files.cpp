// The editors of the user's own desktop files on any text: our default line and our Thunar
// action come and go without changing anything else, their commands read back as written, and
// the chosen types keep only extensions the rules allow.
#include "common/tabulix_error.h"
#include "fuzz_support.h"
#include "shell/chosen_types.h"
#include "shell/entry_command.h"
#include "shell/mimeapps_list.h"
#include "shell/thunar_actions.h"

namespace {

const QString type = QStringLiteral("application/x-tabulix-configuration");
const QString id = QStringLiteral("tabulix-configuration.desktop");

void checkDefaults(const QString &text)
{
    // A list that names our type already may hold our line in any group.
    if (text.contains(type))
        return;
    const QString entry = type + u'=' + id + u';';
    const QString added = withDefaultApplication(text, type, id);
    check(added.split(u'\n').count(entry) == 1, "one default line of ours");
    check(withDefaultApplication(added, type, id) == added, "adding twice is adding once");
    check(!withoutDefaultApplication(added, type, id).split(u'\n').contains(entry), "removed");
    // A list without a default group of its own comes back as it was.
    if (!text.contains(QStringLiteral("[Default Applications]")) && (text.isEmpty() || text.endsWith(u'\n')))
        check(withoutDefaultApplication(added, type, id) == text, "the user's list comes back");
}

void checkThunar(const QString &text, const QString &command)
{
    const ThunarAction action{QStringLiteral("QWMtabulix-folders"), QStringLiteral("Add to Tabulix"), command,
                              QStringLiteral("<patterns>*</patterns>")};
    QString added;
    try {
        added = withThunarAction(text, action);
    } catch (const TabulixError &) {
        check(!text.trimmed().isEmpty() && !text.contains(QStringLiteral("</actions>")),
              "only lists are refused");
        return;
    }
    check(thunarActionCommand(added, action.uniqueId) == command, "the command reads back");
    if (!text.contains(QStringLiteral("QWMtabulix")) && text.contains(QStringLiteral("</actions>")))
        check(withoutThunarAction(added, action.uniqueId) == text, "the user's actions come back");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(bytesOf(data, size));
    checkDefaults(text);
    checkThunar(text, text.left(40));

    const QString value = text.left(60).trimmed();
    if (!value.contains(u'\n') && !value.contains(u'\r'))
        check(keyFileEntry(QStringLiteral("[G]\nK=") + keyFileEscaped(value), QStringLiteral("G"),
                           QStringLiteral("K")) == value,
              "a stored value reads back");
    try {
        const QString command = entryCommand(text.left(80));
        check(command.startsWith(QStringLiteral("\"/")) && command.endsWith(QStringLiteral("\" %F")),
              "a quoted program and the items");
    } catch (const TabulixError &) {
    }
    for (const QString &extension : chosenExtensions(text)) {
        check(extension.size() >= 2 && extension.startsWith(u'.'), "an extension with its dot");
        for (const QChar c : extension.mid(1))
            check(!QStringLiteral("<>\\/|:?*,\" ").contains(c), "no forbidden character");
    }
    return 0;
}
