#!/usr/bin/env bash
# make-artwork.sh - draws every picture Ledgerwick ships with.
#
# Needs only ImageMagick 6 (`convert`) and the DejaVu fonts.  Run it from
# anywhere; it writes its pictures into the folder it lives in.  The output
# is reproducible: metadata and PNG time stamps are left out.
#
# Small pictures are drawn eight times larger than their final size and then
# averaged down, which keeps the edges smooth.  All coordinates below are in
# final pixels; the "scale" in front of every drawing does the enlarging.

set -euo pipefail
export LC_ALL=C
export MAGICK_THREAD_LIMIT=1

OUT=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT

S=8                      # supersampling factor
SC="scale $S,$S"         # prefix for every drawing in final-pixel units

pick_font() {            # pick_font <ImageMagick name> <file>
    if [ -f "$2" ]; then echo "$2"; else echo "$1"; fi
}
FONT_BOLD=$(pick_font DejaVu-Sans-Bold /usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf)
FONT_COND=$(pick_font DejaVu-Sans-Condensed-Bold /usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf)

# ---------------------------------------------------------------- helpers ---

# save_png <big canvas> <name> <w> <h>: average down and write a clean RGBA PNG
save_png() {
    convert "$1" -filter Box -resize "$3x$4!" -strip \
        -define png:exclude-chunks=date,time "PNG32:$OUT/$2"
}

# save_jpg <image> <name>
save_jpg() {
    convert "$1" -strip -interlace none -sampling-factor 1x1 -quality 90 "$OUT/$2"
}

# canvas <w> <h> <file>: empty transparent canvas, supersampled
canvas() {
    convert -size "$(( $1 * S ))x$(( $2 * S ))" xc:none "$3"
}

# lgrad <w> <h> <file> <angle> <colour> <colour> [<colour>]: linear gradient
# fill pattern covering a whole supersampled canvas (angle 180 = top to bottom)
lgrad() {
    local w=$(( $1 * S )) h=$(( $2 * S )) f=$3 a=$4
    if [ $# -ge 7 ]; then
        # three stops: two gradients of half the length, put together
        local big=$(( (w > h ? w : h) * 2 ))
        local half=$(( big / 2 ))
        convert \( -size "${big}x${half}" gradient:"$5"-"$6" \) \
                \( -size "${big}x${half}" gradient:"$6"-"$7" \) -append \
                -virtual-pixel edge -distort SRT "$(( a - 180 ))" \
                -gravity center -crop "${w}x${h}+0+0" +repage "$f"
    else
        convert -size "${w}x${h}" -define gradient:angle="$a" gradient:"$5"-"$6" "$f"
    fi
}

# rgrad <w> <h> <file> <cx> <cy> <r> <inner> <outer>: radial gradient pattern
rgrad() {
    convert -size "$(( $1 * S ))x$(( $2 * S ))" \
        -define gradient:center="$(awk "BEGIN{print $4*$S}"),$(awk "BEGIN{print $5*$S}")" \
        -define gradient:radii="$(awk "BEGIN{print $6*$S}"),$(awk "BEGIN{print $6*$S}")" \
        radial-gradient:"$7"-"$8" "$3"
}

# star <cx> <cy> <R> <r>: points of a five-pointed star, point upwards
star() {
    awk -v cx="$1" -v cy="$2" -v R="$3" -v r="$4" 'BEGIN{
        pi = atan2(0, -1)
        for (i = 0; i < 10; i++) {
            a = (-90 + i * 36) * pi / 180; d = (i % 2) ? r : R
            printf "%.3f,%.3f ", cx + d * cos(a), cy + d * sin(a)
        }
    }'
}

