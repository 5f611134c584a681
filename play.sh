#!/usr/bin/env bash
# Builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")"
echo "Astrovex is not playable yet: the platform and the toolkit exist; the game's own form and" >&2
echo "rules come next. ./test.sh runs what there is." >&2
exit 1
