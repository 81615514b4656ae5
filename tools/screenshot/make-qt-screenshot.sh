#!/usr/bin/env bash
# Makes the README's screenshot of the main window after a finished run.
# Usage: tools/screenshot/make-qt-screenshot.sh BUILD_DIR [OUT.png [SCENE]]   (default OUT: docs/screenshot.png)
# SCENE (copy, drop or message) pictures Ctrl+C on selected rows, a dropped file, or a message box.
# With Xvfb and openbox installed the picture shows the window frame and title bar; otherwise
# the window is drawn offscreen without them.
set -euo pipefail
build=${1:?usage: make-qt-screenshot.sh BUILD_DIR [OUT.png]}
out=${2:-docs/screenshot.png}
scene=()
[ -z "${3:-}" ] || scene=(--scene "$3")
program="$build/bin/quorvane-screenshot"
if command -v xvfb-run >/dev/null && command -v openbox >/dev/null; then
  # The window manager needs a moment to take over the screen before the window appears.
  xvfb-run -a -s "-screen 0 1000x620x24" \
    sh -c 'openbox >/dev/null 2>&1 & wm=$!; sleep 2; p=$0 o=$1; shift
           "$p" --frame "$@" "$o"; rc=$?; kill $wm; exit $rc' \
    "$program" "$out" "${scene[@]}"
else
  QT_QPA_PLATFORM=offscreen "$program" "${scene[@]}" "$out"
fi
