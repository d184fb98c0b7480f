#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR and checks what a distribution needs: every file in
# its FHS place, the desktop and AppStream validators, man pages that groff renders without
# warnings and that list exactly the options the programs' --help prints.
# Usage: check_install.sh <cmake> <build dir> <source dir>
set -euo pipefail
cmake=$1 build=$2 source=$3
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

DESTDIR=$dest "$cmake" --install "$build" --prefix /usr >/dev/null
root=$dest/usr
id=io.github.guivarna.Guivarna
expected=(
    bin/guivarna bin/guivarna-cli
    share/applications/$id.desktop share/metainfo/$id.metainfo.xml share/mime/packages/$id.xml
    share/icons/hicolor/scalable/apps/$id.svg
    share/man/man1/guivarna.1 share/man/man1/guivarna-cli.1
    share/bash-completion/completions/guivarna-cli
    share/doc/guivarna/manual.html share/guivarna/translations/guivarna_de.qm)
for size in 16 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for file in "${expected[@]}"; do
    [ -s "$root/$file" ] || fail "not installed: /usr/$file"
done

out=$(desktop-file-validate "$root/share/applications/$id.desktop" 2>&1) || fail "desktop file"
[ -z "$out" ] || fail "desktop-file-validate: $out"
appstreamcli validate --no-net --no-color "$root/share/metainfo/$id.metainfo.xml" >/dev/null ||
    fail "appstreamcli validate: $(appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml")"

# Options of a --help text or a man page, one a line: long options, short ones and subcommands.
help_options() { grep -oE '(^|[ ,[|(])--?[a-z][a-z-]*' | grep -oE -- '--?[a-z][a-z-]*' | sort -u; }
man_options() { sed 's/\\-/-/g; s/\\f[BIR]//g' "$1" | grep -v '^\.\\"' | help_options; }
compare() {  # name, help text, man page
    local diff
    diff=$(diff <(help_options <<<"$2") <(man_options "$3")) || fail "$1: --help (<) and man page (>) differ: $diff"
}
lib=$build/app
compare guivarna-cli "$("$lib/guivarna-cli" --help)" "$source/app/cli/guivarna-cli.1"
commands=$("$lib/guivarna-cli" --help | sed -n 's/^  \([a-z][a-z-]*\).*/\1/p' | sort)
manned=$(sed -n 's/^\.SS //p' "$source/app/cli/guivarna-cli.1" | sed 's/\\-/-/g' | sort)
[ "$commands" = "$manned" ] || fail "subcommands: --help has $commands, the man page $manned"
for command in $commands; do
    diff=$(diff <("$lib/guivarna-cli" "$command" --help | help_options) \
        <(sed 's/\\-/-/g' "$source/app/cli/guivarna-cli.1" |
            sed -n "/^\.SS $command\$/,/^\.S[SH]/p" | help_options)) || fail "$command: usage (<) and man page (>) differ: $diff"
done
compare guivarna "$(LANGUAGE=en "$lib/guivarna" --help)" "$source/app/guivarna.1"

# The bash completion offers the same subcommands and, per subcommand, the same options.
completion=$source/app/cli/guivarna-cli.bash-completion
completed=$(sed -n '/subcommands="/,/"/p' "$completion" | tr -d '"' | sed 's/.*=//' | tr -s ' \n' '\n' |
    grep . | sort)
[ "$commands" = "$completed" ] || fail "subcommands: --help has $commands, the completion $completed"
for command in $commands; do
    diff=$(diff <("$lib/guivarna-cli" "$command" --help | help_options | grep -vx -- --help) \
        <(awk -v c="$command)" '$1 == c { on = 1 } on { print } on && /;;/ { exit }' "$completion" | tr '"=' '  ' |
            help_options)) ||
        fail "$command: usage (<) and completion (>) differ: $diff"
done

# Both programs say their version; the window program takes one document at most.
version=$(sed -n 's/^project(Guivarna VERSION \([0-9.]*\).*/\1/p' "$source/CMakeLists.txt")
[ "$("$lib/guivarna-cli" --version)" = "guivarna-cli $version" ] ||
    fail "guivarna-cli --version: $("$lib/guivarna-cli" --version)"
[ "$("$lib/guivarna" --version)" = "Guivarna $version" ] ||
    fail "guivarna --version: $("$lib/guivarna" --version)"
status=0
QT_QPA_PLATFORM=offscreen "$lib/guivarna" one.gva two.gva >/dev/null 2>&1 || status=$?
[ $status -eq 1 ] || fail "guivarna with two documents ended with status $status, not 1"
for page in "$source/app/guivarna.1" "$source/app/cli/guivarna-cli.1"; do
    out=$(LC_ALL=C.UTF-8 groff -ww -man -z "$page" 2>&1)
    [ -z "$out" ] || fail "groff warnings in $page: $out"
done

[ $failed -eq 0 ] && echo "Installed ${#expected[@]} files; validators, man pages and --help agree."
exit $failed
