#pragma once
// Builds the rows of an options panel of the column options: every control is named by its
// component name and bound to its setting, and the names it binds are collected for the
// refresh that follows any change.
#include "common/settings.h"

#include <QLabel>
#include <QSet>
#include <initializer_list>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QVBoxLayout;

// A label that reports clicks, for the captions that open a layout section.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// Typed keys of the drop-down lists: the fixed lists take none, the decimals take digits and
// backspace only while their text is a whole number.
class ChoiceKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

struct DesignBindings {
    Settings &settings;
    QSet<QString> &names;
    ChoiceKeys *keys;
};

class PanelBuilder {
public:
    PanelBuilder(QWidget *panel, DesignBindings bindings);

    QCheckBox *check(const char *name);
    QRadioButton *radio(const char *name);
    QLineEdit *field(const char *name);
    QComboBox *choice(const char *name);
    QLabel *label(const QString &name);
    // One row of controls, left-aligned.
    void row(std::initializer_list<QWidget *> controls);
    // A setting's control in a row of its own, behind its label where it has one.
    void setting(const char *name);
    QVBoxLayout *layout() const { return m_layout; }

private:
    QWidget *m_panel;
    QVBoxLayout *m_layout;
    DesignBindings m_bindings;
};
