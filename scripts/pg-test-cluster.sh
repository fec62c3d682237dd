#!/usr/bin/env bash
# Starts or stops the private PostgreSQL cluster the database tests use: its own
# data folder, listening on 127.0.0.1 only, trust authentication for the role
# "quvtest". Run as root it runs the server as the "postgres" system user.
#   pg-test-cluster.sh start <dir> <port>
#   pg-test-cluster.sh restart <dir> <port>
#   pg-test-cluster.sh stop  <dir> <port>
set -euo pipefail

action=${1:?start or stop}
dir=$(realpath -m "${2:?data folder}")
port=${3:?port}

bindir=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
if [ -z "$bindir" ] || [ ! -x "$bindir/initdb" ]; then
    echo "PostgreSQL sunucusu kurulu değil (postgresql paketi)." >&2
    exit 1
fi

as_owner() {
    if [ "$(id -u)" = 0 ]; then
        runuser -u postgres -- "$@"
    else
        "$@"
    fi
}

case "$action" in
start)
    # A cluster left running by an interrupted run is stopped first.
    if [ -f "$dir/data/postmaster.pid" ]; then
        as_owner "$bindir/pg_ctl" -D "$dir/data" -m immediate stop >/dev/null 2>&1 || true
    fi
    rm -rf "$dir"
    mkdir -p "$dir/data" "$dir/socket"
    if [ "$(id -u)" = 0 ]; then chown -R postgres:postgres "$dir"; fi
    as_owner "$bindir/initdb" -D "$dir/data" -U quvtest --auth=trust -E UTF8 --locale=C.UTF-8 >"$dir/initdb.log" 2>&1 ||
        { cat "$dir/initdb.log" >&2; exit 1; }
    as_owner "$bindir/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 \
        -o "-c listen_addresses=127.0.0.1 -p $port -k $dir/socket -c fsync=off -c full_page_writes=off -c synchronous_commit=off" \
        start >/dev/null || { cat "$dir/server.log" >&2; exit 1; }
    echo "PostgreSQL test cluster on 127.0.0.1:$port"
    ;;
restart)
    # The same cluster and data, the server stopped and started again (tests of a run
    # that loses its connection).
    as_owner "$bindir/pg_ctl" -D "$dir/data" -l "$dir/server.log" -m fast -w -t 60 restart >/dev/null
    echo "PostgreSQL test cluster restarted"
    ;;
stop)
    if [ -f "$dir/data/postmaster.pid" ]; then
        as_owner "$bindir/pg_ctl" -D "$dir/data" -m fast -w stop >/dev/null
    fi
    rm -rf "$dir"
    echo "PostgreSQL test cluster stopped"
    ;;
*)
    echo "usage: $0 start|restart|stop <dir> <port>" >&2
    exit 2
    ;;
esac
