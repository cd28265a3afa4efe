#!/usr/bin/env bash
# Installs what is missing, builds the worker and runs its demo on the embedded
# SQLite database. The optional argument is the demo directory (default: demo
# in the repository root); a relative one is taken from the caller's directory.
set -euo pipefail

demo_dir="${1:-}"
if [[ -n "$demo_dir" && "$demo_dir" != /* ]]; then
  demo_dir="$PWD/$demo_dir"
fi

repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$repo_root"

bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j2 --target bdemorvelt

exec ./build/bdemorvelt demo "${demo_dir:-demo}"
