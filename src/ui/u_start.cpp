#include "ui/u_start.h"

#include "app/program_state.h"
#include "common/error_text.h"
#include "common/language.h"
#include "ui/splash.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLoggingCategory>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {
// Tells scripts that drive the program when its start is over.
Q_LOGGING_CATEGORY(lcStart, "tabulix.start", QtWarningMsg)
} // namespace

Tstart::Tstart(ProgramState &state, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), m_state(state)
{
    setObjectName(QStringLiteral("Tstart"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto makeSplash = [&](const QString &name, Language language) {
        auto *picture = new QLabel(this);
        picture->setObjectName(name);
        picture->setPixmap(QPixmap::fromImage(splashPicture(language)));
        picture->hide();
        picture->installEventFilter(this);
        layout->addWidget(picture);
        return picture;
    };
    Image1 = makeSplash(QStringLiteral("Image1"), Language::German);
    en1 = makeSplash(QStringLiteral("en1"), Language::English);

    // The one place that holds the interface language, mirrored from the shared state.
    spr = new QLabel(languageCode(m_state.settings.language()), this);
    spr->setObjectName(QStringLiteral("spr"));
    spr->hide();
    connect(&m_state.settings, &Settings::languageChanged, spr,
            [this](Language language) { spr->setText(languageCode(language)); });

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(SplashTimerInterval);
    connect(Timer1, &QTimer::timeout, this, &Tstart::Timer1Timer);

    applyLanguage();
    m_ticks = 0;
    setFixedSize(sizeHint());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    Timer1->start();
}

void Tstart::applyLanguage()
{
    const bool german = isGerman(m_state.settings.language());
    Image1->setVisible(german);
    en1->setVisible(!german);
    setWindowTitle(applicationTitle());
}

void Tstart::Timer1Timer()
{
    const SplashTick actions = splashTick(++m_ticks);
    if (actions.showMainWindow)
        showMainWindow();
    if (actions.hideStartWindow)
        hide();
    if (actions.stopTimer) {
        Timer1->stop();
        qCInfo(lcStart) << "start window gone, main window shown";
    }
}

void Tstart::splashClick()
{
    showMainWindow();
    hide();
    Timer1->stop();
    qCInfo(lcStart) << "start window gone, main window shown";
}

void Tstart::showMainWindow()
{
    if (!m_mainWindow)
        return;
    m_mainWindow->show();
    m_mainWindow->raise();
    m_mainWindow->activateWindow();
}

bool Tstart::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == Image1 || watched == en1) && event->type() == QEvent::MouseButtonRelease) {
        splashClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Tstart::closeEvent(QCloseEvent *event)
{
    // Closing the start window is closing the program: the main window decides.
    event->setAccepted(!m_mainWindow || m_mainWindow->close());
}
