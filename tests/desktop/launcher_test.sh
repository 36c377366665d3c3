#!/bin/sh
# Drives packaging/zorvik-launcher against a fake installed tree and a fake home. The installed
# "program" is a small script, so that a real start can be checked without a display.
set -eu
launcher=$1
root=$(mktemp -d)
trap 'rm -rf -- "$root"' EXIT
failures=0

fail() {
    printf 'FAIL: %s\n' "$1" >&2
    failures=$((failures + 1))
}

# A prefix with a space, so that every path in the launcher must be quoted.
prefix="$root/inst prefix/usr"
installed=$prefix/lib/zorvik
mkdir -p "$prefix/bin" "$installed/Data" "$installed/Help"
cp "$launcher" "$prefix/bin/zorvik"
chmod +x "$prefix/bin/zorvik"
make_program() {
    printf '#!/bin/sh\n# %s\nprintf "%%s|" "$0" "$@"\n' "$1" >"$installed/zorvik"
    chmod 755 "$installed/zorvik"
}
make_program v1
printf 'standard modules\r\n' >"$installed/Data/modules.ini"
printf 'help v1' >"$installed/Help/index.htm"
printf 'icon' >"$installed/zorvik.png"

home="$root/home dir"
mkdir -p "$home"
user="$home/.local/share/zorvik"
run() { HOME=$home XDG_DATA_HOME='' ZORVIK_LAUNCHER_DRY_RUN=1 "$prefix/bin/zorvik"; }

# First start prepares the folder and names the copy, not the installed program.
out=$(run)
[ "$out" = "$user/zorvik" ] || fail "first start names the user's copy"
{ cmp -s "$installed/zorvik" "$user/zorvik" && [ -x "$user/zorvik" ]; } || fail "executable copied"
cmp -s "$installed/Data/modules.ini" "$user/Data/modules.ini" || fail "modules copied"
cmp -s "$installed/Help/index.htm" "$user/Help/index.htm" || fail "help copied"
cmp -s "$installed/zorvik.png" "$user/zorvik.png" || fail "icon copied"
{ [ ! -e "$user/settings.ini" ] && [ ! -e "$user/result.ini" ]; } || fail "no settings made up"

# The user's own files survive a new installed version; the program and its help follow it.
printf 'my modules\r\n' >"$user/Data/modules.ini"
printf 'my settings\r\n' >"$user/settings.ini"
printf 'my results\r\n' >"$user/result.ini"
make_program v2
printf 'new standard modules\r\n' >"$installed/Data/modules.ini"
printf 'help v2' >"$installed/Help/index.htm"
run >/dev/null
cmp -s "$installed/zorvik" "$user/zorvik" || fail "executable refreshed"
cmp -s "$installed/Help/index.htm" "$user/Help/index.htm" || fail "help refreshed"
[ "$(cat "$user/Data/modules.ini")" = "$(printf "my modules\r")" ] || fail "user modules kept"
[ "$(cat "$user/settings.ini")" = "$(printf "my settings\r")" ] || fail "settings kept"
[ "$(cat "$user/result.ini")" = "$(printf "my results\r")" ] || fail "results kept"
[ -z "$(find "$user" -name "*.new.*" -o -name "*.old.*")" ] || fail "no temporary files left"

# Deleted modules come back from the installed ones.
rm "$user/Data/modules.ini"
run >/dev/null
cmp -s "$installed/Data/modules.ini" "$user/Data/modules.ini" || fail "missing modules restored"

# An absolute XDG_DATA_HOME is honoured; a relative one is ignored as XDG asks.
out=$(HOME=$home XDG_DATA_HOME="$root/xdg" ZORVIK_LAUNCHER_DRY_RUN=1 "$prefix/bin/zorvik")
{ [ "$out" = "$root/xdg/zorvik/zorvik" ] && [ -x "$root/xdg/zorvik/zorvik" ]; } || fail "XDG_DATA_HOME honoured"
out=$(cd "$root" && HOME=$home XDG_DATA_HOME=rel ZORVIK_LAUNCHER_DRY_RUN=1 "$prefix/bin/zorvik")
{ [ "$out" = "$user/zorvik" ] && [ ! -e "$root/rel" ]; } || fail "relative XDG_DATA_HOME ignored"

# Started through a symlink elsewhere, the launcher still finds its own installed tree.
mkdir -p "$root/elsewhere"
ln -s "$prefix/bin/zorvik" "$root/elsewhere/zorvik"
out=$(HOME=$home XDG_DATA_HOME='' ZORVIK_LAUNCHER_DRY_RUN=1 "$root/elsewhere/zorvik")
[ "$out" = "$user/zorvik" ] || fail "symlinked launcher"

# A real start runs the user's copy with the arguments passed through.
out=$(HOME=$home XDG_DATA_HOME='' "$prefix/bin/zorvik" "a b" c)
[ "$out" = "$user/zorvik|a b|c|" ] || fail "starts the copy"

# A broken installation or an unwritable home is reported, not started.
mv "$installed/zorvik" "$installed/zorvik.away"
if run >/dev/null 2>&1; then fail "missing program fails"; fi
mv "$installed/zorvik.away" "$installed/zorvik"
if [ "$(id -u)" != 0 ]; then
    chmod 500 "$home"
    if HOME=$home XDG_DATA_HOME="$home/sub" ZORVIK_LAUNCHER_DRY_RUN=1 "$prefix/bin/zorvik" >/dev/null 2>&1; then fail "unwritable home fails"; fi
    chmod 700 "$home"
fi

[ "$failures" -eq 0 ] && echo "all launcher checks passed"
exit "$failures"
