#!/usr/bin/env bash
# catalogue_test.sh SOURCE: every catalogue has a finished translation for
# every text of the code and of the string table, and none for a text that is
# gone; place markers and line breaks agree with the source text.
set -eu
source=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$source"/translations/marbix_*.ts "$work/"
"$source/translations/update.sh" "$work"/marbix_*.ts 2>/dev/null
status=0
for ts in "$work"/marbix_*.ts; do
    python3 - "$ts" <<'PY' || status=1
import re, sys, xml.etree.ElementTree as ET
bad = []
for m in ET.parse(sys.argv[1]).iter('message'):
    src, tr = m.find('source').text or '', m.find('translation')
    text = tr.text or ''
    if tr.get('type') or not text:
        bad.append(('untranslated' if tr.get('type') != 'vanished' else 'gone', src))
    elif sorted(re.findall(r'%\d', src)) != sorted(re.findall(r'%\d', text)) \
            or src.count('\n') != 0 and src.endswith('\n') != text.endswith('\n') \
            or ('\t' in src) != ('\t' in text):
        bad.append(('markers differ', src))
for why, src in bad:
    print(f"{sys.argv[1].rsplit('/', 1)[1]}: {why}: {src!r}")
sys.exit(1 if bad else 0)
PY
done
[ $status -eq 0 ] && echo "catalogues complete: $(grep -c '<message>' "$work"/marbix_*.ts | tr '\n' ' ')"
exit $status
