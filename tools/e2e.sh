#!/usr/bin/env bash
# The end-to-end suite: installs the program built in build/ (or $ORVALIS_BUILD) into a staging
# prefix and drives it like a user, under Xvfb, with its own D-Bus session and accessibility bus.
# Needs no display. Arguments go to pytest, e.g. `tools/e2e.sh -k convertisseur`.
set -euo pipefail
cd "$(dirname "$0")/.."
export ORVALIS_BUILD="${ORVALIS_BUILD:-$PWD/build}"
# Debian's Python, which has python3-pytest and python3-pyatspi.
exec /usr/bin/python3 -m pytest -p no:cacheprovider -q -rfE tests/e2e "$@"
