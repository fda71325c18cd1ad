#!/bin/sh
# Real readers of a generated RTF report: LibreOffice turns it into PDF (pdftotext and pdfinfo
# then show its texts and pages) and pandoc into plain text. The report comes from the module
# test program's sample test: a title page, a header with the page number, a title, a text with
# braces, a backslash and a euro sign, a page break and a table of contents.
# Usage: rtf_readers.sh <test_rpt_module program>. Exits 77 (skipped) only when a reader is
# missing.
set -eu

program=$1
for tool in libreoffice pdftotext pdfinfo pandoc; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "skipped: $tool is not installed"
    exit 77
  fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/varod9-rtf-readers-XXXXXX")
trap 'rm -rf "$work"' EXIT
sample="$work/sample.rtf"

VAROD9_RTF_SAMPLE="$sample" "$program" --gtest_filter=RptGenerateReport.SampleForTheReaders
test -s "$sample" || { echo "no sample was written"; exit 1; }

. "$(dirname "$0")/expect.sh"

# LibreOffice, with a profile of its own so that parallel runs never share one.
libreoffice -env:UserInstallation="file://$work/profile" --headless --convert-to pdf --outdir "$work" "$sample" \
  >"$work/libreoffice.log" 2>&1 || { cat "$work/libreoffice.log"; exit 1; }
test -s "$work/sample.pdf" || { echo "LibreOffice wrote no PDF"; cat "$work/libreoffice.log"; exit 1; }
pdftotext -layout "$work/sample.pdf" "$work/pdf.txt"
for text in "Quarterly figures" "Sales" "Net {gross} \\ tax €" "Page 1" "Page 2" \
  "The 'Table of contents' field needs to be updated!"; do
  expect PDF "$work/pdf.txt" "$text"
done
pages=$(pdfinfo "$work/sample.pdf" | sed -n 's/^Pages:[[:space:]]*//p')
# The title page, the text's page after the break, the contents' page.
if [ "${pages:-0}" -ge 3 ]; then
  echo "ok: $pages pages"
else
  echo "FAILED: $pages pages, at least 3 expected"
  failures=$((failures + 1))
fi

# pandoc leaves out the results of fields it does not evaluate: the contents show their title.
pandoc -f rtf -t plain "$sample" -o "$work/pandoc.txt"
for text in "Quarterly figures" "Sales" "Net {gross} \\ tax €" "Table of contents"; do
  expect pandoc "$work/pandoc.txt" "$text"
done

[ "$failures" -eq 0 ]
