#pragma once
// The filter window of the renaming tool: all files, or only the extensions of `filter`, for
// the folders it searches. It stays on top and waits until closed with "OK".
#include <QDialog>

class QLineEdit;
class QRadioButton;
class Settings;

class TRenamix_filter : public QDialog {
    Q_OBJECT
public:
    explicit TRenamix_filter(Settings &settings, QWidget *parent = nullptr);

    void applyLanguage();

    QRadioButton *const alle;
    QRadioButton *const auswahl;
    QLineEdit *const filter;

private:
    void applyEnabled();

    Settings &m_settings;
};
