#!/bin/sh
# Real readers of a report with a text file of RTF merged into it: LibreOffice opens the report
# and turns it into PDF, where pdftotext shows the merged text beside the report's own, and
# pdffonts shows the merged text's own face (Courier New, renumbered into the report's font
# table; Liberation Mono stands in for it). The report comes from the stand-in host's test
# program: the data-model report with the text file at its end.
# Usage: merged_rtf_readers.sh <test_apps_rpthost program>. Exits 77 (skipped) only when a reader
# is missing.
set -eu

program=$1
for tool in libreoffice pdftotext pdffonts; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "skipped: $tool is not installed"
    exit 77
  fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/varod9-merged-rtf-readers-XXXXXX")
trap 'rm -rf "$work"' EXIT
report="$work/merged.rtf"

VAROD9_MERGED_RTF_SAMPLE="$report" "$program" --gtest_filter=SDataModelHost.AnRtfTextFileIsMergedIntoTheReport
test -s "$report" || { echo "no report was written"; exit 1; }

failures=0
libreoffice -env:UserInstallation="file://$work/profile" --headless --convert-to pdf --outdir "$work" "$report" \
  >"$work/libreoffice.log" 2>&1 || { cat "$work/libreoffice.log"; exit 1; }
test -s "$work/merged.pdf" || { echo "LibreOffice wrote no PDF"; cat "$work/libreoffice.log"; exit 1; }
pdftotext -layout "$work/merged.pdf" "$work/pdf.txt"
# The report's own texts, then the merged ones.
for text in "Shop" "Customer" "Merged text in Courier, red and bold." "A second merged paragraph."; do
  if grep -qF -- "$text" "$work/pdf.txt"; then
    echo "ok: PDF shows '$text'"
  else
    echo "FAILED: PDF does not show '$text'"
    failures=$((failures + 1))
  fi
done
if pdffonts "$work/merged.pdf" | grep -q "Mono"; then
  echo "ok: the merged text keeps its monospaced face"
else
  echo "FAILED: no monospaced face in the PDF"
  pdffonts "$work/merged.pdf"
  failures=$((failures + 1))
fi

[ "$failures" -eq 0 ]
