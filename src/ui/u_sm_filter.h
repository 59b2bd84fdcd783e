#pragma once
// The type filter window: all files or only chosen formats for folder searches. Every
// control mirrors its setting, so a change takes effect at once; there is no cancelling.
#include <QDialog>
#include <QList>

struct FilterBox;
struct ProgramState;
class QCheckBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;

class Tsm_filter : public QDialog {
    Q_OBJECT
public:
    explicit Tsm_filter(ProgramState &state, QWidget *parent = nullptr);

    // Every caption in the current language.
    void applyLanguage();

    QRadioButton *const alle;
    QRadioButton *const auswahl;
    QPushButton *const Button1;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QGridLayout *buildCategories();
    void applyEnabled();

    // Each check box with its entry and its field (none for a group box).
    struct Category {
        const FilterBox *entry;
        QCheckBox *box;
        QLineEdit *field;
    };

    ProgramState &m_state;
    QList<Category> m_categories;
};
