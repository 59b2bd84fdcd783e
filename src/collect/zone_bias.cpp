#include "collect/zone_bias.h"

#include <time.h>

ZoneBias ZoneBias::at(std::time_t now)
{
    // tzset() reads TZ once; `timezone` then holds the standard offset west of UTC.
    tzset();
    ZoneBias bias;
    bias.standardOffsetSeconds = int(-timezone);
    std::tm local{};
    if (localtime_r(&now, &local)) {
        bias.daylightNow = local.tm_isdst > 0;
        bias.daylightDiffers = bias.daylightNow && local.tm_gmtoff != bias.standardOffsetSeconds;
    }
    return bias;
}

QDateTime ZoneBias::wallClock(const QDateTime &utc, bool corrected) const
{
    if (!utc.isValid())
        return {};
    const qint64 seconds = standardOffsetSeconds + (corrected ? 3600 : 0);
    return QDateTime::fromMSecsSinceEpoch(utc.toMSecsSinceEpoch() + seconds * 1000, Qt::UTC);
}