# star_facets <cx> <cy> <R> <r> <light colour> <dark colour>: draw commands
# for ten triangles shaded as if lit from the upper left (a pressed-metal look)
star_facets() {
    awk -v cx="$1" -v cy="$2" -v R="$3" -v r="$4" -v L="$5" -v D="$6" '
    function hex(s, i) { return index("0123456789abcdef", tolower(substr(s, i, 1))) - 1 }
    function comp(s, k) { return hex(s, 2 + 2 * k) * 16 + hex(s, 3 + 2 * k) }
    BEGIN{
        pi = atan2(0, -1)
        for (i = 0; i < 10; i++) {
            a = (-90 + i * 36) * pi / 180; d = (i % 2) ? r : R
            x[i] = cx + d * cos(a); y[i] = cy + d * sin(a)
        }
        la = 225 * pi / 180            # light comes from the upper left
        for (i = 0; i < 10; i++) {
            j = (i + 1) % 10
            # a facet leans the way its outer edge faces
            ex = x[j] - x[i]; ey = y[j] - y[i]
            nx = ey; ny = -ex
            mx = (x[i] + x[j]) / 2 - cx; my = (y[i] + y[j]) / 2 - cy
            if (nx * mx + ny * my < 0) { nx = -nx; ny = -ny }
            t = atan2(ny, nx)
            b = 0.5 + 0.5 * cos(t - la)
            b = 0.1 + 0.9 * b
            printf "fill #"
            for (k = 0; k < 3; k++) {
                v = comp(D, k) + (comp(L, k) - comp(D, k)) * b
                printf "%02x", int(v + 0.5)
            }
            printf " polygon %.3f,%.3f %.3f,%.3f %.3f,%.3f ", cx, cy, x[i], y[i], x[j], y[j]
        }
    }'
}

# gear <cx> <cy> <outer R> <root r> <teeth>: outline of a gear wheel
gear() {
    awk -v cx="$1" -v cy="$2" -v Ro="$3" -v Ri="$4" -v n="$5" 'BEGIN{
        pi = atan2(0, -1); p = 2 * pi / n
        for (t = 0; t < n; t++) {
            a = -pi / 2 + t * p
            # tooth: flanks narrowing towards the tip
            printf "%.3f,%.3f ", cx + Ri * cos(a - 0.27 * p), cy + Ri * sin(a - 0.27 * p)
            printf "%.3f,%.3f ", cx + Ro * cos(a - 0.17 * p), cy + Ro * sin(a - 0.17 * p)
            printf "%.3f,%.3f ", cx + Ro * cos(a + 0.17 * p), cy + Ro * sin(a + 0.17 * p)
            printf "%.3f,%.3f ", cx + Ri * cos(a + 0.27 * p), cy + Ri * sin(a + 0.27 * p)
            # root between this tooth and the next one
            for (k = 1; k <= 3; k++) {
                b = a + (0.27 + k * 0.115) * p
                printf "%.3f,%.3f ", cx + Ri * cos(b), cy + Ri * sin(b)
            }
        }
    }'
}

# arc_arrow <cx> <cy> <rx> <ry> <from> <to> <width> <head length deg> <head half width>
# A curved arrow along an ellipse, angles in degrees (0 = right, 90 = down).
arc_arrow() {
    awk -v cx="$1" -v cy="$2" -v rx="$3" -v ry="$4" -v a0="$5" -v a1="$6" \
        -v w="$7" -v hl="$8" -v hw="$9" 'BEGIN{
        pi = atan2(0, -1); s = (a1 > a0) ? 1 : -1; ah = a1 - s * hl
        n = 24; h = w / 2
        for (i = 0; i <= n; i++) {          # outer edge
            a = (a0 + (ah - a0) * i / n) * pi / 180
            printf "%.3f,%.3f ", cx + (rx + h) * cos(a), cy + (ry + h) * sin(a)
        }
        a = ah * pi / 180                    # arrow head
        printf "%.3f,%.3f ", cx + (rx + hw) * cos(a), cy + (ry + hw) * sin(a)
        b = a1 * pi / 180
        printf "%.3f,%.3f ", cx + rx * cos(b), cy + ry * sin(b)
        printf "%.3f,%.3f ", cx + (rx - hw) * cos(a), cy + (ry - hw) * sin(a)
        for (i = n; i >= 0; i--) {          # inner edge
            a = (a0 + (ah - a0) * i / n) * pi / 180
            printf "%.3f,%.3f ", cx + (rx - h) * cos(a), cy + (ry - h) * sin(a)
        }
    }'
}

