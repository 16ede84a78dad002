#!/usr/bin/env bash
# Installs what is missing, builds Quarvel and starts it. Unless QUARVEL_RETAILER_HOST names the
# retailer's real host, the program is pointed at a local stand-in of the retailer's pages on
# 127.0.0.1, so the whole loop works offline. Without a display it prints quarvel-report's output.
set -euo pipefail
cd "$(dirname "$0")"

tools/install-deps.sh

port=${QUARVEL_STAND_IN_PORT:-8731}
host=${QUARVEL_RETAILER_HOST:-127.0.0.1:$port}
build=build/run
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
    -DQUARVEL_RETAILER_HOST="$host" >/dev/null
cmake --build "$build" --target quarvel quarvel-report

if [ -z "${DISPLAY:-}" ]; then
    echo "There is no display here (DISPLAY is not set), so the window cannot open." >&2
    echo "This is what quarvel-report finds on this machine instead:" >&2
    exec "$build/app/quarvel-report"
fi

if [ -z "${QUARVEL_RETAILER_HOST:-}" ]; then
    log=$build/stand-in-requests.log
    python3 tools/stand_in_retailer.py --port "$port" --log "$log" >"$build/stand-in.out" 2>&1 &
    stand_in=$!
    trap 'kill "$stand_in" 2>/dev/null || true' EXIT
    for _ in $(seq 50); do
        grep -q "127.0.0.1:$port" "$build/stand-in.out" 2>/dev/null && break
        kill -0 "$stand_in" 2>/dev/null || { cat "$build/stand-in.out" >&2; exit 1; }
        sleep 0.1
    done
    echo "The retailer's pages come from a local stand-in on 127.0.0.1:$port (requests: $log)."
fi

# Chromium's sandbox inside Qt WebEngine refuses to run as root.
[ "$(id -u)" -ne 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1
"$build/app/quarvel"
