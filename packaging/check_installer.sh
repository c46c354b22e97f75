#!/usr/bin/env bash
# Checks the installer under Wine as a player's machine would see it: a silent per-user install, a
# game that starts from its Start-menu folder, and a silent uninstall that keeps the saved scores.
#   check_installer.sh <setup.exe> <work folder>
set -euo pipefail
# The installed game's window needs a display; a virtual one does, when there is none.
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a --server-args="-screen 0 1280x1024x24" bash "$0" "$@"
fi
setup=$1 work=$2

export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
rm -rf "$work"
mkdir -p "$work"
trap 'wineserver -k 2>/dev/null || true' EXIT

fail() { echo "installer check FAILED: $*" >&2; exit 1; }

wineboot --init >/dev/null 2>&1
wineserver -w
wine "$setup" /S >/dev/null 2>&1
wineserver -w

users="$WINEPREFIX/drive_c/users"
install=$(find "$users" -type d -path '*/AppData/Local/Programs/Lanternfold Word Games' | head -n 1)
[ -n "$install" ] || fail "nothing was installed under the user's own programs folder"
echo "installed into: ${install#"$WINEPREFIX/"}"
for file in Scrambolo/scrambolo.exe Scrambolo/jmsit32.dll Scrambolo/scrambolo.TXT Scrambolo/bell.wav \
            Pebblix/pebblix.exe Pebblix/mswnby32.dll Pebblix/readme.txt Pebblix/gameover.wav uninstall.exe; do
  [ -f "$install/$file" ] || fail "missing after install: $file"
done
menu=$(find "$users" -type d -path '*/Start Menu/Programs/Lanternfold Word Games' | head -n 1)
[ -n "$menu" ] || fail "no Start-menu folder"
for link in Scrambolo.lnk "Scrambolo help.lnk" Pebblix.lnk "Pebblix help.lnk"; do
  [ -f "$menu/$link" ] || fail "missing Start-menu shortcut: $link"
done
wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\LanternfoldWordGames' /v UninstallString \
  2>/dev/null | grep -q uninstall.exe || fail "the uninstaller is not registered for the user"

# The installed game starts on its own (word list beside it) and shows its main window.
(cd "$install/Scrambolo" && wine scrambolo.exe >/dev/null 2>&1 &)
for _ in $(seq 1 60); do
  if xwininfo -root -tree 2>/dev/null | grep -q 'Scrambolo!'; then started=yes; break; fi
  sleep 0.5
done
[ "${started:-}" = yes ] || fail "the installed Scrambolo showed no window within 30 seconds"
echo "installed Scrambolo started and showed its window"
wineserver -k
wineserver -w

# A saved score must survive an uninstall that was not asked to remove it.
printf '7\r\n' > "$install/Scrambolo/highscore.dat"
wine "$install/uninstall.exe" /S >/dev/null 2>&1
wineserver -w
[ ! -e "$install/Scrambolo/scrambolo.exe" ] || fail "scrambolo.exe is still there after uninstall"
[ ! -e "$install/Pebblix" ] || fail "the Pebblix folder is still there after uninstall"
[ ! -e "$menu" ] || fail "the Start-menu folder is still there after uninstall"
[ "$(cat "$install/Scrambolo/highscore.dat")" = $'7\r' ] || fail "the saved high score was not kept"
if wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\LanternfoldWordGames' >/dev/null 2>&1; then
  fail "the uninstall entry is still registered"
fi
echo "uninstalled; the saved high score was kept"

# Reinstalled and removed with /REMOVESAVES, nothing of ours is left.
wine "$setup" /S >/dev/null 2>&1
wineserver -w
wine "$install/uninstall.exe" /S /REMOVESAVES >/dev/null 2>&1
wineserver -w
[ ! -e "$install" ] || fail "files are left after an uninstall asked to remove the saves: $(find "$install")"
echo "uninstalled with /REMOVESAVES; nothing left"
echo "installer check passed"
