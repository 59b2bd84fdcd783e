#pragma once
// The columns-and-design area of the main window: a stack of sections, one per column kind
// and per layout topic, each a header panel with the column's switch and an "Optionen" button,
// followed by its options panel while that is open. It lives in the main window's scroll box.
#include <QList>
#include <QSet>
#include <QWidget>

class ChoiceKeys;
class OptionsWheel;
struct ProgramState;
class QFrame;
class QScrollArea;
class QVBoxLayout;
struct DesignSection;

class DesignArea : public QWidget {
    Q_OBJECT
public:
    // Builds the sections and puts the area into the scroll box.
    DesignArea(ProgramState &state, QScrollArea *box);

    // Every caption and list item in the current language.
    void applyLanguage();
    // Re-stacks the sections keeping the scroll position, then asks for a refresh.
    void arrangePanels();
    // Re-stacks only, as a resized window does.
    void restack();
    // The width the widest section needs, open or not: the area never needs to be wider.
    int widestSection();

    // The grouping controls can be changed only while grouping is chosen.
    void des_grup_jaClick();
    // Picking the custom item of a yes/no, padding or delimiter list empties it for typing.
    void act_attribute_hidden_jaChange(const QString &name);

    const OptionsWheel &wheel() const { return *m_wheel; }

Q_SIGNALS:
    // Any setting of the area or the column order changed: the output is out of date.
    void refreshRequested();

private:
    QFrame *buildHeader(const DesignSection &section);
    QFrame *buildOptions(const DesignSection &section, int index);
    void toggleOptions(const QString &options);
    void settingChanged(const QString &name);

    ProgramState &m_state;
    QScrollArea *m_box;
    QVBoxLayout *m_stack;
    ChoiceKeys *m_keys;
    OptionsWheel *m_wheel;
    QSet<QString> m_settingNames;
    QSet<QString> m_panels;              // header and options panels: shown or hidden, the stack changes
    QList<QWidget *> m_groupingControls; // looked up once; des_grup_jaClick enables them
};
