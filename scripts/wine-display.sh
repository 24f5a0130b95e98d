# Sourced by the scripts that run Windows programs under Wine. Sets the environment that gives
# Wine code page 936 as the ANSI code page and keeps it quiet, makes a scratch folder ($scratch)
# and a virtual X display of its own for the windows (DISPLAY), and on exit stops the wineserver
# of $WINEPREFIX (which the caller sets) and the display, and removes the scratch folder.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=zh_CN.UTF-8
unset QT_QPA_PLATFORM
wineserver=/usr/lib/wine/wineserver

scratch=$(mktemp -d)
xvfb=
stop_wine_display() {
  "$wineserver" -k >/dev/null 2>&1 || true
  [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
  rm -rf "$scratch"
}
trap stop_wine_display EXIT
Xvfb -screen 0 1280x1024x24 -nolisten tcp -displayfd 3 3>"$scratch/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 50); do [ -s "$scratch/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$scratch/display")"
