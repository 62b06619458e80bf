#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Documents the test writes itself: some to attack the page (script and script URLs in fields
# and relationships, CSS values that smuggle expressions, markup that once left lists and links
# open), and one in Strict OOXML. Every page must hold no element or attribute that runs script, no link outside
# the allowed schemes, no style that loads or evaluates anything, one meta, and every element
# closed where it opens; the queries below check what each page shows.
# Usage: check_crafted.sh KYIO_TOOL [FOLDER]  (the documents stay in FOLDER when given)
set -euo pipefail
kyio=$1
work=${2:-$(mktemp -d)}
mkdir -p "$work"
[[ -n "${2:-}" ]] || trap 'rm -rf "$work"' EXIT
xslt=$work/docx2html_ie.xslt
"$kyio" cat docx2html_ie.xslt > "$xslt"

ns='xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main"
    xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"
    xmlns:wp="http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing"
    xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main"
    xmlns:pic="http://schemas.openxmlformats.org/drawingml/2006/picture"
    xmlns:v="urn:schemas-microsoft-com:vml" xmlns:o="urn:schemas-microsoft-com:office:office"'
rel_ns=http://schemas.openxmlformats.org/officeDocument/2006/relationships

# document NAME BODY [RELATIONSHIPS]: the main part and its relationships.
document() {
  mkdir -p "$work/$1/word/_rels"
  printf '<w:document %s><w:body>%s</w:body></w:document>' "$ns" "$2" > "$work/$1/word/document.xml"
  printf '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">%s</Relationships>' \
    "${3:-}" > "$work/$1/word/_rels/document.xml.rels"
}
# relationship ID TYPE TARGET [External]
relationship() {
  printf '<Relationship Id="%s" Type="%s/%s" Target="%s"%s/>' "$1" "$rel_ns" "$2" "$3" "${4:+ TargetMode=\"$4\"}"
}
p() { printf '<w:p>%s</w:p>' "$*"; }
r() { printf '<w:r>%s<w:t xml:space="preserve">%s</w:t></w:r>' "${2:-}" "$1"; }
field() {  # field INSTRUCTION RESULT-RUNS
  printf '<w:r><w:fldChar w:fldCharType="begin"/></w:r><w:r><w:instrText xml:space="preserve">%s</w:instrText></w:r>' "$1"
  printf '<w:r><w:fldChar w:fldCharType="separate"/></w:r>%s<w:r><w:fldChar w:fldCharType="end"/></w:r>' "$2"
}
picture() {  # picture RELATIONSHIP-ID
  printf '<w:r><w:drawing><wp:inline><wp:docPr id="1" name="p" descr="picture %s"/><a:graphic><a:graphicData><pic:pic>' "$1"
  printf '<pic:blipFill><a:blip r:embed="%s"/></pic:blipFill></pic:pic></a:graphicData></a:graphic></wp:inline></w:drawing></w:r>' "$1"
}
list_item() { printf '<w:p><w:pPr><w:numPr><w:ilvl w:val="0"/><w:numId w:val="1"/></w:numPr></w:pPr>%s</w:p>' "$(r "$1")"; }

document fields "$(p "$(field 'HYPERLINK x&quot;&gt;&lt;script&gt;alert(1)&lt;/script&gt;' "$(r one)")")$(
  p "$(field 'HYPERLINK http://x&quot;onmouseover=&quot;alert(2)' "$(r two)")")$(
  p "$(field 'REF a&quot;&gt;&lt;svg/onload=alert(3)&gt;' "$(r three)")")$(
  p "$(field 'HYPERLINK &quot;javascript:alert(4)&quot;' "$(r four)")")$(
  p "$(field 'HYPERLINK &quot;java&#9;script:alert(6)&quot;' "$(r six)")")$(
  p "<w:fldSimple w:instr=\"HYPERLINK &quot;vbscript:msgbox(8)&quot;\">$(r eight)</w:fldSimple>")$(
  p "<w:fldSimple w:instr=\"HYPERLINK &quot;data:text/html,&lt;script&gt;alert(9)&lt;/script&gt;&quot;\">$(r nine)</w:fldSimple>")$(
  p "$(field 'HYPERLINK \l &quot;x&quot; onclick=&quot;alert(10)&quot;' "$(r ten)")")$(
  p "$(field 'HYPERLINK &quot;mailto:a@example.com&quot;' "$(r mail)")")"
expect() { printf '%s\t%s\t%s\n' "$@" >> "$work/expected.tsv"; }
expect fields 'normalize-space(/html/body)' 'onetwothreefoursixeightninetenmail'
expect fields 'count(//a[@href])' 2
expect fields 'string(//a[. = "mail"]/@href)' 'mailto:a@example.com'
expect fields 'string(//a[. = "ten"]/@href)' '#x'

