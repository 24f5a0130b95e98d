#!/usr/bin/env bash
# Packs Quillot for Windows twice, as a portable zip and as a per-user installer:
#   build/windows-package/quillot-<version>-windows-x86_64.zip
#   build/windows-package/quillot-<version>-windows-x86_64-setup.exe
# The zip holds one folder, Quillot/: quillot.exe, every DLL it needs, the Qt plugins it loads, and
# the licences. The DLLs are found by reading the imports of the executable, the plugins and each
# DLL taken in (objdump -p), so a new dependency comes along by itself; an import that is neither
# found nor a DLL of Windows itself fails the packing. No GM.ini: the first start writes it. The
# installer (makensis, data/windows/installer.nsi) installs the same files.
# Builds Qt for Windows and the program first where they are not built yet (the windows preset).
# Prints the zip's path, then the installer's, as its last two lines.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

# Wine's DLLs tell which DLLs are Windows' own; icotool makes the executable's icon.
scripts/install-deps.sh g++-mingw-w64-x86-64-posix wine64 zip nsis icoutils >&2

QUILLOT_QT_WINDOWS=$(scripts/build-qt-windows.sh)
export QUILLOT_QT_WINDOWS
qt=$QUILLOT_QT_WINDOWS
build=build/windows
[ -f "$build/CMakeCache.txt" ] || cmake --preset windows >&2
cmake --build --preset windows --target quillot >&2

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
out=build/windows-package
stage="$out/stage"
folder="$stage/Quillot"
rm -rf "$stage"
mkdir -p "$folder/platforms" "$folder/styles" "$folder/licenses"

objdump=x86_64-w64-mingw32-objdump
strip=x86_64-w64-mingw32-strip
compiler=x86_64-w64-mingw32-g++-posix
# Where the DLLs come from: Qt's, then the C++ runtime's.
search=("$qt/bin")
for dll in libstdc++-6.dll libwinpthread-1.dll; do
  search+=("$(dirname "$(realpath "$($compiler -print-file-name=$dll)")")")
done
# Windows' own DLLs: those Wine implements in its place, and the API sets (api-ms-win-*,
# ext-ms-win-*), names that Windows' loader maps to its own DLLs.
system_dlls=/usr/lib/x86_64-linux-gnu/wine/x86_64-windows

cp "$build/app/quillot.exe" "$folder/"
cp "$qt/plugins/platforms/qwindows.dll" "$folder/platforms/"
cp "$qt"/plugins/styles/*.dll "$folder/styles/"

queue=("$folder/quillot.exe" "$folder"/platforms/*.dll "$folder"/styles/*.dll)
missing=()
while ((${#queue[@]})); do
  file=${queue[0]}
  queue=("${queue[@]:1}")
  while read -r dll; do
    [ -e "$folder/$dll" ] && continue
    lower=${dll,,}
    [ -e "$system_dlls/$lower" ] && continue
    [[ $lower == api-ms-win-* || $lower == ext-ms-win-* ]] && continue
    found=
    for dir in "${search[@]}"; do
      if [ -e "$dir/$dll" ]; then
        found="$dir/$dll"
        break
      fi
    done
    if [ -z "$found" ]; then
      missing+=("$dll (imported by $(basename "$file"))")
      continue
    fi
    cp "$found" "$folder/$dll"
    queue+=("$folder/$dll")
  done < <("$objdump" -p "$file" | sed -n 's/^[[:space:]]*DLL Name: //p')
done
if ((${#missing[@]})); then
  printf 'package-windows: an imported DLL is neither packed nor part of Windows: %s\n' "${missing[@]}" >&2
  exit 1
fi
"$strip" --strip-unneeded "$folder/quillot.exe" "$folder"/*.dll "$folder"/*/*.dll

cp LICENSE "$folder/LICENSE"
{
  echo "Quillot uses $(cat "$qt/VERSION")"
  echo "(https://sources.debian.org/src/qt6-base/), under the GNU Lesser General Public License"
  echo "version 3, which follows, with the GNU General Public License version 3 that it builds on."
  echo "Its DLLs beside quillot.exe may be replaced by other builds of the same Qt version."
  echo
  cat "$qt/LGPL-3.0-only.txt"
  echo
  cat "$qt/GPL-3.0-only.txt"
} >"$folder/licenses/Qt.txt"
cp /usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright "$folder/licenses/gcc-runtime.txt"
cp /usr/share/doc/mingw-w64-x86-64-dev/copyright "$folder/licenses/mingw-w64-runtime.txt"

zip="$out/quillot-$version-windows-x86_64.zip"
rm -f "$zip"
(cd "$stage" && zip -qr9X "$root/$zip" Quillot)
echo "package-windows: $zip, $(stat -c %s "$zip") bytes, $(find "$folder" -type f | wc -l) files" >&2

# The installer's file lists, from the folder just zipped: each folder, then its files.
files="$out/files.nsh"
{
  echo '!macro InstallProgramFiles'
  while read -r dir; do
    printf '  SetOutPath "$INSTDIR%s"\n' "$(tr / '\\' <<<"${dir#.}")"
    find "$root/$folder/${dir#./}" -maxdepth 1 -type f -printf '  File "%p"\n' | sort
  done < <(cd "$folder" && find . -type d | sort)
  echo '!macroend'
  echo '!macro RemoveProgramFiles'
  (cd "$folder" && find . -type f | sort) | sed 's|^\.|  Delete "$INSTDIR|; s|$|"|; s|/|\\|g'
  (cd "$folder" && find . -mindepth 1 -type d | sort -r) | sed 's|^\.|  RMDir "$INSTDIR|; s|$|"|; s|/|\\|g'
  echo '!macroend'
} >"$files"
kib=$(find "$folder" -type f -printf '%s\n' | awk '{ bytes += $1 } END { printf "%d", (bytes + 1023) / 1024 }')
setup="$out/quillot-$version-windows-x86_64-setup.exe"
rm -f "$setup"
makensis -V2 -WX -INPUTCHARSET UTF8 -DPRODUCT="$root/$build/app/quillot.nsh" -DFILES="$root/$files" \
  -DESTIMATED_SIZE="$kib" -DOUTFILE="$root/$setup" data/windows/installer.nsi >&2
echo "package-windows: $setup, $(stat -c %s "$setup") bytes" >&2
echo "$zip"
echo "$setup"
