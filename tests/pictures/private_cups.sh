#!/usr/bin/env bash
# A print system of its own for a test: cupsd on a unix socket in DIR with
# one raw queue, "xy_raw", sending what it prints to socket://127.0.0.1:PORT,
# the default printer. Clients reach it with CUPS_SERVER=DIR/cups.sock.
#   private_cups.sh DIR PORT    starts it, prints cupsd's process id once
#                               the queue takes jobs
set -euo pipefail
dir=$1
port=$2
mkdir -p "$dir"/spool "$dir"/cache "$dir"/state "$dir"/log "$dir"/tmp "$dir"/ppd
chmod 755 "$dir"
chown lp:lp "$dir"/tmp "$dir"/cache
cat >"$dir/cupsd.conf" <<CONF
Listen $dir/cups.sock
LogLevel warn
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
CONF
cat >"$dir/cups-files.conf" <<CONF
User lp
Group lp
SystemGroup root
ServerRoot $dir
RequestRoot $dir/spool
CacheDir $dir/cache
StateDir $dir/state
TempDir $dir/tmp
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
Printcap $dir/printcap
CONF
/usr/sbin/cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" </dev/null >"$dir/log/cupsd.out" 2>&1 &
pid=$!
export CUPS_SERVER=$dir/cups.sock
for _ in $(seq 100); do
  [ -S "$CUPS_SERVER" ] && lpstat -r >/dev/null 2>&1 && break
  sleep 0.1
done
lpadmin -p xy_raw -E -v "socket://127.0.0.1:$port" -m raw 2>>"$dir/log/lpadmin.out"
lpadmin -d xy_raw
echo "$pid"
