#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# One page from every XSLT 1.0 processor: xsltproc, Saxon-HE and Xalan-J convert the test
# documents (pandoc's, the hand-written one and the crafted ones, Strict among them) and
# their pages must be the same once parsed as HTML and written canonically.
# Usage: check_processors.sh KYIO_TOOL STYLESHEET_TEST_DIR
set -euo pipefail
kyio=$1 here=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

xslt=$work/docx2html_ie.xslt
"$kyio" cat docx2html_ie.xslt > "$xslt"
base64 -d > "$work/dot.png" <<<'iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAQAAAC1HAwCAAAAC0lEQVR42mNkYAAAAAYAAjCB0C8AAAAASUVORK5CYII='
(cd "$here" && pandoc pandoc_features.md --resource-path="$work" -o "$work/pandoc.docx")
mkdir -p "$work/docs"
unzip -q -d "$work/docs/pandoc" "$work/pandoc.docx"
cp -r "$here/handmade" "$work/docs/handmade"
"$here/check_crafted.sh" "$kyio" "$work/docs" > /dev/null

saxon() { java -cp /usr/share/java/Saxon-HE.jar net.sf.saxon.Transform -s:"$1" -xsl:"$xslt"; }
xalan() {
  java -cp /usr/share/java/xalan2.jar:/usr/share/java/serializer.jar org.apache.xalan.xslt.Process -IN "$1" -XSL "$xslt"
}
canonical() { xmllint --html --xmlout --dropdtd --nowarning --recover --nonet "$1" | xmllint --c14n -; }

failed=0 compared=0
for doc in "$work"/docs/*/word/document.xml; do
  name=$(basename "$(dirname "$(dirname "$doc")")")
  xsltproc "$xslt" "$doc" > "$work/$name.xsltproc.html"
  expected=$(canonical "$work/$name.xsltproc.html")
  for processor in saxon xalan; do
    "$processor" "$doc" > "$work/$name.$processor.html" 2> "$work/$name.$processor.err" ||
      { echo "FAIL: $processor failed on $name: $(cat "$work/$name.$processor.err")"; failed=$((failed + 1)); continue; }
    if [[ "$(canonical "$work/$name.$processor.html")" == "$expected" ]]; then
      compared=$((compared + 1))
    else
      echo "FAIL: $processor's page of $name differs from xsltproc's:"
      diff <(canonical "$work/$name.xsltproc.html") <(canonical "$work/$name.$processor.html") | head -20 || true
      failed=$((failed + 1))
    fi
  done
done
echo "processors: $compared pages alike, $failed failed"
((failed == 0 && compared > 0))
