#!/usr/bin/env bash
# Builds the Debian package (Release) in build-package, unpacks it into a temporary root and runs
# the unpacked programs from there, so a file the install rules miss fails here. With --install
# it then installs the package with apt (through sudo when not root).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DQUORVANE_BUILD_TESTS=OFF \
    -DQUORVANE_BUILD_BENCH=OFF
cmake --build build-package -j"$(nproc)"
rm -f build-package/quorvane-basketball-draft_*.deb
(cd build-package && cpack -G DEB)
deb=$(ls "$PWD"/build-package/quorvane-basketball-draft_*.deb)
dpkg-deb --info "$deb"
dpkg-deb --contents "$deb"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
bin="$root/usr/bin"
"$bin/quorvane-draft-cli" --version
"$bin/quorvane-draft-cli" --data-dir "$root/data" init
players=$("$bin/quorvane-draft-cli" --data-dir "$root/data" projections | wc -l)
echo "sample projections imported: $((players - 1)) players"
[ "$players" -gt 500 ]
paths=$("$bin/quorvane-draft-cli" --data-dir "$root/data" paths)
echo "$paths"
# Every file the unpacked programs read lies inside the unpacked tree.
if echo "$paths" | tail -n +2 | grep -v "^data folder" | grep -v ",$root/"; then
    echo "the unpacked programs read files outside their own tree" >&2
    exit 1
fi
for program in quorvane-draft quorvane-projection-service quorvane-update; do
    QT_QPA_PLATFORM=offscreen "$bin/$program" --version
done
man -l "$root/usr/share/man/man1/quorvane-draft-cli.1.gz" 2>/dev/null | grep -q "chart DRAFT" ||
    zcat "$root/usr/share/man/man1/quorvane-draft-cli.1.gz" | grep -q "chart DRAFT"
echo "package checked: $deb"

if [ "${1:-}" = "--install" ]; then
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
    "${sudo_cmd[@]}" apt-get install -y "$deb"
fi
