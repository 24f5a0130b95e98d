#!/usr/bin/env bash
# The installer as a Windows user meets it, in a fresh Wine prefix whose ANSI code page is 936, on
# a virtual X display. Checks that
#   - the installed quillot.exe carries its icon (16 to 256 pixels), its version texts in the
#     Simplified Chinese block and its manifest (asInvoker, Windows 10/11, per-monitor DPI v2, no
#     code page); setup.exe states the same copyright;
#   - a silent install exits 0 and puts the zip's files, and uninstall.exe, into
#     %LOCALAPPDATA%\Programs\Quillot, the Start-menu shortcut and every value of the Apps entry;
#   - a silent install that cannot write its folder exits non-zero and changes nothing;
#   - the installed Quillot shows its window and writes GM.ini beside itself;
#   - while it runs, a silent install and a silent uninstall exit non-zero and change nothing;
#   - an older version installed over it, then this one again, keep a changed GM.ini byte for byte
#     and the user's own files, and leave no file of the other version behind;
#   - a silent uninstall leaves GM.ini and the user's file alone, takes everything else away, the
#     login start that Quillot set for itself included;
#   - /D= installs elsewhere; the uninstaller of the copy installed before then leaves the
#     shortcut and the Apps entry to the new copy; the new copy's uninstaller keeps another copy's
#     login start and removes the folder, which nothing is left in.
# No silent run may show a message box: one that has not ended within 30 s fails the test.
# Needs makensis, for the older version's installer.
# Usage: tests/windows/installer-under-wine.sh quillot-<version>-windows-x86_64-setup.exe <the zip>
set -euo pipefail
setup=$(realpath "$1")
zip=$(realpath "$2")
version=$(basename "$setup" | sed -n 's/^quillot-\(.*\)-windows-x86_64-setup\.exe$/\1/p')
here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3  # Debian's, with python3-pefile

. "$here/fresh-prefix.sh"
user=$(basename "$(find "$drive_c/users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -n1)")
home_win="C:\\users\\$user"
dir_win="$home_win\\AppData\\Local\\Programs\\Quillot"
dir="$drive_c/users/$user/AppData/Local/Programs/Quillot"
shortcut="$drive_c/users/$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Quillot.lnk"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillot'
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
unzip -q "$zip" -d "$scratch/zip"
zipped="$scratch/zip/Quillot"

