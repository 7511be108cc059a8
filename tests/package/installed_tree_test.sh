#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs the installed programs from there: every
# file they read must be in the installed tree, and none may come from the source or build tree.
# Usage: installed_tree_test.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
failures=0
fail() {
    echo "FAILED: $*" >&2
    failures=$((failures + 1))
}

for file in bin/quorvane-draft bin/quorvane-draft-cli bin/quorvane-projection-service \
    bin/quorvane-update share/quorvane/data/sample_projections.csv \
    share/quorvane/help/da_index.htm share/quorvane/help/help.css \
    share/quorvane/help/connect_error.htm share/quorvane/night/board.html \
    share/quorvane/night/join.html share/quorvane/night/team.js \
    share/applications/org.quorvane.BasketballDraft.desktop \
    share/metainfo/org.quorvane.BasketballDraft.metainfo.xml \
    share/icons/hicolor/scalable/apps/org.quorvane.BasketballDraft.svg \
    share/man/man1/quorvane-draft.1.gz share/man/man1/quorvane-draft-cli.1.gz \
    share/man/man1/quorvane-projection-service.1.gz share/man/man1/quorvane-update.1.gz \
    share/doc/quorvane-basketball-draft/copyright; do
    [ -s "$prefix/$file" ] || fail "not installed: $file"
done
for size in 16 24 32 48 64 128 256; do
    [ -s "$prefix/share/icons/hicolor/${size}x${size}/apps/org.quorvane.BasketballDraft.png" ] ||
        fail "no ${size}x${size} icon"
done
grep -q '^Exec=quorvane-draft$' "$prefix/share/applications/org.quorvane.BasketballDraft.desktop" ||
    fail "the menu entry does not start quorvane-draft"
grep -q "<release version=\"$version\" date=\"20[0-9][0-9]-[01][0-9]-[0-3][0-9]\"/>" \
    "$prefix/share/metainfo/org.quorvane.BasketballDraft.metainfo.xml" ||
    fail "the metainfo file does not name version $version"

for program in quorvane-draft quorvane-draft-cli quorvane-projection-service quorvane-update; do
    QT_QPA_PLATFORM=offscreen "$prefix/bin/$program" --version | grep -q "$version" ||
        fail "$program --version does not print $version"
done
zcat "$prefix/share/man/man1/quorvane-draft-cli.1.gz" | grep -q '^\.SS "chart DRAFT' ||
    fail "the command line's manual page lacks the chart command"
zcat "$prefix/share/man/man1/quorvane-update.1.gz" | grep -q "quorvane\\\\-update $version" ||
    fail "the updater's manual page does not carry version $version"

cli="$prefix/bin/quorvane-draft-cli --data-dir $prefix/data"
$cli init >/dev/null
players=$($cli projections | wc -l)
[ "$players" -gt 500 ] || fail "the installed sample projections were not imported ($players lines)"
paths=$($cli paths) || fail "paths found a file missing: $paths"
if echo "$paths" | tail -n +2 | grep -v "^data folder," | grep -v ",$prefix/"; then
    fail "the installed programs read files outside their tree"
fi
$cli new-draft Installed --teams 10 --auction --rotisserie >/dev/null
$cli chart Installed --kind money --out "$prefix/money.png" >/dev/null ||
    fail "the installed command line could not draw a chart"
[ "$(head -c 4 "$prefix/money.png" | tail -c 3)" = "PNG" ] || fail "money.png is no PNG"

if [ "$failures" -ne 0 ]; then
    echo "$failures failed" >&2
    exit 1
fi
echo "installed tree complete under $prefix"
