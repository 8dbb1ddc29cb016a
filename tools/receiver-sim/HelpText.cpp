#include "CommandLine.h"

std::string_view HelpText() {
    return R"(usage: receiver-sim [OPTIONS]

Simulates a GPS receiver on a pseudo-terminal, so Harrowview (or any serial
tool) can be tried and tested without hardware. The terminal's path is the
first line on standard output; open it as the receiver's serial port. Clients
may close and reopen it at any time; what the receiver sends while no one has
it open is lost, as on an unplugged line. Runs until Ctrl-C or SIGTERM.

Every simulated second: GGA, GSA, GSV, RMC, $POLYT, $POLYP, $POLYS, RRE,
$POLYI.

Terminal:
  --link PATH              also make PATH a symlink to the terminal (a
                           leftover symlink is replaced; removed at exit)
Position and sky:
  --position LAT,LON,ALT   degrees, degrees, metres above the ellipsoid
                           (default 48.1173,11.5167,592.3)
  --geoid METRES           geoid separation given in GGA (default 46.9)
  --noise METRES           position wander, 1 sigma per horizontal axis and
                           1.5 sigma vertically (default 2)
  --satellites N           satellites above the horizon, 1..14 (default 10)
  --mask DEG               no signal below this elevation (default 0)
  --mask-sector A1-A2:EL   no signal below EL from azimuth A1 clockwise to A2,
                           like a building; repeatable (e.g. 300-30:25)
Time and resets:
  --speed N                simulated seconds per real second, up to 1000
  --start KIND             fixed (already navigating, default), hot, warm, cold
  --ttff-hot S             seconds from a hot reset to the 50 m fix (default 5)
  --ttff-warm S            the same after a warm reset (default 30)
  --ttff-cold S            the same after a cold reset (default 45)
  --ttff-spread F          each reset draws its time within +-F of it (0.15)
  --seed N                 seed for all randomness (default: from the clock,
                           shown on standard error)
Faults:
  --silent                 send nothing at all, answer nothing
  --bad-checksum-rate P    send this fraction of sentences with a bad checksum
  --drop-replies           carry out commands but send no $PZEKR replies
  --loader-code CODE@N[:K] answer ~CODE to the N-th record the loader is
                           given (a record sent again is the same record),
                           the first K times it comes (1); repeatable
  --loader-silence N[:K]   no answer to the N-th record, the first K times
  --loader-erase-fails     answer the upper flash erase with ~2
  --loader-stall STAGE     the loader hangs before a report: erase (the
                           erase result), era, exe or final
  --loader-final TEXT      the last report is ~TEXT instead of ~F
  --loader-second-form-only
                           only $PSYMS,UPGM,SREC starts the loader;
                           $PZEKS,UPGM,SREC gets no answer
  --loader-log FILE        write each loader command and each record the
                           loader takes to FILE, one a line
  --no-polyn               no $POLYN notices after a reset
  --ignore-resets          answer reset commands with OK but do not restart
  --no-estimates           leave the error estimates of $POLYP and RRE
                           empty, as receivers without them do
Other:
  --verbose                report clients and input on standard error
  --help                   this text

Commands: lines ending CR LF, checksum optional.
  $PZEKQ,ITEM              -> $PZEKR,ITEM,VALUE
  $PZEKS,ITEM,VALUE        -> $PZEKR,ITEM,OK
  errors                   -> $PZEKR,ITEM,ERR,UNKNOWN|READONLY|VALUE,
                              $PZEKR,ERR,SYNTAX, $PZEKR,ERR,CHECKSUM
  items (names on one line are one setting; defaults in brackets):
    VER, VERS              firmware version (read-only)
    SN                     serial number (read-only)
    PORT                   the port the command came in on: U1 (read-only)
    MASK, ELVM             elevation cut-off for satellites used in the fix,
                           0..90 degrees [5]
    U1CM                   LABEL,BAUD,N,1 with 4.8k,4800 9.6k,9600 19.2k,19200
                           38.4k,38400 57.6k,57600 or 115.2k,115200
                           [9.6k,9600,N,1]
    BAUD                   U1CM's baud alone, 4800..115200 [9600]
    DIFF                   six fields, the first Y or N, the rest kept as
                           sent [N,RTCM,N,60,60,60]
    DGPS                   ON or OFF: DIFF's first field [OFF]
    RATE                   output rate, 1..10 Hz [1]
    PPS                    ON or OFF [ON]
    RXID 0..9999 [0], FIXM 1..3 [3], MMSV MIN,MAX with 3 <= MIN <= MAX <= 12
    [3,12], DRLM 0..999 [20], PLAT 0..9 [3]
  Only the elevation cut-off changes the simulation; the rest is remembered.
  $PSYMQ and $PSYMS are answered the same way with $PSYMR.
  $PZEKS,RSET              hot reset
  $PZEKS,RSET,EPH          warm reset
  $PZEKS,RSET,ALM          cold reset (any RSET naming ALM or CONFIG; CONFIG
                           also restores the settings)
  After a reset: $POLYN,RSET,HOT|WARM|COLD, then $POLYN,EPH,nn and ALM,nn for
  the data kept (hot: ephemerides of the satellites in view and almanacs
  1-32; warm: almanacs 1-32; cold: none), and no more notices until the next
  reset. The $POLYT millisecond count starts again at 0 and the fix drops:
  satellites are found one by one, then a 2D fix at 10 km and 600 m, 3D at
  100 m and at 50 m (at the --ttff time), then only the --noise remains.
  $11 / $0                 raw debug frames on / off: type letter (T time,
                           P position, S satellite), hex payload, hex XOR
                           of the payload, then the byte 0x1E
S-record loader: $PZEKS,UPGM,SREC (or $PSYMS,UPGM,SREC): the reply; once the
  client has set its line to 38400 baud, the loader's speed, ~E, and 1 s
  later the erase result ~0 (or ~2). Each record is answered ~0
  (taken), ~3 (bad checksum: send it again; the fourth time in a row ~9) or
  ~5 (not an S-record). S7/S8/S9 is answered ~7 and ~Era at once, ~Exe 0.5 s
  later and ~F 0.5 s after that. After ~F, ~2, ~5 or ~9 the receiver
  restarts (hot) 2 s later and sends NMEA again.
)";
}
