#!/bin/sh
# Draws the front-panel picture and the port glyphs with ImageMagick and
# writes them as JPEG files beside this script. The drawing is the
# project's own: a dark 19-inch front with mounting ears, a label area,
# power and console LEDs, the port LED matrix, two blocks of twelve copper
# jacks and four combo ports. Positions match the port buttons and LED
# panels the front-panel view lays over the picture (752 x 100 pixels).
set -eu
cd "$(dirname "$0")"

FONT=DejaVu-Sans
BOLD=DejaVu-Sans-Bold
LED_COLUMNS="97 113 131 147 163 179 203"
LED_ROWS="31 48 64 81"

draw=""
add() { draw="$draw $*"; }

# Port numbers of the LED matrix: port n sits in column (n-1)/4, row (n-1)%4.
n=1
for x in $LED_COLUMNS; do
    for y in $LED_ROWS; do
        add "text $((x + 8)),$((y + 6)) '$n'"
        n=$((n + 1))
    done
done

# Copper ports 1 to 24: odd numbers above the upper row, even below the lower.
i=0
for x in 309 332 355 378 401 424 462 485 508 529 552 577; do
    i=$((i + 1))
    add "text $((x + 6)),23 '$((2 * i - 1))'"
    add "text $((x + 6)),86 '$((2 * i))'"
done

convert -size 752x100 gradient:'#41464e-#24272c' \
    -fill '#2f3339' -stroke '#5b626c' -draw "roundrectangle 12,2 739,97 4,4" \
    -fill '#4b5159' -stroke '#6a717b' -draw "rectangle 0,0 11,99" -draw "rectangle 740,0 751,99" \
    -fill '#15171a' -stroke '#15171a' \
        -draw "roundrectangle 3,16 8,28 2,2" -draw "roundrectangle 3,72 8,84 2,2" \
        -draw "roundrectangle 743,16 748,28 2,2" -draw "roundrectangle 743,72 748,84 2,2" \
    -fill '#1c1f23' -stroke '#4a5058' \
        -draw "rectangle 88,24 221,92" \
        -draw "rectangle 303,17 452,88" -draw "rectangle 456,17 603,88" -draw "rectangle 608,17 737,88" \
        -draw "rectangle 19,49 31,81" \
    -fill '#c8ccd2' -stroke '#8d939b' -draw "roundrectangle 227,28 297,78 2,2" \
    -stroke none -fill '#e9ecef' -font "$BOLD" -pointsize 12 -draw "text 20,20 'TQ-2400G'" \
    -fill '#9aa1aa' -font "$FONT" -pointsize 7 -draw "text 20,32 'Managed Switch'" \
    -fill '#c4c9cf' -draw "text 34,59 'Power'" -draw "text 34,77 'Console'" \
    -draw "text 150,20 'Link / Act'" \
    -fill '#2a2e33' -font "$BOLD" -pointsize 8 -draw "text 233,42 '28-Port'" \
    -font "$FONT" -pointsize 7 -draw "text 233,54 'Gigabit'" -draw "text 233,64 'Ethernet'" \
    -draw "text 233,74 '4 Combo SFP'" \
    -fill '#9aa1aa' -font "$FONT" -pointsize 6 -draw "$draw" \
    -draw "text 621,26 '25'" -draw "text 654,24 '25'" -draw "text 677,24 '27'" -draw "text 720,26 '27'" \
    -draw "text 621,80 '26'" -draw "text 654,86 '26'" -draw "text 677,86 '28'" -draw "text 720,80 '28'" \
    -draw "text 614,94 'SFP'" -draw "text 656,94 'Copper'" -draw "text 716,94 'SFP'" \
    -quality 92 front.jpg

# The copper jack, latch down (upper row) and latch up (lower row).
convert -size 18x18 xc:'#aeb4bb' \
    -fill '#7c828a' -draw "rectangle 0,0 17,0" -draw "rectangle 0,0 0,17" \
    -fill '#0b0c0e' -draw "rectangle 2,2 15,12" -draw "rectangle 6,12 11,15" \
    -fill '#c9a227' -draw "rectangle 3,3 14,5" \
    -fill '#0b0c0e' -draw "line 4,3 4,5" -draw "line 6,3 6,5" -draw "line 8,3 8,5" \
        -draw "line 10,3 10,5" -draw "line 12,3 12,5" \
    -quality 95 rj45-up.jpg
convert rj45-up.jpg -flip -quality 95 rj45-down.jpg

# The fibre cage of a combo port.
convert -size 19x13 xc:'#bfc4ca' \
    -fill '#8a9098' -draw "rectangle 0,0 18,0" -draw "rectangle 0,12 18,12" \
    -fill '#0b0c0e' -draw "rectangle 2,3 16,9" \
    -fill '#5d636b' -draw "rectangle 4,5 14,7" \
    -quality 95 sfp.jpg
