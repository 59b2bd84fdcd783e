#include "ui/file_dialogs.h"

#include "ui/modal_dialog.h"

#include <QAbstractFileIconProvider>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QMimeDatabase>

namespace {

// The dialog's icons and its type column, from the name alone. Runs on the dialog's listing
// thread as well; the type database may be asked from any thread.
class TypesByName : public QAbstractFileIconProvider {
public:
    using QAbstractFileIconProvider::icon;
    QIcon icon(const QFileInfo &info) const override
    {
        if (info.isDir())
            return icon(Folder);
        const QMimeType type = typeOf(info);
        return QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName(), icon(File)));
    }
    QString type(const QFileInfo &info) const override
    {
        return info.isDir() ? QAbstractFileIconProvider::type(info) : typeOf(info).comment();
    }

private:
    static QMimeType typeOf(const QFileInfo &info)
    {
        return QMimeDatabase().mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    }
};

} // namespace

void chooseTypesByName(QFileDialog &dialog)
{
    // Lives as long as the program, as a dialog never owns its icon provider.
    static TypesByName types;
    dialog.setIconProvider(&types);
}

QString chooseFolder(QWidget *parent, const QString &title, const QString &start)
{
    QFileDialog dialog(parent, title, start);
    chooseTypesByName(dialog);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (runDialog(dialog) != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

QStringList chooseFilesToOpen(QWidget *parent, const QString &title, const QString &filter)
{
    QFileDialog dialog(parent, title, QString(), filter);
    chooseTypesByName(dialog);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    if (runDialog(dialog) != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}
