#!/usr/bin/env bash
# Checks that the developers' guide's layout section names every folder the repository holds, and no folder that is gone.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! git rev-parse --git-dir >/dev/null 2>&1; then
  echo "not a git checkout: nothing to compare the layout with"
  exit 77
fi
# The folders named at the head of each item of the section, before its " - " and the role.
listed=$(sed -n '/^## Layout$/,/^## /p' DEVELOPING.md | grep -E '^ *- `' | sed -E 's/^ *- //; s/ - .*//' |
  grep -o '`[^` ]*/`' | tr -d '`' | sed 's#/$##' | sort -u)
held=$(git ls-files | xargs -n1 dirname | grep -vx '\.' | sort -u)
if [[ "$listed" != "$held" ]]; then
  echo "The layout in DEVELOPING.md and the repository's folders differ (< the guide, > the repository):"
  diff <(echo "$listed") <(echo "$held") || true
  exit 1
fi
echo "The layout in DEVELOPING.md names all $(echo "$held" | wc -l) folders."
