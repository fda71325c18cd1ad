#!/bin/sh
# The stand-in host prints and previews a model whose entity has a description longer than a
# page: the description's row of the entity list and of the entity's card runs over several
# pages. Printing to PDF ends, pdfinfo reads the file, and pdftotext finds every word of the
# description; the preview ends with its pages written.
# Usage: rpthost_long_rows_readers.sh <rpthost program>. Exits 77 (skipped) only when a reader is
# missing.
set -eu

program=$1
. "$(dirname "$0")/expect.sh"
require_readers pdfinfo pdftotext

work=$(mktemp -d "${TMPDIR:-/tmp}/varod9-long-rows-XXXXXX")
trap 'rm -rf "$work"' EXIT

# 2000 numbered words, a few pages of text in the description's column.
words=2000
seq -f 'w%04g' 1 "$words" >"$work/words.txt"
description=$(tr '\n' ' ' <"$work/words.txt")
cat >"$work/model.xml" <<EOF
<?xml version="1.0" encoding="UTF-8"?>
<model name="Long rows" author="Sample Author" version="1.0">
  <entity name="Ledger" description="$description">
    <attribute name="LedgerId" type="integer" description="Unique number"/>
  </entity>
  <entity name="Journal" description="A short one">
    <attribute name="JournalId" type="integer" description="Unique number"/>
  </entity>
</model>
EOF

# A run that never ends is stopped here, well within the test's own time limit.
run() {
  if command -v timeout >/dev/null 2>&1; then
    timeout 100 "$@"
  else
    "$@"
  fi
}

failures=0
run "$program" generate --model "$work/model.xml" --format pdf -o "$work/long.pdf" ||
  { echo "FAILED: printing to PDF did not end well"; exit 1; }
test -s "$work/long.pdf" || { echo "no PDF was written"; exit 1; }
pages=$(pdfinfo "$work/long.pdf" | sed -n 's/^Pages:[[:space:]]*//p')
if [ "${pages:-0}" -ge 4 ]; then
  echo "ok: pdfinfo says $pages pages"
else
  echo "FAILED: pdfinfo says ${pages:-no} pages, at least 4 expected"
  failures=$((failures + 1))
fi

# Every word of the description, in the list and in the card.
pdftotext "$work/long.pdf" - | tr -s ' \t\f' '\n\n\n' | grep -E '^w[0-9]{4}$' | sort | uniq -c >"$work/found.txt"
missing=0
while read -r word; do
  count=$(awk -v w="$word" '$2 == w { print $1 }' "$work/found.txt")
  if [ "${count:-0}" -lt 2 ]; then
    [ "$missing" -lt 5 ] && echo "FAILED: '$word' is printed ${count:-0} times, not in the list and in the card"
    missing=$((missing + 1))
  fi
done <"$work/words.txt"
if [ "$missing" -eq 0 ]; then
  echo "ok: pdftotext finds all $words words of the description in the list and in the card"
else
  failures=$((failures + 1))
fi
for text in "Ledger" "Journal" "A short one"; do
  if pdftotext "$work/long.pdf" - | grep -qF -- "$text"; then
    echo "ok: the PDF shows '$text'"
  else
    echo "FAILED: the PDF does not show '$text'"
    failures=$((failures + 1))
  fi
done

run "$program" preview --model "$work/model.xml" -o "$work/pages" ||
  { echo "FAILED: the preview did not end well"; exit 1; }
previewed=$(ls "$work/pages" | grep -c '^page-.*\.png$' || true)
if [ "${previewed:-0}" -eq "${pages:-0}" ]; then
  echo "ok: the preview wrote $previewed pages, as many as were printed"
else
  echo "FAILED: the preview wrote ${previewed:-no} pages, the PDF has ${pages:-no}"
  failures=$((failures + 1))
fi

[ "$failures" -eq 0 ]
