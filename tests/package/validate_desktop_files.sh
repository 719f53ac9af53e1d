#!/usr/bin/env bash
# validate_desktop_files.sh DESKTOP_FILE METAINFO_FILE: both pass the freedesktop.org validators
# (hints and pedantic notes are allowed; warnings and errors are not).
set -euo pipefail
desktop-file-validate "$1"
appstreamcli validate --no-net "$2"
