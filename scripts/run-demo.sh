#!/usr/bin/env bash
# Lays out the demo environment under <build>/demo and starts the editor on it.
set -euo pipefail
build="${1:-build}"
demo="$build/demo"
registry=$("$build/src/cli/tessera-cli" demo "$demo")
export TESSERA_REGISTRY="$registry"
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found: starting the editor under Xvfb." >&2
  exec xvfb-run -a "$build/src/ui/tessera" "$@"
fi
exec "$build/src/ui/tessera" "$@"