# globe <size> <file> <cx> <cy> <R> <detail 0|1> <line width>: blue globe
globe() {
    local W=$1 f=$2 cx=$3 cy=$4 R=$5 detail=$6 lw=$7
    rgrad "$W" "$W" "$TMP/globe-fill.png" \
        "$(awk "BEGIN{print $cx-$R*0.35}")" "$(awk "BEGIN{print $cy-$R*0.4}")" \
        "$(awk "BEGIN{print $R*1.45}")" '#9ccfff' '#123a96'
    local lines
    lines=$(awk -v cx="$cx" -v cy="$cy" -v R="$R" -v d="$detail" 'BEGIN{
        printf "ellipse %.3f,%.3f %.3f,%.3f 0,360 ", cx, cy, R * 0.48, R
        printf "line %.3f,%.3f %.3f,%.3f ", cx, cy - R, cx, cy + R
        printf "line %.3f,%.3f %.3f,%.3f ", cx - R, cy, cx + R, cy
        if (d) {
            printf "ellipse %.3f,%.3f %.3f,%.3f 0,360 ", cx, cy, R * 0.85, R
            for (k = -1; k <= 1; k += 2) {
                yy = cy + k * R * 0.52; hx = R * sqrt(1 - 0.52 * 0.52)
                printf "line %.3f,%.3f %.3f,%.3f ", cx - hx, yy, cx + hx, yy
            }
        }
    }')
    canvas "$W" "$W" "$f"
    convert "$f" \
        -tile "$TMP/globe-fill.png" -draw "$SC stroke none circle $cx,$cy $cx,$(awk "BEGIN{print $cy-$R}")" +tile \
        -draw "$SC fill none stroke #d6ecff stroke-opacity 0.75 stroke-width $lw $lines" \
        -draw "$SC fill none stroke #0d2c78 stroke-width $lw circle $cx,$cy $cx,$(awk "BEGIN{print $cy-$R}")" \
        "$f"
}

# ------------------------------------------------------------- backgrounds ---

# banner.jpg: dark navy at the top running into blue at the bottom
convert -size 770x57 gradient:'#0b1640'-'#2f5fd0' "$TMP/banner.png"
save_jpg "$TMP/banner.png" banner.jpg

# strip.jpg: white, with a soft light grey-blue shade along the top edge
convert -size 770x37 xc:white \
    -fill '#d3dbe8' -draw "line 0,0 769,0" \
    -fill '#eef1f7' -draw "line 0,1 769,1" "$TMP/strip.png"
save_jpg "$TMP/strip.png" strip.jpg

# title-strip.png: white fading very slightly to pale blue-grey, grey base line
convert -size 770x23 gradient:'#ffffff'-'#e8edf5' \
    \( -size 770x1 xc:'#c4cad4' \) -append \
    -strip -define png:exclude-chunks=date,time "PNG24:$OUT/title-strip.png"

# ----------------------------------------------------------------- emblem ---

rgrad 48 48 "$TMP/disc.png" 18 15 34 '#4f80e8' '#163c9a'
lgrad 48 48 "$TMP/silver.png" 150 '#ffffff' '#c9ced6' '#8d949e'
canvas 48 48 "$TMP/emblem.png"
convert "$TMP/emblem.png" \
    -tile "$TMP/disc.png" -draw "$SC stroke none circle 24,24 24,0.6" +tile \
    -draw "$SC fill #1e4bb8 fill-opacity 0.35 circle 24,24 24,1" \
    -draw "$SC fill none stroke #c9d9ff stroke-width 1.3 circle 24,24 24,1.3" \
    -draw "$SC fill none stroke #0c2566 stroke-width 0.7 circle 24,24 24,0.4" \
    -draw "$SC stroke none $(star_facets 24 25.2 18.5 7.4 '#ffffff' '#8c939d')" \
    -draw "$SC fill none stroke #353b45 stroke-width 1 stroke-linejoin round polygon $(star 24 25.2 18.5 7.4)" \
    "$TMP/emblem.png"
save_png "$TMP/emblem.png" emblem.png 48 48

# ----------------------------------------------------------- program icon ---

