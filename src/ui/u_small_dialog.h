#pragma once
// What the three small dialogs share: a tool window on top, captioned "Tabulix", the icon with a
// line beside it, a column of text lines and a row of buttons, and a place over the main window
// whenever shown. It is 481 × 220 unless its texts need more: the text column widens to the
// longest line up to a limit, longer lines wrap, and the dialog grows to hold them.
#include <QDialog>
#include <QPointer>

struct ProgramState;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;

class SmallDialog : public QDialog {
    Q_OBJECT
public:
    // mainWindow only gives the place; it may be null, and it need not be the parent.
    SmallDialog(ProgramState &state, QWidget *mainWindow, QWidget *parent);

    void setMainWindow(QWidget *mainWindow) { m_mainWindow = mainWindow; }

protected:
    bool event(QEvent *event) override;

    // The next line of the text column; the first one made is the title in a larger font.
    QLabel *makeLabel(const QString &name);
    // A button in the bottom row; slot 0 is the rightmost.
    QPushButton *makeButton(const QString &name, int slot);
    // Any other widget as the next line of the text column.
    void addLine(QWidget *line);
    // An empty line in the text column.
    void addBlankLine();
    // Takes the size the texts need now, at least the stated one; call after changing them.
    void fitToTexts();
    // The path shortened so that it fits the stated width of the text column in the line's
    // font, together with `around`, the text the caller puts around it.
    static QString shortenedToLine(const QLabel &line, const QString &path, const QString &around = {});

    ProgramState &m_state;

private:
    void placeOverMainWindow();

    QPointer<QWidget> m_mainWindow;
    QVBoxLayout *m_lines;
    QHBoxLayout *m_buttons;
    QList<int> m_buttonSlots; // of the buttons in the row, left to right
    QList<QLabel *> m_labels; // of the text column, top to bottom
};
