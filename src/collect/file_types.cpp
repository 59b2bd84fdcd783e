// GIO's headers must come before Qt's: Qt's keyword macros would break them.
#include <gio/gio.h>

#include "collect/file_types.h"

#include <QFile>

#include <mutex>
#include <unordered_map>

namespace {

QString takeText(gchar *text)
{
    const QString result = text ? QString::fromUtf8(text) : QString();
    g_free(text);
    return result;
}

FileTypeFacts lookUp(const QString &contentType)
{
    const QByteArray type = contentType.toUtf8();
    FileTypeFacts facts;
    facts.description = takeText(g_content_type_get_description(type.constData()));
    if (contentType == u"inode/directory")
        return facts;
    if (GAppInfo *application = g_app_info_get_default_for_type(type.constData(), FALSE)) {
        if (const char *executable = g_app_info_get_executable(application)) {
            facts.programAsStated = QString::fromUtf8(executable);
            facts.programPath = takeText(g_find_program_in_path(executable));
        }
        g_object_unref(application);
    }
    return facts;
}

} // namespace

QString contentTypeOfName(const QString &name, bool folder)
{
    if (folder)
        return QStringLiteral("inode/directory");
    const QByteArray encoded = QFile::encodeName(name);
    gboolean uncertain = FALSE;
    return takeText(g_content_type_guess(encoded.constData(), nullptr, 0, &uncertain));
}

const FileTypeFacts &fileTypeFacts(const QString &contentType)
{
    // One cache for the run, shared by the threads that make rows. Entries are never removed
    // and the map keeps its nodes in place, so a reference stays valid after the lock.
    static std::unordered_map<QString, FileTypeFacts> cache;
    static std::mutex lock;
    const std::lock_guard guard(lock);
    auto found = cache.find(contentType);
    if (found == cache.end())
        found = cache.emplace(contentType, lookUp(contentType)).first;
    return found->second;
}

QString typeGuessKey(const QString &name)
{
    QString key = name;
    const qsizetype stemEnd = key.indexOf(u'.');
    QChar *characters = key.data();
    for (qsizetype i = 0, end = stemEnd < 0 ? key.size() : stemEnd; i < end; ++i)
        if (characters[i] >= u'0' && characters[i] <= u'9')
            characters[i] = u'0';
    return key;
}