# lw_icon <final size>: white "LW" on a rounded blue square, drawn on a
# 256x256 canvas.  The outline is one final pixel wide (at least 4 canvas
# pixels) and sits one outline width inside the edge.
lw_icon() {
    local px=$(( 256 / $1 ))
    local sw=$(( px > 4 ? px : 4 ))
    local a=$(( sw * 3 / 2 )) b=$(( 256 - sw * 3 / 2 ))
    convert -size 256x256 -define gradient:angle=180 gradient:'#4f86f2'-'#1a42aa' "$TMP/lw-fill.png"
    convert -size 256x256 xc:none \
        -tile "$TMP/lw-fill.png" -draw "stroke none roundrectangle $a,$a $b,$b 44,44" +tile \
        -draw "fill white fill-opacity 0.16 roundrectangle $(( a + 8 )),$(( a + 6 )) $(( b - 8 )),120 36,36" \
        -draw "fill none stroke #0e2a72 stroke-width $sw roundrectangle $a,$a $b,$b 44,44" \
        -font "$FONT_COND" -pointsize 140 -gravity center \
        -fill 'rgba(13,37,102,0.55)' -annotate +4+10 'LW' \
        -fill white -annotate +0+6 'LW' \
        "$TMP/lw-$1.png"
}
lw_icon 256
convert "$TMP/lw-256.png" -strip -define png:exclude-chunks=date,time "PNG32:$OUT/ledgerwick-256.png"
lw_icon 32
convert "$TMP/lw-32.png" -filter Box -resize 32x32 -dither None -colors 16 -channel A -fx 'u < 0.03 ? 0 : u' +channel -type PaletteAlpha -strip \
    -define png:exclude-chunks=date,time "$OUT/ledgerwick.png"

# -------------------------------------------------------------- tab icons ---

# tab0: editor - a lined sheet of paper with a pencil
canvas 16 16 "$TMP/t.png"
convert "$TMP/t.png" \
    -draw "$SC fill #ffffff stroke #6f7c90 stroke-width 1 polygon 2.5,0.5 9.5,0.5 12.5,3.5 12.5,15.5 2.5,15.5" \
    -draw "$SC fill #d5dce6 stroke #6f7c90 stroke-width 0.8 stroke-linejoin round polygon 9.5,0.5 9.5,3.5 12.5,3.5" \
    -draw "$SC fill none stroke #8ea6cc stroke-width 1 line 4,5.5 8.5,5.5 line 4,7.5 11,7.5 line 4,9.5 11,9.5 line 4,11.5 8,11.5 line 4,13.5 6,13.5" \
    -draw "$SC translate 6.8,14.2 rotate -45 stroke #4a3410 stroke-width 0.6 stroke-linejoin round
           fill #f4d9a6 polygon 0,0 3.2,-1.6 3.2,1.6
           fill #3a3a3a polygon 0,0 1.2,-0.6 1.2,0.6
           fill #f5b82e rectangle 3.2,-1.6 9.6,1.6
           fill #e68a98 rectangle 9.6,-1.6 11.6,1.6" \
    "$TMP/t.png"
save_png "$TMP/t.png" tab0.png 16 16

# tab1: server information - a blue round "i"
rgrad 16 16 "$TMP/f.png" 5.5 4.5 11 '#6fa6ff' '#1a48ad'
canvas 16 16 "$TMP/t.png"
convert "$TMP/t.png" \
    -tile "$TMP/f.png" -draw "$SC stroke none circle 8,8 8,0.6" +tile \
    -draw "$SC fill none stroke #123a8c stroke-width 0.9 circle 8,8 8,0.9" \
    -draw "$SC fill white stroke none circle 8,4.4 8,3.1 rectangle 6.9,6.4 9.1,12.4 rectangle 6,6.4 9.1,7.4 rectangle 6,11.4 10,12.4" \
    "$TMP/t.png"
save_png "$TMP/t.png" tab1.png 16 16

# draw_gear <size> <file> <cx> <cy> <R> <r> <teeth> <hole r> <outline width>
#           <light> <dark> <outline colour>
draw_gear() {
    local W=$1 f=$2 cx=$3 cy=$4 R=$5 r=$6 n=$7 hole=$8 lw=$9
    lgrad "$W" "$W" "$TMP/gear-fill.png" 150 "${10}" "${11}"
    canvas "$W" "$W" "$f"
    convert "$f" \
        -tile "$TMP/gear-fill.png" \
        -draw "$SC stroke ${12} stroke-width $lw stroke-linejoin round polygon $(gear "$cx" "$cy" "$R" "$r" "$n")" +tile \
        \( -size "$(( W * S ))x$(( W * S ))" xc:none -fill black \
           -draw "$SC circle $cx,$cy $cx,$(awk "BEGIN{print $cy-$hole}")" \) \
        -compose DstOut -composite -compose Over \
        -draw "$SC fill none stroke ${12} stroke-width $lw circle $cx,$cy $cx,$(awk "BEGIN{print $cy-$hole-$lw/2}")" \
        "$f"
}

