#!/bin/sh
# Real readers of the stand-in host's reports on the sample model. The HTML page set passes the
# parse, link and picture checks of html_set_check.sh and holds the model's texts; the RTF report
# is turned into PDF by LibreOffice (pdftotext and pdfinfo then show its texts and pages) and read
# by pandoc (its headings and tables); the report the host prints to a PDF file is read by pdfinfo
# and pdftotext.
# Usage: rpthost_readers.sh <rpthost program> <model file>. Exits 77 (skipped) only when an RTF
# reader is missing, after the page set has passed.
set -eu

program=$1
model=$2

work=$(mktemp -d "${TMPDIR:-/tmp}/varod9-rpthost-readers-XXXXXX")
trap 'rm -rf "$work"' EXIT
report="$work/sample.rtf"

. "$(dirname "$0")/expect.sh"

# A page per entity (32) after the title, contents and list.
has_every_page() { # reader pdf
  expect_pages "$1" "$2" 32
}

# The page set: the contents page, a page for the list and one per entity (32).
mkdir "$work/set"
"$program" generate --model "$model" --format html -o "$work/set/sample.htm"
test -s "$work/set/sample.htm" || { echo "no page set was written"; exit 1; }
sh "$(dirname "$0")/html_set_check.sh" "$work/set" 34 || failures=$((failures + 1))
cat "$work"/set/*.htm >"$work/set.html"
# The title page, the contents and the headings of the first and last entities.
for text in "Online shop" "Sample Author" "Version 1.0" "Customer" "AuditEntry"; do
  expect "the page set" "$work/set.html" "$text"
done

for tool in libreoffice pdftotext pdfinfo pandoc; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "skipped: $tool is not installed"
    [ "$failures" -eq 0 ] || exit 1
    exit 77
  fi
done

# The report printed to a PDF file by the host itself: pdfinfo reads it and pdftotext finds the
# entities in it.
"$program" generate --model "$model" --format pdf -o "$work/printed.pdf"
test -s "$work/printed.pdf" || { echo "no printed PDF was written"; exit 1; }
has_every_page "the printed PDF" "$work/printed.pdf"
pdftotext -layout "$work/printed.pdf" "$work/printed.txt"
for text in "Online shop" "Customer" "AuditEntry"; do
  expect "the printed PDF" "$work/printed.txt" "$text"
done

"$program" generate --model "$model" -o "$report"
test -s "$report" || { echo "no report was written"; exit 1; }

libreoffice -env:UserInstallation="file://$work/profile" --headless --convert-to pdf --outdir "$work" "$report" \
  >"$work/libreoffice.log" 2>&1 || { cat "$work/libreoffice.log"; exit 1; }
test -s "$work/sample.pdf" || { echo "LibreOffice wrote no PDF"; cat "$work/libreoffice.log"; exit 1; }
pdftotext -layout "$work/sample.pdf" "$work/pdf.txt"
# The title page, the entity list, and the card and attributes of the first and last entities.
for text in "Online shop" "Sample Author" "Entity" "Relationships" "A person or company that places orders" \
  "places -> Order (0..n)" "CustomerId" "AuditEntry" "by -> User (1)"; do
  expect PDF "$work/pdf.txt" "$text"
done
has_every_page PDF "$work/sample.pdf"

# pandoc: the entity headings as paragraphs of their own and the lists and cards as tables.
pandoc -f rtf -t markdown "$report" -o "$work/pandoc.md"
# The texts are looked for in plain text, where nothing is escaped or wrapped.
pandoc -f rtf -t plain --wrap=none "$report" -o "$work/pandoc.txt"
for text in "Customer" "Unique number" "AuditEntry" "places -> Order (0..n)"; do
  expect pandoc "$work/pandoc.txt" "$text"
done
tables=$(grep -c '^+---\|^  ---\|^|' "$work/pandoc.md" || true)
if [ "${tables:-0}" -ge 32 ]; then
  echo "ok: pandoc reads the tables ($tables table lines)"
else
  echo "FAILED: pandoc reads $tables table lines"
  failures=$((failures + 1))
fi

[ "$failures" -eq 0 ]
