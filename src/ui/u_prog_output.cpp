// The main window's output commands: copying the output to the clipboard and saving it.
#include "app/program_state.h"
#include "app/table_output.h"
#include "encoding/write_text_file.h"
#include "table/picture_file.h"
#include "table/web_palette.h"
#include "ui/u_prog.h"
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

std::optional<QImage> Tprog::outputPicture()
{
    std::optional<QImage> picture = drawTablePicture(m_shownLines, pictureFont(), pictureBackgroundColour());
    if (!picture)
        meldungzeigen(pictureError, QString());
    return picture;
}

void Tprog::ZwischenablageClick()
{
    if (!m_upToDate)
        AktualisierenClick();
    const OutputFormat format = chosenOutputFormat(m_state);
    if (!isPictureFormat(format)) {
        QGuiApplication::clipboard()->setText(m_shownText);
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
            meldungzeigen(pictureError, QString());
            return;
        }
        mime->setImageData(reduceToWebPalette(*picture));
        mime->setData(QStringLiteral("image/gif"), *gif);
    } else {
        mime->setImageData(*picture);
    }
    QGuiApplication::clipboard()->setMimeData(mime.release());
}

void Tprog::SpeichernClick()
{
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
    QFileDialog dialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // Only our own confirmation asks before a file is replaced.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilter(type.filter);
    dialog.setDefaultSuffix(type.defaultSuffix);
    dialog.selectFile(m_state.settings.value(SettingsWindow::PB, QStringLiteral("des_allg_header")));
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString path = dialog.selectedFiles().value(0);
    if (path.isEmpty() || !confirmOverwrite(path))
        return;

    if (picture) {
        if (!savePicture(*picture, path, format))
            meldungzeigen(pictureError, QString());
        return;
    }
    WriteTextFile(
        m_shownText, path, currentTextEncoding(m_state.settings),
        [this](const QString &text, const QString &picturePath) { writeTextPicture(text, picturePath); });
}

bool Tprog::confirmOverwrite(const QString &path)
{
    if (!m_confirmation || !QFileInfo::exists(path))
        return true;
    m_confirmation->setFilePath(path);
    // Closing the dialog without a button keeps the file, whatever was answered last time.
    return m_confirmation->exec() == QDialog::Accepted && m_confirmation->overwriteDecision();
}

void Tprog::writeTextPicture(const QString &text, const QString &path)
{
    const std::optional<QImage> picture =
        drawTextPicture(textPictureLines(text), pictureFont(), pictureBackgroundColour());
    if (!picture || !savePicture(*picture, path, *pictureFormatOfFileName(path)))
        meldungzeigen(pictureError, path);
}
