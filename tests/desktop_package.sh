#!/usr/bin/env bash
# Builds the .deb with cpack, installs it with dpkg, checks that its files are
# where a desktop looks for them, starts the installed program headless until
# its main window is up, and removes the package again. Needs root and dpkg;
# skipped (77) otherwise, and when the package is already on the machine.
#
#   desktop_package.sh BUILD_DIR PACKAGE VERSION APP_ID WORK_DIR "ICON_SIZES"
set -uo pipefail

build=$1 package=$2 version=$3 appid=$4 work=$5 sizes=$6

skip() { echo "SKIP: $*"; exit 77; }
fail() { echo "FAIL: $*" >&2; exit 1; }

[ "$(id -u)" -eq 0 ] || skip "installing a package needs root"
command -v dpkg >/dev/null && command -v dpkg-query >/dev/null || skip "no dpkg on this machine"

# One run at a time on this machine, whichever build folder it comes from.
lock=/run/lock
[ -d "$lock" ] && [ -w "$lock" ] || lock=/tmp
exec 9>"$lock/$package-package-test"
flock -w 600 9 || fail "another package test holds the lock"

status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null)
[ -z "$status" ] || [ "$status" = not-installed ] \
    || skip "$package is already on this machine ($status); leaving it alone"

rm -rf "$work"
mkdir -p "$work/runtime"
chmod 700 "$work/runtime"

installed=0
program=
cleanup() {
    if [ -n "$program" ] && kill -0 "$program" 2>/dev/null; then
        kill -KILL "$program" 2>/dev/null
        wait "$program" 2>/dev/null
    fi
    if [ "$installed" = 1 ]; then
        dpkg --purge "$package" >>"$work/dpkg.log" 2>&1 || echo "could not remove $package" >&2
    fi
}
trap cleanup EXIT

# The packages.
cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log"; fail "cpack failed"; }
arch=$(dpkg --print-architecture)
deb=$work/out/${package}_${version}_${arch}.deb
tgz=$work/out/$package-$version-Linux.tar.gz
[ -f "$deb" ] || { ls "$work/out"; fail "no $deb"; }
[ -f "$tgz" ] || { ls "$work/out"; fail "no $tgz"; }
[ "$(dpkg-deb -f "$deb" Package)" = "$package" ] || fail "wrong package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version is not $version"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6core6 libqt6gui6 libqt6widgets6; do
    [[ "$depends" == *"$lib "* ]] || fail "Depends lacks $lib: $depends"
done
tar -tzf "$tgz" | grep -qx "$package-$version-Linux/bin/$package" || fail "the tarball has no bin/$package"

# Install.
installed=1
dpkg -i "$deb" >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; fail "dpkg -i failed"; }
[ "$(dpkg-query -W -f='${db:Status-Status}' "$package")" = installed ] || fail "not installed after dpkg -i"

expected=(
    "/usr/bin/$package"
    "/usr/share/applications/$appid.desktop"
    "/usr/share/metainfo/$appid.metainfo.xml"
)
for size in $sizes; do
    expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/$appid.png")
done
for file in "${expected[@]}"; do
    [ -f "$file" ] || fail "missing $file"
    dpkg -S "$file" 2>/dev/null | grep -q "^$package: " || fail "$file does not belong to $package"
done
[ -x "/usr/bin/$package" ] || fail "/usr/bin/$package is not executable"
owned=$(dpkg -L "$package" | while read -r path; do [ -d "$path" ] || echo "$path"; done | sort)
[ "$owned" = "$(printf '%s\n' "${expected[@]}" | sort)" ] \
    || fail "the package holds other files than expected:"$'\n'"$owned"
grep -qx "Exec=$package" "/usr/share/applications/$appid.desktop" || fail "the desktop entry does not start $package"
grep -qx "Icon=$appid" "/usr/share/applications/$appid.desktop" || fail "the desktop entry names another icon"
for size in $sizes; do
    # A PNG's width and height are the big-endian words at bytes 16 and 20.
    read -r w h < <(od -An -tu4 --endian=big -j16 -N8 "/usr/share/icons/hicolor/${size}x${size}/apps/$appid.png")
    [ "$w $h" = "$size $size" ] || fail "the ${size}x${size} icon is ${w}x${h}"
done

# Start the installed program, headless, with nothing from this build around
# it. Qt reports each window that shows on its accessibility log; the main
# window's entry names Form1. The splash comes first, for five seconds.
log=$work/run.log
env -i PATH=/usr/bin:/bin HOME="$work" XDG_RUNTIME_DIR="$work/runtime" \
    QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="qt.accessibility.cache.debug=true" \
    "/usr/bin/$package" >"$log" 2>&1 &
program=$!
deadline=$((SECONDS + 60))
until grep -q 'role=Window.*obj=Form1(' "$log"; do
    kill -0 "$program" 2>/dev/null || { cat "$log"; wait "$program"; fail "the program ended (status $?) before its main window showed"; }
    [ "$SECONDS" -lt "$deadline" ] || { cat "$log"; fail "no main window after 60 s"; }
    sleep 0.1
done
kill -0 "$program" 2>/dev/null || fail "the program ended right after showing its main window"
kill -TERM "$program"
wait "$program"
status=$?
program=
[ "$status" -eq 143 ] || fail "the program ended with status $status on SIGTERM"
if grep -v '^qt\.accessibility\.cache: ' "$log" | grep -q .; then
    cat "$log"
    fail "the program printed more than the accessibility log"
fi

# Remove it again.
installed=0
dpkg --purge "$package" >>"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; fail "dpkg --purge failed"; }
[ -z "$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null)" ] \
    || [ "$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null)" = not-installed ] \
    || fail "$package is still known to dpkg after removal"
for file in "${expected[@]}"; do
    [ ! -e "$file" ] || fail "$file is left after removal"
done
echo "$package $version: installed, started, removed"