# tab2: server options - a grey-blue gear wheel
draw_gear 16 "$TMP/t.png" 8 8 7.5 5.4 8 2.2 0.9 '#dbe3ef' '#6a7f9f' '#34445e'
save_png "$TMP/t.png" tab2.png 16 16

# tab3: network options - a blue globe with meridians
globe 16 "$TMP/t.png" 8 8 7.35 0 0.8
save_png "$TMP/t.png" tab3.png 16 16

# tab4: game options - a small gold star
canvas 16 16 "$TMP/t.png"
convert "$TMP/t.png" \
    -draw "$SC stroke none $(star_facets 8 8.7 7.8 3.3 '#fff2a8' '#b57a0e')" \
    -draw "$SC fill none stroke #6e4a00 stroke-width 0.8 stroke-linejoin round polygon $(star 8 8.7 7.8 3.3)" \
    "$TMP/t.png"
save_png "$TMP/t.png" tab4.png 16 16

# tab5: gametypes - a small flag on a pole
lgrad 16 16 "$TMP/f.png" 180 '#ff6a55' '#c01f18'
canvas 16 16 "$TMP/t.png"
convert "$TMP/t.png" \
    -tile "$TMP/f.png" \
    -draw "$SC stroke #7a0e0a stroke-width 0.8 stroke-linejoin round path 'M 4,2.2 C 7,0.4 10,4 14.6,2.2 L 14.6,9.4 C 10,11.2 7,7.6 4,9.4 Z'" +tile \
    -draw "$SC fill #5c6470 stroke #2e333a stroke-width 0.6 rectangle 2.4,2 4.1,15.6" \
    -draw "$SC fill #f2c23a stroke #7a5a08 stroke-width 0.6 circle 3.25,1.6 3.25,0.4" \
    "$TMP/t.png"
save_png "$TMP/t.png" tab5.png 16 16

# draw_arrows <w> <h> <file> <cx> <cy> <rx> <ry> <width> <head deg> <head half width> <outline>
# two green arrows chasing each other round an ellipse
draw_arrows() {
    local W=$1 H=$2 f=$3
    lgrad "$W" "$H" "$TMP/arrow-fill.png" 150 '#8fe070' '#1f8a25'
    canvas "$W" "$H" "$f"
    convert "$f" -tile "$TMP/arrow-fill.png" \
        -draw "$SC stroke #145c18 stroke-width ${11} stroke-linejoin round
               polygon $(arc_arrow "$4" "$5" "$6" "$7" 160 300 "$8" "$9" "${10}")
               polygon $(arc_arrow "$4" "$5" "$6" "$7" 340 480 "$8" "$9" "${10}")" \
        "$f"
}

# tab6: map rotation - two green arrows chasing each other in a circle
draw_arrows 16 16 "$TMP/t.png" 8 8 5.2 5.2 2.3 52 3.4 0.6
save_png "$TMP/t.png" tab6.png 16 16

# tab7: weapons - a dark red crosshair
canvas 16 16 "$TMP/t.png"
convert "$TMP/t.png" \
    -draw "$SC fill none stroke #a01515 stroke-width 1.4 circle 8,8 8,2.5" \
    -draw "$SC fill #a01515 stroke none
           rectangle 7,0.5 9,5 rectangle 7,11 9,15.5
           rectangle 0.5,7 5,9 rectangle 11,7 15.5,9
           rectangle 7,7 9,9" \
    "$TMP/t.png"
save_png "$TMP/t.png" tab7.png 16 16

# tab8: votes - a green check mark on a small white ballot box
lgrad 16 16 "$TMP/f.png" 180 '#ffffff' '#d3dae5'
canvas 16 16 "$TMP/t.png"
convert "$TMP/t.png" \
    -tile "$TMP/f.png" -draw "$SC stroke #56647a stroke-width 1 rectangle 1.5,7.5 14.5,15.5" +tile \
    -draw "$SC fill #2a3442 stroke none rectangle 4.5,7 11.5,8.6" \
    -draw "$SC fill none stroke #135e17 stroke-width 3.4 stroke-linecap round stroke-linejoin round polyline 4,5.2 7,8.4 13,1.8" \
    -draw "$SC fill none stroke #3fb83a stroke-width 1.9 stroke-linecap round stroke-linejoin round polyline 4,5.2 7,8.4 13,1.8" \
    "$TMP/t.png"
