#!/usr/bin/env bash
# Checks the program as a desktop installs it, from a build tree that exists already (default
# build/ci): validates the desktop entries and AppStream components, installs into a temporary
# prefix, registers the curve file type there, starts the installed CLI and both installed editions
# with a clean environment (no CURVEDESK_* variables, a temporary HOME), and builds the Debian
# package and lists it.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${1:-build/ci}
source_dir=$PWD
app_id=org.curvedesk.curvedesk
started=$SECONDS
scratch=$(mktemp -d)
children=()
cleanup() {
  for pid in "${children[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$scratch"
}
trap cleanup EXIT

fail() {
  echo "check-packaging: $*" >&2
  exit 1
}

echo "=== packaging: desktop entries and AppStream components"
desktop-file-validate data/desktop/*.desktop
appstreamcli validate --no-net data/desktop/*.metainfo.xml
version=$(sed -n 's/^project(curvedesk VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
for metainfo in data/desktop/*.metainfo.xml; do
  newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -1 | cut -d'"' -f2)
  [ "$newest" = "$version" ] || fail "$metainfo: newest release $newest, the project is $version"
done

echo "=== packaging: install into a temporary prefix"
prefix=$scratch/usr
cmake --install "$build_dir" --prefix "$prefix" >/dev/null
for file in bin/curvedesk bin/curvedesk_compact bin/curvedesk-cli bin/curvedesk-emulator \
  share/curvedesk/tables.ini share/curvedesk/help/index.html share/curvedesk/examples/v-twin-stock.crv \
  share/applications/$app_id.desktop share/applications/${app_id}_compact.desktop \
  share/metainfo/$app_id.metainfo.xml share/metainfo/${app_id}_compact.metainfo.xml \
  share/mime/packages/$app_id.xml share/icons/hicolor/scalable/apps/$app_id.svg \
  share/icons/hicolor/scalable/mimetypes/application-x-curvedesk-curve.svg; do
  [ -e "$prefix/$file" ] || fail "not installed: $file"
done

# The desktop's view once the package's triggers have run update-mime-database and
# update-desktop-database: a .crv file is a curve, shown with its icon and opened by the full edition.
export XDG_DATA_DIRS=$prefix/share:/usr/share
export XDG_DATA_HOME=$scratch/xdg-data XDG_CONFIG_HOME=$scratch/xdg-config
update-mime-database "$prefix/share/mime"
update-desktop-database "$prefix/share/applications"
cp tests/data/curves/gt1-rev3.crv "$scratch/race.crv"
info=$(gio info -a standard::content-type,standard::icon "$scratch/race.crv")
grep -q "standard::content-type: application/x-curvedesk-curve$" <<<"$info" || fail "race.crv: $info"
grep -q "standard::icon: application-x-curvedesk-curve," <<<"$info" || fail "race.crv: $info"
# GIO offers only entries whose program is on the PATH.
default_app=$(PATH=$prefix/bin:$PATH gio mime application/x-curvedesk-curve)
grep -q "^Default application.*: $app_id.desktop$" <<<"$default_app" ||
  fail "the full edition does not open .crv files: $default_app"

# The programs as a user starts them: no CURVEDESK_* variables, a home of their own.
runtime=$scratch/runtime
mkdir -m 700 "$runtime"
clean_env() {
  local home=$1
  shift
  env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$runtime" LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen "$@"
}

echo "=== packaging: the installed CLI"
mkdir -p "$scratch/cli-home"
records=$(clean_env "$scratch/cli-home" "$prefix/bin/curvedesk-cli" image "$scratch/race.crv" --hex) ||
  fail "curvedesk-cli image failed"
[ "$(tail -1 <<<"$records")" = ":00000001FF" ] || fail "curvedesk-cli image wrote no end record"
clean_env "$scratch/cli-home" "$prefix/bin/curvedesk-cli" check "$scratch/race.crv"
# The shipped examples open, and the stock and stage 2 curves differ (diff exits 1).
clean_env "$scratch/cli-home" "$prefix/bin/curvedesk-cli" check "$prefix"/share/curvedesk/examples/*.crv >/dev/null ||
  fail "a shipped example does not open"
status=0
clean_env "$scratch/cli-home" "$prefix/bin/curvedesk-cli" diff "$prefix/share/curvedesk/examples/v-twin-stock.crv" \
  "$prefix/share/curvedesk/examples/v-twin-stage2.crv" >/dev/null || status=$?
[ "$status" = 1 ] || fail "curvedesk-cli diff of the two V-twin examples exited with $status"
clean_env "$scratch/cli-home" "$prefix/bin/curvedesk-emulator" --help >/dev/null || fail "curvedesk-emulator --help failed"

echo "=== packaging: the installed editions"
# Each edition starts on its own home; start-up copies the shipped timing table from the installed
# data folder into the documents folder, which shows that it found its data. A message box (data
# missing, curve unreadable) would hold the program before that or leave it waiting.
for program in curvedesk curvedesk_compact; do
  home=$scratch/$program-home
  mkdir -p "$home"
  clean_env "$home" "$prefix/bin/$program" "$scratch/race.crv" >"$scratch/$program.log" 2>&1 &
  pid=$!
  children+=("$pid")
  installed="$home/Documents/Korvane CD/Tarvo/tables.ini"
  deadline=$((SECONDS + 60))
  until [ -s "$installed" ] && cmp -s "$installed" "$prefix/share/curvedesk/tables.ini"; do
    kill -0 "$pid" 2>/dev/null || { cat "$scratch/$program.log"; fail "$program ended during start-up"; }
    [ $SECONDS -lt $deadline ] || { cat "$scratch/$program.log"; fail "$program did not install its timing table"; }
    sleep 0.2
  done
  [ -d "$home/Documents/Korvane CD/Tarvo/Curves" ] || fail "$program made no curve folder"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo "$program: started from $prefix/bin and found its data"
done

echo "=== packaging: Debian package"
cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$scratch/package" >/dev/null
package=$(ls "$scratch"/package/*.deb)
dpkg-deb -I "$package"
dpkg-deb -c "$package"
depends=$(dpkg-deb -f "$package" Depends)
for needed in libqt6widgets6 libqt6serialport6 libqt6svg6; do
  grep -q "$needed" <<<"$depends" || fail "package does not depend on $needed: $depends"
done
contents=$(dpkg-deb -c "$package")
for file in usr/bin/curvedesk usr/share/applications/$app_id.desktop usr/share/mime/packages/$app_id.xml \
  usr/share/icons/hicolor/scalable/apps/$app_id.svg usr/share/curvedesk/help/index.html; do
  grep -q " \./$file$" <<<"$contents" || fail "package lacks /$file"
done
echo "=== packaging: $((SECONDS - started)) s"
