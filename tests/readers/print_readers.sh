#!/bin/sh
# Real readers of a print job written by the virtual printer: pdfinfo says the PDF has the two
# pages the job printed, and pdftotext shows each page's text, in page order. The job comes from
# the drawing test program's sample test.
# Usage: print_readers.sh <test_platform_gdi program>. Exits 77 (skipped) only when a reader is
# missing.
set -eu

program=$1
. "$(dirname "$0")/expect.sh"
require_readers pdfinfo pdftotext

work=$(mktemp -d "${TMPDIR:-/tmp}/varod9-print-readers-XXXXXX")
trap 'rm -rf "$work"' EXIT
sample="$work/job.pdf"

VAROD9_PDF_SAMPLE="$sample" "$program" --gtest_filter=SPrintJobTest.SampleForTheReaders
test -s "$sample" || { echo "no print job was written"; exit 1; }

failures=0
pages=$(pdfinfo "$sample" | sed -n 's/^Pages: *//p')
if [ "$pages" = "2" ]; then
  echo "ok: pdfinfo says 2 pages"
else
  echo "FAILED: pdfinfo says '$pages' pages, not 2"
  failures=$((failures + 1))
fi

# Each page holds its own line.
for page in 1 2; do
  case $page in
    1) wanted="First page of the job" ;;
    2) wanted="Second page of the job" ;;
  esac
  if pdftotext -f "$page" -l "$page" "$sample" - | grep -qF -- "$wanted"; then
    echo "ok: page $page shows '$wanted'"
  else
    echo "FAILED: page $page does not show '$wanted'"
    failures=$((failures + 1))
  fi
done

[ "$failures" -eq 0 ]