save_png "$TMP/t.png" tab8.png 16 16

# ------------------------------------------------------------- menu icons ---

# menu-save: a floppy disk
lgrad 18 17 "$TMP/f.png" 150 '#5d90f0' '#1b44a8'
lgrad 18 17 "$TMP/g.png" 180 '#eef1f5' '#a9b1bd'
canvas 18 17 "$TMP/t.png"
convert "$TMP/t.png" \
    -tile "$TMP/f.png" -draw "$SC stroke #0f2a70 stroke-width 1 stroke-linejoin round polygon 1.5,0.5 14.5,0.5 16.5,2.5 16.5,16.5 1.5,16.5" +tile \
    -tile "$TMP/g.png" -draw "$SC stroke #4b5566 stroke-width 0.7 rectangle 4.5,0.5 13,6.2" +tile \
    -draw "$SC fill #2c3442 stroke none rectangle 10,1.6 11.8,5.2" \
    -draw "$SC fill #ffffff stroke #0f2a70 stroke-width 0.7 rectangle 3.5,9 14.5,16.5" \
    -draw "$SC fill none stroke #9fb4d8 stroke-width 0.8 line 5,11.5 13,11.5 line 5,13.8 13,13.8" \
    "$TMP/t.png"
save_png "$TMP/t.png" menu-save.png 18 17

# menu-open: an open yellow folder
lgrad 18 17 "$TMP/f.png" 180 '#ffe38a' '#e0a42a'
lgrad 18 17 "$TMP/g.png" 180 '#fff2c0' '#f2c04a'
canvas 18 17 "$TMP/t.png"
convert "$TMP/t.png" \
    -tile "$TMP/f.png" -draw "$SC stroke #8a5a0e stroke-width 0.8 stroke-linejoin round polygon 0.8,2.5 6,2.5 7.6,4.3 14.5,4.3 14.5,15.6 0.8,15.6" +tile \
    -draw "$SC fill #ffffff stroke #9aa3b0 stroke-width 0.6 rectangle 3,5.6 13,12" \
    -tile "$TMP/g.png" -draw "$SC stroke #8a5a0e stroke-width 0.8 stroke-linejoin round polygon 3.4,8 17.3,8 14.6,15.6 0.8,15.6" +tile \
    "$TMP/t.png"
save_png "$TMP/t.png" menu-open.png 18 17

# menu-exit: a door with a red arrow pointing out of it
lgrad 18 17 "$TMP/f.png" 180 '#cf8a4a' '#8a5022'
lgrad 18 17 "$TMP/g.png" 180 '#ff7a62' '#c42616'
canvas 18 17 "$TMP/t.png"
convert "$TMP/t.png" \
    -draw "$SC fill #3a3f48 stroke #22262c stroke-width 0.8 rectangle 1.5,0.5 11.5,16.5" \
    -tile "$TMP/f.png" -draw "$SC stroke #4a2a0e stroke-width 0.7 stroke-linejoin round polygon 1.5,0.5 7.5,2.2 7.5,16.5 1.5,16.5" +tile \
    -draw "$SC fill #f5cf4a stroke none circle 6.2,9.2 6.2,8.4" \
    -tile "$TMP/g.png" -draw "$SC stroke #7a120a stroke-width 0.7 stroke-linejoin round polygon 8,7 12.6,7 12.6,4.2 17.4,8.6 12.6,13 12.6,10.2 8,10.2" +tile \
    "$TMP/t.png"
save_png "$TMP/t.png" menu-exit.png 18 17

