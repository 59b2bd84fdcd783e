#pragma once
// The renaming tool's window: its own list of files, the mask with its placeholders, the
// numbering, search and replace, the preview of one file, renaming and undoing it. It lives for
// the whole run; closing it only hides it, so its list stays.
#include "renamer/rename_tool.h"

#include <QWidget>

class FileManagerLink;
struct ProgramState;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QStatusBar;
class QTreeView;
class TRenamix_filter;
class Tsm_meldung;

class TRenamix : public QWidget, private RenamerFeedback {
    Q_OBJECT
public:
    explicit TRenamix(ProgramState &state, QWidget *parent = nullptr);
    ~TRenamix() override;

    // The message window for "dateischoninliste" and "ordnerfalschopen".
    void useMessageWindow(Tsm_meldung &message) { m_message = &message; }
    // Every caption in the current language, its filter window's too.
    void applyLanguage();

    RenameTool &tool() { return m_tool; }
    TRenamix_filter &filterWindow() const { return *m_filter; }

    // The commands of the window, under their own names.
    void UmbenennenClick();
    void RueckgaengigClick();
    void OrdnerOeffnenClick();
    void quordnerKeyPress();
    void FilterClick();
    void Vorschau();
    void previewSelectedEntry();
    // Inserts the placeholder at the caret of the mask, replacing its selection.
    void insertPlaceholder(const QString &placeholder);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QWidget *buildListGroup();
    QWidget *buildMaskGroup();
    QWidget *buildReplaceGroup();
    QWidget *buildPreviewGroup();
    void buildPopup();
    QList<int> selectedRows() const;
    QStringList selectedPaths() const;
    void suchenersetzenClick();
    // Column widths that hold the captions and the status texts.
    void fitColumns();
    void updateUndo();
    // The search text marked, with the reason as its hint, while it is no regular expression.
    void markSearchProblem();
    // "N Namenskonflikte" above the buttons, empty without any.
    void updateClashCount();
    void capturePlacement();
    void applyPlacement();

    // What the work shows on its way.
    void showMessage(const QString &key, const QString &path) override;
    void setBusy(bool busy) override;
    void showStatus(const QString &text) override;
    void updateCountLine() override;
    void showFailure(const QString &text) override;

    // The pop-up menu of the list.
    void pop1Click();
    void pop2Click();
    void pop3Click();

    ProgramState &m_state;
    RenameTool m_tool;
    Tsm_meldung *m_message = nullptr;
    TRenamix_filter *m_filter;
    FileManagerLink *m_fileManager;
    bool m_capturing = false;

    QLineEdit *quordner = nullptr;
    QCheckBox *uv = nullptr;
    QTreeView *qulist = nullptr;
    QLabel *anzahl = nullptr;
    QComboBox *maske = nullptr;
    QComboBox *numstart = nullptr;
    QCheckBox *suchenersetzen = nullptr;
    QLineEdit *suchenalt = nullptr;
    QLineEdit *suchenneu = nullptr;
    QCheckBox *cb_suchname = nullptr;
    QCheckBox *cb_suchendung = nullptr;
    QCheckBox *cb_regex = nullptr;
    QCheckBox *cb_case = nullptr;
    QLabel *clashCount = nullptr;
    QMenu *m_morePlaceholders = nullptr;
    QLabel *alterName = nullptr;
    QLabel *neuerName = nullptr;
    QPushButton *Rueckgaengig = nullptr;
    QStatusBar *statusBar = nullptr;
    QMenu *popupqulist = nullptr;
    QList<QLabel *> m_placeholders;
};
