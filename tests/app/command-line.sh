#!/usr/bin/env bash
# The window program's command line: --version and --help are answered before Qt starts, so they
# need no display and open no window; whatever Qt does not take for itself is named and refused
# with the usage.
#
# Usage: command-line.sh PROGRAM VERSION
set -euo pipefail
program=$1
version=$2

fail() {
    echo "window command line: $*" >&2
    exit 1
}

# Runs the program; sets out, err and status.
run() {
    local io
    io=$(mktemp -d)
    status=0
    "$@" >"$io/out" 2>"$io/err" || status=$?
    out=$(cat "$io/out")
    err=$(cat "$io/err")
    rm -rf "$io"
}

no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)

run "${no_display[@]}" "$program" --version
[ "$status" -eq 0 ] || fail "--version ended with $status: $err"
[ "$out" = "orlevan $version" ] || fail "--version printed '$out', not 'orlevan $version'"

for help in --help -h; do
    run "${no_display[@]}" "$program" "$help"
    [ "$status" -eq 0 ] || fail "$help ended with $status: $err"
    [[ $out == "usage: orlevan "* ]] || fail "$help printed '$out'"
    [[ $out == *--version* ]] || fail "$help does not tell of --version"
    [ -z "$err" ] || fail "$help wrote to standard error: $err"
done

# Qt's own -platform is taken; what is left is refused before any window is made.
run env QT_QPA_PLATFORM=offscreen "$program" -platform offscreen --frob
[ "$status" -eq 2 ] || fail "--frob ended with $status"
grep -qx 'orlevan: no option --frob' <<<"$err" || fail "--frob was not named: $err"
grep -q '^usage: orlevan ' <<<"$err" || fail "no usage after --frob: $err"
[ -z "$out" ] || fail "--frob printed '$out'"

run env QT_QPA_PLATFORM=offscreen "$program" words
[ "$status" -eq 2 ] || fail "an operand ended with $status"
grep -q '"words"' <<<"$err" || fail "the operand was not named: $err"

echo "window command line: --version, --help and refusals as expected"
