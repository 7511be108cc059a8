#!/usr/bin/env bash
# Signs a program package with the publisher's private key. Beside the package it writes
#   PACKAGE.manifest      the package's name and version (as the package itself gives them), its
#                         size and SHA-256: what quorvane-update installs, and nothing else
#   PACKAGE.manifest.sig  the 64-byte Ed25519 signature of the manifest, which quorvane-update
#                         checks with the public key built into it
#   PACKAGE.sig           the signature of the package itself, which updaters made before the
#                         manifest check
# and checks every signature with the key's own public half.
# Usage: scripts/sign-package.sh KEY PACKAGE
set -euo pipefail
if [ $# -ne 2 ]; then
    echo "usage: $0 KEY PACKAGE" >&2
    exit 2
fi
key=$1
package=$2
manifest="$package.manifest"
if [ ! -r "$package" ]; then
    echo "error: cannot read the package $package" >&2
    exit 1
fi
if ! openssl pkey -in "$key" -noout -text 2>/dev/null | head -n 1 | grep -q '^ED25519 Private-Key'; then
    echo "error: $key is not an Ed25519 private key (scripts/make-signing-key.sh makes one)" >&2
    exit 1
fi
if ! name=$(dpkg-deb --field "$package" Package 2>/dev/null) ||
    ! version=$(dpkg-deb --field "$package" Version 2>/dev/null) ||
    [ -z "$name" ] || [ -z "$version" ]; then
    echo "error: $package is not a Debian package with a name and a version" >&2
    exit 1
fi
public=$(mktemp)
trap 'rm -f "$public" "$package.sig.part" "$manifest.part" "$manifest.sig.part"' EXIT
openssl pkey -in "$key" -pubout -out "$public"

# Writes FILE.sig.part, the signature of FILE, after checking it.
sign() {
    openssl pkeyutl -sign -inkey "$key" -rawin -in "$1" -out "$1.sig.part"
    openssl pkeyutl -verify -pubin -inkey "$public" -rawin -in "$1" -sigfile "$1.sig.part" >/dev/null
}

size=$(stat -c %s "$package")
sha256=$(sha256sum "$package" | cut -d ' ' -f 1)
printf 'quorvane-update-manifest 1\npackage=%s\nversion=%s\nsize=%s\nsha256=%s\n' \
    "$name" "$version" "$size" "$sha256" >"$manifest.part"
sign "$package"
mv "$manifest.part" "$manifest"
sign "$manifest"
mv "$manifest.sig.part" "$manifest.sig"
mv "$package.sig.part" "$package.sig"
echo "$manifest"
echo "$manifest.sig"
echo "$package.sig"
