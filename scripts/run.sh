#!/usr/bin/env bash
# Builds what is needed and starts the program.
#
#   scripts/run.sh                 the built-in demo: a simulated module on a
#                                  pseudo-terminal, the program connected to it
#   scripts/run.sh --port NAME     a real module on serial port NAME
#   scripts/run.sh --sim-args "…"  extra options for the simulated module
#   scripts/run.sh --remote        the demo over MQTT: a throw-away local
#                                  mosquitto, the simulated module on it and
#                                  the program started with --remote
#   scripts/run.sh --cloud         the cloud demo: velmar-sim's cloud emulator
#                                  with the demo data, a broker and the
#                                  simulated module keeping its record there;
#                                  the account dialog comes with the demo
#                                  account filled in ("Buscar" lists the site)
#
# Without a display the demo runs under Xvfb for a few seconds and saves a
# screenshot (out/demo.png), so that it can be seen working on a server too.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
echo "Building (the first time takes several minutes) ..."
scripts/build.sh | tail -n 1

app="$root/build/src/app/velmar"
sim="$root/build/tools/sim/velmar-sim"

real_port=""
remote=""
cloud=""
sim_args=""
app_args=()
while [ $# -gt 0 ]; do
  case "$1" in
    --port) real_port="$2"; app_args+=("$1" "$2"); shift 2 ;;
    --port=*) real_port="${1#--port=}"; app_args+=("$1"); shift ;;
    --sim-args) sim_args="$2"; shift 2 ;;
    --remote) remote=1; shift ;;
    --cloud) remote=1; cloud=1; shift ;;
    *) app_args+=("$1"); shift ;;
  esac
done

work=$(mktemp -d "${TMPDIR:-/tmp}/velmar-demo.XXXXXX")
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT INT TERM

if [ -n "$remote" ]; then
  # A broker of our own on a free loopback port, with one user.
  port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')
  user=vlmdemo
  password=Demo-2024
  mosquitto_passwd -c -b "$work/passwd" "$user" "$password"
  cat >"$work/mosquitto.conf" <<CONF
per_listener_settings false
listener $port 127.0.0.1
allow_anonymous false
password_file $work/passwd
persistence false
log_dest stderr
user $(id -un)
CONF
  mosquitto -c "$work/mosquitto.conf" -v 2>"$work/broker.log" &
  pids+=($!)
  for _ in $(seq 1 100); do
    grep -q "listen socket on port $port" "$work/broker.log" 2>/dev/null && break
    sleep 0.05
  done
  echo "Broker on 127.0.0.1:$port"
  if [ -n "$cloud" ]; then
    # The emulator keeps its data in the run's folder (a copy of the demo's).
    cp "$root/tools/sim/demo/cloud.json" "$work/cloud.json"
    "$sim" cloud --port 0 --data "$work/cloud.json" >"$work/cloud.out" 2>"$work/cloud.err" &
    pids+=($!)
    for _ in $(seq 1 100); do
      grep -q '^velmar-sim: cloud port ' "$work/cloud.out" 2>/dev/null && break
      sleep 0.05
    done
    cloud_url="http://127.0.0.1:$(sed -n 's/^velmar-sim: cloud port //p' "$work/cloud.out")"
    echo "Cloud emulator on $cloud_url"
    export VELMAR_CLOUD_DATABASE_URL="$cloud_url" VELMAR_CLOUD_AUTH_BASE="$cloud_url" \
           VELMAR_CLOUD_TOKEN_BASE="$cloud_url" VELMAR_WEB_PROBE_URL="$cloud_url/" \
           VELMAR_CLOUD_API_KEY=demo-key \
           VELMAR_ACCOUNT_EMAIL=instalador@velmar-demo.es VELMAR_ACCOUNT_PASSWORD=demo2026
    # The demo's settings (and its signed-in account) stay in the run's folder.
    export XDG_CONFIG_HOME="$work/config"
    sim_args="--cloud $cloud_url $sim_args"
  fi
  # shellcheck disable=SC2086
  "$sim" module --mqtt "127.0.0.1:$port" --mqtt-user "$user" --mqtt-password "$password" $sim_args \
    >"$work/sim.out" 2>"$work/sim.err" &
  pids+=($!)
  for _ in $(seq 1 100); do
    grep -q "velmar-module-" "$work/broker.log" 2>/dev/null && break
    sleep 0.05
  done
  export VELMAR_BROKER_HOST=127.0.0.1 VELMAR_BROKER_PORT="$port" \
         VELMAR_BROKER_USER="$user" VELMAR_BROKER_PASSWORD="$password"
  [ -n "$cloud" ] || app_args=(--remote 1000123 "${app_args[@]}")
elif [ -z "$real_port" ]; then
  link="$work/velmar-port"
  # shellcheck disable=SC2086
  "$sim" module --pty --link "$link" $sim_args >"$work/sim.out" 2>"$work/sim.err" &
  pids+=($!)
  for _ in $(seq 1 100); do
    grep -q '^velmar-sim: pty ' "$work/sim.out" 2>/dev/null && break
    sleep 0.05
  done
  if ! grep -q '^velmar-sim: pty ' "$work/sim.out" 2>/dev/null; then
    echo "The simulated module did not start:" >&2
    cat "$work/sim.err" >&2
    exit 1
  fi
  echo "Simulated module on $(sed -n 's/^velmar-sim: pty //p' "$work/sim.out") (linked at $link)"
  app_args=(--port "$link" "${app_args[@]}")
fi

# Each run has its own single-instance lock, so the demo never meets another copy.
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  "$app" "${app_args[@]}"
  exit $?
fi

# No display: show the demo on a virtual screen and keep a picture of it.
display=:$(( (RANDOM % 400) + 100 ))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
sleep 1
DISPLAY="$display" "$app" "${app_args[@]}" >"$work/app.log" 2>&1 &
pids+=($!)
sleep "${VELMAR_DEMO_SECONDS:-6}"
mkdir -p "$root/out"
DISPLAY="$display" import -window root "$root/out/demo.png"
echo "No display here: the demo ran under Xvfb; screenshot saved to $root/out/demo.png"
