#!/bin/sh
# Draws every picture of the two windows with ImageMagick 6 (`convert`) and the CJK fonts
# of fonts-noto-cjk and fonts-arphic-uming. Re-running it gives byte-identical files: the
# noise has fixed seeds, ImageMagick runs on one thread (its threaded noise is not
# repeatable) and the PNG date chunks are left out.
#
#   sh assets/draw_artwork.sh        # rewrites the pictures beside this script
set -eu

cd "$(dirname "$0")"
export MAGICK_THREAD_LIMIT=1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

serif_bold=Noto-Serif-CJK-SC-Bold
ming=AR-PL-UMing-CN
# Without its font convert falls back to a Latin face and draws empty boxes: stop instead.
for font in "$serif_bold" "$ming"; do
    convert -list font | grep -q "Font: $font\$" || {
        echo "draw_artwork.sh: font $font is missing (fonts-noto-cjk, fonts-arphic-uming)" >&2
        exit 1
    }
done

dark_green='#2E6B12'
frame_green='#93C251'
# The title strip lies on the stretched background; tab edges that are only partly
# covered are mixed with this colour before the GIF's one-bit transparency cuts them.
strip_green='#E2F6C8'

# tab WIDTH HEIGHT TOP_COLOUR BOTTOM_COLOUR BORDER_COLOUR OUT
# The small title-strip button: touches the top edge, rounded at the bottom corners,
# a one-pixel border along the sides and the bottom. Drawn at four times the size and
# scaled down so the corners come out smooth.
tab() {
    w=$1 h=$2 top=$3 bottom=$4 border=$5 out=$6
    W=$((w * 4)) H=$((h * 4))
    convert -size "${W}x${H}" xc:black -fill white \
        -draw "roundrectangle 0,-24 $((W - 1)),$((H - 1)) 14,14" \
        -filter Box -resize "${w}x${h}!" "$work/outer.png"
    convert -size "${W}x${H}" xc:black -fill white \
        -draw "roundrectangle 4,-24 $((W - 5)),$((H - 5)) 10,10" \
        -filter Box -resize "${w}x${h}!" "$work/inner.png"
    convert -size "${w}x${h}" "gradient:${top}-${bottom}" "$work/inner.png" \
        -alpha off -compose CopyOpacity -composite "$work/fill.png"
    convert -size "${w}x${h}" "xc:${border}" "$work/outer.png" \
        -alpha off -compose CopyOpacity -composite \
        "$work/fill.png" -compose Over -composite "$out"
}

# A full 256-colour GIF palette: with its default tree depth ImageMagick merges the
# close greens of a gradient into a few visible bands.
quantise="-treedepth 8 -dither FloydSteinberg -colors 256"

# gif IN OUT: one-bit transparency for a shape with soft edges.
gif() {
    convert \( "$1" -background "$strip_green" -flatten \) \
        \( "$1" -alpha extract -threshold 45% \) \
        -alpha off -compose CopyOpacity -composite $quantise "$2"
}

# cross IN COLOUR OUT: the close button's diagonal cross.
cross() {
    convert "$1" -stroke "$2" -strokewidth 1.9 -fill none -draw "line 12,4 18,10" \
        -draw "line 18,4 12,10" "$3"
}

# bar IN OUT: the minimise button's short white bar, with a green edge so it also shows
# on the light tab.
bar() {
    convert "$1" -fill 'rgba(46,107,18,0.55)' -draw "rectangle 7,9 16,12" \
        -fill white -draw "rectangle 8,10 15,11" "$2"
}

# window_glyph IN COLOUR OUT: a small window with a downward triangle beside it.
window_glyph() {
    convert "$1" -fill none -stroke "$2" -strokewidth 1 +antialias \
        -draw "rectangle 5,4 13,11" -fill "$2" -stroke none -draw "rectangle 5,4 13,5" \
        -draw "polygon 15,7 19,7 17,9" "$3"
}

draw_close() {
    tab 31 17 '#F4FCEB' '#CDEAA6' "$frame_green" "$work/t.png"
    cross "$work/t.png" "$dark_green" "$work/f.png"; gif "$work/f.png" close_normal.gif
    tab 31 17 '#F79A6A' '#E0461E' '#B8391A' "$work/t.png"
    cross "$work/t.png" white "$work/f.png"; gif "$work/f.png" close_hot.gif
    tab 31 17 '#D8392B' '#B41E14' '#8E1810' "$work/t.png"
    cross "$work/t.png" white "$work/f.png"; gif "$work/f.png" close_pressed.gif
}

draw_minimise() {
    tab 24 17 '#F4FCEB' '#CDEAA6' "$frame_green" "$work/t.png"
    bar "$work/t.png" "$work/f.png"; gif "$work/f.png" minimise_normal.gif
    tab 24 17 '#A9DA6A' '#6FAE2E' '#5A9424' "$work/t.png"
    bar "$work/t.png" "$work/f.png"; gif "$work/f.png" minimise_hot.gif
    tab 24 17 '#5E9A2A' '#447A17' '#355F12' "$work/t.png"
    bar "$work/t.png" "$work/f.png"; gif "$work/f.png" minimise_pressed.gif
}

