#include "ui/file_facts_dialog.h"

#include <QAbstractItemModel>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

FileFacts rowFacts(const QAbstractItemModel &list, int row)
{
    FileFacts facts;
    for (int column = 0; column < list.columnCount(); ++column) {
        const QString text = list.data(list.index(row, column), Qt::DisplayRole).toString();
        if (!text.isEmpty())
            facts.append({list.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString(), text});
    }
    return facts;
}

void showFileFacts(QWidget *parent, const QString &title, const FileFacts &facts)
{
    auto *dialog = new QDialog(parent);
    dialog->setObjectName(QStringLiteral("fileFacts"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(title);
    auto *layout = new QVBoxLayout(dialog);
    auto *form = new QFormLayout;
    for (const auto &[caption, text] : facts) {
        auto *value = new QLabel(text);
        // Paths and checksums are there to be copied.
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setTextFormat(Qt::PlainText);
        form->addRow(caption, value);
    }
    layout->addLayout(form);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog->show();
}
