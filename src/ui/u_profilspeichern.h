#pragma once
// The profile window: which option groups of the main window a profile holds. Its check
// boxes are settings of their own, so the choice is stored in every configuration and is what
// the automatic saving of a profile takes.
#include <QDialog>
#include <QList>

struct ProgramState;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

class Tprofilspeichern : public QDialog {
    Q_OBJECT
public:
    explicit Tprofilspeichern(ProgramState &state, QWidget *parent = nullptr);

    // Every caption in the current language.
    void applyLanguage();

    // Save dialog, profile, then closing; a failed save leaves the window open.
    void Button1Click();
    // Every other check box takes the new state of "alle".
    void alleClick(bool checked);

    QCheckBox *const alle;
    QPushButton *const Button1;
    QPushButton *const Button2;

Q_SIGNALS:
    // A profile was written to this file.
    void profileSaved(const QString &path);

protected:
    void showEvent(QShowEvent *event) override;

private:
    ProgramState &m_state;
    QGroupBox *m_group;
    QLabel *m_heading;
    QList<QCheckBox *> m_boxes; // in window order, "alle" last
};
