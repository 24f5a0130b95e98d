#!/usr/bin/env bash
# Builds Qt's base module for 64-bit Windows with Debian's mingw-w64 (posix threads), from Debian's
# own qt6-base source package: the same Qt version as the Linux build, so Debian's moc, rcc and uic
# serve the cross build. Shared libraries, and only what Quillot and its tests use: Core, Gui,
# Widgets, Test, the windows platform plugin and the Windows styles, with Qt's bundled third-party
# libraries.
#
# The result is cached outside the source tree, in a folder named by Qt's version and a hash of
# the options: $QUILLOT_CACHE (default ${XDG_CACHE_HOME:-~/.cache}/quillot)/qt-<version>-mingw-<hash>.
# A second run finds it and builds nothing. QUILLOT_QT_WINDOWS=<prefix> names an existing Qt for
# Windows instead and builds nothing either.
#
# Prints the prefix as its last line of output; everything else goes to stderr.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh

say() { echo "build-qt-windows: $*" >&2; }

if [ -n "${QUILLOT_QT_WINDOWS:-}" ]; then
  if [ ! -f "$QUILLOT_QT_WINDOWS/lib/cmake/Qt6/Qt6Config.cmake" ]; then
    say "QUILLOT_QT_WINDOWS=$QUILLOT_QT_WINDOWS holds no Qt 6 (lib/cmake/Qt6/Qt6Config.cmake)"
    exit 1
  fi
  echo "$QUILLOT_QT_WINDOWS"
  exit 0
fi

scripts/install-deps.sh g++-mingw-w64-x86-64-posix dpkg-dev perl >&2

# The source of exactly the Qt the host tools come from.
version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
upstream=${version%%+*}
upstream=${upstream#*:}

options=(
  -DCMAKE_BUILD_TYPE=Release
  -DBUILD_SHARED_LIBS=ON
  -DQT_BUILD_EXAMPLES=OFF
  -DQT_BUILD_TESTS=OFF
  -DFEATURE_network=OFF
  -DFEATURE_sql=OFF
  -DFEATURE_dbus=OFF
  -DFEATURE_opengl=OFF
  -DFEATURE_dynamicgl=OFF
  -DFEATURE_printsupport=OFF
  -DFEATURE_vulkan=OFF
  -DFEATURE_concurrent=OFF
  -DFEATURE_xml=OFF
  -DFEATURE_tabletevent=OFF
  -DFEATURE_system_zlib=OFF
  -DFEATURE_system_png=OFF
  -DFEATURE_system_jpeg=OFF
  -DFEATURE_jpeg=OFF
  -DFEATURE_gif=OFF
  -DFEATURE_system_freetype=OFF
  -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_system_pcre2=OFF
  -DFEATURE_system_doubleconversion=OFF
  -DFEATURE_zstd=OFF
  -DFEATURE_icu=OFF
  -DFEATURE_glib=OFF
)
compiler=$(dpkg-query -W -f='${Version}' g++-mingw-w64-x86-64-posix)
hash=$(printf '%s\n' "$version" "$compiler" "${options[@]}" | sha256sum | cut -c1-12)
cache=${QUILLOT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quillot}
prefix="$cache/qt-$upstream-mingw-$hash"
if [ -f "$prefix/.complete" ]; then
  say "found $prefix"
  echo "$prefix"
  exit 0
fi

# apt-get source needs a deb-src entry; add Debian's own archive when there is none.
if ! apt-get source --print-uris qt6-base="$version" >/dev/null 2>&1; then
  list=/etc/apt/sources.list.d/quillot-debian-src.sources
  say "no deb-src entry for qt6-base; adding Debian's archive in $list"
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  printf '%s\n' "Types: deb-src" "URIs: http://deb.debian.org/debian" \
    "Suites: $codename $codename-updates" "Components: main" \
    "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg" |
    as_root tee "$list" >/dev/null
  as_root apt-get update -qq >&2
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/quillot-qt.XXXXXX")
trap 'rm -rf "$work"' EXIT
say "building Qt $upstream for Windows in $work (about 15 minutes on 2 cores)"
started=$(date +%s)
(cd "$work" && apt-get source -qq qt6-base="$version" >&2)
source_dir=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*')

rm -rf "$prefix"
cmake -S "$source_dir" -B "$work/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DQT_HOST_PATH=/usr \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  "${options[@]}" >&2
cmake --build "$work/build" -j"$(nproc)" >&2
cmake --install "$work/build" >&2
cp "$source_dir/LICENSES/LGPL-3.0-only.txt" "$source_dir/LICENSES/GPL-3.0-only.txt" "$prefix/"
echo "Qt $upstream, built from Debian's source package qt6-base $version" >"$prefix/VERSION"
touch "$prefix/.complete"
say "built in $(($(date +%s) - started)) s: $prefix"
echo "$prefix"
