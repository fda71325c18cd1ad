#!/bin/sh
# Real readers of the pictures of a generated RTF report: LibreOffice turns it into PDF and
# pdfimages lists the images the PDF holds. The report comes from the device test program's
# sample test: a PNG graphic file, a JPEG graphic file and a user graphic that the test's module
# draws during the generation, so three images are expected.
# Usage: pictures_readers.sh <test_rpt_devices program>. Exits 77 (skipped) only when a reader is
# missing.
set -eu

program=$1
. "$(dirname "$0")/expect.sh"
require_readers libreoffice pdfimages

work=$(mktemp -d "${TMPDIR:-/tmp}/varod9-pictures-readers-XXXXXX")
trap 'rm -rf "$work"' EXIT
sample="$work/pictures.rtf"

VAROD9_PICTURES_SAMPLE="$sample" "$program" --gtest_filter=SRptPictureWriters.SampleForTheReaders
test -s "$sample" || { echo "no sample was written"; exit 1; }
groups=$(grep -c '{\\pict\\emfblip' "$sample" || true)
echo "picture groups in the RTF: $groups"

# LibreOffice, with a profile of its own so that parallel runs never share one.
libreoffice -env:UserInstallation="file://$work/profile" --headless --convert-to pdf --outdir "$work" "$sample" \
  >"$work/libreoffice.log" 2>&1 || { cat "$work/libreoffice.log"; exit 1; }
test -s "$work/pictures.pdf" || { echo "LibreOffice wrote no PDF"; cat "$work/libreoffice.log"; exit 1; }

# pdfimages -list: two heading lines, then one line per image.
pdfimages -list "$work/pictures.pdf" | tee "$work/images.txt"
images=$(tail -n +3 "$work/images.txt" | grep -c . || true)
if [ "$images" -ge 3 ]; then
  echo "ok: $images images in the PDF"
else
  echo "FAILED: $images images in the PDF, 3 expected"
  exit 1
fi
