#include "ui/font_dialog.h"

#include "app/font_choice.h"
#include "ui/modal_dialog.h"

#include <QColorDialog>
#include <QFontDialog>

std::optional<QFont> chooseFont(const QFont &stored, QWidget *parent)
{
    QFontDialog dialog(parent);
    dialog.setCurrentFont(fontDialogStart(stored));
    // What the dialog made of it: its lists may round a size or pick their own spelling.
    const QFont opened = dialog.currentFont();
    if (runDialog(dialog) != QDialog::Accepted)
        return std::nullopt;
    return fontAfterDialog(stored, opened, dialog.selectedFont());
}

QColor chooseColour(const QColor &initial, QWidget *parent)
{
    QColorDialog dialog(parent);
    dialog.setCurrentColor(initial);
    runDialog(dialog);
    return dialog.selectedColor();
}
