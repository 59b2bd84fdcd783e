#include "ui/control_captions.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>

void applyCaptions(QWidget &window, const QVector<ControlText> &texts, Language language)
{
    for (const ControlText &text : texts) {
        const QString name = QString::fromUtf8(text.component);
        const QString caption = progText(text, language);
        if (name == window.objectName())
            window.setWindowTitle(caption);
        else if (auto *button = window.findChild<QAbstractButton *>(name))
            button->setText(caption);
        else if (auto *label = window.findChild<QLabel *>(name))
            label->setText(caption);
        else if (auto *group = window.findChild<QGroupBox *>(name))
            group->setTitle(caption);
        else if (auto *action = window.findChild<QAction *>(name))
            action->setText(caption);
    }
}
