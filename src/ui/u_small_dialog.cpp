#include "ui/u_small_dialog.h"

#include "app/program_state.h"
#include "common/message_catalogue.h"
#include "common/minimize_path.h"
#include "ui/app_icon.h"
#include "ui/dialog_placement.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr int dialogWidth = 481;
constexpr int dialogHeight = 220;
constexpr int iconSize = 48;
constexpr int buttonWidth = 89;
constexpr int buttonHeight = 25;
constexpr int buttonTop = 180;
constexpr int buttonGap = 8;
} // namespace

SmallDialog::SmallDialog(ProgramState &state, QWidget *mainWindow, QWidget *parent)
    : QDialog(parent), m_state(state), m_mainWindow(mainWindow)
{
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
    setFixedSize(dialogWidth, dialogHeight);
    setFont(interfaceFont());
    // The caption is the same in both languages.
    setWindowTitle(uiText(UiText::DialogCaption, m_state.settings.language()));
    setWindowIcon(applicationIcon());

    auto *image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(16, 16, iconSize, iconSize);
    image->setPixmap(applicationPixmap(iconSize));

    auto *bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameShape(QFrame::VLine);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setGeometry(78, 12, 4, dialogHeight - 24);
}

QLabel *SmallDialog::makeLabel(const QString &name, int row)
{
    auto *label = new QLabel(this);
    label->setObjectName(name);
    // Paths may hold "<" and "&": never read them as markup.
    label->setTextFormat(Qt::PlainText);
    if (row == 0) {
        QFont larger = font();
        larger.setPixelSize(14);
        larger.setBold(true);
        label->setFont(larger);
        label->setGeometry(textLeft, 16, textWidth, 22);
    } else {
        label->setGeometry(textLeft, firstLineTop + (row - 1) * lineHeight, textWidth, lineHeight);
    }
    return label;
}

QPushButton *SmallDialog::makeButton(const QString &name, int slot)
{
    auto *button = new QPushButton(this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    const int right = dialogWidth - 24 - slot * (buttonWidth + buttonGap);
    button->setGeometry(right - buttonWidth, buttonTop, buttonWidth, buttonHeight);
    return button;
}

bool SmallDialog::event(QEvent *event)
{
    // Placed anew at every showing, so the dialog follows a main window that moved.
    if (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate)
        placeOverMainWindow();
    return QDialog::event(event);
}

void SmallDialog::placeOverMainWindow()
{
    if (!m_mainWindow)
        return;
    const QPoint place = placeOver(m_mainWindow->pos(), m_mainWindow->size(), size());
    if (place != pos())
        move(place);
}
