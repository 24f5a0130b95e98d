# Sourced by the scripts and tests that need root, a virtual X display or Wine: the steps they
# share. Sourcing it only defines them.

is_root() { [ "$(id -u)" -eq 0 ]; }

# Runs the command as root: directly when this already is root, else through sudo.
as_root() {
  if is_root; then "$@"; else sudo "$@"; fi
}

# Copies the program of a build folder into the folder as quillot. GM.ini lives beside the
# executable: a copy in a scratch folder keeps the build folder clean.
copy_program() {  # build folder, folder
  [ -x "$1/app/quillot" ] || { echo "no $1/app/quillot: build the quillot target first" >&2; exit 1; }
  cp "$1/app/quillot" "$2/quillot"
}

# Starts a virtual X display of the size given (WIDTHxHEIGHT, 24-bit colour), with any further
# options for Xvfb, and exports its DISPLAY once it is up. The server's process id is left in
# $xvfb; the display's number is written to <folder>/display.
start_xvfb() {  # folder size [Xvfb options]
  Xvfb -screen 0 "$2x24" -nolisten tcp "${@:3}" -displayfd 3 3>"$1/display" 2>/dev/null &
  xvfb=$!
  for _ in $(seq 50); do [ -s "$1/display" ] && break; sleep 0.1; done
  export DISPLAY=":$(cat "$1/display")"
}

# The environment of the programs run under Wine, the tests under CTest included
# (cmake/run-under-wine.sh): code page 936 as the ANSI code page (Wine takes it from the locale),
# no debug output, and no offer to install .NET or Gecko. Finds Wine's loader, $wine (wine64, else
# wine, on the search path or in /usr/lib/wine, where Debian's wine64 package keeps it), and
# $wineserver beside it.
use_wine() {
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=zh_CN.UTF-8
  wine=$(PATH="$PATH:/usr/lib/wine" && { command -v wine64 || command -v wine; }) ||
    { echo "Wine is not installed (Debian's wine64 package)" >&2; exit 1; }
  wineserver="$(dirname "$wine")/wineserver"
}

# Generates the locale that use_wine names, where the system lacks it (the locales package holds
# its sources).
make_wine_locale() {
  locale -a 2>/dev/null | grep -qix 'zh_CN\.utf-\?8' || as_root localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
}

# For Windows programs whose windows show: the Wine environment with Qt on its own windows
# platform, a scratch folder ($scratch) and a virtual X display of their own (DISPLAY). On exit
# the wineserver of $WINEPREFIX (which the caller sets) and the display stop, and the scratch
# folder is removed.
start_wine_display() {
  use_wine
  unset QT_QPA_PLATFORM
  scratch=$(mktemp -d)
  xvfb=
  trap stop_wine_display EXIT
  start_xvfb "$scratch" 1280x1024
}

stop_wine_display() {
  "$wineserver" -k >/dev/null 2>&1 || true
  [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
  rm -rf "$scratch"
}
