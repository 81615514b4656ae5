#!/usr/bin/env bash
# Runs one Windows program under Wine for the tests: wine-run.sh PREFIX PROGRAM [ARGS...]
# 64-bit and 32-bit programs alike: the 64-bit loader hands a 32-bit program to Wine's 32-bit half
# (wine32:i386), whereas the plain `wine` command is the 32-bit loader once that is installed, and
# cannot start a 64-bit program.
#
# Every run shares the prepared prefix PREFIX (made once under a lock, about 20 s), which uses
# Wine's null graphics driver so that windows work without an X display. Wine leaves a server and
# its service processes running after a program ends; were they started by a test they would
# hold ctest's output pipes and ctest would wait for them. So the server is started detached and
# kept for a minute between runs, and the program's output goes through files that nothing
# outlives.
set -uo pipefail
prefix=$1
shift

wine=/usr/lib/wine/wine64
server=/usr/lib/wine/wineserver64
[ -x "$wine" ] || wine=$(command -v wine64 || command -v wine)
[ -x "$server" ] || server=$(command -v wineserver)
export WINEPREFIX=$prefix WINELOADER=$wine WINESERVER=$server
export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset DISPLAY WAYLAND_DISPLAY

mkdir -p "$prefix"
{
    flock 9
    if [ ! -f "$prefix/.quorvane-ready" ]; then
        "$wine" wineboot -i </dev/null >/dev/null 2>&1 9>&-
        "$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f \
            </dev/null >/dev/null 2>&1 9>&-
        # A prefix for a display scaled above 100% (QUORVANE_WINE_DPI=144 is 150%).
        if [ -n "${QUORVANE_WINE_DPI:-}" ]; then
            "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
                /d "$QUORVANE_WINE_DPI" /f </dev/null >/dev/null 2>&1 9>&-
        fi
        # The desktop process wineboot started read the settings before they were made; the
        # first programs would meet it (no window could be created). End it with its server.
        "$server" -k </dev/null >/dev/null 2>&1 9>&-
        "$server" -w </dev/null >/dev/null 2>&1 9>&-
        touch "$prefix/.quorvane-ready"
    fi
    # A second server for the same prefix exits at once; the first stays 60 s after its last
    # program.
    setsid "$server" -p60 </dev/null >/dev/null 2>&1 9>&-
} 9>"$prefix.lock"

out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
"$wine" "$@" </dev/null >"$out" 2>"$err"
status=$?
cat "$out"
cat "$err" >&2
exit "$status"
