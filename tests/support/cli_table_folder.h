#pragma once
// A generated folder for tabulix-cli to list, the options of its table and the expected outputs.
#include "collect_test_support.h"

#include <QTemporaryDir>

inline QByteArray expected(const char *name)
{
    QFile file(QStringLiteral(TABULIX_TEST_DATA "/e2e/expected/") + QString::fromUtf8(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("cannot read ") + name;
}

// Three files with fixed sizes and change times; the creation time is left out of the table
// because no file system lets a test set it.
struct GeneratedFolder {
    GeneratedFolder()
    {
        const QDateTime changed(QDate(2020, 5, 17), QTime(12, 34, 56), Qt::UTC);
        for (const auto &[name, size] : {std::pair{"liste/alpha.txt", 100}, std::pair{"liste/beta.jpg", 2048},
                                         std::pair{"liste/unter/gamma.txt", 5000}}) {
            const QString path = makeFile(root.filePath(QString::fromUtf8(name)), QByteArray(size, 'x'));
            setFileTimes(path, changed);
        }
    }
    QTemporaryDir root;
};

inline const QStringList tableOptions = {
    QStringLiteral("--lang"), QStringLiteral("de"),
    QStringLiteral("--set"),  QStringLiteral("PBCH.act_datum_erstellt=0"),
    QStringLiteral("--set"),  QStringLiteral("PBCH.act_datum_changed=1"),
    QStringLiteral("--set"),  QStringLiteral("PBCH.act_format_dateiformat=1")};
