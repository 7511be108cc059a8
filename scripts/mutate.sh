#!/usr/bin/env bash
# Mutation run of the core library: each fault of scripts/mutants.txt is planted alone in a
# scratch copy of the tree, the core tests run against it, and its fate is printed (killed,
# survived, stale, build failed) with the kill rate per subsystem. It takes minutes, so it is a
# developer's tool and not part of CI.
#   scripts/mutate.sh                 every mutant of the list
#   scripts/mutate.sh --only room/    the mutants of files whose path holds "room/"
#   scripts/mutate.sh --check         only reports mutants whose original text is gone
#   scripts/mutate.sh --at REV        runs the list against a commit's tree (the kill rate before
#                                     new tests), with its own --scratch folder to keep both builds
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v python3 >/dev/null; then
    echo "mutate.sh needs python3 (scripts/install-deps.sh installs it)" >&2
    exit 2
fi
exec python3 scripts/mutate.py "$@"
