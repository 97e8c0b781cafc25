#!/usr/bin/env bash
# What the fixture's own run never shows of pg-cluster.sh: a machine without PostgreSQL (skip, or fail under
# ORVIK_REQUIRE_POSTGRES=1), a stop with nothing to stop, and a start over what a killed run left behind.
# Exits 77 (skipped) when the last one cannot run for want of PostgreSQL.
set -uo pipefail
script=$(dirname "$(readlink -f "$0")")/pg-cluster.sh
work=$(mktemp -d)
trap '"$script" stop "$work/run" 2>/dev/null; rm -rf "$work"' EXIT
mkdir "$work/empty"
failures=0

expect() {
  if ! eval "$2"; then
    echo "FAIL: $1: $2"
    failures=$((failures + 1))
  fi
}

# name | command | exit code | a condition on the folder afterwards ($d)
while IFS='|' read -r name command code condition; do
  d=$work/case
  rm -rf "$d"
  (unset ORVIK_REQUIRE_POSTGRES && export ORVIK_PG_BINDIR=$work/empty && eval "$command \"\$d\"") 2>/dev/null
  expect "$name" "[ $? = $code ] && $condition"
done <<'EOF'
no server skips|"$script" start|0|grep -q "install the postgresql package" "$d/unavailable" && [ ! -e "$d/uri" ]
no server under CI fails|ORVIK_REQUIRE_POSTGRES=1 "$script" start|1|[ -s "$d/unavailable" ]
stop without a server|"$script" stop|0|[ ! -e "$d" ]
EOF

"$script" start "$work/run" 2>/dev/null
if [ ! -f "$work/run/uri" ]; then
  echo "SKIP: a start over leftovers needs PostgreSQL: $(cat "$work/run/unavailable")"
  [ $failures = 0 ] && exit 77
  exit 1
fi
killed_cluster=$(cat "$work/run/cluster")
killed_port=$(sed 's|.*:\([0-9]*\)/.*|\1|' "$work/run/uri")
"$script" start "$work/run" 2>/dev/null
port=$(sed 's|.*:\([0-9]*\)/.*|\1|' "$work/run/uri")
expect "leftovers removed" "[ ! -e '$killed_cluster' ]"
expect "leftover server stopped" "! (exec 3<>/dev/tcp/127.0.0.1/$killed_port) 2>/dev/null"
expect "new server answers" "(exec 3<>/dev/tcp/127.0.0.1/$port) 2>/dev/null"
cluster=$(cat "$work/run/cluster")
"$script" stop "$work/run"
expect "stop removes everything" "[ ! -e '$work/run' ] && [ ! -e '$cluster' ]"
expect "stopped server is gone" "! (exec 3<>/dev/tcp/127.0.0.1/$port) 2>/dev/null"

echo "$failures failed"
[ $failures = 0 ]
