#pragma once
// The C library's time zone as file times use it: rows show local standard time all year,
// plus one hour while the daylight-saving correction is on and the zone keeps summer time now.
#include <QDateTime>
#include <ctime>

struct ZoneBias {
    int standardOffsetSeconds = 0; // east of UTC, without daylight saving
    bool daylightNow = false;      // the zone is in daylight time at the moment asked for
    bool daylightDiffers = false;  // and its daylight offset differs from the standard one

    // The zone of TZ (or /etc/localtime) at the given moment.
    static ZoneBias at(std::time_t now);

    // The correction applies only when the switch is on and the zone is in real summer time.
    bool correctionApplies(bool switchOn) const { return switchOn && daylightNow && daylightDiffers; }

    // The wall-clock value of a UTC instant in standard time, one hour later when corrected.
    // Returned with the UTC time spec so that it never shifts again.
    QDateTime wallClock(const QDateTime &utc, bool corrected) const;
};
