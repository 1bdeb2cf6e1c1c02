#!/usr/bin/env bash
# Runs the core tests once more as an ordinary user (nobody), so that the tests of
# permissions, which root passes whatever they check, really run. For ctest when the tests
# run as root; as any other user the core tests already ran as such, and this one is skipped.
#   run_unprivileged.sh TEST_PROGRAM DATA_FOLDER [test program arguments...]
set -euo pipefail
program=$1
data=$2
shift 2
if [ "$(id -u)" -ne 0 ]; then
    echo "not root: the core tests already ran as this ordinary user"
    exit 77
fi
as_nobody=(setpriv --reuid=nobody --regid=nogroup --clear-groups)

# The build folder may lie where nobody cannot reach (under /root, say): run a copy.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
cp "$program" "$work/"
filter=()
if ! "${as_nobody[@]}" test -r "$data/files/mixed_breaks.ini"; then
    echo "note: $data is out of nobody's reach; ReadFixture.* runs only as root"
    filter=(--gtest_filter=-ReadFixture.*)
fi
cd "$work"
"${as_nobody[@]}" env HOME="$work" "$work/$(basename "$program")" "${filter[@]}" "$@"
