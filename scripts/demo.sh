#!/usr/bin/env bash
# Installs what is missing, builds, starts the simulated TQ-2400G switch on
# 127.0.0.1 and opens the module on it the way the management station does:
# SNMPv3, authPriv with HMAC-SHA and DES.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(dirname "$here")"
"$here/setup.sh"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "The module needs a display. Without a desktop, run it on a virtual one:" >&2
    echo "    xvfb-run -a -s '-screen 0 1024x768x24' bash scripts/demo.sh" >&2
    exit 1
fi

demo="$root/build/demo"
mkdir -p "$demo/switch-state"
port="${SIM_PORT:-16100}"

"$root/build/sim/tq2400g-sim" --port "$port" --state-dir "$demo/switch-state" \
    --data "$root/sim/data" --led-period-ms 1000 &
sim=$!
trap 'kill "$sim" 2>/dev/null; wait "$sim" 2>/dev/null || true' EXIT
sleep 0.5

# The module finds its files through the station's settings store.
export ORVANE_REGISTRY="$demo/registry.ini"
[ -f "$ORVANE_REGISTRY" ] || : > "$ORVANE_REGISTRY"

cd "$demo"
"$root/build/src/shell/tq2400g" /I127.0.0.1 /v3 "/t$port" /m3 /l3 /nshades \
    /Ashapassword /Pdespassword /a3 /p2 "$@"