document relationships "$(p "<w:hyperlink r:id=\"rJs\">$(r js)</w:hyperlink><w:hyperlink r:id=\"rVb\">$(r vb)</w:hyperlink>")$(
  p "<w:hyperlink r:id=\"rData\">$(r data)</w:hyperlink><w:hyperlink r:id=\"rOk\">$(r ok)</w:hyperlink><w:hyperlink r:id=\"rTab\">$(r tab)</w:hyperlink>")$(
  p "<w:hyperlink w:anchor=\"x&quot; onclick=&quot;alert(1)\">$(r anchor)</w:hyperlink>")$(
  p "$(picture pJs)$(picture pHttp)$(picture pAbs)$(picture pOk)")$(
  p "<w:r><w:pict><v:shape><v:imagedata r:id=\"pData\" o:title=\"vml\"/></v:shape></w:pict></w:r>")$(
  p "<w:r><w:object><o:OLEObject r:id=\"pOk\"/></w:object></w:r><w:r><w:t>after object</w:t></w:r>")" "$(
  relationship rJs hyperlink 'javascript:alert(1)' External)$(
  relationship rVb hyperlink 'VBScript:msgbox(1)' External)$(
  relationship rTab hyperlink 'java&#9;script:alert(1)' External)$(
  relationship rData hyperlink 'data:text/html;base64,PHNjcmlwdD5hbGVydCgxKTwvc2NyaXB0Pg==' External)$(
  relationship rOk hyperlink 'https://example.org/ok' External)$(
  relationship pJs image 'javascript:alert(2)')$(
  relationship pHttp image 'http://example.org/track.png' External)$(
  relationship pAbs image 'file:///etc/passwd')$(
  relationship pOk image 'media/image1.png')$(
  relationship pData image 'data:image/svg+xml,&lt;svg onload=alert(3)/&gt;')"
expect relationships 'normalize-space(/html/body)' 'jsvbdataoktabanchorafter object'
expect relationships 'string(//a[@href and not(starts-with(@href, "#"))]/@href)' 'https://example.org/ok'
expect relationships 'string(//img/@src)' 'media/image1.png'
expect relationships 'count(//img)' 1

document styles "$(p "$(r red '<w:rPr><w:color w:val="red;background:url(javascript:alert(1))"/></w:rPr>')")$(
  p "$(r expr '<w:rPr><w:color w:val="expression(alert(1))"/></w:rPr>')")$(
  p "$(r mark '<w:rPr><w:highlight w:val="yellow;behavior:url(x.htc)"/></w:rPr>')")$(
  p "$(r font '<w:rPr><w:rFonts w:ascii="Arial;background:url(javascript:x)" w:hAnsi="Arial;background:url(javascript:x)"/></w:rPr>')")$(
  p "$(r shade '<w:rPr><w:shd w:val="clear" w:fill="FF0000;x:expression(1)"/></w:rPr>')")$(
  p "<w:r><w:sym w:font=\"Symbol';behavior:url(a.htc);x:'\" w:char=\"F061\"/></w:r>")$(
  p "$(r green '<w:rPr><w:color w:val="00ff00"/></w:rPr>')")$(
  printf '<w:tbl><w:tr><w:tc><w:tcPr><w:shd w:fill="expression(alert(1))"/></w:tcPr>%s</w:tc></w:tr></w:tbl>' "$(p "$(r cell)")")$(
  p '<w:pPr><w:pStyle w:val="Evil"/></w:pPr>'"$(r styled)")" "$(relationship rS styles styles.xml)"
cat > "$work/styles/word/styles.xml" <<EOF
<w:styles $ns><w:style w:type="paragraph" w:styleId="Evil"><w:name w:val="x}body{background:url(javascript:alert(1))}"/>
<w:rPr><w:rFonts w:ascii="x}*{behavior:url(a.htc)}" w:hAnsi="x}*{behavior:url(a.htc)}"/><w:color w:val="x;y:expression(1)"/></w:rPr></w:style></w:styles>
EOF
expect styles 'normalize-space(/html/body)' 'redexprmarkfontshadeαgreencellstyled'
expect styles 'string(//span[. = "green"]/@style)' 'color: #00FF00;'

numbering="<w:numbering $ns><w:abstractNum w:abstractNumId=\"0\"><w:lvl w:ilvl=\"0\"><w:start w:val=\"1\"/><w:numFmt w:val=\"decimal\"/></w:lvl></w:abstractNum><w:num w:numId=\"1\"><w:abstractNumId w:val=\"0\"/></w:num></w:numbering>"
document lists "$(list_item one)<w:bookmarkStart w:id=\"1\" w:name=\"bm\"/><w:bookmarkEnd w:id=\"1\"/>$(list_item two)$(
  p "$(r plain)")$(list_item three)<w:bookmarkStart w:id=\"2\" w:name=\"bm2\"/>$(list_item four)<w:bookmarkEnd w:id=\"2\"/>" "$(
  relationship rN numbering numbering.xml)"
