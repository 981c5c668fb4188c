#!/bin/sh
# Takes a screenshot of the front panel with live LEDs on a virtual display:
#   tests/panel/screenshot.sh BUILD_DIR OUTPUT.png
set -eu
build=$1
out=$2
xvfb-run -a -s "-screen 0 800x160x24" sh -c "
    '$build/tests/panel/panel_show' 6 &
    sleep 4
    import -window root '$out'
    wait"
