#!/usr/bin/env bash
# Builds the Debian package (Release) in build-package, unpacks it into a temporary root and runs
# the unpacked programs from there, so a file the install rules miss fails here. With --install
# it then installs the package with apt (through sudo when not root).
#
# The publisher's public key (QUORVANE_UPDATE_PUBLIC_KEY, default the one
# scripts/make-signing-key.sh makes) is built into the updater, and the package's manifest is
# signed with the private key beside it (QUORVANE_SIGNING_KEY) when that is at hand; the service
# offers it with --package-manifest PACKAGE.manifest. Without a public key the package's updater
# installs no downloaded update.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
public_key=${QUORVANE_UPDATE_PUBLIC_KEY:-${XDG_CONFIG_HOME:-$HOME/.config}/quorvane/package-signing.key.pub}
signing_key=${QUORVANE_SIGNING_KEY:-${public_key%.pub}}
if [ ! -r "$public_key" ]; then
    echo "note: no publisher's key at $public_key: the updater of this package will install" \
        "no downloaded update" >&2
    public_key=
fi
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DQUORVANE_BUILD_TESTS=OFF \
    -DQUORVANE_BUILD_BENCH=OFF -DQUORVANE_UPDATE_PUBLIC_KEY="$public_key"
cmake --build build-package -j"$(nproc)"
rm -f build-package/quorvane-basketball-draft_*.deb build-package/quorvane-basketball-draft_*.deb.sig \
    build-package/quorvane-basketball-draft_*.deb.manifest \
    build-package/quorvane-basketball-draft_*.deb.manifest.sig
(cd build-package && cpack -G DEB)
deb=$(ls "$PWD"/build-package/quorvane-basketball-draft_*.deb)
if [ -n "$public_key" ] && [ -r "$signing_key" ]; then
    scripts/sign-package.sh "$signing_key" "$deb"
    cat "$deb.manifest"
elif [ -n "$public_key" ]; then
    echo "note: no private key at $signing_key: the package is not signed, and no updater" \
        "installs it" >&2
fi
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
