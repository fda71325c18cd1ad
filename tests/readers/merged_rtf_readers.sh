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
# Files that other programs wrote are merged too. The documents of tests/data/documents (a flat
# ODF text with a header holding a page-number field, a link field, a footnote, a bulleted and a
# numbered list, a table holding a table, a picture and a landscape page; an HTML page with the
# lists, the tables and a picture; a Markdown text with a footnote, lists, a table and a picture)
# hold text in Greek, Chinese and beyond the BMP. LibreOffice writes the ODF text and the page as
# RTF, pandoc the page and the Markdown text. The devices' test program merges each RTF file into
# a report of its own, as a text file and as a group text's body, each between texts of the
# report's own, and writes the report as RTF, as an HTML page set and printed (PDF). LibreOffice
# (its text export) and pandoc read each report and the file alone: in the report, the words of
# each merged text are those that the reader shows of the file alone, in order, and the report's
# text after it is whole on a line of its own. The page set (its text, by xmllint) and the printed
# report (by pdftotext) show the same words as LibreOffice shows of the file alone. Compared are
# the words of the body: the letters, marks and symbols in order, without blanks, punctuation,
# bullets and digits (list labels and footnote marks number on through a report); headers, footers
# and the texts of footnotes, which a merged text leaves out or shows elsewhere, are not compared
# (LibreOffice's text export and pandoc show none, the page set and the printed report have no
# header or footer). A character that the printed page has no glyph for (U+FFFD in pdftotext)
# stands for any one character.
# Usage: merged_rtf_readers.sh <test_apps_rpthost program> <test_rpt_module program>
# <test_rpt_devices program>. Exits 77 (skipped) only when a reader is missing.
set -eu

program=$1
module_program=$2
devices_program=$3
. "$(dirname "$0")/expect.sh"
require_readers libreoffice pdftotext pdffonts pdfinfo pdfimages pandoc xmllint perl

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

# Files that other programs wrote: LibreOffice writes the flat ODF text and the HTML page as RTF
# (the page in a run of its own, as the HTML import it needs is chosen for every file of a run),
# pandoc the HTML page and the Markdown text. The devices' test program merges each into a report
# of its own, as a text file and as a group text's body, and writes it as RTF, as an HTML page
# set and printed.
documents=$(cd "$(dirname "$0")/../data/documents" && pwd)
written="$work/written"
reports="$work/written-reports"
readings="$work/written-readings"
mkdir -p "$written/html" "$reports" "$readings"
office() { # arguments of LibreOffice after its profile
  libreoffice -env:UserInstallation="file://$work/profile" --headless "$@" >>"$work/libreoffice.log" 2>&1
}
office --convert-to rtf --outdir "$written" "$documents/shipping-notes.fodt" || true
office --infilter="HTML (StarWriter)" --convert-to rtf --outdir "$written/html" "$documents/stock-page.html" ||
  true
mv "$written/shipping-notes.rtf" "$written/shipping-notes-libreoffice.rtf" 2>/dev/null || true
mv "$written/html/stock-page.rtf" "$written/stock-page-libreoffice.rtf" 2>/dev/null || true
for source in stock-page.html delivery-notes.md; do
  pandoc -s -t rtf --resource-path="$documents" "$documents/$source" -o "$written/${source%.*}-pandoc.rtf" \
    2>>"$work/pandoc-writes.log" || true
done
names="shipping-notes-libreoffice stock-page-libreoffice stock-page-pandoc delivery-notes-pandoc"
list=
for name in $names; do
  if [ -s "$written/$name.rtf" ]; then
    list="$list${list:+:}$written/$name.rtf"
  else
    echo "FAILED: no $name.rtf was written"
    cat "$work/libreoffice.log" "$work/pandoc-writes.log" 2>/dev/null
    failures=$((failures + 1))
  fi
done
VAROD9_MERGED_FILES="$list" VAROD9_MERGED_FILES_SAMPLE_DIR="$reports" "$devices_program" \
  --gtest_filter=SRptPrintRunTest.FilesOfOtherProgramsSampleForTheReaders || failures=$((failures + 1))
# LibreOffice's text of each file alone and of each report, in one run.
for name in $names; do
  cp "$written/$name.rtf" "$readings/$name.rtf" 2>/dev/null || true
  cp "$reports/$name.rtf" "$readings/$name-report.rtf" 2>/dev/null || true
