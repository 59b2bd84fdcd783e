#pragma once
// The type filter window: all files or only chosen formats for folder searches. Every
// control mirrors its setting, so a change takes effect at once; there is no cancelling.
#include <QDialog>

struct ProgramState;
class QGridLayout;
class QPushButton;
class QRadioButton;

class Tsm_filter : public QDialog {
    Q_OBJECT
public:
    explicit Tsm_filter(ProgramState &state, QWidget *parent = nullptr);

    // Every caption in the current language.
    void Sprache();

    QRadioButton *const alle;
    QRadioButton *const auswahl;
    QPushButton *const Button1;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QGridLayout *buildCategories();
    void applyEnabled();

    ProgramState &m_state;
};
