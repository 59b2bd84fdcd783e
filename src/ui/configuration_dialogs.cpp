#include "ui/configuration_dialogs.h"

#include "common/configuration_texts.h"
#include "config/config_location.h"
#include "ui/file_dialogs.h"
#include "ui/modal_dialog.h"

#include <QFileDialog>

namespace {

QString chooseConfiguration(QWidget *parent, Language language, QFileDialog::AcceptMode mode)
{
    // The program's own dialog, the same on every desktop and drivable by tests.
    QFileDialog dialog(parent);
    chooseTypesByName(dialog);
    dialog.setObjectName(mode == QFileDialog::AcceptSave ? QStringLiteral("saveConfigurationDialog")
                                                         : QStringLiteral("loadConfigurationDialog"));
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(configurationText(ConfigurationText::DialogFilter, language));
    dialog.setDefaultSuffix(QStringLiteral("tbx"));
    dialog.setDirectory(configurationFolder());
    if (mode == QFileDialog::AcceptSave)
        dialog.selectFile(configurationText(ConfigurationText::ProposedName, language));
    if (runDialog(dialog) != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

} // namespace

QString chooseConfigurationToSave(QWidget *parent, Language language)
{
    return chooseConfiguration(parent, language, QFileDialog::AcceptSave);
}

QString chooseConfigurationToLoad(QWidget *parent, Language language)
{
    return chooseConfiguration(parent, language, QFileDialog::AcceptOpen);
}
