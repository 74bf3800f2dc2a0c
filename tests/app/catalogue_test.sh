#!/usr/bin/env bash
# catalogue_test.sh SOURCE: every catalogue has a finished translation for
# every text of the code and of the string table, and none for a text that is
# gone; place markers (%1, %L1, %n), mnemonics, tabs and line breaks agree with
# the source text; and every language with a catalogue has its name, comment,
# generic name and keywords in the desktop entry and its summary and
# description in the AppStream metainfo.
set -eu
source=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$source"/translations/marbix_*.ts "$work/"
"$source/translations/update.sh" "$work"/marbix_*.ts 2>/dev/null
status=0
for ts in "$work"/marbix_*.ts; do
    python3 - "$ts" "$source/desktop" <<'PY' || status=1
import re, sys, xml.etree.ElementTree as ET
ts, desktop = sys.argv[1], sys.argv[2]
name = ts.rsplit('/', 1)[1]
lang = name[len('marbix_'):-len('.ts')]
bad = []

def markers(text):
    return sorted(re.findall(r'%L?\d+|%n', text))

def mnemonic(text):
    return '&' in text.replace('&&', '')

for m in ET.parse(ts).iter('message'):
    src, tr = m.find('source').text or '', m.find('translation')
    forms = [f.text or '' for f in tr.findall('numerusform')] or [tr.text or '']
    if tr.get('type') == 'vanished' or tr.get('type') == 'obsolete':
        bad.append(('gone', src))
        continue
    if tr.get('type') or not all(forms):
        bad.append(('untranslated', src))
        continue
    for text in forms:
        if markers(src) != markers(text):
            bad.append(('place markers differ', src))
        elif src.count('\t') != text.count('\t') or mnemonic(src) != mnemonic(text):
            bad.append(('tab or mnemonic differs', src))
        elif '\n' in src and src.endswith('\n') != text.endswith('\n'):
            bad.append(('line breaks differ', src))

entry = open(f'{desktop}/io.github.marbix.marbix.desktop', encoding='utf-8').read()
for key in ('Name', 'GenericName', 'Comment', 'Keywords'):
    if not re.search(rf'^{key}\[{lang}\]=\S', entry, re.M):
        bad.append(('desktop entry lacks', f'{key}[{lang}]'))
meta = ET.parse(f'{desktop}/io.github.marbix.marbix.metainfo.xml').getroot()
lang_attr = '{http://www.w3.org/XML/1998/namespace}lang'
if not any(s.get(lang_attr) == lang for s in meta.iter('summary')):
    bad.append(('metainfo lacks', f'summary {lang}'))
if not any(p.get(lang_attr) == lang for p in meta.find('description').iter('p')):
    bad.append(('metainfo lacks', f'description {lang}'))

for why, src in bad:
    print(f"{name}: {why}: {src!r}")
sys.exit(1 if bad else 0)
PY
done
[ $status -eq 0 ] && echo "catalogues complete: $(grep -c '<message>' "$work"/marbix_*.ts | sed 's|.*/||' | tr '\n' ' ')"
exit $status
