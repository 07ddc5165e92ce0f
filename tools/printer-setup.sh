#!/usr/bin/env bash
# Starts the CUPS scheduler if it is not running and makes a cups-pdf queue
# named PDF the default printer, so printing can be tested on a machine with
# no real printer. Safe to run any number of times. Needs tools/deps.sh first.
set -euo pipefail

sudo=""
[[ $(id -u) -ne 0 ]] && sudo="sudo"

if [[ ! -x /usr/sbin/cupsd ]]; then
    echo "printer-setup: CUPS is not installed; printing tests will skip" >&2
    exit 0
fi

scheduler_running() { LC_ALL=C lpstat -r 2>/dev/null | grep -q "scheduler is running"; }

if ! scheduler_running; then
    # No init system to rely on (CI has none): start the daemon directly.
    $sudo /usr/sbin/cupsd
    for _ in $(seq 1 60); do
        scheduler_running && break
        sleep 0.5
    done
    scheduler_running || { echo "printer-setup: cupsd did not start" >&2; exit 1; }
fi

if ! LC_ALL=C lpstat -p PDF >/dev/null 2>&1; then
    model=$(lpinfo -m 2>/dev/null | awk 'tolower($0) ~ /cups-pdf/ && /_opt/ {print $1; exit}')
    [[ -n $model ]] || model=$(lpinfo -m 2>/dev/null | awk 'tolower($0) ~ /pdf/ {print $1; exit}')
    [[ -n $model ]] || { echo "printer-setup: no PDF printer model found" >&2; exit 1; }
    $sudo lpadmin -p PDF -E -v cups-pdf:/ -m "$model"
fi
# Idempotent: re-enabling an enabled queue and re-setting the default is harmless.
$sudo cupsenable PDF
$sudo cupsaccept PDF
$sudo lpadmin -d PDF
LC_ALL=C lpstat -d
