#!/usr/bin/env bash
# Installs the build into a fresh prefix, checks the desktop entry and the AppStream description
# with their validators, then starts the program from its desktop entry as a desktop menu does
# (gio launch, GLib's own launcher) on a private X server, for a user who has never run it: the
# window must come up, working in the user's folder prepared from the installed default.
#
# Usage: desktop-start.sh BUILD_FOLDER
set -euo pipefail

# Inside the X server: start the entry as a menu would, wait for the window,
# name the folder its process works in, and end it.
if [ "${1:-}" = --from-menu ]; then
    gio launch "$2"
    window=$(timeout 60 xdotool search --sync --onlyvisible --name 'ОРЛЕВАН' | head -n 1)
    [ -n "$window" ] || { echo "no window"; exit 1; }
    pid=$(xdotool getwindowpid "$window")
    echo "window $window, process $pid, working in $(readlink "/proc/$pid/cwd")"
    kill "$pid"
    exit 0
fi

build=$1
scratch=$(mktemp -d)
cleanup() {
    rm -rf "$scratch"
}
trap cleanup EXIT

fail() {
    echo "desktop-start: $*" >&2
    exit 1
}

prefix=$scratch/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
entry=$prefix/share/applications/org.orlevan.Orlevan.desktop
for file in "$prefix/bin/orlevan" "$prefix/bin/orlevan-cli" "$entry" \
    "$prefix/share/icons/hicolor/scalable/apps/orlevan.svg" \
    "$prefix/share/icons/hicolor/48x48/apps/orlevan.png" \
    "$prefix/share/orlevan/data/Base/Words.dat" \
    "$prefix/share/man/man1/orlevan.1" "$prefix/share/man/man1/orlevan-cli.1" \
    "$prefix/share/bash-completion/completions/orlevan-cli" \
    "$prefix/share/doc/orlevan/copyright"; do
    [ -e "$file" ] || fail "$file was not installed"
done
# The manual pages name the folders of this install and format without a warning.
for page in orlevan orlevan-cli; do
    grep -q "$prefix/share/orlevan/data" "$prefix/share/man/man1/$page.1" ||
        fail "$page(1) does not name the installed default working folder"
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$prefix/share/man/man1/$page.1" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$page(1): $warnings"
done
desktop-file-validate "$entry"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/org.orlevan.Orlevan.metainfo.xml"

export HOME=$scratch/home
unset XDG_DATA_HOME QT_QPA_PLATFORM
mkdir -p "$HOME"
report=$(xvfb-run -a -s '-screen 0 1280x800x24' "$0" --from-menu "$entry") ||
    fail "the program did not start from its desktop entry: $report"
echo "$report"
workdir=$HOME/.local/share/orlevan
[[ $report == *"working in $workdir" ]] || fail "the program did not work in $workdir"
diff -r "$prefix/share/orlevan/data" "$workdir" >/dev/null ||
    fail "the working folder was not prepared from the installed default"
echo "desktop-start: the installed program started from its desktop entry in $workdir"
