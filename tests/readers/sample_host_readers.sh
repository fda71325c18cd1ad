#!/bin/sh
# Real readers of the sample host's report (examples/host), in each folder it wrote into: the RTF
# file read by LibreOffice (turned into PDF, shown by pdftotext) and by pandoc, the HTML page set
# checked by tidy (no errors) and shown as text, the printed PDF read by pdfinfo and pdftotext.
# Each shows the list with every order, and under each order's title that order's own card: its
# customer, order date, delivery town and amount (a card showing another order's values fails).
# The page header shows the module's two fields, never their tokens, and the date: the printed
# PDF as text, the RTF file as the date field word (LibreOffice leaves the field blank).
# Usage: sample_host_readers.sh FOLDER... Exits 77 (skipped) when a reader is missing.
set -eu

. "$(dirname "$0")/expect.sh"
require_readers libreoffice pandoc tidy pdftotext pdfinfo

work=$(mktemp -d "${TMPDIR:-/tmp}/varod9-sample-host-XXXXXX")
trap 'rm -rf "$work"' EXIT

# Each order: its number, then what its card shows (customer, order date, delivery town, amount).
orders="A-1001|Harbour Provisions|2026-03-02|Bremen|1,250.00
A-1002|Northwind Cycles|2026-03-05|Aarhus|310.40
A-1003|Quayside Bakery|2026-03-09|Galway|87.15
A-1004|Lindenhof Tools|2026-03-12|Graz|2,040.00"

# A line between the texts of two pages, which ends a section as an order's title does.
page_break="==== next page ===="

# `expect_card READER FILE NUMBER VALUE...` says whether the text under some title "Order NUMBER",
# up to the next order's title or page, shows every value.
expect_card() { # reader text number value...
  reader=$1 text=$2 number=$3
  shift 3
  awk -v title="Order $number" -v page="$page_break" '
    /Order A-[0-9]+/ || index($0, page) { inside = index($0, title) > 0; if (inside) print "@@section@@"; next }
    inside { print }' "$text" >"$work/sections"
  # Each section on one line, so that a section holds every value or the check fails.
  { tr '\n' ' ' <"$work/sections" | sed 's/@@section@@/\n/g'; echo; } >"$work/joined"
  found=$(
    while IFS= read -r section; do
      whole=1
      for value in "$@"; do
        case "$section" in *"$value"*) ;; *) whole=0 ;; esac
      done
      [ "$whole" -eq 1 ] && echo yes && break
    done <"$work/joined"
  ) || true
  if [ "$found" = yes ]; then
    echo "ok: $reader shows the card of order $number under its title"
  else
    echo "FAILED: $reader does not show, under the title of order $number, its card: $*"
    failures=$((failures + 1))
  fi
}

# The texts every reader must find: the list's title and column headings, each order in the list
# and each order's card under its title.
expect_orders() { # reader text-file
  for text in "Orders" "Customer" "Amount" "Harbour Provisions" "A-1001" "Northwind Cycles" "310.40" \
    "Quayside Bakery" "Lindenhof Tools" "2,040.00"; do
    expect "$1" "$2" "$text"
  done
  while IFS='|' read -r number customer date town amount; do
    expect_card "$1" "$2" "$number" "$customer" "$date" "$town" "$amount"
  done <<EOF
$orders
EOF
}

# No field's token is left in a text: each was registered, and "%DATE%" is the library's own.
expect_no_tokens() { # reader text-file
  for token in "%MODULE%" "%MODELNAME%" "%DATE%"; do
    if grep -qF -- "$token" "$2"; then
      echo "FAILED: $1 shows the token '$token'"
      failures=$((failures + 1))
    else
      echo "ok: $1 shows no '$token'"
    fi
  done
}

for folder in "$@"; do
  name=$(basename "$folder")
  mkdir -p "$work/$name"
  for file in orders.rtf orders.htm orders.pdf; do
    test -s "$folder/$file" || { echo "FAILED: $folder/$file is missing or empty"; exit 1; }
  done

  # RTF: LibreOffice (to PDF, shown as text) and pandoc.
  libreoffice -env:UserInstallation="file://$work/profile" --headless --convert-to pdf \
    --outdir "$work/$name" "$folder/orders.rtf" >"$work/libreoffice.log" 2>&1 || { cat "$work/libreoffice.log"; exit 1; }
  test -s "$work/$name/orders.pdf" || { echo "FAILED: LibreOffice read nothing from $folder/orders.rtf"; exit 1; }
  pdftotext -layout "$work/$name/orders.pdf" "$work/$name/libreoffice.txt"
  expect_orders "LibreOffice ($name)" "$work/$name/libreoffice.txt"
  expect "LibreOffice ($name)" "$work/$name/libreoffice.txt" "Order desk: Order book 2026"
  expect_no_tokens "LibreOffice ($name)" "$work/$name/libreoffice.txt"
  pandoc -f rtf -t plain "$folder/orders.rtf" -o "$work/$name/pandoc.txt"
  expect_orders "pandoc ($name)" "$work/$name/pandoc.txt"
  # The page header of the file itself: the fields' values, then the date field word.
  tr -d '\r\n' <"$folder/orders.rtf" | grep -o '{\\header [^}]*}' >"$work/$name/header.rtf" || true
  expect "the RTF page header ($name)" "$work/$name/header.rtf" "Order desk: Order book 2026"
  if grep -qF '\chdate' "$work/$name/header.rtf"; then
    echo "ok: the RTF page header ($name) holds the date field"
  else
    echo "FAILED: the RTF page header ($name) holds no date field"
    failures=$((failures + 1))
  fi
  expect_no_tokens "the RTF file ($name)" "$folder/orders.rtf"

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
    echo "$page_break" >>"$work/$name/set.txt"
  done
  expect_orders "the page set ($name)" "$work/$name/set.txt"
  expect_no_tokens "the page set ($name)" "$work/$name/set.txt"

  # The printed PDF.
  expect_pages "the printed PDF ($name)" "$folder/orders.pdf" 1
  pdftotext -layout "$folder/orders.pdf" "$work/$name/printed.txt"
  expect_orders "the printed PDF ($name)" "$work/$name/printed.txt"
  expect_no_tokens "the printed PDF ($name)" "$work/$name/printed.txt"
  grep -E 'Order desk: Order book 2026 +[0-9]{4}-[0-9]{2}-[0-9]{2}' "$work/$name/printed.txt" >"$work/$name/header.txt" || true
  if [ -s "$work/$name/header.txt" ]; then
    echo "ok: the printed PDF ($name) shows the page header with the date"
  else
    echo "FAILED: the printed PDF ($name) shows no page header 'Order desk: Order book 2026' with a date"
    failures=$((failures + 1))
  fi
done

[ "$failures" -eq 0 ] || { echo "$failures checks failed"; exit 1; }
