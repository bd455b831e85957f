#!/bin/bash
# Starts the program from its build folder (until the window exists: the days of this month).
set -euo pipefail
bin="$1"
first=$(date +%Y-%m-01)
last=$(date -d "$first +1 month -1 day" +%Y-%m-%d)
exec "$bin/tevorin-cli" days "$first" "$last"
