#!/bin/sh
# Real readers of reports with texts of RTF merged into them. The stand-in host's test program
# writes the data-model report with a text file of RTF at its end: LibreOffice opens it and turns
# it into PDF, where pdftotext shows the merged text beside the report's own, and pdffonts shows
# the merged text's own face (Courier New, renumbered into the report's font table; Liberation
# Mono stands in for it). The module test program writes a report whose text file is RTF cut
# short, groups left open, between two texts: LibreOffice and pandoc both read it, and the text
# after it is there. It also writes a report whose text files are RTF of other code pages (1251
# escaped, with a count of fallback characters and a control word longer than RTF allows; 1253
# as raw bytes; 932), before a text in Greek: both readers read it and show every script, the
# Greek after the merged texts whole. The devices' test program writes a report with a title page
# and a page header into which are merged a PNG picture as binary data, optional binary data with
# NULs (in a text file and a group text), a text whose last paragraph is left open, two landscape
# sections with a header of their own, and a group text with a table and a bulleted paragraph,
# each followed by a plain one: both readers read it with the text after each merged text, on a
# paragraph of its own and out of the table and list; LibreOffice shows the picture, keeps every
# page A4 portrait and the report's header on every page but the title page, and shows no header
# of the merged text.
# Usage: merged_rtf_readers.sh <test_apps_rpthost program> <test_rpt_module program>
# <test_rpt_devices program>. Exits 77 (skipped) only when a reader is missing.
set -eu

program=$1
module_program=$2
devices_program=$3
. "$(dirname "$0")/expect.sh"
require_readers libreoffice pdftotext pdffonts pdfinfo pdfimages pandoc

work=$(mktemp -d "${TMPDIR:-/tmp}/varod9-merged-rtf-readers-XXXXXX")
trap 'rm -rf "$work"' EXIT
report="$work/merged.rtf"
cut="$work/cut.rtf"
code_pages="$work/pages.rtf"
texts="$work/texts.rtf"

VAROD9_MERGED_RTF_SAMPLE="$report" "$program" --gtest_filter=SDataModelHost.AnRtfTextFileIsMergedIntoTheReport
test -s "$report" || { echo "no report was written"; exit 1; }
VAROD9_CUT_RTF_SAMPLE="$cut" "$module_program" --gtest_filter=RptGenerateReport.CutRtfSampleForTheReaders
test -s "$cut" || { echo "no report with a cut text was written"; exit 1; }
VAROD9_CODE_PAGES_RTF_SAMPLE="$code_pages" "$module_program" --gtest_filter=RptGenerateReport.CodePagesRtfSampleForTheReaders
test -s "$code_pages" || { echo "no report with texts of other code pages was written"; exit 1; }
VAROD9_MERGED_TEXTS_SAMPLE="$texts" "$devices_program" --gtest_filter=SRptRtfTables.MergedTextsSampleForTheReaders
test -s "$texts" || { echo "no report with merged pictures, data, sections and tables was written"; exit 1; }


libreoffice -env:UserInstallation="file://$work/profile" --headless --convert-to pdf --outdir "$work" \
  "$report" "$cut" "$code_pages" "$texts" \
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

# The texts both readers read of a report NAME ($work/NAME.rtf, converted to $work/NAME.pdf
# above): $work/NAME.txt from LibreOffice's PDF, $work/NAME-pandoc.txt from pandoc; a reader that
# could not read it counts as a failure and leaves its text empty.
read_with_both() { # name what
  if [ -s "$work/$1.pdf" ]; then
    pdftotext -layout "$work/$1.pdf" "$work/$1.txt"
  else
    echo "FAILED: LibreOffice did not read the report with $2"
    cat "$work/libreoffice.log"
    failures=$((failures + 1))
    : >"$work/$1.txt"
  fi
  if ! pandoc -f rtf -t plain "$work/$1.rtf" -o "$work/$1-pandoc.txt" 2>"$work/pandoc-$1.log"; then
    echo "FAILED: pandoc did not read the report with $2"
    cat "$work/pandoc-$1.log"
    failures=$((failures + 1))
    : >"$work/$1-pandoc.txt"
  fi
}

# The text cut short stays in its place: both readers take the report whole, the text after it
# included.
read_with_both cut "the cut text"
for text in "Before the file" "Merged and cut" "After the file"; do
  expect "PDF of the cut text" "$work/cut.txt" "$text"
  expect "pandoc of the cut text" "$work/cut-pandoc.txt" "$text"
done

# The texts of other code pages, each in its own script, and the text after them whole.
read_with_both pages "texts of other code pages"
for text in "Cyrillic Привет" "Greek Ελλάδα" "Japanese 日本語" "After Ωmega Δelta"; do
  expect "PDF of the code pages" "$work/pages.txt" "$text"
  expect "pandoc of the code pages" "$work/pages-pandoc.txt" "$text"
done

# Pictures, binary data, open paragraphs, sections and tables of merged texts: both readers take
# the report whole, with the text after each merged text on a paragraph of its own.
read_with_both texts "merged pictures, data, sections and tables"
for text in "Before the merged texts" "Picture" "After the picture" "Data kept" "After the data" "Hello world" \
  "List of entities" "Landscape one" "Landscape two" "After the sections" "Group data kept" "After the table" \
  "Bullet" "After the bullet" "After the group text" "Last page"; do
  expect "PDF of the merged texts" "$work/texts.txt" "$text"
  expect "pandoc of the merged texts" "$work/texts-pandoc.txt" "$text"
done
for reader in texts texts-pandoc; do
  if grep -q "Hello worldList" "$work/$reader.txt"; then
    echo "FAILED: in $reader the text after a merged text runs into its last paragraph"
    failures=$((failures + 1))
  fi
done
if grep "After the bullet" "$work/texts.txt" | grep -q "•"; then
  echo "FAILED: the paragraph after the merged bullet is a bullet"
  failures=$((failures + 1))
fi
if [ -s "$work/texts.pdf" ]; then
  images=$(pdfimages -list "$work/texts.pdf" | tail -n +3 | wc -l)
  if [ "$images" -ge 1 ]; then echo "ok: the merged picture is shown"; else
    echo "FAILED: the merged picture is not shown"; failures=$((failures + 1)); fi
  # The merged sections leave the report's pages as they are: A4 portrait, the report's header
  # on every page but the title page, and no header of their own.
  expect_pages "PDF of the merged texts" "$work/texts.pdf" 3
  other=$(pdfinfo -f 1 -l "$pages" "$work/texts.pdf" | grep "^Page .* size:" | grep -vc "595.* x 841.*" || true)
  if [ "$other" -eq 0 ]; then echo "ok: every page is A4 portrait"; else
    echo "FAILED: $other pages are not A4 portrait"; pdfinfo -f 1 -l "$pages" "$work/texts.pdf" | grep "^Page .* size:"
    failures=$((failures + 1)); fi
  page=1
  while [ "$page" -le "$pages" ]; do
    pdftotext -f "$page" -l "$page" -layout "$work/texts.pdf" "$work/page.txt"
    if grep -q "Merged header" "$work/page.txt"; then
      echo "FAILED: page $page shows the merged text's header"; failures=$((failures + 1)); fi
    if [ "$page" -eq 1 ] && grep -q "Report header" "$work/page.txt"; then
      echo "FAILED: the title page shows the report's header"; failures=$((failures + 1)); fi
    if [ "$page" -gt 1 ] && ! grep -q "Report header" "$work/page.txt"; then
      echo "FAILED: page $page lost the report's header"; failures=$((failures + 1)); fi
    page=$((page + 1))
  done
fi

[ "$failures" -eq 0 ]