# menu-support: a speech bubble with a question mark
lgrad 18 17 "$TMP/f.png" 180 '#ffffff' '#d5e3f8'
canvas 18 17 "$TMP/t.png"
convert "$TMP/t.png" \
    -tile "$TMP/f.png" \
    -draw "$SC stroke #2450b8 stroke-width 1 stroke-linejoin round path 'M 3.5,0.6 L 14.5,0.6 Q 17.4,0.6 17.4,3.5 L 17.4,9.5 Q 17.4,12.4 14.5,12.4 L 8.5,12.4 L 3.6,16.4 L 4.6,12.4 L 3.5,12.4 Q 0.6,12.4 0.6,9.5 L 0.6,3.5 Q 0.6,0.6 3.5,0.6 Z'" +tile \
    -font "$FONT_BOLD" -pointsize $(( 11 * S )) -fill '#1e4bb8' -gravity north -annotate +0+$(( S / 2 )) '?' \
    "$TMP/t.png"
save_png "$TMP/t.png" menu-support.png 18 17

# menu-kestrane: a small blue globe with a "K"
globe 20 "$TMP/t.png" 10 10 9.3 0 0.8
convert "$TMP/t.png" -font "$FONT_BOLD" -pointsize $(( 14 * S )) -gravity center \
    -fill '#0b2260' -stroke '#0b2260' -strokewidth $(( 2 * S )) -annotate +$(( S / 2 ))+$(( S / 2 )) 'K' \
    -stroke none -fill white -annotate +$(( S / 2 ))+$(( S / 2 )) 'K' \
    "$TMP/t.png"
save_png "$TMP/t.png" menu-kestrane.png 20 20

# ---------------------------------------------------------- page pictures ---

# pic-network: two monitors joined by a cable
lgrad 40 32 "$TMP/f.png" 180 '#eef1f5' '#a6aebb'
lgrad 40 32 "$TMP/g.png" 150 '#8cc0ff' '#1a46b0'
monitor() {  # monitor <left x> <top y>: draw commands for one monitor
    awk -v x="$1" -v y="$2" 'BEGIN{
        printf "stroke #3e4654 stroke-width 0.8 fill #8d95a3 "
        printf "rectangle %.2f,%.2f %.2f,%.2f ", x + 6.5, y + 12.5, x + 9.5, y + 15.5
        printf "roundrectangle %.2f,%.2f %.2f,%.2f 0.8,0.8 ", x + 3.5, y + 15.2, x + 12.5, y + 16.8
    }'
}
canvas 40 32 "$TMP/t.png"
convert "$TMP/t.png" \
    -draw "$SC fill none stroke #3e4654 stroke-width 1.3 stroke-linejoin round polyline 9,17 9,26.5 31,26.5 31,17" \
    -draw "$SC fill #2f3642 stroke #1c2129 stroke-width 0.7 roundrectangle 16.5,24 23.5,29 0.8,0.8" \
    -draw "$SC fill #5ee05a stroke none circle 18.4,26.5 18.4,25.8 fill #5ee05a circle 20,26.5 20,25.8 fill #f0c040 circle 21.6,26.5 21.6,25.8" \
    -draw "$SC $(monitor 1 1.5) $(monitor 23 1.5)" \
    -tile "$TMP/f.png" -draw "$SC stroke #3e4654 stroke-width 0.9 roundrectangle 1.5,1.5 16.5,14.5 1,1 roundrectangle 23.5,1.5 38.5,14.5 1,1" +tile \
    -tile "$TMP/g.png" -draw "$SC stroke #18305e stroke-width 0.6 rectangle 3,3 15,12.5 rectangle 25,3 37,12.5" +tile \
    -draw "$SC fill white fill-opacity 0.28 stroke none polygon 3.3,3.3 10,3.3 3.3,9.5 polygon 25.3,3.3 32,3.3 25.3,9.5" \
    "$TMP/t.png"
save_png "$TMP/t.png" pic-network.png 40 32

# pic-gear: a blue gear wheel
draw_gear 32 "$TMP/t.png" 16 16 15.2 11.6 10 4.8 1.1 '#8ebcff' '#1a44a8' '#0e2a6e'
convert "$TMP/t.png" -draw "$SC fill none stroke #c4dcff stroke-opacity 0.55 stroke-width 0.9 circle 16,16 16,8.2" "$TMP/t.png"
save_png "$TMP/t.png" pic-gear.png 32 32

# pic-globe: a blue globe
globe 32 "$TMP/t.png" 16 16 15 1 0.9
save_png "$TMP/t.png" pic-globe.png 32 32

