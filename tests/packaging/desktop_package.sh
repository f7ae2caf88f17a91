#!/usr/bin/env bash
# Installs the .deb that cpack made with dpkg, checks that its files are where
# a desktop looks for them, starts the installed program headless until its
# main window is up, and removes the package again.
#
# dpkg works on a private root with its own database, so the run takes no
# lock that another program holds or waits for, runs no other package's
# triggers, needs no root and leaves the machine's packages alone. Whether
# the dependencies are met is asked of the machine's own apt, read only.
#
#   desktop_package.sh PACKAGE_DIR PACKAGE VERSION APP_ID WORK_DIR "ICON_SIZES"
set -uo pipefail

out=$1 package=$2 version=$3 appid=$4 work=$5 sizes=$6

skip() { echo "SKIP: $*"; exit 77; }
fail() { echo "FAIL: $*" >&2; exit 1; }

command -v dpkg >/dev/null && command -v dpkg-deb >/dev/null || skip "no dpkg on this machine"

rm -rf "$work"
root=$work/root
mkdir -p "$work/runtime" "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
chmod 700 "$work/runtime"
touch "$root/var/lib/dpkg/status"

# dpkg checks that ldconfig and start-stop-daemon are on the PATH, even for a
# private root; --force-not-root lets an ordinary user install there.
private_dpkg() {
    env HOME="$work" PATH=/usr/sbin:/usr/bin:/sbin:/bin \
        dpkg --root="$root" --log="$work/dpkg-actions.log" --force-not-root "$@"
}

program=
cleanup() {
    if [ -n "$program" ] && kill -0 "$program" 2>/dev/null; then
        kill -KILL "$program" 2>/dev/null
        wait "$program" 2>/dev/null
    fi
}
trap cleanup EXIT

# The packages.
arch=$(dpkg --print-architecture)
deb=$out/${package}_${version}_${arch}.deb
tgz=$out/$package-$version-Linux.tar.gz
[ -f "$deb" ] || { ls "$out"; fail "no $deb"; }
[ -f "$tgz" ] || { ls "$out"; fail "no $tgz"; }
[ "$(dpkg-deb -f "$deb" Package)" = "$package" ] || fail "wrong package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version is not $version"
# grep reads the whole list: with -q it stops at the first match, and tar,
# cut off, would fail the pipeline.
tar -tzf "$tgz" | grep -x "$package-$version-Linux/bin/$package" >/dev/null || fail "the tarball has no bin/$package"

# apt, asked to install the package here, would install it and nothing else:
# this machine satisfies every dependency (simulated, without a lock).
plan=$(LC_ALL=C apt-get -s -o Debug::NoLocking=1 --no-install-recommends install "$deb" 2>&1) \
    || fail "apt cannot install the package here:"$'\n'"$plan"
changes=$(grep -E '^(Inst|Remv) ' <<<"$plan" | grep -v "^Inst $package ")
[ -z "$changes" ] || fail "installing the package would change other packages:"$'\n'"$changes"

expected=(
    "/usr/bin/$package"
    "/usr/share/applications/$appid.desktop"
    "/usr/share/metainfo/$appid.metainfo.xml"
    "/usr/share/doc/$package/copyright"
    "/usr/share/doc/$package/changelog.gz"
    "/usr/share/man/man1/$package.1.gz"
)
for size in $sizes; do
    expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/$appid.png")
done
held=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\.||' | sort)
[ "$held" = "$(printf '%s\n' "${expected[@]}" | sort)" ] \
    || fail "the package holds other files than expected:"$'\n'"$held"

# Install.
private_dpkg --force-depends -i "$deb" >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; fail "dpkg -i failed"; }
status=$(env HOME="$work" dpkg-query --admindir="$root/var/lib/dpkg" -W -f='${db:Status-Status}' "$package")
[ "$status" = installed ] || fail "not installed after dpkg -i: $status"

for file in "${expected[@]}"; do
    [ -f "$root$file" ] || fail "missing $file"
done

# Depends names the packages that hold, on this release, the Qt libraries the
# program links: libqt6core6 on Debian 12, libqt6core6t64 on Debian 13.
depends=$(dpkg-deb -f "$deb" Depends)
depended=$(tr ',|' '\n\n' <<<"$depends" | awk '{ print $1 }')
qt_libraries=$(objdump -p "$root/usr/bin/$package" | awk '$1 == "NEEDED" && $2 ~ /^libQt6/ { print $2 }')
[ "$(wc -w <<<"$qt_libraries")" -ge 3 ] || fail "the program links other Qt libraries than expected: $qt_libraries"
for library in $qt_libraries; do
    holder=$(dpkg-query -S "*/$library" | sed 's/:.*//' | sort -u)
    grep -qx "$holder" <<<"$depended" || fail "Depends lacks $holder, which holds $library here: $depends"
done

[ -x "$root/usr/bin/$package" ] || fail "/usr/bin/$package is not executable"
grep -qx "Exec=$package" "$root/usr/share/applications/$appid.desktop" || fail "the desktop entry does not start $package"
grep -qx "Icon=$appid" "$root/usr/share/applications/$appid.desktop" || fail "the desktop entry names another icon"
for size in $sizes; do
    # A PNG's width and height are the big-endian words at bytes 16 and 20.
    read -r w h < <(od -An -tu4 --endian=big -j16 -N8 "$root/usr/share/icons/hicolor/${size}x${size}/apps/$appid.png")
    [ "$w $h" = "$size $size" ] || fail "the ${size}x${size} icon is ${w}x${h}"
done
gzip -dc "$root/usr/share/man/man1/$package.1.gz" | grep -q "^\.TH .* 1 .*\"$package $version\"" \
    || fail "the manual page is not $package($version) in section 1"

# Start the installed program, headless, with nothing from this build around
# it. Qt reports each window that shows on its accessibility log; the main
# window's entry names MainWindow. The splash comes first, for five seconds. A
# session's UTF-8 locale: without one Qt 6.8 warns, where Qt 6.4 was silent.
log=$work/run.log
env -i PATH=/usr/bin:/bin HOME="$work" XDG_RUNTIME_DIR="$work/runtime" LANG=C.UTF-8 \
    QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="qt.accessibility.cache.debug=true" \
    "$root/usr/bin/$package" >"$log" 2>&1 &
program=$!
deadline=$((SECONDS + 60))
until grep -q 'role=Window.*obj=MainWindow(' "$log"; do
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
private_dpkg --purge "$package" >>"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; fail "dpkg --purge failed"; }
status=$(env HOME="$work" dpkg-query --admindir="$root/var/lib/dpkg" -W -f='${db:Status-Status}' "$package" 2>/dev/null)
[ -z "$status" ] || [ "$status" = not-installed ] || fail "$package is still known to dpkg after removal: $status"
for file in "${expected[@]}"; do
    [ ! -e "$root$file" ] || fail "$file is left after removal"
done
echo "$package $version: installed, started, removed"
