#!/usr/bin/env bash
# Sets up the lab's shared Orvik database on this machine's PostgreSQL server: a login role with a password and a
# database owned by it. Run on the server machine as root or as a user with sudo. Running it again keeps the
# database and sets the role's password anew.
set -euo pipefail

usage() {
  cat <<EOF
usage: $0 [--dry-run] [DBNAME] [ROLE]

Creates the login ROLE (default orvik), asking for its password, and the database DBNAME (default orvik) owned
by it in this machine's PostgreSQL server, then prints the URI to enter in Orvik. --dry-run prints the
statements and changes nothing.
EOF
}

dry_run=0
args=()
for arg in "$@"; do
  case "$arg" in
    -h | --help) usage; exit 0 ;;
    --dry-run) dry_run=1 ;;
    -*) usage >&2; exit 2 ;;
    *) args+=("$arg") ;;
  esac
done
[ ${#args[@]} -le 2 ] || { usage >&2; exit 2; }
database=${args[0]:-orvik}
role=${args[1]:-orvik}

# Plain lower-case names need no quoting in SQL nor in the URI.
for name in "$database" "$role"; do
  [[ "$name" =~ ^[a-z_][a-z0-9_]{0,62}$ ]] ||
    { echo "\"$name\": use lower-case letters, digits and _, starting with a letter" >&2; exit 2; }
done

as_postgres() {
  if [ "$(id -u)" -eq 0 ]; then
    (cd / && runuser -u postgres -- "$@")
  else
    (cd / && sudo -u postgres "$@")
  fi
}

# Statements come on standard input, so the password never shows in a process list.
sql() {
  as_postgres psql -X -q -v ON_ERROR_STOP=1 -d postgres -tA
}

read_password() {
  local again
  read -rsp "Password for role $role: " password && echo >&2
  read -rsp "Once more: " again && echo >&2
  [ -n "$password" ] || { echo "An empty password is refused." >&2; exit 1; }
  [ "$password" = "$again" ] || { echo "The passwords differ." >&2; exit 1; }
}

role_statement() {
  local verb=CREATE
  [ "$(echo "SELECT 1 FROM pg_roles WHERE rolname = '$role'" | sql)" = 1 ] && verb=ALTER
  printf "%s ROLE %s WITH LOGIN PASSWORD '%s';\n" "$verb" "$role" "${password//\'/\'\'}"
}

if [ $dry_run = 1 ]; then
  echo "CREATE ROLE $role WITH LOGIN PASSWORD '...';  (ALTER ROLE when it exists)"
  echo "CREATE DATABASE $database OWNER $role;  (skipped when it exists)"
  exit 0
fi

echo "SELECT 1" | sql >/dev/null 2>&1 || {
  echo "No PostgreSQL server answers here: install it (apt-get install postgresql) and start it." >&2
  exit 1
}
read_password
role_statement | sql
if [ "$(echo "SELECT 1 FROM pg_database WHERE datname = '$database'" | sql)" = 1 ]; then
  echo "Database $database exists already; left as it is."
else
  echo "CREATE DATABASE $database OWNER $role;" | sql
fi

port=$(echo "SHOW port" | sql)
listen=$(echo "SHOW listen_addresses" | sql)
echo
echo "Enter in Orvik:  postgresql://$role@$(hostname -f 2>/dev/null || hostname):$port/$database"
echo "Each workstation keeps the password in ~/.pgpass (HOST:$port:$database:$role:PASSWORD, mode 600)"
echo "or in the PGPASSWORD environment variable."
if [ "$listen" = localhost ] || [ "$listen" = 127.0.0.1 ]; then
  echo
  echo "The server listens on $listen only. For the workstations, set listen_addresses in"
  echo "$(echo "SHOW config_file" | sql) and allow them in $(echo "SHOW hba_file" | sql), then restart it."
fi
