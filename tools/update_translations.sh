#!/usr/bin/env bash
# Brings resources/translations/varnoquil_en.ts up to date with the texts marked in src/: new
# texts come in unfinished (fill in their <translation>), texts no longer used go away.
# lupdate is Debian's qt6-l10n-tools; it reads VQ_TEXT as QT_TR_NOOP, and only that: Qt's own texts
# (QFileDialog::tr) come from Qt's translations.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
"$lupdate" -silent -locations none -no-obsolete -tr-function-alias QT_TR_NOOP=VQ_TEXT,tr=VQ_NOT_OURS,translate=VQ_NOT_OURS \
    -source-language zh_CN -target-language en src -ts resources/translations/varnoquil_en.ts \
    2> >(grep -v "lacks Q_OBJECT macro" >&2)
grep -c 'type="unfinished"' resources/translations/varnoquil_en.ts | sed 's/$/ unfinished/'
