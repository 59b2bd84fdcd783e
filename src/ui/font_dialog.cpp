#include "ui/font_dialog.h"

#include "app/font_choice.h"

#include <QFontDialog>

std::optional<QFont> chooseFont(const QFont &stored, QWidget *parent)
{
    QFontDialog dialog(parent);
    dialog.setCurrentFont(fontDialogStart(stored));
    // What the dialog made of it: its lists may round a size or pick their own spelling.
    const QFont opened = dialog.currentFont();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return fontAfterDialog(stored, opened, dialog.selectedFont());
}