done
office --convert-to 'txt:Text (encoded):UTF8' --outdir "$readings" "$readings"/*.rtf || true

# `merged_words TEXT [FROM TO [SKIP]]` prints the words of the lines of TEXT (a file) between the
# line FROM and the next line TO, lines compared without their outer blanks, a line SKIP left
# out; without FROM and TO, the words of the whole text. The words are their letters, marks and
# symbols in order: blanks, punctuation, bullets and digits go (the digits are those of list
# labels and footnote marks, which number on through a report), so that how a reader lays out
# lines, cells and labels does not count. It fails when FROM or TO is not a line of its own.
merged_words() { # text [from to [skip]]
  perl -CSD -e '
    my ($from, $to, $skip) = @ARGV[1 .. 3];
    open my $in, "<:encoding(UTF-8)", $ARGV[0] or exit 2;
    my ($inside, $seen, $text) = (!defined $from, 0, "");
    while (my $line = <$in>) {
      (my $bare = $line) =~ s/^[\s\x{FEFF}]+|\s+$//g;
      if (defined $from && !$inside && !$seen && $bare eq $from) { $inside = 1; next; }
      if (defined $to && $inside && $bare eq $to) { $seen = 1; $inside = 0; last; }
      next if defined $skip && $bare eq $skip;
      $text .= $line if $inside;
    }
    exit 1 if defined $to && !$seen;
    $text =~ s/[^\p{L}\p{M}\p{So}\p{Sk}]//g;
    print $text;' "$@"
}
# `same_words WANTED SHOWN` says whether SHOWN holds the words WANTED, a U+FFFD of SHOWN (a
# character that the printed page has no glyph for) standing for any one character; else it
# prints where they part.
same_words() { # wanted shown
  perl -CSA -e '
    my ($wanted, $shown) = @ARGV;
    my $pattern = join "", map { $_ eq "\x{FFFD}" ? "." : quotemeta } split //, $shown;
    exit 0 if $wanted =~ /^$pattern$/s;
    my $at = 0;
    $at++ while $at < length $wanted && $at < length $shown
      && (substr($wanted, $at, 1) eq substr($shown, $at, 1) || substr($shown, $at, 1) eq "\x{FFFD}");
    my $start = $at > 20 ? $at - 20 : 0;
    printf "  wanted ...%s...\n  shown  ...%s...\n", substr($wanted, $start, 60), substr($shown, $start, 60);
    exit 1;' "$1" "$2"
}
# `expect_merged READER TEXT WANTED NAME [SKIP]` checks a reader's text of the report of NAME:
# the words of the text file and of the group text's body are WANTED, each between the report's
# own texts around it, which stand on lines of their own.
expect_merged() { # reader text wanted name [skip]
  for part in "text file:Before the text file:After the text file" \
    "group text:Group text heading:After the group text"; do
    what=${part%%:*}
    bounds=${part#*:}
    from=${bounds%%:*}
    to=${bounds#*:}
    if ! shown=$(merged_words "$2" "$from" "$to" ${5:+"$5"}); then
      echo "FAILED: $1 of $4 does not show '$from' and then '$to' on lines of their own"
      failures=$((failures + 1))
    elif [ -z "$3" ]; then
      echo "FAILED: $1 of $4 alone shows no words"
      failures=$((failures + 1))
    elif parting=$(same_words "$3" "$shown"); then
      echo "ok: $1 of $4 shows the words of the $what, then '$to' on a line of its own"
    else
      echo "FAILED: $1 of $4 does not show the words of the $what as the file alone shows them"
      echo "$parting"
      failures=$((failures + 1))
    fi
  done
}

for name in $names; do
  [ -s "$written/$name.rtf" ] || continue
  # LibreOffice's and pandoc's words of the file alone, and of the report.
  alone=$(merged_words "$readings/$name.txt" 2>/dev/null || true)
  expect_merged "LibreOffice" "$readings/$name-report.txt" "$alone" "$name"
  for rtf in "$written/$name.rtf:$name-pandoc" "$reports/$name.rtf:$name-report-pandoc"; do
    pandoc -f rtf -t plain "${rtf%:*}" -o "$readings/${rtf##*:}.txt" 2>/dev/null || : >"$readings/${rtf##*:}.txt"
  done
  pandoc_alone=$(merged_words "$readings/$name-pandoc.txt" || true)
  expect_merged "pandoc" "$readings/$name-report-pandoc.txt" "$pandoc_alone" "$name"
  # The page set and the printed report show the words that LibreOffice reads in the file alone;
  # the page set shows the text file's path before its text.
  : >"$readings/$name-html.txt"
  prefix=$(printf '%s' "$name" | cut -c1-4)
  number=1
  while [ -f "$reports/$name/$prefix$number.htm" ]; do
    xmllint --html --xpath 'string(//body)' "$reports/$name/$prefix$number.htm" \
      >>"$readings/$name-html.txt" 2>/dev/null || true
    number=$((number + 1))
  done
  expect_merged "HTML" "$readings/$name-html.txt" "$alone" "$name" "$written/$name.rtf"
  pdftotext -layout "$reports/$name.pdf" "$readings/$name-print.txt" 2>/dev/null || : >"$readings/$name-print.txt"
  expect_merged "print" "$readings/$name-print.txt" "$alone" "$name"
done

[ "$failures" -eq 0 ]
