#pragma once
// What the three small dialogs share: a fixed 481 × 220 tool window on top, captioned
// "Tabulix", the icon with a line beside it, and a place over the main window whenever shown.
#include <QDialog>
#include <QPointer>

struct ProgramState;
class QLabel;
class QPushButton;

class SmallDialog : public QDialog {
    Q_OBJECT
public:
    // mainWindow only gives the place; it may be null, and it need not be the parent.
    SmallDialog(ProgramState &state, QWidget *mainWindow, QWidget *parent);

    void setMainWindow(QWidget *mainWindow) { m_mainWindow = mainWindow; }

protected:
    bool event(QEvent *event) override;

    // A label in the text column; row 0 is the title in the larger font.
    QLabel *makeLabel(const QString &name, int row);
    // A button in the bottom row; slot 0 is the rightmost.
    QPushButton *makeButton(const QString &name, int slot);

    ProgramState &m_state;

    static constexpr int textLeft = 96;
    static constexpr int textWidth = 353;
    static constexpr int firstLineTop = 50;
    static constexpr int lineHeight = 18;

private:
    void placeOverMainWindow();

    QPointer<QWidget> m_mainWindow;
};