# Runs a silent installer or uninstaller; its exit code goes to $status. One that has not ended
# within 30 s waits for an answer, as behind a message box: the test fails, naming the windows
# shown whose title starts with "Quillot " (the installer's boxes are "Quillot 安装", the
# uninstaller's "Quillot 卸载").
run() {
  "$wine" "$@" >/dev/null 2>&1 &
  local pid=$! shown
  if ! wait_for ended "$pid"; then
    shown=$(for id in $(windows '^Quillot '); do xdotool getwindowname "$id"; done | paste -sd ' ')
    kill "$pid" 2>/dev/null || true
    fail "$* did not end within 30 s; windows: ${shown:-none}"
  fi
  status=0
  wait "$pid" || status=$?
}
ended() { ! kill -0 "$1" 2>/dev/null; }
# The value <name> of the registry key <key>, or nothing.
value() {
  { "$wine" reg query "$1" /v "$2" 2>/dev/null || true; } | tr -d '\r' |
    sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
# The uninstaller copies itself away and goes on from there, so waiting for this prefix's
# wineserver to end waits for that copy too.
wait_for_wine() { "$wineserver" -w; }
# The files of a folder, relative, sorted.
files_of() { (cd "$1" && find . -type f | sort); }
# The shortcut and the Apps entry.
entries() {
  md5sum "$shortcut" 2>&1
  "$wine" reg query "$uninstall_key" 2>&1 | tr -d '\r'
}
# What the installer and the uninstaller may change: the folder's files, the shortcut, the Apps
# entry and the login start.
state() {
  (cd "$dir" && find . -type f -print0 | sort -z | xargs -0 md5sum)
  entries
  value "$run_key" Quillot
}
program_files_are_installed() {
  diff <({ files_of "$zipped"; echo ./uninstall.exe; } | sort) \
    <(files_of "$1" | grep -vxF -e ./GM.ini -e ./notes.txt) ||
    fail "the installed files are not those of the zip and uninstall.exe"
  while read -r file; do
    cmp -s "$zipped/$file" "$1/$file" || fail "$file differs from the zip's"
  done < <(files_of "$zipped")
}

step "the executable's resources"
"$python" - "$zipped/quillot.exe" "$version" "$here/../../LICENSE" "$setup" <<'EOF' || fail "the resources are not as they should be"
import struct, sys
import xml.etree.ElementTree as ET
import pefile

path, version = sys.argv[1], sys.argv[2]
pe = pefile.PE(path)
resources = {e.id: e for e in pe.DIRECTORY_ENTRY_RESOURCE.entries}
problems = []

def data(entry):
    leaf = entry.directory.entries[0].data.struct
    return pe.get_data(leaf.OffsetToData, leaf.Size)

# The icon group: its images by size, each an icon resource of its own.
groups = resources[pefile.RESOURCE_TYPE['RT_GROUP_ICON']].directory.entries
icons = {e.id for e in resources[pefile.RESOURCE_TYPE['RT_ICON']].directory.entries}
group = data(groups[0])
count = struct.unpack_from('<HHH', group)[2]
sizes = []
for i in range(count):
    width, height, _, _, _, bits, _, icon_id = struct.unpack_from('<BBBBHHIH', group, 6 + 14 * i)
    sizes.append(width or 256)
    if icon_id not in icons:
        problems.append(f'icon {icon_id} of the group is missing')
    if bits != 32:
        problems.append(f'the {width or 256}-pixel icon has {bits} bits per pixel')
if sorted(sizes) != [16, 24, 32, 48, 256]:
    problems.append(f'icon sizes {sorted(sizes)}')

# The version: the numbers, then the texts of the one string table.
fixed = pe.VS_FIXEDFILEINFO[0]
four = [int(part) for part in version.split('.')] + [0]
expected_ms, expected_ls = (four[0] << 16) | four[1], (four[2] << 16) | four[3]
if (fixed.FileVersionMS, fixed.FileVersionLS) != (expected_ms, expected_ls) or \
        (fixed.ProductVersionMS, fixed.ProductVersionLS) != (expected_ms, expected_ls):
    problems.append('the fixed version is not ' + version)
def string_tables(pe):
    return [t for info in pe.FileInfo[0] if info.Key == b'StringFileInfo' for t in info.StringTable]
tables = string_tables(pe)
translations = [v.entry for info in pe.FileInfo[0] if info.Key == b'VarFileInfo' for v in info.Var]
if [t.LangID for t in tables] != [b'080404b0']:
    problems.append(f'string tables {[t.LangID for t in tables]}')
if translations != [{b'Translation': '0x0804 0x04b0'}]:
    problems.append(f'translations {translations}')
texts = {k.decode(): v.decode() for k, v in tables[0].entries.items()} if tables else {}
dotted = '.'.join(map(str, four))
for key, want in [('FileDescription', 'Quillot'), ('ProductName', 'Quillot'),
                  ('FileVersion', dotted), ('ProductVersion', dotted),
                  ('OriginalFilename', 'quillot.exe')]:
    if texts.get(key) != want:
        problems.append(f'{key} is {texts.get(key)!r}, not {want!r}')
copyright = next(line.strip() for line in open(sys.argv[3]) if line.startswith('Copyright'))
if not texts.get('LegalCopyright', '').startswith(copyright):
    problems.append(f'LegalCopyright is {texts.get("LegalCopyright")!r}')
setup_texts = {k.decode(): v.decode() for t in string_tables(pefile.PE(sys.argv[4]))
               for k, v in t.entries.items()}
if setup_texts.get('LegalCopyright') != texts.get('LegalCopyright'):
    problems.append(f'setup.exe says LegalCopyright {setup_texts.get("LegalCopyright")!r}')

# The manifest.
manifest = data(resources[pefile.RESOURCE_TYPE['RT_MANIFEST']].directory.entries[0])
root = ET.fromstring(manifest)
def local(tag):
    return tag.rsplit('}', 1)[-1]
elements = {}
for element in root.iter():
    elements.setdefault(local(element.tag), []).append(element)
levels = [e.get('level') for e in elements.get('requestedExecutionLevel', [])]
if levels != ['asInvoker']:
    problems.append(f'execution levels {levels}')
oses = {e.get('Id') for e in elements.get('supportedOS', [])}
if '{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}' not in oses:
    problems.append(f'supported systems {oses}: no Windows 10/11')
awareness = [e.text for e in elements.get('dpiAwareness', [])]
if awareness != ['PerMonitorV2']:
    problems.append(f'DPI awareness {awareness}')
if 'activeCodePage' in elements:
    problems.append('an active code page is set')

for problem in problems:
    print(problem, file=sys.stderr)
sys.exit(1 if problems else 0)
EOF

step "silent install"
run "$setup" /S
[ "$status" = 0 ] || fail "the silent install ended with $status"
program_files_are_installed "$dir"

step "the shortcut"
"$python" - "$shortcut" "$dir_win" <<'EOF' || fail "the Start-menu shortcut is not as it should be"
import struct, sys

path, folder = sys.argv[1], sys.argv[2]
link = open(path, 'rb').read()
flags, = struct.unpack_from('<I', link, 20)
icon_index, = struct.unpack_from('<i', link, 56)
at = 76
if flags & 0x1:  # the target as a shell item list
    at += 2 + struct.unpack_from('<H', link, at)[0]
target = None
if flags & 0x2:  # the target as a path
    info_size, _, _, _, base_at, _, suffix_at = struct.unpack_from('<7I', link, at)
    def text_at(offset):
        return link[at + offset:link.index(b'\0', at + offset)].decode('gbk')
    target = text_at(base_at) + text_at(suffix_at)
    at += info_size
strings = {}
for flag, name in [(0x4, 'name'), (0x8, 'relative path'), (0x10, 'working folder'),
                   (0x20, 'arguments'), (0x40, 'icon')]:
    if flags & flag:
        count, = struct.unpack_from('<H', link, at)
        strings[name] = link[at + 2:at + 2 + 2 * count].decode('utf-16-le').rstrip('\0')
        at += 2 + 2 * count
exe = folder + '\\quillot.exe'
problems = []
if target is None or target.lower() != exe.lower():
    problems.append(f'target {target!r}')
if strings.get('working folder', '').lower() != folder.lower():
    problems.append(f'working folder {strings.get("working folder")!r}')
if strings.get('icon', '').lower() != exe.lower() or icon_index != 0:
    problems.append(f'icon {strings.get("icon")!r}, {icon_index}')
if strings.get('arguments'):
    problems.append(f'arguments {strings["arguments"]!r}')
for problem in problems:
    print('Quillot.lnk:', problem, file=sys.stderr)
sys.exit(1 if problems else 0)
EOF

step "the Apps entry"
installed_bytes=$(find "$dir" -type f -printf '%s\n' | awk '{ b += $1 } END { print b }')
program_bytes=$(find "$zipped" -type f -printf '%s\n' | awk '{ b += $1 } END { print b }')
kib=$(($(value "$uninstall_key" EstimatedSize)))
((kib * 1024 >= program_bytes && kib * 1024 < installed_bytes + 1024)) ||
  fail "EstimatedSize is $kib KiB, for $program_bytes bytes of program files"
publisher=$(sed -n 's/^Copyright (c) [0-9, -]* //p' "$here/../../LICENSE" | head -n1)
while IFS='|' read -r name expected; do
  actual=$(value "$uninstall_key" "$name")
  [ "$actual" = "$expected" ] || fail "$name is '$actual', not '$expected'"
done <<VALUES
DisplayName|Quillot
DisplayVersion|$version
Publisher|$publisher
DisplayIcon|$dir_win\\quillot.exe
InstallLocation|$dir_win
UninstallString|"$dir_win\\uninstall.exe"
QuietUninstallString|"$dir_win\\uninstall.exe" /S
NoModify|0x1
NoRepair|0x1
VALUES

step "a failed install changes nothing"
before=$(state)
run "$setup" /S '/D=Z:\proc\Quillot'
[ "$status" != 0 ] || fail "a silent install into a folder it cannot write ended with 0"
[ "$(state)" = "$before" ] || fail "a failed silent install changed the installation"

step "the installed Quillot"
# Started from another folder, as the Start menu may: GM.ini goes beside the executable.
(
  cd "$drive_c"
  code=0
  "$wine" "$dir_win\\quillot.exe" >/dev/null 2>&1 || code=$?
  echo "$code" >"$scratch/quillot.exit"
) &
wait_for count_is '^Quillot$' 1 || fail "no window titled Quillot appeared"
status_window=$(windows '^Quillot$')
wait_for test -s "$dir/GM.ini" || fail "no GM.ini beside the installed quillot.exe"
[ ! -e "$drive_c/users/$user/AppData/Roaming/Quillot" ] || fail "a GM.ini under %APPDATA%"

step "start at login, from Quillot's menu"
xdotool mousemove --window "$status_window" 40 12 click 3
wait_for count_is '^Quillot$' 2 || fail "a right click opened no menu"
# 登录时启动 stands last but for the separator and 退出, wherever the settings before it grow.
xdotool key --delay 100 Up Up Return
wait_for test -n "$(value "$run_key" Quillot)" || fail "登录时启动 set no login start"
[ "$(value "$run_key" Quillot)" = "\"$dir_win\\quillot.exe\"" ] ||
  fail "the login start is $(value "$run_key" Quillot)"

step "install and uninstall while Quillot runs"
before=$(state)
run "$setup" /S
[ "$status" != 0 ] || fail "a silent install over the running Quillot ended with 0"
[ "$(state)" = "$before" ] || fail "a silent install over the running Quillot changed something"
# In place (_?=), so that the exit code is the uninstaller's answer: started the usual way, it
# copies itself away, goes on from the copy and ends at once with 0.
run "$dir_win\\uninstall.exe" /S "_?=$dir_win"
[ "$status" != 0 ] || fail "a silent uninstall of the running Quillot ended with 0"
[ "$(state)" = "$before" ] || fail "a silent uninstall of the running Quillot changed something"

step "Quillot quits from its menu"
xdotool mousemove --window "$status_window" 40 12 click 3
wait_for count_is '^Quillot$' 2 || fail "a right click opened no menu"
xdotool key --delay 100 Up Return
wait_for test -e "$scratch/quillot.exit" || fail "退出 did not end the program"
[ "$(cat "$scratch/quillot.exit")" = 0 ] || fail "the program ended with $(cat "$scratch/quillot.exit")"

step "an older version over a changed GM.ini, then this one again"
printf '; 我的备注\r\n' | iconv -f UTF-8 -t GBK >>"$dir/GM.ini"
echo "the user's own" >"$dir/notes.txt"
cp "$dir/GM.ini" "$scratch/GM.ini"
# Version 0.0.9 from the same installer script; its program was quillot.exe and a DLL that this
# version no longer has.
older="$scratch/0.0.9"
mkdir -p "$older/Quillot"
echo 0.0.9 >"$older/Quillot/quillot.exe"
echo 0.0.9 >"$older/Quillot/retired.dll"
cat >"$older/quillot.nsh" <<NSH
!define VERSION "0.0.9"
!define PUBLISHER "$publisher"
!define COPYRIGHT "Copyright (c) 2026 $publisher"
!define ICON "/usr/share/nsis/Contrib/Graphics/Icons/modern-install.ico"
NSH
cat >"$older/files.nsh" <<NSH
!macro InstallProgramFiles
  SetOutPath "\$INSTDIR"
  File "$older/Quillot/quillot.exe"
  File "$older/Quillot/retired.dll"
!macroend
!macro RemoveProgramFiles
  Delete "\$INSTDIR\\quillot.exe"
  Delete "\$INSTDIR\\retired.dll"
!macroend
NSH
older_setup="$older/quillot-0.0.9-windows-x86_64-setup.exe"
makensis -V2 -WX -INPUTCHARSET UTF8 -DPRODUCT="$older/quillot.nsh" -DFILES="$older/files.nsh" \
  -DESTIMATED_SIZE=1 -DOUTFILE="$older_setup" "$here/../../data/windows/installer.nsi"
# What an install over it keeps: the user's files, the shortcut, the Apps entry and the login start.
kept_by() {  # the install
  cmp "$scratch/GM.ini" "$dir/GM.ini" || fail "$1 changed GM.ini"
  [ "$(cat "$dir/notes.txt")" = "the user's own" ] || fail "$1 changed the user's file"
  [ -e "$shortcut" ] || fail "$1 left no shortcut"
  [ "$(value "$uninstall_key" InstallLocation)" = "$dir_win" ] || fail "$1 left no Apps entry"
  [ "$(value "$run_key" Quillot)" = "\"$dir_win\\quillot.exe\"" ] || fail "$1 changed the login start"
}
run "$older_setup" /S
[ "$status" = 0 ] || fail "the older version's silent install ended with $status"
kept_by "the older version's install"
[ "$(files_of "$dir" | paste -sd ' ')" = "./GM.ini ./notes.txt ./quillot.exe ./retired.dll ./uninstall.exe" ] ||
  fail "the older version's install left $(files_of "$dir" | paste -sd ' ')"
[ "$(value "$uninstall_key" DisplayVersion)" = 0.0.9 ] || fail "the Apps entry does not say 0.0.9"
run "$setup" /S
[ "$status" = 0 ] || fail "the silent install over the older version ended with $status"
kept_by "the install over the older version"
program_files_are_installed "$dir"
[ "$(value "$uninstall_key" DisplayVersion)" = "$version" ] || fail "the Apps entry does not say $version"

step "silent uninstall"
run "$(value "$uninstall_key" QuietUninstallString | sed 's/^"\([^"]*\)".*/\1/')" /S
[ "$status" = 0 ] || fail "the silent uninstall ended with $status"
wait_for_wine
[ "$(files_of "$dir")" = "$(printf './GM.ini\n./notes.txt')" ] ||
  fail "the uninstall left $(files_of "$dir" | tr '\n' ' ')"
[ -z "$(find "$dir" -mindepth 1 -type d)" ] || fail "the uninstall left folders"
cmp "$scratch/GM.ini" "$dir/GM.ini" || fail "the uninstall changed GM.ini"
[ ! -e "$shortcut" ] || fail "the uninstall left the shortcut"
! "$wine" reg query "$uninstall_key" >/dev/null 2>&1 || fail "the uninstall left the Apps entry"
[ -z "$(value "$run_key" Quillot)" ] || fail "the uninstall left the login start"

step "/D= installs elsewhere; the copy installed before leaves the shortcut and the Apps entry to it"
run "$setup" /S
[ "$status" = 0 ] || fail "the silent install ended with $status"
other_win='C:\Apps\Quillot'
other="$drive_c/Apps/Quillot"
run "$setup" /S "/D=$other_win"
[ "$status" = 0 ] || fail "the silent install with /D= ended with $status"
program_files_are_installed "$other"
[ "$(value "$uninstall_key" InstallLocation)" = "$other_win" ] || fail "the Apps entry names another folder"
before=$(entries)
# In place, as a script that needs the exit code runs it.
run "$dir_win\\uninstall.exe" /S "_?=$dir_win"
[ "$status" = 0 ] || fail "the silent uninstall of the copy installed before ended with $status"
[ -z "$(files_of "$dir" | grep -vxF -e ./GM.ini -e ./notes.txt -e ./uninstall.exe)" ] ||
  fail "the uninstall left $(files_of "$dir" | paste -sd ' ')"
[ "$(entries)" = "$before" ] ||
  fail "the uninstall of the copy installed before changed the shortcut or the Apps entry of the other"

step "the uninstall removes the emptied folder"
portable='"C:\Quillot\quillot.exe"'
"$wine" reg add "$run_key" /v Quillot /d "$portable" /f >/dev/null 2>&1
run "$other_win\\uninstall.exe" /S
[ "$status" = 0 ] || fail "the silent uninstall ended with $status"
wait_for_wine
[ ! -e "$other" ] || fail "the uninstall left C:\\Apps\\Quillot: $(files_of "$other" | tr '\n' ' ')"
[ ! -e "$shortcut" ] || fail "the uninstall left the shortcut"
! "$wine" reg query "$uninstall_key" >/dev/null 2>&1 || fail "the uninstall left the Apps entry"
[ "$(value "$run_key" Quillot)" = "$portable" ] || fail "the uninstall removed another copy's login start"
step "passed"
