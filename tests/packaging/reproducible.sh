#!/usr/bin/env bash
# Builds the program twice, as differently as two packagers' machines may,
# packs each and compares the packages byte for byte; on a difference
# diffoscope says what differs.
#
#   reproducible.sh SOURCE WORK PRESET GENERATOR... [-- CMAKE_ARGS...]
#
# First build: SOURCE as it is (a checkout asks git for the commit's date),
# built in WORK/a. Second build, at least a second later: a copy of the same
# files as a source tarball has them (no git, the commit's date in
# packaging/commit-date as git archive writes it, the files' times new), in a
# folder of another name on another file system where there is one (tmpfs
# lists a folder in another order), with another umask, time zone and locale.
set -uo pipefail

source=$1 work=$2 preset=$3
shift 3
generators=()
while [ $# -gt 0 ] && [ "$1" != -- ]; do generators+=("$1"); shift; done
[ $# -eq 0 ] || shift
cmake_args=("$@")

fail() { echo "FAIL: $*" >&2; exit 1; }

# The project's own time, not one from outside.
unset SOURCE_DATE_EPOCH

second=
cleanup() { [ -z "$second" ] || rm -rf "$second"; }
trap cleanup EXIT
rm -rf "$work"
mkdir -p "$work"
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    second=$(mktemp -d /dev/shm/vantrel-second-build.XXXXXX)
else
    second=$work/the-second-build
    mkdir -p "$second"
fi

# build NAME SOURCE FOLDER: configures, builds and packs, its log in WORK.
build() {
    local name=$1 src=$2 dir=$3 log=$work/$1.log
    echo "$name build: $src in $dir"
    { nice cmake -S "$src" -B "$dir/build" --preset "$preset" "${cmake_args[@]}" &&
        nice cmake --build "$dir/build" --parallel 2 &&
        (cd "$dir/build" && nice cpack -G "$(IFS=';'; echo "${generators[*]}")" -B "$dir/package"); } >"$log" 2>&1 \
        || { tail -n 30 "$log"; fail "the $name build failed; log: $log"; }
    # The packages only, not cpack's staging folder.
    find "$dir/package" -mindepth 1 -maxdepth 1 -type f -printf '%f\n' | sort >"$work/$name.packages"
    [ -s "$work/$name.packages" ] || fail "the $name build made no package"
    date +%s >"$work/$name.time"
}

build first "$source" "$work/a"

mkdir -p "$second/src"
if git -C "$source" rev-parse --show-toplevel >/dev/null 2>&1; then
    epoch=$(git -C "$source" log -1 --format=%ct)
    # The files git knows, as they are now, and new ones it does not ignore.
    (cd "$source" && git ls-files -z --cached --others --exclude-standard |
        while IFS= read -r -d '' file; do [ ! -e "$file" ] || printf '%s\0' "$file"; done) >"$work/files"
    tar --create --file=- -C "$source" --null --no-recursion --files-from="$work/files" |
        tar -x -C "$second/src" || fail "cannot copy $source"
    grep -q '^\$Format' "$second/src/packaging/commit-date" && echo "$epoch" >"$second/src/packaging/commit-date"
else
    tar --create --file=- --exclude=./build -C "$source" . | tar -x -C "$second/src" || fail "cannot copy $source"
fi
until [ "$(date +%s)" -gt "$(cat "$work/first.time")" ]; do sleep 0.1; done
(umask 0002 && export TZ=HST10 LC_ALL=C && build second "$second/src" "$second") || exit 1

diff "$work/first.packages" "$work/second.packages" >/dev/null \
    || fail "the two builds made other packages:"$'\n'"$(diff "$work/first.packages" "$work/second.packages")"
status=0
while read -r package; do
    if cmp -s "$work/a/package/$package" "$second/package/$package"; then
        echo "$package: the same, $(stat -c %s "$work/a/package/$package") bytes"
        continue
    fi
    status=1
    echo "$package differs between the two builds:"
    cp "$second/package/$package" "$work/second-$package"
    if command -v diffoscope >/dev/null; then
        timeout 300 diffoscope --text "$work/diffoscope-$package.txt" \
            "$work/a/package/$package" "$work/second-$package" >/dev/null 2>"$work/diffoscope-$package.log"
        head -n 60 "$work/diffoscope-$package.txt"
        echo "(the whole of it: $work/diffoscope-$package.txt)"
    else
        cmp "$work/a/package/$package" "$work/second-$package" | head -n 5
        echo "(diffoscope is not installed: install it to see what differs)"
    fi
done <"$work/first.packages"
[ "$status" -eq 0 ] || fail "the packages are not reproducible; both are in $work"
echo "$(wc -l <"$work/first.packages") packages, byte for byte the same from both builds"
