#pragma once
// Small helpers for tests that build real files and folders in a temporary folder.
#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QString>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>

inline QString makeFile(const QString &path, const QByteArray &content = {})
{
    QDir().mkpath(path.left(path.lastIndexOf(u'/')));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
    return path;
}

// Sets the access and change times of a path to one UTC moment.
inline void setFileTimes(const QString &path, const QDateTime &utc)
{
    const timespec when{std::time_t(utc.toSecsSinceEpoch()), 0};
    const timespec both[2] = {when, when};
    utimensat(AT_FDCWD, QFile::encodeName(path).constData(), both, 0);
}

// Switches the C library's zone for one test and back to UTC afterwards.
class ZoneForTest {
public:
    explicit ZoneForTest(const char *zone)
    {
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ZoneForTest()
    {
        setenv("TZ", "UTC", 1);
        tzset();
    }
};

inline std::time_t utcMoment(int year, int month, int day, int hour = 12)
{
    return std::time_t(QDateTime(QDate(year, month, day), QTime(hour, 0), Qt::UTC).toSecsSinceEpoch());
}
