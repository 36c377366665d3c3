#!/bin/sh
# Installs this build in both layouts and checks what each holds; then starts the system layout's
# launcher (dry run) with a fake home, so that the real program is copied into a user folder.
set -eu
cmake=$1
build=$2
root=$(mktemp -d)
trap 'rm -rf -- "$root"' EXIT
failures=0
fail() {
    printf 'FAIL: %s\n' "$1" >&2
    failures=$((failures + 1))
}

"$cmake" --install "$build" --prefix "$root/folder" >/dev/null
f=$root/folder/zorvik
for file in zorvik zorvik-history Data/modules.ini Help/index.htm zorvik.png; do
    [ -f "$f/$file" ] || fail "folder layout lacks $file"
done
[ -x "$f/zorvik" ] || fail "folder program is not executable"
[ -x "$f/zorvik-history" ] || fail "folder history program is not executable"
# The folder is the whole install: nothing of the system layout leaks into it.
[ "$(ls "$root/folder")" = zorvik ] || fail "folder layout installs more than zorvik/: $(ls "$root/folder")"

"$cmake" --install "$build" --prefix "$root/sys" --component system >/dev/null
s=$root/sys
for file in bin/zorvik bin/zorvik-history share/man/man1/zorvik.1.gz \
    share/man/man1/zorvik-history.1.gz share/doc/zorvik/changelog.gz \
    share/lintian/overrides/zorvik lib/zorvik/zorvik lib/zorvik/Data/modules.ini lib/zorvik/Help/index.htm \
    lib/zorvik/zorvik.png share/applications/org.example.zorvik.desktop \
    share/metainfo/org.example.zorvik.metainfo.xml \
    share/icons/hicolor/16x16/apps/org.example.zorvik.png \
    share/icons/hicolor/256x256/apps/org.example.zorvik.png \
    share/icons/hicolor/scalable/apps/org.example.zorvik.svg; do
    [ -f "$s/$file" ] || fail "system layout lacks $file"
done
[ -x "$s/bin/zorvik" ] || fail "launcher is not executable"

out=$(HOME="$root/home" XDG_DATA_HOME='' ZORVIK_LAUNCHER_DRY_RUN=1 "$s/bin/zorvik")
[ "$out" = "$root/home/.local/share/zorvik/zorvik" ] || fail "launcher names $out"
cmp -s "$s/lib/zorvik/zorvik" "$out" || fail "launcher did not copy the installed program"
cmp -s "$s/lib/zorvik/Data/modules.ini" "$root/home/.local/share/zorvik/Data/modules.ini" ||
    fail "launcher did not copy the modules"

# The history program of the system layout reads the history in the folder the launcher made.
printf '[{A}]\r\nExamDate=4675614456281388373\r\nExamResult=4605380978949069210\r\n\r\n' \
    >"$root/home/.local/share/zorvik/result.ini"
csv=$(HOME="$root/home" XDG_DATA_HOME='' "$s/bin/zorvik-history" --csv) ||
    fail "system history program failed"
case $csv in
*"{A},2007-03-15T14:30:00,0.8,"*) ;;
*) fail "system history program printed $csv" ;;
esac

[ "$failures" -eq 0 ] && echo "both layouts are complete"
exit "$failures"
