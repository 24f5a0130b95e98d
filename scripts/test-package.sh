#!/usr/bin/env bash
# Builds the Debian package from a configured build folder (default build/default), checks what
# `cmake --install` puts in place, validates the desktop entry, the AppStream metadata and the
# manual page, checks that the package carries the manual page, and
# installs the package as a user would (tests/package/fresh-install.sh, as root only).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh
build=${1:-build/default}

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
diff <(cd "$stage" && find . -type f | sed 's|^\.||' | sort) tests/package/installed-files.txt
desktop-file-validate "$stage/usr/share/applications/org.quillot.Quillot.desktop"
appstreamcli validate --no-net "$stage/usr/share/metainfo/org.quillot.Quillot.metainfo.xml"
# The manual page renders without a warning, at a terminal's usual width, in a UTF-8 locale.
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$stage/usr/share/man/man1/quillot.1.gz" 2>&1 >/dev/null)
[ -z "$warnings" ] || { echo "quillot.1: $warnings" >&2; exit 1; }

cmake --build "$build" --target package
deb=$(ls "$build"/quillot_*_amd64.deb)
echo "package: $deb, $(stat -c %s "$deb") bytes"
dpkg-deb -f "$deb" Depends
dpkg-deb -c "$deb" | grep ' \./usr/share/man/man1/quillot\.1\.gz$' >/dev/null || { echo "$deb has no manual page" >&2; exit 1; }

if is_root; then
  tests/package/fresh-install.sh "$deb"
else
  echo "fresh install: skipped (creating a user for it needs root)"
fi
