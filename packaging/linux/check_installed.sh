#!/usr/bin/env bash
# Installs the freshly made .deb as a player's system would, checks its menu entries and metainfo,
# plays each game from its desktop entry with Orca listening, then removes the package and checks
# that the saved scores and settings stay and nothing else of the package is left.
#   check_installed.sh PACKAGES_FOLDER OUTPUT_FOLDER
# Needs root (it installs into the system); elsewhere it says so and is skipped (exit code 77).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source_dir=$(cd "$here/../.." && pwd)
packages=$1 output=$2
package=lanternfold-word-games

if [ "$(id -u)" -ne 0 ]; then
  echo "skipped: installing the package needs root"
  exit 77
fi
# apt-get takes a package file by a path with a slash in it, not by a bare name.
deb=$(cd "$packages" && pwd)/$(cd "$packages" && ls -t ${package}_*.deb | head -n 1)
rm -rf "$output"
mkdir -p "$output"
output=$(cd "$output" && pwd)

fail() {
  echo "FAILED: $*"
  exit 1
}

echo "== the package: $deb"
dpkg-deb --field "$deb"
dpkg-deb --contents "$deb" | awk '{print $3, $6}'
# Installing writes nothing of a player's: no maintainer scripts, every file under /usr.
scripts=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -v -x -e './' -e './control' -e './md5sums' || true)
[ -z "$scripts" ] || fail "the package runs scripts when installed: $scripts"
outside=$(dpkg-deb --contents "$deb" | awk '{print $6}' | grep -v -e '^\./usr/' -e '^\./$' -e '^\./usr/$' || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"

echo "== installing"
if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
  apt-get remove -y -q "$package" >/dev/null
fi
# The install runs with a home folder of its own, so what it writes there is its own and not that
# of another program of the same user running meanwhile; the players' folders must not change either.
installer_home="$output/installer-home"
mkdir -p "$installer_home"
marker="$output/.before-install"
touch "$marker"
sleep 1
HOME="$installer_home" DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$deb" \
  >"$output/apt-install.log" 2>&1 || { cat "$output/apt-install.log"; fail "apt-get install"; }
written=$( (find "$installer_home" -mindepth 1; find /home -xdev -newer "$marker" -not -path "$source_dir/*" -not -path "$output/*") 2>/dev/null || true)
[ -z "$written" ] || fail "installing wrote in a home folder: $written"
installed_files=$(dpkg -L "$package")

echo "== desktop entries and metainfo"
for game in scrambolo pebblix; do
  entry=/usr/share/applications/org.example.lanternfold.$game.desktop
  desktop-file-validate "$entry" || fail "desktop-file-validate $entry"
  grep -q '^Categories=.*Game;' "$entry" || fail "$entry is not in the Game category"
  appstreamcli validate --no-net "/usr/share/metainfo/org.example.lanternfold.$game.metainfo.xml" ||
    fail "appstreamcli validate $game"
  [ -f "/usr/share/icons/hicolor/48x48/apps/org.example.lanternfold.$game.png" ] || fail "no theme icon for $game"
done

echo "== each game from its desktop entry, with Orca listening"
for game in scrambolo pebblix; do
  /usr/bin/python3 "$source_dir/e2e/orca/run.py" --installed \
    "/usr/share/applications/org.example.lanternfold.$game.desktop" "$output" || fail "the installed $game"
done
saved=$(cd "$output" && find . -path '*/data/*' -type f | sort)
[ -n "$saved" ] || fail "the games saved nothing"
(cd "$output" && sha256sum $saved) >"$output/saved.sha256"

echo "== removing"
DEBIAN_FRONTEND=noninteractive apt-get purge -y -q "$package" >"$output/apt-purge.log" 2>&1 ||
  { cat "$output/apt-purge.log"; fail "apt-get purge"; }
(cd "$output" && sha256sum --check --quiet saved.sha256) || fail "the saved files did not survive the removal"
left=""
while IFS= read -r path; do
  # Shared folders (/usr/share/applications, the icon theme's) stay for other packages.
  if [ -f "$path" ] || [ -L "$path" ]; then
    left+="$path "
  fi
done <<<"$installed_files"
for folder in /usr/share/games/scrambolo /usr/share/games/pebblix /usr/share/doc/$package; do
  [ ! -e "$folder" ] || left+="$folder "
done
[ -z "$left" ] || fail "left behind by the removal: $left"
echo "saved files kept after the removal:"
sed 's/^[0-9a-f]* */  /' "$output/saved.sha256"
echo "installed check passed"
