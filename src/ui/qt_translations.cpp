#include "ui/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLoggingCategory>
#include <QTranslator>

namespace {

Q_LOGGING_CATEGORY(lcQtTexts, "tabulix.language", QtWarningMsg)

// Loaded once, on the first switch to German; null when the file is missing.
QTranslator *germanQtTexts()
{
    static QTranslator *const translator = [] {
        auto *loaded = new QTranslator(QCoreApplication::instance());
        const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        if (loaded->load(QStringLiteral("qtbase_de"), folder))
            return loaded;
        qCWarning(lcQtTexts).noquote()
            << "Qt's German texts (qtbase_de.qm) not found in" << folder << "- Qt's dialogs stay English";
        delete loaded;
        return static_cast<QTranslator *>(nullptr);
    }();
    return translator;
}

} // namespace

bool useQtTranslations(Language language)
{
    static bool installed = false;
    if (!isGerman(language)) {
        if (installed)
            QCoreApplication::removeTranslator(germanQtTexts());
        installed = false;
        return true;
    }
    QTranslator *translator = germanQtTexts();
    if (!translator)
        return false;
    // Installing again would only send every window another change of language.
    if (!installed)
        QCoreApplication::installTranslator(translator);
    installed = true;
    return true;
}
