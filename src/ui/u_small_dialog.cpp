#include "ui/u_small_dialog.h"

#include "app/program_state.h"
#include "common/message_catalogue.h"
#include "common/minimize_path.h"
#include "ui/app_icon.h"
#include "ui/dialog_placement.h"

#include <QBoxLayout>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr QSize statedSize(481, 220);
constexpr int iconSize = 48;
// The icon at 16, 16, the line beside it from 78 to 82, the text column from 96 on.
constexpr int outerMargin = 16;
constexpr int iconGap = 14;
constexpr int rightMargin = 32;
// The text column's stated width, to which path lines are shortened.
constexpr int textWidth = 353;
constexpr int lineGap = 2;
constexpr int titleGap = 12;
constexpr int buttonWidth = 89;
constexpr int buttonHeight = 25;
constexpr int buttonGap = 8;
constexpr int blankLineHeight = 18;
// The text column widens to its longest line up to this width; longer lines wrap.
constexpr int widestTextColumn = 600;
// Line 1 is larger than the others by the ratio of 14 to 11 pixels.
constexpr double titleScale = 14.0 / 11.0;

QFont titleFont(QFont font)
{
    if (font.pixelSize() > 0)
        font.setPixelSize(qRound(font.pixelSize() * titleScale));
    else
        font.setPointSizeF(font.pointSizeF() * titleScale);
    font.setBold(true);
    return font;
}
} // namespace

SmallDialog::SmallDialog(ProgramState &state, QWidget *mainWindow, QWidget *parent)
    : QDialog(parent), m_state(state), m_mainWindow(mainWindow), m_lines(new QVBoxLayout),
      m_buttons(new QHBoxLayout)
{
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
    // The caption is the same in both languages.
    setWindowTitle(uiText(UiText::DialogCaption, m_state.settings.language()));
    setWindowIcon(applicationIcon());

    auto *image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setFixedSize(iconSize, iconSize);
    image->setPixmap(applicationPixmap(iconSize));
    auto *icon = new QVBoxLayout;
    icon->addWidget(image);
    icon->addStretch(1);

    auto *bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameShape(QFrame::VLine);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setFixedWidth(4);

    m_lines->setSpacing(lineGap);
    auto *text = new QVBoxLayout;
    text->addLayout(m_lines);
    text->addStretch(1);
    m_buttons->setSpacing(buttonGap);
    m_buttons->addStretch(1);
    text->addLayout(m_buttons);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(outerMargin, outerMargin, rightMargin, outerMargin);
    layout->setSpacing(iconGap);
    layout->addLayout(icon);
    layout->addWidget(bevel);
    layout->addLayout(text, 1);
    fitToTexts();
}

QLabel *SmallDialog::makeLabel(const QString &name)
{
    auto *label = new QLabel(this);
    label->setObjectName(name);
    // Paths may hold "<" and "&": never read them as markup.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    if (m_labels.isEmpty()) {
        label->setFont(titleFont(font()));
        m_lines->addWidget(label);
        m_lines->addSpacing(titleGap);
    } else {
        m_lines->addWidget(label);
    }
    m_labels.append(label);
    return label;
}

void SmallDialog::addLine(QWidget *line)
{
    m_lines->addWidget(line);
}

void SmallDialog::addBlankLine()
{
    m_lines->addSpacing(blankLineHeight);
}

QPushButton *SmallDialog::makeButton(const QString &name, int slot)
{
    auto *button = new QPushButton(this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    // The stated size is the least; a longer caption widens the button.
    button->setMinimumSize(buttonWidth, buttonHeight);
    const auto place =
        std::find_if(m_buttonSlots.begin(), m_buttonSlots.end(), [slot](int other) { return other < slot; });
    const int index = int(place - m_buttonSlots.begin());
    m_buttonSlots.insert(place, slot);
    m_buttons->insertWidget(index + 1, button); // behind the stretch
    return button;
}

QString SmallDialog::shortenedToLine(const QLabel &line, const QString &path, const QString &around)
{
    const QFontMetrics metrics = line.fontMetrics();
    return minimizePath(path, textWidth - metrics.horizontalAdvance(around),
                        [&metrics](const QString &text) { return metrics.horizontalAdvance(text); });
}

void SmallDialog::fitToTexts()
{
    int column = textWidth;
    for (const QLabel *label : std::as_const(m_labels))
        column = qMax(column, label->fontMetrics().horizontalAdvance(label->text()));
    column = qMin(column, widestTextColumn);
    for (QLabel *label : std::as_const(m_labels))
        label->setMinimumWidth(column);
    QLayout *all = layout();
    all->activate();
    const int width = qMax(statedSize.width(), all->minimumSize().width());
    const int height =
        all->hasHeightForWidth() ? all->totalHeightForWidth(width) : all->minimumSize().height();
    setFixedSize(width, qMax(statedSize.height(), height));
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
