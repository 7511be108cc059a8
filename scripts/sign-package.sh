#!/usr/bin/env bash
# Signs a program package with the publisher's private key: writes PACKAGE.sig, the 64-byte
# Ed25519 signature of the whole file that quorvane-update checks with the public key built into
# it, after checking the signature with the key's own public half.
# Usage: scripts/sign-package.sh KEY PACKAGE
set -euo pipefail
if [ $# -ne 2 ]; then
    echo "usage: $0 KEY PACKAGE" >&2
    exit 2
fi
key=$1
package=$2
signature="$package.sig"
if [ ! -r "$package" ]; then
    echo "error: cannot read the package $package" >&2
    exit 1
fi
if ! openssl pkey -in "$key" -noout -text 2>/dev/null | head -n 1 | grep -q '^ED25519 Private-Key'; then
    echo "error: $key is not an Ed25519 private key (scripts/make-signing-key.sh makes one)" >&2
    exit 1
fi
public=$(mktemp)
trap 'rm -f "$public" "$signature.part"' EXIT
openssl pkey -in "$key" -pubout -out "$public"
openssl pkeyutl -sign -inkey "$key" -rawin -in "$package" -out "$signature.part"
openssl pkeyutl -verify -pubin -inkey "$public" -rawin -in "$package" \
    -sigfile "$signature.part" >/dev/null
mv "$signature.part" "$signature"
echo "$signature"
