#!/bin/sh
# Takes screenshots of the real reader under Xvfb: the About page, a poem page
# an era table page, the poem page with pinyin, in the dark theme, in
# Traditional characters, on a screen scaled by 2, with its metre, set
# vertically and as a card, and 我的收藏 with three favourites, chosen with
# the keyboard.
# Writes docs/*.png.
#   tools/screenshots.sh [OUTDIR]
set -e
cd "$(dirname "$0")/.."
out=${1:-docs}
mkdir -p "$out"
for p in xdotool imagemagick; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get install -y -qq $missing
fi
home=$(mktemp -d)
export HOME="$home" XDG_CACHE_HOME="$home/cache" XDG_CONFIG_HOME="$home/config"
# The favourites shown are the ones the last shot keeps, never the user's own.
unset XDG_DATA_HOME
mkdir -p "$XDG_CONFIG_HOME/Quillora"
# A roomy window at the top left (twips: 960 x 640 pixels at 96 dpi).
printf '[Setting]\nLeft=0\nTop=0\nWidth=14400\nHeight=9600\nWindow=0\n' > "$XDG_CONFIG_HOME/Quillora/Quillora.ini"

shoot() {
  Xvfb :77 -screen 0 ${screen:-960x640}x24 >/dev/null 2>&1 &
  xvfb=$!
  sleep 1
  DISPLAY=:77 build/shell/Quillora >/dev/null 2>&1 &
  app=$!
  sleep 6
  DISPLAY=:77 xdotool search --name Vellumbra windowactivate --sync 2>/dev/null || true
  # Without a window manager only the focus makes the window active, and
  # shortcuts such as Ctrl+D act in the active window alone.
  DISPLAY=:77 xdotool search --name Vellumbra windowfocus --sync 2>/dev/null || true
  # "pause" waits for the window to catch up (the search builds its index).
  for k in $2; do
    if [ "$k" = pause ]; then sleep 5; else DISPLAY=:77 xdotool key "$k"; sleep 0.3; fi
  done
  sleep 2
  DISPLAY=:77 import -window root "$out/$1.png"
  kill "$app"; wait "$app" || true
  kill "$xvfb"; wait "$xvfb" 2>/dev/null || true
}

shoot about ""
# Root, expand, first category, expand, first poet, expand, first poem.
shoot poem "Home Right Down Right Down Right Down Down Down"
# The era root, then down the dynasties to 唐 (10th).
shoot eras "Home Down Down Right Down Down Down Down Down Down Down Down Down Down"
# The same poem with pinyin switched on in the settings.
printf '[Reading]\nPinyin=1\n' >> "$XDG_CONFIG_HOME/Quillora/Quillora.ini"
shoot pinyin "Home Right Down Right Down Right Down Down Down"
# The same poem in the dark theme, then in Traditional characters.
printf '[Setting]\nLeft=0\nTop=0\nWidth=14400\nHeight=9600\nWindow=0\n[Reading]\nTheme=dark\n' > "$XDG_CONFIG_HOME/Quillora/Quillora.ini"
shoot dark "Home Right Down Right Down Right Down Down Down"
printf '[Setting]\nLeft=0\nTop=0\nWidth=14400\nHeight=9600\nWindow=0\n[Reading]\nScript=traditional\n' > "$XDG_CONFIG_HOME/Quillora/Quillora.ini"
shoot traditional "Home Right Down Right Down Right Down Down Down"
# The same poem set vertically, then its card.
printf '[Setting]\nLeft=0\nTop=0\nWidth=14400\nHeight=9600\nWindow=0\n[Reading]\nVertical=1\n' > "$XDG_CONFIG_HOME/Quillora/Quillora.ini"
shoot vertical "Home Right Down Right Down Right Down Down Down"
printf '[Setting]\nLeft=0\nTop=0\nWidth=14400\nHeight=9600\nWindow=0\n' > "$XDG_CONFIG_HOME/Quillora/Quillora.ini"
# The card comes from the window test that draws it (xdotool's Ctrl+Shift
# does not reach the window under Xvfb).
QUILLORA_CARD_PICTURE="$PWD/$out/card.png" xvfb-run -a build/tests/paper_window_tests \
  --gtest_filter='Paper.ACard*' >/dev/null 2>&1 || true
# The poem on a screen scaled by 2: the same window, twice the pixels.
printf '[Setting]\nLeft=0\nTop=0\nWidth=14400\nHeight=9600\nWindow=0\n' > "$XDG_CONFIG_HOME/Quillora/Quillora.ini"
screen=1920x1280 QT_SCALE_FACTOR=2 shoot scale2 "Home Right Down Right Down Right Down Down Down"
# 春望 with its metre and pinyin, found by the search.
printf '[Setting]\nLeft=0\nTop=0\nWidth=14400\nHeight=9600\nWindow=0\n[Reading]\nPinyin=1\nMetre=1\n' > "$XDG_CONFIG_HOME/Quillora/Quillora.ini"
shoot metre "ctrl+f pause c h u n w a n g pause Return pause"
# With the library of the pinned package (QUILLORA_LIBRARY names it, or the
# build tree's): 书库 › 蒙学 › 唐诗三百首 › 李白 › 關山月, its edition in
# 全唐诗 compared.
if [ -n "${QUILLORA_LIBRARY:-}" ] || [ -f build/library/library.qll ]; then
  printf '[Setting]\nLeft=0\nTop=0\nWidth=14400\nHeight=9600\nWindow=0\n' > "$XDG_CONFIG_HOME/Quillora/Quillora.ini"
  shoot library "End Right pause Down Down Down Down Down Down Down Down Down Down Down Down Down Down Right Down Down Down Down Down Down Down Down Down Down Down Right pause Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Right pause Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down pause"
fi
# Last, as its favourites stay in the home: three poems kept with Ctrl+D,
# then the anthology folded and 我的收藏 opened at the end of the tree.
printf '[Setting]\nLeft=0\nTop=0\nWidth=14400\nHeight=9600\nWindow=0\n' > "$XDG_CONFIG_HOME/Quillora/Quillora.ini"
shoot favourites "Home Right Down Right Down Right Down ctrl+d Down Down ctrl+d Down ctrl+d Home Left End Right"
rm -rf "$home"
echo "screenshots in $out/"