# pic-star / pic-star-dark: five-pointed metal stars
draw_star48() {  # draw_star48 <file> <light> <dark> <outline>
    canvas 48 48 "$1"
    convert "$1" \
        -draw "$SC stroke none $(star_facets 24 25.5 22.6 9.2 "$2" "$3")" \
        -draw "$SC fill none stroke $4 stroke-width 1.3 stroke-linejoin round polygon $(star 24 25.5 22.6 9.2)" \
        "$1"
}
draw_star48 "$TMP/t.png" '#ffffff' '#868d98' '#3d434c'
save_png "$TMP/t.png" pic-star.png 48 48
draw_star48 "$TMP/t.png" '#9aa1aa' '#25292f' '#111317'
save_png "$TMP/t.png" pic-star-dark.png 48 48

# pic-arrows: two green arrows turning in a circle
draw_arrows 21 27 "$TMP/t.png" 10.5 13.5 6.4 9.4 2.6 42 3.9 0.7
save_png "$TMP/t.png" pic-arrows.png 21 27

# pic-pistol: a black pistol silhouette in a light grey circle
lgrad 30 30 "$TMP/f.png" 180 '#eef0f3' '#c9ced6'
canvas 30 30 "$TMP/t.png"
convert "$TMP/t.png" \
    -tile "$TMP/f.png" -draw "$SC stroke #a3aab5 stroke-width 0.8 circle 15,15 15,0.9" +tile \
    -draw "$SC translate -1,-0.6 fill #141414 stroke none
           polygon 4.6,9.4 24.6,9.4 25,10 25,14.6 11.5,14.6 11,15.2 4.6,15.2
           path 'M 18.6,14 L 25,14 L 26.8,22.4 Q 27,23.4 26,23.6 L 22.2,24.2 Q 21.2,24.3 21,23.3 L 19.3,16.6 Z'
           rectangle 5.2,8.6 6.6,9.6 rectangle 22.6,8.6 24.4,9.6" \
    -draw "$SC translate -1,-0.6 fill none stroke #141414 stroke-width 1.3 stroke-linecap round path 'M 19.6,16.4 Q 19.6,19.8 16.2,19.8 Q 13.2,19.8 13.2,14.8'" \
    -draw "$SC translate -1,-0.6 fill none stroke #141414 stroke-width 1 stroke-linecap round path 'M 16.4,14.8 Q 16.4,16.6 15.2,17.6'" \
    -draw "$SC translate -1,-0.6 fill none stroke #50555c stroke-width 0.5 line 6,12 23.6,12" \
    "$TMP/t.png"
save_png "$TMP/t.png" pic-pistol.png 30 30

# pic-paper: a lined sheet of paper with a pencil
canvas 32 32 "$TMP/t.png"
convert "$TMP/t.png" \
    -draw "$SC fill #ffffff stroke #6f7c90 stroke-width 1 stroke-linejoin round polygon 4.5,1.5 19.5,1.5 25.5,7.5 25.5,30.5 4.5,30.5" \
    -draw "$SC fill #d5dce6 stroke #6f7c90 stroke-width 0.9 stroke-linejoin round polygon 19.5,1.5 19.5,7.5 25.5,7.5" \
    -draw "$SC fill none stroke #8ea6cc stroke-width 1 line 7.5,5.5 16.5,5.5 line 7.5,9.5 22.5,9.5 line 7.5,13.5 22.5,13.5 line 7.5,17.5 20.5,17.5 line 7.5,21.5 16,21.5 line 7.5,25.5 12.5,25.5" \
    -draw "$SC translate 12.6,28.2 rotate -45 stroke #4a3410 stroke-width 0.8 stroke-linejoin round
           fill #f4d9a6 polygon 0,0 5.6,-2.7 5.6,2.7
           fill #3a3a3a polygon 0,0 2,-1 2,1
           fill #f5b82e rectangle 5.6,-2.7 19,2.7
           fill none stroke #d4961a line 5.9,0 18.7,0 stroke #4a3410
           fill #c0c6cf rectangle 19,-2.7 20.6,2.7
           fill #e68a98 rectangle 20.6,-2.7 23.4,2.7" \
    "$TMP/t.png"
save_png "$TMP/t.png" pic-paper.png 32 32

echo "artwork written to $OUT"
