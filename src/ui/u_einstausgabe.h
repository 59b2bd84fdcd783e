#pragma once
// The output settings window: the encoding of saved tables, the font and background of
// pictures and the CSV options. Its controls mirror their settings, so a change takes effect
// at once; "OK" only closes it.
#include "table/table_picture.h"

#include <QDialog>

struct ProgramState;
class QLabel;
class QLineEdit;
class QGroupBox;
class QPushButton;

class Teinstausgabe : public QDialog {
    Q_OBJECT
public:
    explicit Teinstausgabe(ProgramState &state, QWidget *parent = nullptr);

    // Every caption in the current language.
    void applyLanguage();

    // The last valid colour entered in `Edit1`.
    QColor backgroundColour() const { return m_background; }

    QPushButton *const BitBtn6;
    QPushButton *const BitBtn1;
    QLabel *const Label3;
    QLineEdit *const Edit1;
    QPushButton *const Button1;

private:
    QGroupBox *buildPictureGroup();
    QGroupBox *buildEncodingGroup();
    QGroupBox *buildCsvGroup();
    void choosePictureFont();
    void chooseBackgroundColour();
    void Edit1Change(const QString &text);
    void showPictureFont();
    void showBackground();

    ProgramState &m_state;
    QColor m_background = Qt::white;
};
