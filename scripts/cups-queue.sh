#!/usr/bin/env bash
# A print spooler of the tests' own: cupsd in a private folder with one PDF queue
# ("SkelderPDF", the default printer) from cups-pdf. It listens only on a socket in that
# folder, so no network is needed, and it runs in a mount namespace of its own in which
# the folder stands in for /etc/cups: cups-pdf reads its settings from /etc/cups and
# nothing else, and the machine's own CUPS configuration is never read or written.
#
#   cups-queue.sh start FOLDER   starts the spooler; the printed PDFs arrive in FOLDER/pdf
#   cups-queue.sh stop FOLDER    stops it
#
# Clients reach it with CUPS_SERVER=FOLDER/cups.sock and CUPS_SERVERROOT=FOLDER/client.
# start fails with the reason on stderr when the spooler cannot run on this machine.
set -euo pipefail

command="${1:-}"
folder="${2:-}"
if [ -z "$command" ] || [ -z "$folder" ]; then
  echo "usage: $0 start|stop FOLDER" >&2
  exit 2
fi

stop() {
  if [ -f "$folder/cupsd.pid" ]; then
    pid="$(cat "$folder/cupsd.pid")"
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 50); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    rm -f "$folder/cupsd.pid"
  fi
}

fail() {
  echo "cupsd cannot start here: $*" >&2
  stop
  exit 1
}

case "$command" in
  stop)
    stop
    exit 0
    ;;
  start) ;;
  *)
    echo "usage: $0 start|stop FOLDER" >&2
    exit 2
    ;;
esac

ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
for tool in cupsd lpadmin lpstat unshare mount pdftocairo; do
  command -v "$tool" >/dev/null 2>&1 || fail "$tool is missing"
done
[ -x /usr/lib/cups/backend/cups-pdf ] || fail "the cups-pdf backend is missing"
[ -f "$ppd" ] || fail "the cups-pdf driver is missing"
[ -d /etc/cups ] || fail "/etc/cups is missing"
[ "$(id -u)" -eq 0 ] || fail "it needs root (cups-pdf runs only as root)"

# The filters run as the user lp: the folder must be open to it.
mkdir -p "$folder"
folder="$(cd "$folder" && pwd)"
chmod 755 "$folder"
mkdir -p "$folder"/{etc/ppd,spool/tmp,cache,state,log,pdf,pdf-spool,client}
chmod 755 "$folder"/{etc,log}
chmod 1777 "$folder"/{pdf,pdf-spool}
socket="$folder/cups.sock"

cat >"$folder/etc/cupsd.conf" <<EOF
LogLevel warn
Listen $socket
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess default
  JobPrivateValues default
  SubscriptionPrivateAccess default
  SubscriptionPrivateValues default
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
EOF
cat >"$folder/etc/cups-files.conf" <<EOF
ServerRoot $folder/etc
RequestRoot $folder/spool
TempDir $folder/spool/tmp
CacheDir $folder/cache
StateDir $folder/state
ErrorLog $folder/log/error_log
AccessLog $folder/log/access_log
PageLog $folder/log/page_log
SystemGroup root
FileDevice No
EOF
cat >"$folder/etc/cups-pdf.conf" <<EOF
Out $folder/pdf
AnonDirName $folder/pdf
Spool $folder/pdf-spool
Log $folder/log
Grp root
LogType 3
UserUMask 0022
EOF
: >"$folder/client/client.conf"
check="$(cupsd -t -c "$folder/etc/cupsd.conf" -s "$folder/etc/cups-files.conf" 2>&1)" ||
  fail "$check"

# The namespace's /etc/cups is the folder's etc; cupsd stays in the foreground of its
# own process, whose id is kept for stop.
unshare --mount --propagation private sh -c \
  'mount --bind "$1/etc" /etc/cups && exec cupsd -f -c "$1/etc/cupsd.conf" -s "$1/etc/cups-files.conf"' \
  sh "$folder" >"$folder/log/cupsd.out" 2>&1 &
echo $! >"$folder/cupsd.pid"

export CUPS_SERVER="$socket" CUPS_SERVERROOT="$folder/client"
for _ in $(seq 100); do
  lpstat -r 2>/dev/null | grep -q "is running" && break
  kill -0 "$(cat "$folder/cupsd.pid")" 2>/dev/null ||
    fail "$(tail -3 "$folder/log/cupsd.out" "$folder/log/error_log" 2>/dev/null | tr '\n' ' ')"
  sleep 0.1
done
lpstat -r 2>/dev/null | grep -q "is running" || fail "the spooler did not answer"
# The job's PDF becomes PostScript for cups-pdf through poppler's cairo renderer, which
# keeps the text readable in the PDF that comes out; Ghostscript's loses it.
lpadmin -p SkelderPDF -E -v cups-pdf:/ -P "$ppd" -o printer-is-shared=false \
  -o pdftops-renderer-default=pdftocairo 2>"$folder/log/lpadmin" ||
  fail "the queue could not be made: $(cat "$folder/log/lpadmin")"
lpadmin -d SkelderPDF 2>>"$folder/log/lpadmin" || fail "$(cat "$folder/log/lpadmin")"
