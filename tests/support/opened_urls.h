#pragma once
// Stands in for the desktop while it lives: file URLs the program asks to open are written
// down instead of starting an application.
#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QUrl>

class OpenedUrls : public QObject {
    Q_OBJECT
public:
    OpenedUrls() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~OpenedUrls() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

    QList<QUrl> urls;

public Q_SLOTS:
    void open(const QUrl &url) { urls.append(url); }
};
