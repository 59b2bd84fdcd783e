#pragma once
// The menu "Ansicht" and the view logic of the main window. The four view switches decide which
// areas show; the panel settings of the columns and areas follow them, the restore buttons of
// the hidden areas stand in the bottom bar, and the split of input and preview goes back to
// half and half unless a splitter moved.
#include <QObject>

class DesignArea;
enum class MenuSwitch;
class QMenu;
class QSplitter;
class QWidget;
class Settings;

class ViewLogic : public QObject {
    Q_OBJECT
public:
    // Fills `viewMenu`; the close and restore buttons are found in `frame` by name.
    ViewLogic(QMenu &viewMenu, QWidget &frame, Settings &settings, QSplitter &columns,
              QSplitter &inputAndPreview, DesignArea &design);

    // The restore buttons in slots as wide as the widest caption needs.
    void placeRestoreButtons();
    void followWindowResize();

private Q_SLOTS:
    void m_anz_inputClick();

private:
    void toggleView(MenuSwitch area);
    void arrangeView();
    void showViewPanels();
    void splitAfterResize(bool fromSplitter);

    QWidget &m_frame;
    Settings &m_settings;
    QSplitter *Splitter1;
    QSplitter *Splitter2;
    DesignArea &m_design;
};
