#!/usr/bin/env bash
# Installs what is missing, builds Quillot optimised and starts it. GM.ini is kept beside the
# executable: build/release/app/GM.ini.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target quillot
exec build/release/app/quillot
