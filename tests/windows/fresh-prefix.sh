# Sourced by the end-to-end tests of this folder: a fresh Wine prefix ($WINEPREFIX, its drive C:
# in $drive_c) in the scripts' Wine environment, on a virtual X display of its own, both gone when
# the test ends; and the steps the tests share.
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/common.sh"
start_wine_display
export WINEPREFIX="$scratch/prefix"
# No menu entries on the host's desktop for the shortcuts made in the prefix, and no DLL folders
# of a build on the programs' path.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
unset WINEPATH
"$wine" wineboot --init >/dev/null 2>&1
drive_c="$WINEPREFIX/drive_c"

fail() {
  echo "$(basename "$0"): $*" >&2
  exit 1
}
step() { echo "$(basename "$0"): $*"; }
# The ids of the windows shown whose title matches the pattern.
windows() { xdotool search --onlyvisible --name "$1" 2>/dev/null || true; }
wait_for() {  # condition command...; up to 30 s
  for _ in $(seq 300); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}
count_is() { [ "$(windows "$1" | wc -l)" -eq "$2" ]; }
