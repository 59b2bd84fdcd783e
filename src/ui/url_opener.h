#pragma once
// Hands an address to the desktop: web pages to the browser, mailto: to the mail program.
// Windows take it as a value so that tests put in their own and start nothing outside.
#include <QDesktopServices>
#include <QUrl>

#include <functional>

using UrlOpener = std::function<bool(const QUrl &)>;

inline bool openWithDesktop(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}
