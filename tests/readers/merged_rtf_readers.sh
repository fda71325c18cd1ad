#!/bin/sh
# Real readers of reports with texts of RTF merged into them. The stand-in host's test program
# writes the data-model report with a text file of RTF at its end: LibreOffice opens it and turns
# it into PDF, where pdftotext shows the merged text beside the report's own, and pdffonts shows
# the merged text's own face (Courier New, renumbered into the report's font table; Liberation
# Mono stands in for it). The module test program writes a report whose text file is RTF cut
# short, groups left open, between two texts: LibreOffice and pandoc both read it, and the text
# after it is there.
# Usage: merged_rtf_readers.sh <test_apps_rpthost program> <test_rpt_module program>. Exits 77
# (skipped) only when a reader is missing.
set -eu

program=$1
module_program=$2
. "$(dirname "$0")/expect.sh"
require_readers libreoffice pdftotext pdffonts pandoc

work=$(mktemp -d "${TMPDIR:-/tmp}/varod9-merged-rtf-readers-XXXXXX")
trap 'rm -rf "$work"' EXIT
report="$work/merged.rtf"
cut="$work/cut.rtf"

VAROD9_MERGED_RTF_SAMPLE="$report" "$program" --gtest_filter=SDataModelHost.AnRtfTextFileIsMergedIntoTheReport
test -s "$report" || { echo "no report was written"; exit 1; }
VAROD9_CUT_RTF_SAMPLE="$cut" "$module_program" --gtest_filter=RptGenerateReport.CutRtfSampleForTheReaders
test -s "$cut" || { echo "no report with a cut text was written"; exit 1; }


libreoffice -env:UserInstallation="file://$work/profile" --headless --convert-to pdf --outdir "$work" "$report" "$cut" \
  >"$work/libreoffice.log" 2>&1 || { cat "$work/libreoffice.log"; exit 1; }
test -s "$work/merged.pdf" || { echo "LibreOffice wrote no PDF"; cat "$work/libreoffice.log"; exit 1; }
pdftotext -layout "$work/merged.pdf" "$work/pdf.txt"
# The report's own texts, then the merged ones.
for text in "Shop" "Customer" "Merged text in Courier, red and bold." "A second merged paragraph."; do
  expect PDF "$work/pdf.txt" "$text"
done
if pdffonts "$work/merged.pdf" | grep -q "Mono"; then
  echo "ok: the merged text keeps its monospaced face"
else
  echo "FAILED: no monospaced face in the PDF"
  pdffonts "$work/merged.pdf"
  failures=$((failures + 1))
fi

# The text cut short stays in its place: both readers take the report whole, the text after it
# included.
if [ -s "$work/cut.pdf" ]; then
  pdftotext -layout "$work/cut.pdf" "$work/cut.txt"
else
  echo "FAILED: LibreOffice did not read the report with the cut text"
  cat "$work/libreoffice.log"
  failures=$((failures + 1))
  : >"$work/cut.txt"
fi
if ! pandoc -f rtf -t plain "$cut" -o "$work/cut-pandoc.txt" 2>"$work/pandoc.log"; then
  echo "FAILED: pandoc did not read the report with the cut text"
  cat "$work/pandoc.log"
  failures=$((failures + 1))
  : >"$work/cut-pandoc.txt"
fi
for text in "Before the file" "Merged and cut" "After the file"; do
  expect "PDF of the cut text" "$work/cut.txt" "$text"
  expect "pandoc of the cut text" "$work/cut-pandoc.txt" "$text"
done

[ "$failures" -eq 0 ]
