#!/usr/bin/env bash
# Completes orlevan-cli command lines with packaging/bash-completion/orlevan-cli, loaded as
# bash-completion loads it, and checks what is offered: the commands, each command's own options,
# files or folders as its operands, and nothing where a number is due.
#
# Usage: completion.sh COMPLETION_FILE
set -uo pipefail
completion=$1
readonly BASH_COMPLETION=/usr/share/bash-completion/bash_completion
if [ ! -r "$BASH_COMPLETION" ]; then
    echo "completion: $BASH_COMPLETION is missing (apt-get install bash-completion)" >&2
    exit 1
fi
# shellcheck source=/dev/null
source "$BASH_COMPLETION"
# shellcheck source=/dev/null
source "$completion"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/kb/Base" "$work/other kb"
touch "$work/words.txt" "$work/kb/Base/Words.dat"
cd "$work" || exit 1

failures=0

# offered LINE: what completing at the end of LINE offers, sorted, one a line.
offered() {
    local line=$1
    read -ra COMP_WORDS <<<"$line"
    [[ $line == *' ' ]] && COMP_WORDS+=('')
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMP_LINE=$line
    COMP_POINT=${#line}
    COMPREPLY=()
    _orlevan_cli orlevan-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    printf '%s\n' "${COMPREPLY[@]}" | sed '/^$/d' | sort
}

# expect LINE WORD...: completing LINE offers exactly WORDs.
expect() {
    local line=$1 got wanted
    shift
    got=$(offered "$line")
    wanted=$(printf '%s\n' "$@" | sed '/^$/d' | sort)
    if [ "$got" != "$wanted" ]; then
        echo "completion: '$line' offers [${got//$'\n'/ }], not [${wanted//$'\n'/ }]" >&2
        failures=$((failures + 1))
    fi
}

expect 'orlevan-cli ' chat check converse export import --help --version
expect 'orlevan-cli c' chat check converse
expect 'orlevan-cli --v' --version
expect 'orlevan-cli chat -' --seed --remarks --no-remarks --explain --help
expect 'orlevan-cli chat --remarks --e' --explain
expect 'orlevan-cli check --' --shadowed --inside-words --help
expect 'orlevan-cli converse kb --t' --turns
expect 'orlevan-cli chat --seed ' ''
expect 'orlevan-cli converse kb kb --turns ' ''
# Folders for check and converse, files (and the folders on the way) for export and import.
expect 'orlevan-cli check ' kb 'other kb'
expect 'orlevan-cli converse kb ' kb 'other kb'
expect 'orlevan-cli export ' kb 'other kb' words.txt
expect 'orlevan-cli import w' words.txt
expect 'orlevan-cli export kb/Base/' kb/Base/Words.dat
expect 'orlevan-cli chat ' ''
expect 'orlevan-cli talk ' ''
# After "--" a dash starts a name, not an option.
expect 'orlevan-cli check -- --' ''

if [ "$failures" -gt 0 ]; then
    exit 1
fi
echo "completion: every case offered what it should"