echo "$numbering" > "$work/lists/word/numbering.xml"
expect lists 'count(/html/body/ol)' 2
expect lists 'concat(count(/html/body/ol[1]/li), count(/html/body/ol[2]/li), /html/body/ol[2]/@start)' 223
expect lists 'count(//a[@name = "bm"]) + count(//a[@name = "bm2"])' 2

document spanning "$(p "$(r 'before ')<w:r><w:fldChar w:fldCharType=\"begin\"/></w:r><w:r><w:instrText>HYPERLINK \"https://example.com/span\"</w:instrText></w:r><w:r><w:fldChar w:fldCharType=\"separate\"/></w:r>$(r first)")$(
  p "$(r second)<w:r><w:fldChar w:fldCharType=\"end\"/></w:r>$(r ' after')")$(
  p "$(field 'HYPERLINK &quot;https://example.com/outer&quot;' "$(r 'out ')$(field 'HYPERLINK &quot;javascript:alert(1)&quot;' "$(r in)")$(r ' out')")")"
expect spanning 'concat(count(//a[@href = "https://example.com/span"]), //p[1]/a, //p[2]/a)' 2firstsecond
expect spanning 'normalize-space(/html/body)' 'before firstsecond afterout in out'
expect spanning 'count(//a[@href = "https://example.com/outer"]//a) + count(//a[@href = "https://example.com/outer"])' 1

# Strict OOXML, renamed into the transitional names through the processor's node-set function.
document strict ''
cat > "$work/strict/word/document.xml" <<'EOF'
<w:document xmlns:w="http://purl.oclc.org/ooxml/wordprocessingml/main"><w:body><w:p><w:r><w:t>strict </w:t></w:r>
<w:fldSimple w:instr="HYPERLINK &quot;javascript:alert(1)&quot;"><w:r><w:rPr><w:b/></w:rPr><w:t>text</w:t></w:r></w:fldSimple></w:p></w:body></w:document>
EOF
expect strict 'concat(normalize-space(/html/body), count(//a), string(//b))' 'strict text0text'

failed=0 passed=0
fail() { echo "FAIL: $*"; failed=$((failed + 1)); }
check() { if [[ "$2" == "$3" ]]; then passed=$((passed + 1)); else fail "$1: $4 gave '$2', expected '$3'"; fi; }
query() { xmllint --html --xpath "$2" "$work/$1.html" 2>/dev/null || true; }

void='area|base|br|col|hr|img|input|link|meta|param'
lower='translate(., "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "abcdefghijklmnopqrstuvwxyz")'
for dir in "$work"/*/; do
  name=$(basename "$dir")
  xsltproc "$xslt" "$dir/word/document.xml" > "$work/$name.html" 2> "$work/$name.err" || fail "$name: xsltproc failed: $(cat "$work/$name.err")"
  check "$name" "$(query "$name" 'count(//script | //object | //embed | //iframe | //frame | //applet | //svg | //math | //form | //base | //link)')" 0 'script-capable elements'
  check "$name" "$(query "$name" 'count(//@*[starts-with(translate(name(), "ON", "on"), "on")])')" 0 'on* attributes'
  check "$name" "$(query "$name" 'count(//meta)')" 1 'meta elements'
  # A link is a bookmark, a scheme of the list or a path whose first colon follows a slash.
  check "$name" "$(query "$name" "count(//@href[contains(., ':') and not(contains(substring-before(., ':'), '/'))
    and not(starts-with($lower, 'http:') or starts-with($lower, 'https:') or starts-with($lower, 'mailto:') or starts-with($lower, 'ftp:'))]
    | //@src[contains(., ':') or starts-with(., '/')])")" 0 'links outside the allowed schemes'
  check "$name" "$(query "$name" "count((//@style | //style)[contains($lower, 'expression') or contains($lower, 'url(')
    or contains($lower, 'behavior') or contains($lower, 'javascript') or contains(., '\\')])")" 0 'styles that load or evaluate'
  opened=$(grep -oE '<[a-zA-Z][a-zA-Z0-9]*' "$work/$name.html" | tr 'A-Z' 'a-z' | grep -vxE "<($void)" | sort | uniq -c)
  closed=$(grep -oE '</[a-zA-Z][a-zA-Z0-9]*' "$work/$name.html" | tr 'A-Z' 'a-z' | tr -d '/' | sort | uniq -c)
  check "$name" "$closed" "$opened" 'start and end tags'
done
while IFS=$'\t' read -r name xpath expected; do
  check "$name" "$(query "$name" "$xpath")" "$expected" "$xpath"
done < "$work/expected.tsv"

echo "crafted: $passed passed, $failed failed"
((failed == 0))