draw_log() {
    tab 24 17 '#F4FCEB' '#CDEAA6' "$frame_green" "$work/t.png"
    window_glyph "$work/t.png" "$dark_green" "$work/f.png"; gif "$work/f.png" log_normal.gif
    tab 24 17 '#A9DA6A' '#6FAE2E' '#5A9424' "$work/t.png"
    window_glyph "$work/t.png" white "$work/f.png"; gif "$work/f.png" log_hot.gif
    tab 24 17 '#5E9A2A' '#447A17' '#355F12' "$work/t.png"
    window_glyph "$work/t.png" white "$work/f.png"; gif "$work/f.png" log_pressed.gif
}

# The square face of the copy buttons and the other button, opaque: they sit on the
# panels' flat fill.
draw_blank() {
    convert -size 22x22 xc:'#A9D47E' \( -size 20x20 gradient:'#FFFFFF-#E0F4C9' \) \
        -geometry +1+1 -compose Copy -composite "$work/blank.png"
    convert "$work/blank.png" $quantise blank_normal.gif
    convert -size 20x20 xc:none -fill 'rgba(110,182,44,0.8)' -draw "ellipse 9.5,22 13,7 0,360" \
        -blur 0x2.5 "$work/glow.png"
    convert "$work/blank.png" "$work/glow.png" -geometry +1+1 -compose Over -composite \
        $quantise blank_hot.gif
    convert -size 22x22 xc:'#9CCB6C' -fill '#D3EDB3' -draw "rectangle 1,1 20,20" \
        blank_pressed.gif
}

# Light-green silk: horizontal fibres over a faint cross weave, two large pale glyphs and
# a few soft brush strokes, inside a one-pixel darker frame.
draw_background() {
    convert -size 300x205 'gradient:#E6F7D0-#DBF3BC' "$work/base.png"
    convert -seed 1907 -size 50x205 xc:gray50 +noise Random -colorspace Gray \
        -resize '300x205!' +level 36%,64% "$work/weft.png"
    convert -seed 1913 -size 300x41 xc:gray50 +noise Random -colorspace Gray \
        -resize '300x205!' +level 44%,56% "$work/warp.png"
    convert -seed 1931 -size 300x205 xc:gray50 +noise Gaussian -colorspace Gray \
        +level 47%,53% "$work/grain.png"
    convert "$work/base.png" \
        "$work/weft.png" -compose Overlay -composite \
        "$work/warp.png" -compose Overlay -composite \
        "$work/grain.png" -compose Overlay -composite "$work/silk.png"
    convert -size 300x205 xc:none -font "$serif_bold" -fill 'rgba(108,147,49,0.065)' \
        -pointsize 150 -annotate +14+160 '五' -distort SRT -6 "$work/wu.png"
    convert -size 300x205 xc:none -font "$ming" -fill 'rgba(108,147,49,0.065)' \
        -pointsize 125 -annotate +164+180 '金' -distort SRT 5 "$work/jin.png"
    convert "$work/wu.png" "$work/jin.png" -compose Over -composite -blur 0x1.2 \
        "$work/glyphs.png"
    convert -size 300x205 xc:none -fill none -stroke 'rgba(96,140,40,0.09)' \
        -strokewidth 5 -draw "path 'M 22,36 C 70,12 120,30 150,22'" \
        -strokewidth 3 -draw "path 'M 182,44 C 214,30 250,58 282,36'" \
        -strokewidth 4 -draw "path 'M 40,176 C 90,196 150,150 208,184 S 262,188 286,170'" \
        -strokewidth 2 -draw "path 'M 236,96 C 250,120 246,140 262,152'" \
        -blur 0x1.5 "$work/strokes.png"
    convert "$work/silk.png" "$work/glyphs.png" -compose Over -composite \
        "$work/strokes.png" -compose Over -composite \
        -shave 1x1 -bordercolor "#7FAE40" -compose Copy -border 1 "$work/background.png"
    convert "$work/background.png" $quantise background.gif
}

# png IN OUT: a PNG without the time chunks, so it is the same on every run.
png() {
    convert "$1" +set date:create +set date:modify -depth 8 \
        -define png:exclude-chunks=date,time -define png:color-type=6 "$2"
}

# The program icon: a dark-green 五 on transparent ground, with a faint light edge that
# keeps it readable on a dark task bar.
draw_program_icon() {
    convert -size 128x128 xc:none -font "$serif_bold" -pointsize 112 -gravity center \
        -fill "$dark_green" -annotate +0+2 '五' "$work/glyph.png"
    convert "$work/glyph.png" -alpha extract -morphology Dilate Disk:5 -blur 0x1.5 \
        "$work/halo_mask.png"
    convert -size 128x128 'xc:rgb(238,250,222)' "$work/halo_mask.png" -alpha off \
        -compose CopyOpacity -composite -channel A -evaluate multiply 0.9 +channel \
        "$work/glyph.png" -compose Over -composite \
        -filter Lanczos -resize 32x32 "$work/icon.png"
    png "$work/icon.png" kalvon.png
    convert "$work/icon.png" -define icon:auto-resize=32 kalvon.ico
}

# The log window's icon: 开发日志 in two rows of two.
draw_log_icon() {
    convert -size 128x128 xc:none -font "$serif_bold" -pointsize 58 -fill '#3F8A1C' \
        -gravity NorthWest -annotate +4-3 '开' -annotate +66-3 '发' \
        -annotate +4+59 '日' -annotate +66+59 '志' \
        -filter Lanczos -resize 32x32 "$work/log_icon.png"
    convert "$work/log_icon.png" -define icon:auto-resize=32 log_window.ico
}

draw_background
draw_program_icon
draw_log_icon
draw_close
draw_minimise
draw_log
draw_blank
