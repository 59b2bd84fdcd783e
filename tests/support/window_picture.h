#pragma once
// The tools that make the README's pictures of single windows: their command line and the
// picture of a shown window.
#include "common/language.h"

#include <QCoreApplication>
#include <QImage>
#include <QTest>
#include <QTextStream>
#include <QWidget>

#include <optional>

// The language of "TOOL de|en OUTPUT.png"; none after the usage is written to standard error.
inline std::optional<Language> pictureLanguage(const char *tool)
{
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 3)
        if (const std::optional<Language> language = languageOfCode(arguments.at(1)))
            return language;
    QTextStream(stderr) << "usage: " << tool << " de|en OUTPUT.png\n";
    return std::nullopt;
}

// Shows the window and saves its picture to the output named on the command line, in few
// colours so that the file stays small; the tool's exit code.
inline int saveWindowPicture(QWidget &window)
{
    QTextStream err(stderr);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        err << "the window never showed\n";
        return 1;
    }
    const QString output = QCoreApplication::arguments().at(2);
    const QImage picture =
        window.grab().toImage().convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    if (!picture.save(output, "PNG", 9)) {
        err << "could not write " << output << '\n';
        return 1;
    }
    return 0;
}
