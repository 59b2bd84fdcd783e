// The output commands: copying the shown output to the clipboard and saving it.
#include "app/program_state.h"
#include "app/table_output.h"
#include "common/tabulix_error.h"
#include "encoding/write_text_file.h"
#include "table/clipboard_table.h"
#include "table/picture_file.h"
#include "table/web_palette.h"
#include "table/workbook_table.h"
#include "ui/file_dialogs.h"
#include "ui/modal_dialog.h"
#include "ui/u_preview_pane.h"
#include "ui/u_sm_achtung.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <memory>

namespace {

const QString pictureError = QStringLiteral("bildfehler");

} // namespace

std::optional<QImage> PreviewPane::outputPicture()
{
    std::optional<QImage> picture = drawTablePicture(m_shownLines, pictureFont(), pictureBackgroundColour());
    if (!picture)
        showMessage(pictureError, QString());
    return picture;
}

void PreviewPane::ZwischenablageClick()
{
    runPendingRefresh();
    if (!m_upToDate)
        AktualisierenClick();
    const OutputFormat format = chosenOutputFormat(m_state);
    if (!isPictureFormat(format)) {
        // Beside the text, a plain table that spreadsheets and mail paste as cells.
        auto mime = std::make_unique<QMimeData>();
        mime->setText(m_shownText);
        mime->setHtml(plainHtmlTable(m_state.fileList.rows(), m_state.settings, LocaleFormat::system()));
        QGuiApplication::clipboard()->setMimeData(mime.release());
        return;
    }
    const std::optional<QImage> picture = outputPicture();
    if (!picture)
        return;
    auto mime = std::make_unique<QMimeData>();
    if (format == OutputFormat::Gif) {
        // Programs that paste a bitmap see the same colours as those that take the GIF file.
        const std::optional<QByteArray> gif = encodePicture(*picture, OutputFormat::Gif);
        if (!gif) {
            showMessage(pictureError, QString());
            return;
        }
        mime->setImageData(reduceToWebPalette(*picture));
        mime->setData(QStringLiteral("image/gif"), *gif);
    } else {
        mime->setImageData(*picture);
    }
    QGuiApplication::clipboard()->setMimeData(mime.release());
}

void PreviewPane::SpeichernClick()
{
    runPendingRefresh();
    if (!m_upToDate)
        AktualisierenClick();
    const OutputFormat format = chosenOutputFormat(m_state);
    std::optional<QImage> picture;
    if (isPictureFormat(format)) {
        picture = outputPicture();
        if (!picture)
            return;
    }

    const SaveFileType type = saveFileTypeFor(format);
    QFileDialog dialog(window());
    chooseTypesByName(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // Only our own confirmation asks before a file is replaced.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilter(type.filter);
    dialog.setDefaultSuffix(type.defaultSuffix);
    dialog.selectFile(m_state.settings.value(PB::des_allg_header));
    if (runDialog(dialog) != QDialog::Accepted)
        return;
    const QString path = dialog.selectedFiles().value(0);
    if (path.isEmpty() || !confirmOverwrite(path))
        return;

    if (format == OutputFormat::Xlsx) {
        writeWorkbook(m_state.fileList.rows(), m_state.settings, LocaleFormat::system(), path);
        return;
    }
    // Names relative to the chosen folder, which the preview could not know.
    if (const std::optional<ManifestKind> kind = manifestKindOf(format)) {
        saveManifest(m_state.fileList.rows(), *kind, path);
        return;
    }
    if (picture) {
        try {
            savePicture(*picture, path, format);
        } catch (const TabulixError &) {
            showMessage(pictureError, QString());
        }
        return;
    }
    saveTableText(
        m_shownText, path, m_state.settings,
        [this](const QString &text, const QString &picturePath) { saveTextPicture(text, picturePath); });
}

bool PreviewPane::confirmOverwrite(const QString &path)
{
    if (!m_confirmation || !QFileInfo::exists(path))
        return true;
    m_confirmation->setFilePath(path);
    // Closing the dialog without a button keeps the file, whatever was answered last time.
    return runDialog(*m_confirmation) == QDialog::Accepted && m_confirmation->overwriteDecision();
}

void PreviewPane::saveTextPicture(const QString &text, const QString &path)
{
    try {
        writeTextPicture(text, path, pictureFont(), pictureBackgroundColour());
    } catch (const TabulixError &) {
        showMessage(pictureError, path);
    }
}
