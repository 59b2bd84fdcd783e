#include "ui/u_einstshortcuts.h"

#include "app/program_state.h"
#include "common/tabulix_error.h"
#include "shell/chosen_types.h"
#include "shell/shell_texts.h"
#include "ui/named_widget.h"
#include "ui/u_settings_binding.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QColor activeColour(0, 128, 0);
const QColor inactiveColour(255, 0, 0);

void showColoured(QLabel *label, const QString &text, const QColor &colour)
{
    label->setText(text);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

} // namespace

Teinstshortcuts::Teinstshortcuts(ProgramState &state, ShellIntegration shell, QWidget *parent)
    : QDialog(parent), ver_konfig(named<QLabel>(this, "ver_konfig")),
      ver_sendenan(named<QLabel>(this, "ver_sendenan")), ver_ordner(named<QLabel>(this, "ver_ordner")),
      ver_alledateien(named<QLabel>(this, "ver_alledateien")),
      administratorLine(named<QLabel>(this, "administratorLine")),
      beldateien(named<QLineEdit>(this, "beldateien")), resultLine(named<QLabel>(this, "resultLine")),
      m_state(state), m_shell(std::move(shell))
{
    setObjectName(QString::fromUtf8(shortcutsWindowName));
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(named<QLabel>(this, "Label1"));
    layout->addWidget(administratorLine);
    layout->addWidget(
        buildKindGroup("GroupBox1", "Label2", ShellKind::Configuration, "KonfigAn", "KonfigAus", ver_konfig));
    layout->addWidget(
        buildKindGroup("GroupBox2", "Label3", ShellKind::SendTo, "SendenAnAn", "SendenAnAus", ver_sendenan));
    layout->addWidget(
        buildKindGroup("GroupBox3", "Label4", ShellKind::Folders, "OrdnerAn", "OrdnerAus", ver_ordner));
    layout->addWidget(buildFilesGroup());
    resultLine->setWordWrap(true);
    layout->addWidget(resultLine);
    auto *okRow = new QHBoxLayout;
    okRow->addStretch();
    auto *ok = named<QPushButton>(this, "Button1");
    okRow->addWidget(ok);
    layout->addLayout(okRow);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    applyLanguage();
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QLayout *Teinstshortcuts::buildButtons(ShellKind kind, const char *addName, const char *removeName,
                                       QLabel *status)
{
    auto *row = new QHBoxLayout;
    auto *add = named<QPushButton>(this, addName);
    auto *remove = named<QPushButton>(this, removeName);
    connect(add, &QPushButton::clicked, this, [this, kind] { change(kind, true); });
    connect(remove, &QPushButton::clicked, this, [this, kind] { change(kind, false); });
    row->addWidget(add);
    row->addWidget(remove);
    row->addStretch();
    if (status) {
        row->addWidget(new QLabel(QStringLiteral("Status:"), this));
        row->addWidget(status);
    }
    return row;
}

QGroupBox *Teinstshortcuts::buildKindGroup(const char *groupName, const char *explanationName, ShellKind kind,
                                           const char *addName, const char *removeName, QLabel *status)
{
    auto *group = named<QGroupBox>(this, groupName);
    auto *layout = new QVBoxLayout(group);
    layout->addWidget(named<QLabel>(group, explanationName));
    layout->addLayout(buildButtons(kind, addName, removeName, status));
    return group;
}

QGroupBox *Teinstshortcuts::buildFilesGroup()
{
    QGroupBox *group = buildKindGroup("GroupBox4", "Label5", ShellKind::AllFiles, "AlleDateienAn",
                                      "AlleDateienAus", ver_alledateien);
    auto *layout = static_cast<QVBoxLayout *>(group->layout());
    layout->addWidget(named<QLabel>(group, "Label6"));
    bindLineEdit(beldateien, m_state.settings, SettingsWindow::SC);
    layout->addWidget(beldateien);
    layout->addLayout(
        buildButtons(ShellKind::ChosenTypes, "BeliebigeDateienAn", "BeliebigeDateienAus", nullptr));
    return group;
}

void Teinstshortcuts::change(ShellKind kind, bool add)
{
    // The status labels tell whether the entries are in place; the result line tells what the
    // chosen types got, and why any click failed.
    const Language language = m_state.settings.language();
    const QString types = m_state.settings.value(SC::beldateien);
    try {
        if (add)
            m_shell.add(kind, language, types);
        else
            m_shell.remove(kind);
        if (kind != ShellKind::ChosenTypes)
            resultLine->clear();
        else if (add)
            showColoured(resultLine,
                         chosenTypesAddedText.in(language).arg(chosenExtensions(types).join(u", ")),
                         activeColour);
        else
            showColoured(resultLine, chosenTypesRemovedText.in(language), activeColour);
    } catch (const TabulixError &error) {
        showColoured(resultLine, error.message(), inactiveColour);
    }
    if (hasStatus(kind))
        refreshStatusLabels();
}

void Teinstshortcuts::refreshStatusLabels()
{
    const Language language = m_state.settings.language();
    const std::pair<QLabel *, ShellKind> labels[] = {{ver_konfig, ShellKind::Configuration},
                                                     {ver_sendenan, ShellKind::SendTo},
                                                     {ver_ordner, ShellKind::Folders},
                                                     {ver_alledateien, ShellKind::AllFiles}};
    for (const auto &[label, kind] : labels) {
        const bool active = m_shell.isActive(kind);
        showColoured(label, (active ? activeText : inactiveText).in(language),
                     active ? activeColour : inactiveColour);
    }
}

void Teinstshortcuts::applyLanguage()
{
    const Language language = m_state.settings.language();
    setWindowTitle(shortcutsCaption(objectName(), language));
    for (const ShortcutsCaption &caption : shortcutsCaptions()) {
        const QString name = QString::fromUtf8(caption.name);
        const QString text = caption.caption.in(language);
        if (auto *button = findChild<QPushButton *>(name))
            button->setText(text);
        else if (auto *label = findChild<QLabel *>(name))
            label->setText(text);
        else if (auto *group = findChild<QGroupBox *>(name))
            group->setTitle(text);
    }
    refreshStatusLabels();
    resultLine->clear();
    // Per-user entries need no administrator rights, so no restart with them is offered; the
    // line only tells whether the program runs as root.
    const bool root = runsAsAdministrator();
    showColoured(administratorLine, ::administratorLine(root, language),
                 root ? activeColour : inactiveColour);
}

void Teinstshortcuts::showEvent(QShowEvent *event)
{
    refreshStatusLabels();
    QDialog::showEvent(event);
}
