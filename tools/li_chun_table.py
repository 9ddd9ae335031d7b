#!/usr/bin/python3
"""Prints the table of Li Chun's day in February, in Beijing time, for engine/li_chun.cpp.

Li Chun, the start of spring, is the moment the Sun's apparent ecliptic longitude, referred to
the true equinox of the date, reaches 315 degrees. The Sun's place comes from PyEphem (Debian's
python3-ephem), whose solar theory is VSOP87 with nutation and aberration: good to a few seconds
of time. Meeus' shorter series ("Astronomical Algorithms", chapter 25) gives the same days, but
only to within a few minutes, and in 1980 Li Chun came nine minutes after midnight. The moment
is found by bisection and shown in UTC+8; for 2017 to 2030 it agrees to the minute with the
published times.

Needs python3-ephem, which the program itself does not: the table is made once and kept.

Run:  python3 tools/li_chun_table.py            the C++ rows, one decade a line
      python3 tools/li_chun_table.py --moments  each year's moment, to see how near midnight
"""

import math
import sys

import ephem

FIRST_YEAR, LAST_YEAR = 1899, 2051
LONGITUDE = math.radians(315.0)
BEIJING = 8 * ephem.hour


def apparent_longitude(moment):
    # The apparent place (g_ra, g_dec), with aberration and nutation; PyEphem's ecliptic of a
    # body alone starts from its astrometric place and comes out about a quarter of an hour early.
    sun = ephem.Sun()
    sun.compute(moment, epoch=moment)
    return ephem.Ecliptic(ephem.Equatorial(sun.g_ra, sun.g_dec, epoch=moment), epoch=moment).lon


def li_chun(year):
    """Li Chun's moment in that year, in UTC+8."""
    low, high = float(ephem.Date(f"{year}/1/25")), float(ephem.Date(f"{year}/2/15"))
    while high - low > ephem.second:
        middle = (low + high) / 2
        behind = (apparent_longitude(middle) - LONGITUDE + math.pi) % (2 * math.pi) - math.pi
        low, high = (middle, high) if behind < 0 else (low, middle)
    return ephem.Date(low + BEIJING).tuple()


def main():
    moments = {year: li_chun(year) for year in range(FIRST_YEAR, LAST_YEAR + 1)}
    if "--moments" in sys.argv:
        for year, (_, month, day, hour, minute, _) in moments.items():
            print(f"{year}-{month:02d}-{day:02d} {hour:02d}:{minute:02d}")
        return
    for decade in range(FIRST_YEAR - FIRST_YEAR % 10, LAST_YEAR + 1, 10):
        cells = [f"{moments[year][2]}," if year in moments else "  "
                 for year in range(decade, decade + 10)]
        print(f"    /* {decade} */ {' '.join(cells).rstrip()}")


if __name__ == "__main__":
    main()
