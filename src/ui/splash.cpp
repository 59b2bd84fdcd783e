#include "ui/splash.h"

#include "common/language.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

SplashTick splashTick(int tick)
{
    SplashTick actions;
    actions.showMainWindow = tick >= 4;
    actions.hideStartWindow = tick >= 6;
    actions.stopTimer = tick >= 8;
    return actions;
}

QImage splashPicture(Language language)
{
    const bool german = isGerman(language);
    QImage picture(420, 240, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient background(0, 0, 0, picture.height());
    background.setColorAt(0, QColor(32, 74, 135));
    background.setColorAt(1, QColor(12, 36, 74));
    painter.fillRect(picture.rect(), background);

    // A small table: the thing the program makes.
    painter.setPen(QPen(QColor(255, 255, 255, 90), 1));
    for (int row = 0; row < 6; ++row)
        painter.drawLine(250, 60 + row * 22, 390, 60 + row * 22);
    for (int column = 0; column < 4; ++column)
        painter.drawLine(250 + column * 46, 60, 250 + column * 46, 170);

    painter.setPen(Qt::white);
    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(40);
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(QRect(24, 50, 240, 60), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tabulix"));

    QFont subtitle(QStringLiteral("DejaVu Sans"));
    subtitle.setPixelSize(15);
    painter.setFont(subtitle);
    painter.drawText(QRect(24, 110, 220, 60), Qt::AlignLeft | Qt::TextWordWrap,
                     german ? QStringLiteral("Dateilisten nach Maß")
                            : QStringLiteral("File lists made to measure"));

    subtitle.setPixelSize(12);
    painter.setFont(subtitle);
    painter.setPen(QColor(200, 214, 236));
    painter.drawText(QRect(24, 196, 372, 24), Qt::AlignLeft | Qt::AlignVCenter,
                     german ? QStringLiteral("Wird gestartet …") : QStringLiteral("Starting …"));
    return picture;
}
