#!/usr/bin/env bash
# Makes the publisher's Ed25519 key pair for signing program packages: KEY, the private key
# (readable by its owner only), and KEY.pub, the public key in PEM form that the build takes as
# QUORVANE_UPDATE_PUBLIC_KEY. The private key never belongs in the repository: a path in a git
# work tree that git does not ignore is refused, and so is a key that exists already (every
# package signed with it would lose its publisher).
# Usage: scripts/make-signing-key.sh [KEY]
#        (default ${XDG_CONFIG_HOME:-~/.config}/quorvane/package-signing.key)
set -euo pipefail
if [ $# -gt 1 ]; then
    echo "usage: $0 [KEY]" >&2
    exit 2
fi
key=${1:-${XDG_CONFIG_HOME:-$HOME/.config}/quorvane/package-signing.key}
public="$key.pub"
folder=$(dirname "$key")
if [ -e "$key" ] || [ -e "$public" ]; then
    echo "error: $key or $public exists already; remove it first if it is really to be replaced" >&2
    exit 1
fi
mkdir -p "$folder"
if git -C "$folder" rev-parse --is-inside-work-tree >/dev/null 2>&1 &&
    ! git -C "$folder" check-ignore -q "$(basename "$key")"; then
    echo "error: $key would lie in a git repository; keep the private key outside it" >&2
    exit 1
fi
(umask 077 && openssl genpkey -algorithm ed25519 -out "$key")
openssl pkey -in "$key" -pubout -out "$public"
echo "private key: $key (keep it secret, and a copy of it somewhere safe)"
echo "public key:  $public (build with -DQUORVANE_UPDATE_PUBLIC_KEY=$public)"
