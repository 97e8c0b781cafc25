#!/usr/bin/env bash
# A throw-away PostgreSQL server for the tests.
#
#   pg-cluster.sh start DIR   makes a cluster, starts it on a free port of 127.0.0.1 and writes DIR/uri
#   pg-cluster.sh stop DIR    stops it and removes DIR
#
# A developer without PostgreSQL should see skipped tests, not a failed suite: when the server cannot be had,
# start writes the reason as one line into DIR/unavailable and exits 0. ORVIK_REQUIRE_POSTGRES=1 (CI) makes it
# exit 1 instead. ORVIK_PG_BINDIR names the folder of initdb/pg_ctl when they are not found by themselves.
#
# The cluster itself lives in a short folder under $TMPDIR (its path is in DIR/cluster): the socket's path
# must stay under the kernel's 107 bytes, and as root the server runs as "nobody", who must be able to reach
# the folder even when the build tree sits in a private home.
set -uo pipefail

usage() {
  echo "usage: $0 start|stop DIR" >&2
  exit 2
}
[ $# -eq 2 ] || usage
command=$1
dir=$(realpath -m -- "$2")

run_as_owner() {
  if [ "$(id -u)" -eq 0 ]; then
    (cd / && runuser -u nobody -- "$@")
  else
    "$@"
  fi
}

find_bindir() {
  if [ -n "${ORVIK_PG_BINDIR:-}" ]; then
    echo "$ORVIK_PG_BINDIR"
    return
  fi
  local found
  if found=$(command -v pg_ctl); then
    dirname "$(readlink -f "$found")"
    return
  fi
  ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1
}

stop_cluster() {
  local cluster
  cluster=$(cat "$dir/cluster" 2>/dev/null) || cluster=
  if [ -n "$cluster" ] && [ -f "$cluster/data/postmaster.pid" ]; then
    run_as_owner "$(find_bindir)/pg_ctl" -D "$cluster/data" -m immediate -w stop >/dev/null 2>&1
  fi
  [ -n "$cluster" ] && rm -rf -- "$cluster"
  rm -rf -- "$dir"
}

fail() {
  echo "$1" >"$dir/unavailable"
  echo "PostgreSQL test server unavailable: $1" >&2
  [ "${ORVIK_REQUIRE_POSTGRES:-0}" = 1 ] && exit 1
  exit 0
}

port_in_use() {
  (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null
}

# Another process may take the port between the check and the bind, so a failed start is tried again on
# another port. Prints the port, or the log's last line as the reason when every try failed.
start_on_free_port() {
  local data=$1 bindir=$2 try port reason="no free port found"
  for try in 1 2 3 4 5; do
    port=$((20000 + RANDOM % 30000))
    port_in_use "$port" && continue
    if run_as_owner "$bindir/pg_ctl" -D "$data" -l "$data/server.log" -o "-p $port" -w -t 60 start >/dev/null 2>&1 &&
      run_as_owner "$bindir/pg_isready" -q -h 127.0.0.1 -p "$port" -U orvik -d postgres -t 30; then
      echo "$port"
      return 0
    fi
    run_as_owner "$bindir/pg_ctl" -D "$data" -m immediate -w stop >/dev/null 2>&1
    reason=$(grep -v '^\s*$' "$data/server.log" 2>/dev/null | tail -n 1)
  done
  echo "$reason"
  return 1
}

start_cluster() {
  stop_cluster
  mkdir -p -- "$dir" || { echo "cannot create $dir" >&2; exit 1; }
  local bindir cluster port
  bindir=$(find_bindir)
  [ -x "$bindir/initdb" ] && [ -x "$bindir/pg_ctl" ] && [ -x "$bindir/pg_isready" ] ||
    fail "no PostgreSQL server programs (initdb, pg_ctl, pg_isready) found; install the postgresql package"
  cluster=$(mktemp -d "${TMPDIR:-/tmp}/orvik-pg.XXXXXX") || fail "cannot make a folder under ${TMPDIR:-/tmp}"
  echo "$cluster" >"$dir/cluster"
  chmod 755 "$cluster"
  [ "$(id -u)" -eq 0 ] && chown nobody: "$cluster"

  local initlog
  initlog=$(run_as_owner "$bindir/initdb" -D "$cluster/data" -U orvik -A trust -E UTF8 --locale=C --no-sync \
    --no-instructions 2>&1) || fail "initdb failed: $(echo "$initlog" | tail -n 1)"
  # Durability is worth nothing to a cluster removed after the run.
  cat >>"$cluster/data/postgresql.conf" <<EOF
listen_addresses = '127.0.0.1'
unix_socket_directories = '$cluster'
fsync = off
synchronous_commit = off
full_page_writes = off
shared_buffers = 16MB
max_connections = 50
EOF
  port=$(start_on_free_port "$cluster/data" "$bindir") || fail "server did not start: $port"
  echo "postgresql://orvik@127.0.0.1:$port/postgres" >"$dir/uri"
}

case "$command" in
  start) start_cluster ;;
  stop) stop_cluster ;;
  *) usage ;;
esac
