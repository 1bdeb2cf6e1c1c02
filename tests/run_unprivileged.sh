#!/usr/bin/env bash
# Runs the core tests once more as an ordinary user (nobody), so that the tests of
# permissions, which root passes whatever they check, really run. For ctest when the tests
# run as root; as any other user the core tests already ran as such, and this one is skipped.
#   run_unprivileged.sh TEST_PROGRAM SOURCE_FOLDER [test program arguments...]
# The build and the checkout may lie where nobody cannot reach (under /root, in a folder of
# mode 700): the program and the files of the tree the tests read are copied to a folder
# nobody can read, and the tests are told where those are (VQ_SOURCE_DIR).
set -euo pipefail
program=$1
source=$2
shift 2
if [ "$(id -u)" -ne 0 ]; then
    echo "not root: the core tests already ran as this ordinary user"
    exit 77
fi
as_nobody=(setpriv --reuid=nobody --regid=nogroup --clear-groups)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
cp "$program" "$work/"
for files in tests/data resources/sounds resources/samples; do
    mkdir -p "$work/source/$files"
    cp -R "$source/$files/." "$work/source/$files/"
done
chmod -R a+rX "$work/source"
cd "$work"
"${as_nobody[@]}" env HOME="$work" VQ_SOURCE_DIR="$work/source" "$work/$(basename "$program")" "$@"
