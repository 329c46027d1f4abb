#!/bin/sh
# Draws the window's pictures (logo, header band, navigation faces, window glyphs,
# loading windows) into data/images. Everything is drawn at twice the size the window
# shows it, so the pictures stay crisp on high-DPI screens; the window sets the
# device pixel ratio to 2 when it loads them.
# Needs ImageMagick (convert), the Liberation fonts, and rsvg-convert (librsvg2-bin)
# for the application icon.
set -eu
out=${1:-$(dirname "$0")/../../data/images}
mkdir -p "$out"
sans=Liberation-Sans
sansb=Liberation-Sans-Bold
narrowb=Liberation-Sans-Narrow-Bold
q="-quality 95 -sampling-factor 1x1"   # no chroma subsampling: sharp coloured text

# Product logo, 79 x 40.
convert -size 158x80 gradient:'#1d3f7a-#2f6fb8' \
  -fill '#f2c14e' -draw 'roundrectangle 8,12 30,68 6,6' \
  -fill white -font "$sansb" -pointsize 30 -gravity west -annotate +38+0 'Parlavo' \
  $q "$out/logo.jpg"

# Header band behind every page title, 553 x 40.
convert -size 80x1106 gradient:'#1d3f7a-#9cc4ec' -rotate 90 \
  -fill '#f2c14e' -draw 'rectangle 0,74 1106,80' \
  $q "$out/header.jpg"

# Navigation faces, 72 x 35: grey (not pressed), light blue (pressed), white (CLOSE).
face() { # name, fill, light edge, dark edge, text
  convert -size 144x70 xc:"$2" \
    -fill none -stroke "$3" -strokewidth 2 -draw 'polyline 1,69 1,1 143,1' \
    -stroke "$4" -draw 'polyline 1,69 143,69 143,1' -stroke none \
    -fill black -font "$sansb" -pointsize 22 -gravity center \
    -size 136x66 -background none caption:"$5" -composite \
    $q "$out/$1.jpg"
}
for pair in "vtester:Verb Tester" "advanced:Advanced Tests" "regular:Regular Endings" \
            "conjugator:Verb Conjugator" "options:Options" "help:Help"; do
  name=${pair%%:*}; text=${pair#*:}
  face "nav_${name}_grey" '#c8c8c8' '#f4f4f4' '#6e6e6e' "$text"
  face "nav_${name}_blue" '#a9d3f5' '#5d8fbf' '#e6f3fd' "$text"
done
face nav_close_white '#ffffff' '#ffffff' '#8a8a8a' 'CLOSE'

# Window glyphs, 15 x 15: minimise and close.
convert -size 30x30 xc:white -fill '#1d3f7a' -draw 'rectangle 6,20 23,24' $q "$out/minimise.jpg"
convert -size 30x30 xc:white -stroke '#b02020' -strokewidth 4 \
  -draw 'line 7,7 22,22' -draw 'line 22,7 7,22' $q "$out/close.jpg"

# Start-up splash, 332 x 227; the progress bar sits at (16, 171), 305 x 25.
convert -size 664x454 gradient:'#1d3f7a-#3f86cf' \
  -fill '#f2c14e' -draw 'roundrectangle 32,40 72,150 10,10' \
  -fill white -font "$sansb" -pointsize 84 -gravity northwest -annotate +92+36 'Parlavo' \
  -fill '#dce9f7' -font "$sans" -pointsize 34 -annotate +96+140 'Spanish Verb Tutor' \
  -fill white -font "$sans" -pointsize 24 -annotate +32+298 'Loading verb database please wait...' \
  -fill '#f2c14e' -draw 'rectangle 0,442 664,454' \
  $q "$out/splash.jpg"

# Progress window, 482 x 74: a band behind the title and a small emblem.
convert -size 148x964 gradient:'#dce9f7-#ffffff' -rotate 90 $q "$out/progress_band.jpg"
convert -size 96x96 gradient:'#1d3f7a-#2f6fb8' \
  -fill '#f2c14e' -draw 'roundrectangle 18,16 38,80 6,6' \
  -fill white -font "$sansb" -pointsize 40 -gravity center -annotate +12+0 'P' \
  $q "$out/progress_emblem.jpg"

# Application icon: the scalable original for the desktop, and the sizes the menus
# and the window use drawn from it. Letters are outlines, so no font is needed to show it.
icons=${2:-$(dirname "$0")/../../data/icons}
mkdir -p "$icons"
cat > "$icons/parlavo.svg" <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
  <defs>
    <linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#3f86cf"/>
      <stop offset="1" stop-color="#1d3f7a"/>
    </linearGradient>
  </defs>
  <rect x="8" y="8" width="240" height="240" rx="48" fill="url(#sky)"/>
  <rect x="50" y="52" width="30" height="152" rx="10" fill="#f2c14e"/>
  <path fill="#ffffff" fill-rule="evenodd"
        d="M104 52 H164 A54 54 0 0 1 164 160 H140 V204 H104 Z M140 86 H160 A20 20 0 0 1 160 126 H140 Z"/>
</svg>
SVG
for size in 48 128 256; do
  rsvg-convert -w "$size" -h "$size" -o "$icons/parlavo-$size.png" "$icons/parlavo.svg"
done
