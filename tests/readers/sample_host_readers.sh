#!/bin/sh
# Real readers of the sample host's report (examples/host), in each folder it wrote into: the RTF
# file read by LibreOffice (turned into text) and by pandoc, the HTML page set checked by tidy (no
# errors) and shown as text, the printed PDF read by pdfinfo and pdftotext. Each shows the list's
# heading, every order and the order book's name that the module's field gives the page headers.
# Usage: sample_host_readers.sh FOLDER... Exits 77 (skipped) when a reader is missing.
set -eu

. "$(dirname "$0")/expect.sh"
require_readers libreoffice pandoc tidy pdftotext pdfinfo

work=$(mktemp -d "${TMPDIR:-/tmp}/varod9-sample-host-XXXXXX")
trap 'rm -rf "$work"' EXIT

# The texts every reader must find: the list's title and column headings, and each order.
expect_orders() { # reader text-file
  for text in "Orders" "Customer" "Amount" "Harbour Provisions" "A-1001" "Northwind Cycles" "310.40" \
    "Quayside Bakery" "Lindenhof Tools" "2,040.00"; do
    expect "$1" "$2" "$text"
  done
}

for folder in "$@"; do
  name=$(basename "$folder")
  for file in orders.rtf orders.htm orders.pdf; do
    test -s "$folder/$file" || { echo "FAILED: $folder/$file is missing or empty"; exit 1; }
  done

  # RTF: LibreOffice and pandoc.
  libreoffice -env:UserInstallation="file://$work/profile" --headless --convert-to txt:Text \
    --outdir "$work/$name" "$folder/orders.rtf" >"$work/libreoffice.log" 2>&1 || { cat "$work/libreoffice.log"; exit 1; }
  test -s "$work/$name/orders.txt" || { echo "FAILED: LibreOffice read nothing from $folder/orders.rtf"; exit 1; }
  expect_orders "LibreOffice ($name)" "$work/$name/orders.txt"
  pandoc -f rtf -t plain "$folder/orders.rtf" -o "$work/$name/pandoc.txt"
  expect_orders "pandoc ($name)" "$work/$name/pandoc.txt"

  # HTML: every page of the set passes tidy without errors (exit 2); warnings are allowed.
  for page in "$folder"/*.htm; do
    status=0
    tidy -q -e "$page" >"$work/tidy.log" 2>&1 || status=$?
    if [ "$status" -ge 2 ]; then
      echo "FAILED: tidy finds errors in $page"
      cat "$work/tidy.log"
      failures=$((failures + 1))
    else
      echo "ok: tidy reads $(basename "$page") without errors"
    fi
    tidy -q -asxml -wrap 0 "$page" 2>/dev/null | sed -e 's/<[^>]*>//g' >>"$work/$name/set.txt" || true
  done
  expect_orders "the page set ($name)" "$work/$name/set.txt"

  # The printed PDF.
  expect_pages "the printed PDF ($name)" "$folder/orders.pdf" 1
  pdftotext -layout "$folder/orders.pdf" "$work/$name/printed.txt"
  expect_orders "the printed PDF ($name)" "$work/$name/printed.txt"
  expect "the printed PDF ($name)" "$work/$name/printed.txt" "Order book 2026"
done

[ "$failures" -eq 0 ] || { echo "$failures checks failed"; exit 1; }
