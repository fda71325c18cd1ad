#!/bin/sh
# Real readers of generated RTF reports: LibreOffice turns them into PDF (pdftotext and pdfinfo
# then show their texts and pages) and into plain text, pandoc into plain text. The reports come
# from the test programs' sample tests: the module's sample has a title page, a header with the
# page number, a title, a text with braces, a backslash and a euro sign, a text in Greek, Chinese
# and with an emoji, a page break and a table of contents; the devices' sample is a list longer
# than a page.
# Usage: rtf_readers.sh <test_rpt_module program> <test_rpt_devices program>. Exits 77 (skipped)
# only when a reader is missing.
set -eu

program=$1
devices_program=$2
. "$(dirname "$0")/expect.sh"
require_readers libreoffice pdftotext pdfinfo pandoc unzip

work=$(mktemp -d "${TMPDIR:-/tmp}/varod9-rtf-readers-XXXXXX")
trap 'rm -rf "$work"' EXIT
sample="$work/sample.rtf"
list="$work/list.rtf"

VAROD9_RTF_SAMPLE="$sample" "$program" --gtest_filter=RptGenerateReport.SampleForTheReaders
test -s "$sample" || { echo "no sample was written"; exit 1; }
VAROD9_RTF_LIST_SAMPLE="$list" "$devices_program" --gtest_filter=SRptRtfTables.LongListSampleForTheReaders
test -s "$list" || { echo "no list sample was written"; exit 1; }


# LibreOffice, with a profile of its own so that parallel runs never share one.
convert() { # format file...
  format=$1
  shift
  libreoffice -env:UserInstallation="file://$work/profile" --headless --convert-to "$format" --outdir "$work" "$@" \
    >"$work/libreoffice.log" 2>&1 || { cat "$work/libreoffice.log"; exit 1; }
}
convert pdf "$sample" "$list"
test -s "$work/sample.pdf" || { echo "LibreOffice wrote no PDF"; cat "$work/libreoffice.log"; exit 1; }
pdftotext -layout "$work/sample.pdf" "$work/pdf.txt"
for text in "Quarterly figures" "Sales" "Net {gross} \\ tax €" "Page 2" "Page 3" \
  "The 'Table of contents' field needs to be updated!"; do
  expect PDF "$work/pdf.txt" "$text"
done
# The title page, the text's page after the break, the contents' page.
expect_pages PDF "$work/sample.pdf" 3
# The title page shows no header, as printed: no page number on it.
pdftotext -layout -f 1 -l 1 "$work/sample.pdf" "$work/title.txt"
expect "the title page" "$work/title.txt" "Quarterly figures"
if grep -q "Page" "$work/title.txt"; then
  echo "FAILED: the title page shows the header"
  failures=$((failures + 1))
else
  echo "ok: the title page shows no header"
fi

# Texts beyond Windows-1252, written as Unicode escapes, come back whole, the letter after each
# escape included. LibreOffice's own text of the report shows every character; pandoc (2.x) reads
# the two halves of a character beyond U+FFFF as two replacement characters, so of the emoji it
# shows only that the text after it is kept.
convert "txt:Text (encoded):UTF8" "$sample"
for text in "Greek Ωmega" "CJK 中文字," "emoji 😀Zulu"; do
  expect "LibreOffice's text" "$work/sample.txt" "$text"
done
pandoc -f rtf -t plain "$sample" -o "$work/pandoc.txt"
for text in "Quarterly figures" "Sales" "Net {gross} \\ tax €" "Table of contents" "Greek Ωmega" "CJK 中文字," \
  "Zulu"; do
  expect pandoc "$work/pandoc.txt" "$text"
done

# The list's heading row comes back at the top of every page that the list fills: every page
# that shows a data row shows the heading too. LibreOffice 7.4 drops an RTF heading row's mark
# ("\trhdr") on import, whatever its place, so that no page of it repeats a heading row; that is
# found out on a table of its own, and then only the list's rows are checked.
printf '%s\n' '{\rtf1\ansi{\fonttbl{\f0 Arial;}}' '\trowd\trhdr\cellx3000\pard\intbl Heading\cell\row' \
  '\trowd\cellx3000\pard\intbl Row\cell\row' '\pard\par}' >"$work/probe.rtf"
convert odt "$work/probe.rtf"
repeats=no
unzip -p "$work/probe.odt" content.xml 2>/dev/null | grep -q "table-header-rows" && repeats=yes
test -s "$work/list.pdf" || { echo "LibreOffice wrote no PDF of the list"; cat "$work/libreoffice.log"; exit 1; }
expect_pages "the list's PDF" "$work/list.pdf" 2
page=1
while [ "$page" -le "${pages:-0}" ]; do
  pdftotext -layout -f "$page" -l "$page" "$work/list.pdf" "$work/list-page.txt"
  if [ "$repeats" = yes ] && grep -q "Row " "$work/list-page.txt"; then
    expect "page $page of the list" "$work/list-page.txt" "Heading name"
  fi
  page=$((page + 1))
done
pdftotext -layout "$work/list.pdf" "$work/list.txt"
for text in "Heading name" "Row 0 " "Row 199 "; do
  expect "the list's PDF" "$work/list.txt" "$text"
done
[ "$repeats" = yes ] || echo "not checked: this LibreOffice repeats no RTF heading row on a new page"

[ "$failures" -eq 0 ]
