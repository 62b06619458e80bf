<?xml version="1.0" encoding="UTF-8"?>
<!-- SPDX-License-Identifier: MIT -->
<!--
  docx2html_ie.xslt: turns the main part of a .docx (word/document.xml) into HTML 4.01
  Transitional that Internet Explorer 6 to 11 render. XSLT 1.0.

  The stylesheet finds the other parts it needs through the main part's relationships
  (_rels/document.xml.rels beside it): numbering, styles, footnotes and endnotes. Each
  parameter below overrides one of them, as a path relative to the main part:
    rels       the relationships part ('_rels/document.xml.rels')
    numbering, styles, footnotes, endnotes   ('' : as the relationships name them)
  Example, from the unpacked package: xsltproc docx2html_ie.xslt word/document.xml
  Image sources are the relationship targets, relative to the main part's folder.

  Strict OOXML documents are read like transitional ones where the processor offers
  exsl:node-set (libxslt and xsltproc do); elsewhere the page says that it cannot be shown.
-->
<xsl:stylesheet version="1.0"
    xmlns:xsl="http://www.w3.org/1999/XSL/Transform"
    xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main"
    xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"
    xmlns:rel="http://schemas.openxmlformats.org/package/2006/relationships"
    xmlns:wp="http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing"
    xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main"
    xmlns:pic="http://schemas.openxmlformats.org/drawingml/2006/picture"
    xmlns:m="http://schemas.openxmlformats.org/officeDocument/2006/math"
    xmlns:v="urn:schemas-microsoft-com:vml"
    xmlns:o="urn:schemas-microsoft-com:office:office"
    xmlns:mc="http://schemas.openxmlformats.org/markup-compatibility/2006"
    xmlns:exsl="http://exslt.org/common"
    xmlns:sw="http://purl.oclc.org/ooxml/wordprocessingml/main"
    extension-element-prefixes="exsl"
    exclude-result-prefixes="w r rel wp a pic m v o mc exsl sw">

  <xsl:output method="html" encoding="UTF-8" indent="no"
      doctype-public="-//W3C//DTD HTML 4.01 Transitional//EN"
      doctype-system="http://www.w3.org/TR/html4/loose.dtd"/>

  <xsl:strip-space elements="*"/>
  <xsl:preserve-space elements="w:t m:t"/>

  <xsl:param name="rels" select="'_rels/document.xml.rels'"/>
  <xsl:param name="numbering" select="''"/>
  <xsl:param name="styles" select="''"/>
  <xsl:param name="footnotes" select="''"/>
  <xsl:param name="endnotes" select="''"/>

  <!-- ===== The package's parts ===== -->

  <!-- Relative paths resolve against the main part; an empty one names the main part itself,
       which holds none of the parts looked for in it. -->
  <xsl:variable name="relationships" select="document($rels, /)/rel:Relationships/rel:Relationship"/>

  <xsl:variable name="numberingPath">
    <xsl:call-template name="part-path"><xsl:with-param name="given" select="$numbering"/><xsl:with-param name="type" select="'/numbering'"/></xsl:call-template>
  </xsl:variable>
  <xsl:variable name="stylesPath">
    <xsl:call-template name="part-path"><xsl:with-param name="given" select="$styles"/><xsl:with-param name="type" select="'/styles'"/></xsl:call-template>
  </xsl:variable>
  <xsl:variable name="footnotesPath">
    <xsl:call-template name="part-path"><xsl:with-param name="given" select="$footnotes"/><xsl:with-param name="type" select="'/footnotes'"/></xsl:call-template>
  </xsl:variable>
  <xsl:variable name="endnotesPath">
    <xsl:call-template name="part-path"><xsl:with-param name="given" select="$endnotes"/><xsl:with-param name="type" select="'/endnotes'"/></xsl:call-template>
  </xsl:variable>

  <xsl:variable name="numberingPart" select="document(string($numberingPath), /)/w:numbering"/>
  <xsl:variable name="stylesPart" select="document(string($stylesPath), /)/w:styles"/>
  <xsl:variable name="footnotesPart" select="document(string($footnotesPath), /)/w:footnotes"/>
  <xsl:variable name="endnotesPart" select="document(string($endnotesPath), /)/w:endnotes"/>

  <!-- A part named by a parameter, else the target of the main part's relationship whose type
       ends with $type. A target from the package root is reached from the main part's folder. -->
  <xsl:template name="part-path">
    <xsl:param name="given"/>
    <xsl:param name="type"/>
    <xsl:choose>
      <xsl:when test="$given != ''"><xsl:value-of select="$given"/></xsl:when>
      <xsl:otherwise>
        <xsl:variable name="target"
            select="$relationships[substring(@Type, string-length(@Type) - string-length($type) + 1) = $type][1]/@Target"/>
        <xsl:choose>
          <xsl:when test="starts-with($target, '/')"><xsl:value-of select="concat('..', $target)"/></xsl:when>
          <xsl:otherwise><xsl:value-of select="$target"/></xsl:otherwise>
        </xsl:choose>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:key name="style" match="w:style" use="@w:styleId"/>
  <xsl:key name="num" match="w:num" use="@w:numId"/>
  <xsl:key name="abstract" match="w:abstractNum" use="@w:abstractNumId"/>
  <xsl:key name="relationship" match="rel:Relationship" use="@Id"/>

  <xsl:variable name="upper" select="'ABCDEFGHIJKLMNOPQRSTUVWXYZ'"/>
  <xsl:variable name="lower" select="'abcdefghijklmnopqrstuvwxyz'"/>

  <!-- Notes are numbered from their ids, which Word keeps dense and in reading order: the
       first note that is not a separator is number 1. -->
  <xsl:variable name="firstFootnoteId">
    <xsl:call-template name="first-note-id"><xsl:with-param name="notes" select="$footnotesPart/w:footnote"/></xsl:call-template>
  </xsl:variable>
  <xsl:variable name="firstEndnoteId">
    <xsl:call-template name="first-note-id"><xsl:with-param name="notes" select="$endnotesPart/w:endnote"/></xsl:call-template>
  </xsl:variable>

  <xsl:template name="first-note-id">
    <xsl:param name="notes"/>
    <xsl:for-each select="$notes[not(@w:type) or @w:type = 'normal']">
      <xsl:sort select="@w:id" data-type="number"/>
      <xsl:if test="position() = 1"><xsl:value-of select="@w:id"/></xsl:if>
    </xsl:for-each>
  </xsl:template>

  <!-- ===== Document ===== -->

  <xsl:template match="/">
    <xsl:choose>
      <xsl:when test="sw:document and function-available('exsl:node-set')">
        <xsl:variable name="transitional"><xsl:apply-templates select="sw:document" mode="strict"/></xsl:variable>
        <xsl:apply-templates select="exsl:node-set($transitional)/w:document" mode="page"/>
      </xsl:when>
      <xsl:otherwise>
        <xsl:apply-templates select="*" mode="page"/>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template match="*" mode="page">
    <html>
      <head>
        <meta http-equiv="Content-Type" content="text/html; charset=UTF-8"/>
        <title>
          <xsl:value-of select="w:body/w:p[translate(w:pPr/w:pStyle/@w:val, $upper, $lower) = 'title'][1]"/>
        </title>
        <style type="text/css">
          body { font-family: Arial, sans-serif; }
          table { border-collapse: collapse; }
          td, th { border: 1px solid #808080; padding: 2pt 4pt; vertical-align: top; }
          p.empty { margin: 0; }
          div.textbox { border: 1px solid #C0C0C0; margin: 4pt 0; padding: 2pt 4pt; }
          .footnotes, .endnotes { font-size: smaller; }
        </style>
      </head>
      <body>
        <xsl:choose>
          <xsl:when test="self::w:document">
            <xsl:call-template name="blocks"><xsl:with-param name="container" select="w:body"/></xsl:call-template>
            <xsl:call-template name="note-texts">
              <xsl:with-param name="notes" select="$footnotesPart/w:footnote[not(@w:type) or @w:type = 'normal']"/>
              <xsl:with-param name="kind" select="'footnote'"/>
              <xsl:with-param name="first" select="$firstFootnoteId"/>
            </xsl:call-template>
            <xsl:call-template name="note-texts">
              <xsl:with-param name="notes" select="$endnotesPart/w:endnote[not(@w:type) or @w:type = 'normal']"/>
              <xsl:with-param name="kind" select="'endnote'"/>
              <xsl:with-param name="first" select="$firstEndnoteId"/>
            </xsl:call-template>
          </xsl:when>
          <xsl:otherwise>
            <p>This document cannot be shown: it is not a WordprocessingML main part this
              converter can read (Strict OOXML needs a processor with exsl:node-set).</p>
          </xsl:otherwise>
        </xsl:choose>
      </body>
    </html>
  </xsl:template>

  <!-- Parts that carry no content of their own. -->
  <xsl:template match="w:pPr | w:rPr | w:tblPr | w:trPr | w:tcPr | w:tblGrid | w:sectPr
                       | w:instrText | w:delText | w:del | w:moveFrom | w:fldChar
                       | w:bookmarkEnd | w:proofErr | w:lastRenderedPageBreak | w:footnoteRef
                       | w:endnoteRef | w:annotationRef | w:separator | w:continuationSeparator
                       | w:commentRangeStart | w:commentRangeEnd | w:commentReference
                       | w:sdtPr | w:sdtEndPr | w:permStart | w:permEnd"/>

  <!-- ===== Blocks ===== -->

  <!-- The block children of a container (the body, a cell, a text box, a note), in order. A
       run of list paragraphs becomes nested lists: each paragraph compares its numbering with
       the block before it, so that the work grows linearly with the run's length, and writes
       the tags that close and open lists as text, since a list spans several paragraphs. -->
  <xsl:template name="blocks">
    <xsl:param name="container"/>
    <xsl:for-each select="$container/*">
      <xsl:choose>
        <xsl:when test="self::w:p or self::w:tbl or self::w:sdt or self::w:customXml or self::m:oMathPara">
          <xsl:variable name="here"><xsl:call-template name="numbering-of"/></xsl:variable>
          <!-- Marks between blocks (bookmarks, permissions) do not interrupt a list. -->
          <xsl:variable name="previous" select="preceding-sibling::*[1]"/>
          <xsl:variable name="block" select="($previous[self::w:p or self::w:tbl or self::w:sdt or self::w:customXml or self::m:oMathPara]
                                              | $previous[not(self::w:p or self::w:tbl or self::w:sdt or self::w:customXml or self::m:oMathPara)]/preceding-sibling::*[1])[1]"/>
          <xsl:variable name="before">
            <xsl:for-each select="$block"><xsl:call-template name="numbering-of"/></xsl:for-each>
          </xsl:variable>
          <xsl:call-template name="list-tags">
            <xsl:with-param name="before" select="$before"/>
            <xsl:with-param name="beforeNode" select="$block"/>
            <xsl:with-param name="here" select="$here"/>
          </xsl:call-template>
          <xsl:choose>
            <xsl:when test="$here != ''"><xsl:call-template name="paragraph-content"/></xsl:when>
            <xsl:otherwise><xsl:apply-templates select="."/></xsl:otherwise>
          </xsl:choose>
        </xsl:when>
        <xsl:otherwise><xsl:apply-templates select="."/></xsl:otherwise>
      </xsl:choose>
    </xsl:for-each>
    <xsl:for-each select="$container/*[self::w:p or self::w:tbl or self::w:sdt or self::w:customXml or self::m:oMathPara][last()]">
      <xsl:variable name="last"><xsl:call-template name="numbering-of"/></xsl:variable>
      <xsl:if test="$last != ''">
        <xsl:call-template name="list-tags"><xsl:with-param name="before" select="$last"/><xsl:with-param name="beforeNode" select="."/><xsl:with-param name="here" select="''"/></xsl:call-template>
      </xsl:if>
    </xsl:for-each>
  </xsl:template>

  <!-- Block-level wrappers hand their children on as blocks of their own. -->
  <xsl:template match="w:sdt | w:customXml | w:ins | w:moveTo">
    <xsl:choose>
      <xsl:when test="parent::w:body or parent::w:tc or parent::w:txbxContent or parent::w:footnote
                      or parent::w:endnote or parent::w:sdtContent or parent::w:customXml">
        <xsl:call-template name="blocks"><xsl:with-param name="container" select="w:sdtContent | self::w:customXml | self::w:ins | self::w:moveTo"/></xsl:call-template>
      </xsl:when>
      <xsl:otherwise><xsl:apply-templates select="w:sdtContent/* | self::w:customXml/* | self::w:ins/* | self::w:moveTo/*"/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template match="w:p">
    <xsl:variable name="heading"><xsl:call-template name="heading-level"/></xsl:variable>
    <xsl:variable name="element">
      <xsl:choose>
        <xsl:when test="$heading = 'title'">h1</xsl:when>
        <xsl:when test="$heading != ''"><xsl:value-of select="concat('h', $heading)"/></xsl:when>
        <xsl:otherwise>p</xsl:otherwise>
      </xsl:choose>
    </xsl:variable>
    <xsl:element name="{$element}">
      <xsl:if test="$heading = 'title'"><xsl:attribute name="class">title</xsl:attribute></xsl:if>
      <xsl:call-template name="paragraph-attributes"/>
      <xsl:apply-templates/>
      <xsl:if test="not(.//w:t[string-length(.) &gt; 0] | .//w:drawing | .//w:pict | .//w:sym | .//w:tab | .//m:t | .//w:object)">
        <xsl:text>&#160;</xsl:text>
      </xsl:if>
    </xsl:element>
    <xsl:call-template name="text-boxes"/>
  </xsl:template>

  <!-- A list paragraph's content, inside the <li> that the list tags opened. -->
  <xsl:template name="paragraph-content">
    <xsl:apply-templates/>
    <xsl:call-template name="text-boxes"/>
  </xsl:template>

  <xsl:template name="paragraph-attributes">
    <xsl:variable name="jc" select="w:pPr/w:jc/@w:val"/>
    <xsl:variable name="align">
      <xsl:choose>
        <xsl:when test="$jc = 'center'">center</xsl:when>
        <xsl:when test="$jc = 'right' or $jc = 'end'">right</xsl:when>
        <xsl:when test="$jc = 'both' or $jc = 'distribute'">justify</xsl:when>
      </xsl:choose>
    </xsl:variable>
    <xsl:if test="$align != ''">
      <xsl:attribute name="style">text-align: <xsl:value-of select="$align"/></xsl:attribute>
    </xsl:if>
    <xsl:if test="w:pPr/w:bidi[not(@w:val) or @w:val = '1' or @w:val = 'true' or @w:val = 'on']">
      <xsl:attribute name="dir">rtl</xsl:attribute>
    </xsl:if>
  </xsl:template>

  <!-- A text box's paragraphs follow the paragraph that anchors it; of content written twice
       for older readers only the first choice counts. -->
  <xsl:template name="text-boxes">
    <xsl:for-each select=".//w:txbxContent[not(ancestor::mc:Fallback)][not(ancestor::w:txbxContent)]">
      <div class="textbox">
        <xsl:call-template name="blocks"><xsl:with-param name="container" select="."/></xsl:call-template>
      </div>
    </xsl:for-each>
  </xsl:template>

  <!-- Bookmarks become anchors for internal links; _GoBack is Word's own. -->
  <xsl:template match="w:bookmarkStart">
    <xsl:if test="@w:name != '_GoBack' and not(parent::w:tbl or parent::w:tr)">
      <a name="{@w:name}"></a>
    </xsl:if>
  </xsl:template>

  <!-- ===== Headings ===== -->

  <!-- 1 to 6, 'title' or '': by the name of the paragraph's style ("heading 1", "Title"), which
       stays English when the id is localised, or of the style it is based on, or by the
       style's outline level. -->
  <xsl:template name="heading-level">
    <xsl:variable name="id" select="w:pPr/w:pStyle/@w:val"/>
    <xsl:choose>
      <xsl:when test="not($id)"/>
      <xsl:when test="$stylesPart">
        <xsl:for-each select="$stylesPart">
          <xsl:variable name="style" select="key('style', $id)"/>
          <xsl:variable name="name" select="translate($style/w:name/@w:val, $upper, $lower)"/>
          <xsl:variable name="parent" select="translate(key('style', $style/w:basedOn/@w:val)/w:name/@w:val, $upper, $lower)"/>
          <xsl:variable name="outline" select="$style/w:pPr/w:outlineLvl/@w:val"/>
          <xsl:choose>
            <xsl:when test="$name = 'title'">title</xsl:when>
            <xsl:when test="starts-with($name, 'heading ') and contains('123456', substring($name, 9)) and string-length($name) = 9">
              <xsl:value-of select="substring($name, 9)"/>
            </xsl:when>
            <xsl:when test="starts-with($parent, 'heading ') and contains('123456', substring($parent, 9)) and string-length($parent) = 9">
              <xsl:value-of select="substring($parent, 9)"/>
            </xsl:when>
            <xsl:when test="$outline &gt;= 0 and $outline &lt;= 5 and not(starts-with($name, 'toc'))">
              <xsl:value-of select="$outline + 1"/>
            </xsl:when>
          </xsl:choose>
        </xsl:for-each>
      </xsl:when>
      <xsl:otherwise>
        <xsl:variable name="style" select="translate($id, $upper, $lower)"/>
        <xsl:choose>
          <xsl:when test="$style = 'title'">title</xsl:when>
          <xsl:when test="string-length($style) = 8 and starts-with($style, 'heading') and contains('123456', substring($style, 8))">
            <xsl:value-of select="substring($style, 8)"/>
          </xsl:when>
        </xsl:choose>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- ===== Lists ===== -->

  <!-- For a list paragraph 'abstract:level:numId:', where the numbering comes from the
       paragraph or from its style (and the style that one is based on); '' for any other
       block, for numId 0 and for headings, which stay headings. -->
  <xsl:template name="numbering-of">
    <xsl:if test="self::w:p">
      <xsl:variable name="direct" select="w:pPr/w:numPr"/>
      <xsl:variable name="styleId" select="w:pPr/w:pStyle/@w:val"/>
      <xsl:variable name="fromStyle">
        <xsl:if test="not($direct/w:numId) and $styleId and $stylesPart">
          <xsl:for-each select="$stylesPart">
            <xsl:variable name="style" select="key('style', $styleId)"/>
            <xsl:variable name="numPr" select="($style/w:pPr/w:numPr | key('style', $style/w:basedOn/@w:val)/w:pPr/w:numPr)[1]"/>
            <xsl:if test="$numPr/w:numId"><xsl:value-of select="concat($numPr/w:numId/@w:val, ':', sum($numPr/w:ilvl/@w:val))"/></xsl:if>
          </xsl:for-each>
        </xsl:if>
      </xsl:variable>
      <xsl:variable name="numId">
        <xsl:choose>
          <xsl:when test="$direct/w:numId"><xsl:value-of select="$direct/w:numId/@w:val"/></xsl:when>
          <xsl:otherwise><xsl:value-of select="substring-before($fromStyle, ':')"/></xsl:otherwise>
        </xsl:choose>
      </xsl:variable>
      <xsl:if test="$numId != '' and $numId != '0'">
        <xsl:variable name="heading"><xsl:call-template name="heading-level"/></xsl:variable>
        <xsl:if test="$heading = ''">
          <xsl:variable name="level">
            <xsl:choose>
              <xsl:when test="$direct/w:ilvl"><xsl:value-of select="number($direct/w:ilvl/@w:val)"/></xsl:when>
              <xsl:when test="$fromStyle != ''"><xsl:value-of select="substring-after($fromStyle, ':')"/></xsl:when>
              <xsl:otherwise>0</xsl:otherwise>
            </xsl:choose>
          </xsl:variable>
          <xsl:variable name="abstract"><xsl:call-template name="abstract-of"><xsl:with-param name="numId" select="$numId"/></xsl:call-template></xsl:variable>
          <xsl:value-of select="concat($abstract, ':', $level, ':', $numId, ':')"/>
        </xsl:if>
      </xsl:if>
    </xsl:if>
  </xsl:template>

  <!-- The abstract numbering behind a numId, following a numStyleLink to the numbering that
       its style names; 'none' without a numbering part. -->
  <xsl:template name="abstract-of">
    <xsl:param name="numId"/>
    <xsl:choose>
      <xsl:when test="$numberingPart">
        <xsl:for-each select="$numberingPart">
          <xsl:variable name="abstract" select="key('abstract', key('num', $numId)/w:abstractNumId/@w:val)"/>
          <xsl:variable name="link" select="$abstract/w:numStyleLink/@w:val"/>
          <xsl:choose>
            <xsl:when test="$link and $stylesPart">
              <xsl:variable name="linkedNum">
                <xsl:for-each select="$stylesPart"><xsl:value-of select="key('style', $link)/w:pPr/w:numPr/w:numId/@w:val"/></xsl:for-each>
              </xsl:variable>
              <xsl:variable name="linked" select="key('num', $linkedNum)/w:abstractNumId/@w:val"/>
              <xsl:choose>
                <xsl:when test="$linked"><xsl:value-of select="$linked"/></xsl:when>
                <xsl:otherwise><xsl:value-of select="$abstract/@w:abstractNumId"/></xsl:otherwise>
              </xsl:choose>
            </xsl:when>
            <xsl:when test="$abstract"><xsl:value-of select="$abstract/@w:abstractNumId"/></xsl:when>
            <xsl:otherwise>none</xsl:otherwise>
          </xsl:choose>
        </xsl:for-each>
      </xsl:when>
      <xsl:otherwise>none</xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- The tags between two blocks, given the numbering of the block before ($before) and of
       this one ($here): lists of the block before close down to the level they share with
       this one, and this one's lists open from there. A deeper level nests whatever its
       numbering; at the same level another numbering starts a new list. -->
  <xsl:template name="list-tags">
    <xsl:param name="before"/>
    <xsl:param name="beforeNode"/>
    <xsl:param name="here"/>
    <xsl:variable name="beforeAbstract" select="substring-before($before, ':')"/>
    <xsl:variable name="beforeLevel" select="number(substring-before(substring-after($before, ':'), ':'))"/>
    <xsl:variable name="hereAbstract" select="substring-before($here, ':')"/>
    <xsl:variable name="hereLevel" select="number(substring-before(substring-after($here, ':'), ':'))"/>
    <!-- The level from which this block's lists open; -1 when it is no list item. -->
    <xsl:variable name="keep">
      <xsl:choose>
        <xsl:when test="$before = '' or $here = ''">0</xsl:when>
        <xsl:when test="$hereLevel &gt; $beforeLevel"><xsl:value-of select="$beforeLevel + 1"/></xsl:when>
        <xsl:when test="$beforeAbstract = $hereAbstract"><xsl:value-of select="$hereLevel"/></xsl:when>
        <xsl:otherwise><xsl:value-of select="$hereLevel"/></xsl:otherwise>
      </xsl:choose>
    </xsl:variable>
    <xsl:variable name="sharedAbstract">
      <xsl:choose>
        <xsl:when test="$before = '' or $here = '' or $hereLevel &gt; $beforeLevel"/>
        <xsl:when test="$hereLevel = $beforeLevel or $beforeAbstract = $hereAbstract"><xsl:value-of select="$beforeAbstract"/></xsl:when>
        <xsl:otherwise>
          <xsl:call-template name="open-list-abstract">
            <xsl:with-param name="node" select="$beforeNode"/>
            <xsl:with-param name="level" select="$hereLevel"/>
            <xsl:with-param name="fallback" select="$beforeAbstract"/>
          </xsl:call-template>
        </xsl:otherwise>
      </xsl:choose>
    </xsl:variable>
    <xsl:variable name="continues" select="$sharedAbstract != '' and $sharedAbstract = $hereAbstract"/>
    <xsl:if test="$before != ''">
      <xsl:call-template name="close-lists">
        <xsl:with-param name="abstract" select="$beforeAbstract"/>
        <xsl:with-param name="node" select="$beforeNode"/>
        <xsl:with-param name="innermost" select="$beforeLevel"/>
        <xsl:with-param name="from" select="$beforeLevel"/>
        <xsl:with-param name="to">
          <xsl:choose>
            <xsl:when test="$continues"><xsl:value-of select="$hereLevel + 1"/></xsl:when>
            <xsl:otherwise><xsl:value-of select="$keep"/></xsl:otherwise>
          </xsl:choose>
        </xsl:with-param>
      </xsl:call-template>
    </xsl:if>
    <xsl:if test="$here != ''">
      <xsl:choose>
        <xsl:when test="$continues">
          <xsl:value-of select="'&lt;/li&gt;&lt;li&gt;'" disable-output-escaping="yes"/>
        </xsl:when>
        <xsl:otherwise>
          <xsl:call-template name="open-lists">
            <xsl:with-param name="abstract" select="$hereAbstract"/>
            <xsl:with-param name="numId" select="substring-before(substring-after(substring-after($here, ':'), ':'), ':')"/>
            <xsl:with-param name="from" select="$keep"/>
            <xsl:with-param name="to" select="$hereLevel"/>
          </xsl:call-template>
        </xsl:otherwise>
      </xsl:choose>
    </xsl:if>
  </xsl:template>

  <!-- Closes the lists of levels $from down to $to, each with its item. The innermost list
       has the numbering of the item before; a list further out was opened by the last item at
       its level, whose numbering gives its element. Levels are at most 8. -->
  <xsl:template name="close-lists">
    <xsl:param name="abstract"/>
    <xsl:param name="node"/>
    <xsl:param name="innermost"/>
    <xsl:param name="from"/>
    <xsl:param name="to"/>
    <xsl:if test="$from &gt;= $to">
      <xsl:variable name="levelAbstract">
        <xsl:choose>
          <xsl:when test="$from = $innermost"><xsl:value-of select="$abstract"/></xsl:when>
          <xsl:otherwise>
            <xsl:call-template name="open-list-abstract">
              <xsl:with-param name="node" select="$node"/>
              <xsl:with-param name="level" select="$from"/>
              <xsl:with-param name="fallback" select="$abstract"/>
            </xsl:call-template>
          </xsl:otherwise>
        </xsl:choose>
      </xsl:variable>
      <xsl:variable name="kind"><xsl:call-template name="list-kind"><xsl:with-param name="abstract" select="$levelAbstract"/><xsl:with-param name="level" select="$from"/></xsl:call-template></xsl:variable>
      <xsl:value-of select="concat('&lt;/li&gt;&lt;/', substring-before($kind, ':'), '&gt;')" disable-output-escaping="yes"/>
      <xsl:call-template name="close-lists">
        <xsl:with-param name="abstract" select="$abstract"/>
        <xsl:with-param name="node" select="$node"/>
        <xsl:with-param name="innermost" select="$innermost"/>
        <xsl:with-param name="from" select="$from - 1"/>
        <xsl:with-param name="to" select="$to"/>
      </xsl:call-template>
    </xsl:if>
  </xsl:template>

  <!-- The numbering of the list open at $level around the list item $node, which sits deeper:
       the list holds the last item at $level before $node, or, where a shallower item or
       another block comes first, it was opened by the item after that. -->
  <xsl:template name="open-list-abstract">
    <xsl:param name="node"/>
    <xsl:param name="level"/>
    <xsl:param name="fallback"/>
    <xsl:variable name="stop" select="$node/preceding-sibling::*[not(self::w:p/w:pPr/w:numPr/w:numId) or sum(w:pPr/w:numPr/w:ilvl/@w:val) &lt;= $level][1]"/>
    <xsl:variable name="stopNumbering"><xsl:for-each select="$stop"><xsl:call-template name="numbering-of"/></xsl:for-each></xsl:variable>
    <xsl:variable name="stopLevel" select="number(substring-before(substring-after($stopNumbering, ':'), ':'))"/>
    <xsl:variable name="opener" select="($stop/following-sibling::*[1] | $node/../*[1][not($stop)])[1]"/>
    <xsl:variable name="openerNumbering"><xsl:for-each select="$opener"><xsl:call-template name="numbering-of"/></xsl:for-each></xsl:variable>
    <xsl:choose>
      <xsl:when test="$stopNumbering != '' and $stopLevel = $level"><xsl:value-of select="substring-before($stopNumbering, ':')"/></xsl:when>
      <xsl:when test="($stopNumbering = '' or $stopLevel &lt; $level) and $openerNumbering != ''"><xsl:value-of select="substring-before($openerNumbering, ':')"/></xsl:when>
      <xsl:otherwise><xsl:value-of select="$fallback"/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- Opens the lists of levels $from to $to, each with an item; the items of the levels
       between hold only the deeper list. -->
  <xsl:template name="open-lists">
    <xsl:param name="abstract"/>
    <xsl:param name="numId"/>
    <xsl:param name="from"/>
    <xsl:param name="to"/>
    <xsl:if test="$from &lt;= $to">
      <xsl:variable name="kind"><xsl:call-template name="list-kind"><xsl:with-param name="abstract" select="$abstract"/><xsl:with-param name="level" select="$from"/></xsl:call-template></xsl:variable>
      <xsl:variable name="element" select="substring-before($kind, ':')"/>
      <xsl:variable name="type" select="substring-before(substring-after($kind, ':'), ':')"/>
      <xsl:variable name="start">
        <xsl:if test="$element = 'ol'">
          <xsl:call-template name="list-start">
            <xsl:with-param name="abstract" select="$abstract"/>
            <xsl:with-param name="numId" select="$numId"/>
            <xsl:with-param name="level" select="$from"/>
            <xsl:with-param name="lvlStart" select="substring-after(substring-after($kind, ':'), ':')"/>
            <xsl:with-param name="counted" select="$from = $to"/>
          </xsl:call-template>
        </xsl:if>
      </xsl:variable>
      <xsl:value-of disable-output-escaping="yes" select="concat('&lt;', $element,
          substring(concat(' type=&quot;', $type, '&quot;'), 1, (string-length($type) + 8) * ($type != '')),
          substring(concat(' start=&quot;', $start, '&quot;'), 1, (string-length($start) + 9) * ($start != '' and $start != '1')),
          substring(' style=&quot;list-style-type: none&quot;', 1, 34 * ($type = 'none')),
          '&gt;&lt;li&gt;')"/>
      <xsl:call-template name="open-lists">
        <xsl:with-param name="abstract" select="$abstract"/>
        <xsl:with-param name="numId" select="$numId"/>
        <xsl:with-param name="from" select="$from + 1"/>
        <xsl:with-param name="to" select="$to"/>
      </xsl:call-template>
    </xsl:if>
  </xsl:template>

  <!-- 'ol:TYPE:START' or 'ul:TYPE:' for a level of an abstract numbering: HTML's list types
       for Word's number formats, 'none' for lists without marks. -->
  <xsl:template name="list-kind">
    <xsl:param name="abstract"/>
    <xsl:param name="level"/>
    <xsl:variable name="lvl" select="$numberingPart/w:abstractNum[@w:abstractNumId = $abstract]/w:lvl[@w:ilvl = $level]"/>
    <xsl:variable name="format" select="$lvl/w:numFmt/@w:val"/>
    <xsl:choose>
      <xsl:when test="$abstract = 'none' or not($format) or $format = 'bullet'">ul::</xsl:when>
      <xsl:when test="$format = 'none'">ul:none:</xsl:when>
      <xsl:otherwise>
        <xsl:text>ol:</xsl:text>
        <xsl:choose>
          <xsl:when test="$format = 'lowerLetter'">a</xsl:when>
          <xsl:when test="$format = 'upperLetter'">A</xsl:when>
          <xsl:when test="$format = 'lowerRoman'">i</xsl:when>
          <xsl:when test="$format = 'upperRoman'">I</xsl:when>
        </xsl:choose>
        <xsl:value-of select="concat(':', $lvl/w:start/@w:val)"/>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- The number an opened list starts at. A list opened by its own first item ($counted)
       goes on from the items of the same numbering and level before it (a list interrupted
       by other paragraphs goes on counting), unless its numId restarts the count with a
       startOverride; a deeper level restarts after each item above it. -->
  <xsl:template name="list-start">
    <xsl:param name="abstract"/>
    <xsl:param name="numId"/>
    <xsl:param name="level"/>
    <xsl:param name="lvlStart"/>
    <xsl:param name="counted"/>
    <xsl:variable name="base">
      <xsl:choose>
        <xsl:when test="string(number($lvlStart)) != 'NaN'"><xsl:value-of select="$lvlStart"/></xsl:when>
        <xsl:otherwise>1</xsl:otherwise>
      </xsl:choose>
    </xsl:variable>
    <xsl:variable name="override" select="$numberingPart/w:num[@w:numId = $numId]/w:lvlOverride[@w:ilvl = $level]/w:startOverride/@w:val"/>
    <xsl:choose>
      <xsl:when test="not($counted) or $level != 0 or not(preceding-sibling::w:p)">
        <xsl:value-of select="$base"/>
      </xsl:when>
      <xsl:when test="$override">
        <xsl:value-of select="$override + count(preceding::w:p[w:pPr/w:numPr/w:numId/@w:val = $numId][not(w:pPr/w:numPr/w:ilvl/@w:val &gt; 0)])"/>
      </xsl:when>
      <xsl:otherwise>
        <xsl:variable name="siblings" select="$numberingPart/w:num[w:abstractNumId/@w:val = $abstract][not(w:lvlOverride[@w:ilvl = 0]/w:startOverride)]/@w:numId"/>
        <xsl:value-of select="$base + count(preceding::w:p[w:pPr/w:numPr/w:numId/@w:val = $siblings][not(w:pPr/w:numPr/w:ilvl/@w:val &gt; 0)])"/>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- ===== Tables ===== -->

  <xsl:template match="w:tbl">
    <table cellspacing="0" cellpadding="4" border="1">
      <xsl:apply-templates select="w:tr | w:sdt/w:sdtContent/w:tr | w:customXml/w:tr"/>
    </table>
  </xsl:template>

  <xsl:template match="w:tr">
    <tr>
      <xsl:apply-templates select="w:tc | w:sdt/w:sdtContent/w:tc | w:customXml/w:tc"/>
    </tr>
  </xsl:template>

  <xsl:template match="w:tc">
    <xsl:variable name="merge" select="w:tcPr/w:vMerge"/>
    <!-- A cell that continues a vertical merge is covered by the rowspan of the cell above. -->
    <xsl:if test="not($merge) or $merge/@w:val = 'restart'">
      <xsl:variable name="element">
        <xsl:choose>
          <xsl:when test="ancestor::w:tr[1]/w:trPr/w:tblHeader[not(@w:val) or @w:val = 'true' or @w:val = '1' or @w:val = 'on']">th</xsl:when>
          <xsl:otherwise>td</xsl:otherwise>
        </xsl:choose>
      </xsl:variable>
      <xsl:element name="{$element}">
        <xsl:if test="w:tcPr/w:gridSpan/@w:val &gt; 1">
          <xsl:attribute name="colspan"><xsl:value-of select="w:tcPr/w:gridSpan/@w:val"/></xsl:attribute>
        </xsl:if>
        <xsl:if test="$merge">
          <xsl:variable name="column">
            <xsl:call-template name="grid-column"/>
          </xsl:variable>
          <xsl:variable name="span">
            <xsl:call-template name="merged-rows">
              <xsl:with-param name="row" select="ancestor::w:tr[1]/following-sibling::w:tr[1]"/>
              <xsl:with-param name="column" select="$column"/>
            </xsl:call-template>
          </xsl:variable>
          <xsl:attribute name="rowspan"><xsl:value-of select="$span + 1"/></xsl:attribute>
        </xsl:if>
        <xsl:variable name="fill" select="w:tcPr/w:shd/@w:fill"/>
        <xsl:if test="$fill and $fill != 'auto'">
          <xsl:attribute name="bgcolor"><xsl:value-of select="concat('#', $fill)"/></xsl:attribute>
        </xsl:if>
        <xsl:call-template name="blocks"><xsl:with-param name="container" select="."/></xsl:call-template>
      </xsl:element>
    </xsl:if>
  </xsl:template>

  <!-- The grid column (from 1) at which the current cell starts. -->
  <xsl:template name="grid-column">
    <xsl:value-of select="1 + count(preceding-sibling::w:tc[not(w:tcPr/w:gridSpan)])
                            + sum(preceding-sibling::w:tc/w:tcPr/w:gridSpan/@w:val)"/>
  </xsl:template>

  <!-- How many rows from $row on continue the merge at $column. -->
  <xsl:template name="merged-rows">
    <xsl:param name="row"/>
    <xsl:param name="column"/>
    <xsl:variable name="cell" select="$row/w:tc[1 + count(preceding-sibling::w:tc[not(w:tcPr/w:gridSpan)])
                                      + sum(preceding-sibling::w:tc/w:tcPr/w:gridSpan/@w:val) = $column]"/>
    <xsl:choose>
      <xsl:when test="$cell/w:tcPr/w:vMerge[not(@w:val) or @w:val = 'continue']">
        <xsl:variable name="rest">
          <xsl:call-template name="merged-rows">
            <xsl:with-param name="row" select="$row/following-sibling::w:tr[1]"/>
            <xsl:with-param name="column" select="$column"/>
          </xsl:call-template>
        </xsl:variable>
        <xsl:value-of select="1 + $rest"/>
      </xsl:when>
      <xsl:otherwise>0</xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- ===== Runs ===== -->

  <xsl:template name="on">
    <xsl:param name="property"/>
    <xsl:value-of select="boolean($property[not(@w:val) or @w:val = '1' or @w:val = 'true' or @w:val = 'on'])"/>
  </xsl:template>

  <xsl:template match="w:r">
    <xsl:variable name="p" select="w:rPr"/>
    <xsl:variable name="hidden"><xsl:call-template name="on"><xsl:with-param name="property" select="$p/w:vanish"/></xsl:call-template></xsl:variable>
    <xsl:if test="$hidden = 'false'">
      <xsl:call-template name="field-tags"/>
      <xsl:variable name="bold"><xsl:call-template name="on"><xsl:with-param name="property" select="$p/w:b"/></xsl:call-template></xsl:variable>
      <xsl:variable name="italic"><xsl:call-template name="on"><xsl:with-param name="property" select="$p/w:i"/></xsl:call-template></xsl:variable>
      <xsl:variable name="strike"><xsl:call-template name="on"><xsl:with-param name="property" select="$p/w:strike | $p/w:dstrike"/></xsl:call-template></xsl:variable>
      <xsl:variable name="smallCaps"><xsl:call-template name="on"><xsl:with-param name="property" select="$p/w:smallCaps"/></xsl:call-template></xsl:variable>
      <xsl:variable name="caps"><xsl:call-template name="on"><xsl:with-param name="property" select="$p/w:caps"/></xsl:call-template></xsl:variable>
      <xsl:variable name="underline" select="$p/w:u[@w:val != 'none' or not(@w:val)]"/>
      <xsl:variable name="css">
        <xsl:if test="$smallCaps = 'true'">font-variant: small-caps; </xsl:if>
        <xsl:if test="$caps = 'true'">text-transform: uppercase; </xsl:if>
        <xsl:if test="$p/w:color/@w:val and $p/w:color/@w:val != 'auto'">color: #<xsl:value-of select="$p/w:color/@w:val"/>; </xsl:if>
        <xsl:if test="$p/w:highlight/@w:val and $p/w:highlight/@w:val != 'none'">background-color: <xsl:call-template name="highlight-colour"><xsl:with-param name="name" select="$p/w:highlight/@w:val"/></xsl:call-template>; </xsl:if>
        <xsl:if test="$p/w:sz/@w:val">font-size: <xsl:value-of select="$p/w:sz/@w:val div 2"/>pt; </xsl:if>
      </xsl:variable>
      <xsl:variable name="class" select="$p/w:rStyle/@w:val[. != 'Hyperlink' and . != 'FootnoteReference' and . != 'EndnoteReference']"/>
      <xsl:choose>
        <xsl:when test="$css != '' or $class">
          <span>
            <xsl:if test="$class"><xsl:attribute name="class"><xsl:value-of select="$class"/></xsl:attribute></xsl:if>
            <xsl:if test="$css != ''"><xsl:attribute name="style"><xsl:value-of select="normalize-space($css)"/></xsl:attribute></xsl:if>
            <xsl:call-template name="run-bold"><xsl:with-param name="bold" select="$bold"/><xsl:with-param name="italic" select="$italic"/><xsl:with-param name="underline" select="boolean($underline)"/><xsl:with-param name="strike" select="$strike"/></xsl:call-template>
          </span>
        </xsl:when>
        <xsl:otherwise>
          <xsl:call-template name="run-bold"><xsl:with-param name="bold" select="$bold"/><xsl:with-param name="italic" select="$italic"/><xsl:with-param name="underline" select="boolean($underline)"/><xsl:with-param name="strike" select="$strike"/></xsl:call-template>
        </xsl:otherwise>
      </xsl:choose>
    </xsl:if>
  </xsl:template>

  <!-- Each formatting wraps the next: b, i, u, s, then sup or sub around the content. -->
  <xsl:template name="run-bold">
    <xsl:param name="bold"/><xsl:param name="italic"/><xsl:param name="underline"/><xsl:param name="strike"/>
    <xsl:choose>
      <xsl:when test="$bold = 'true'"><b><xsl:call-template name="run-italic"><xsl:with-param name="italic" select="$italic"/><xsl:with-param name="underline" select="$underline"/><xsl:with-param name="strike" select="$strike"/></xsl:call-template></b></xsl:when>
      <xsl:otherwise><xsl:call-template name="run-italic"><xsl:with-param name="italic" select="$italic"/><xsl:with-param name="underline" select="$underline"/><xsl:with-param name="strike" select="$strike"/></xsl:call-template></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template name="run-italic">
    <xsl:param name="italic"/><xsl:param name="underline"/><xsl:param name="strike"/>
    <xsl:choose>
      <xsl:when test="$italic = 'true'"><i><xsl:call-template name="run-underline"><xsl:with-param name="underline" select="$underline"/><xsl:with-param name="strike" select="$strike"/></xsl:call-template></i></xsl:when>
      <xsl:otherwise><xsl:call-template name="run-underline"><xsl:with-param name="underline" select="$underline"/><xsl:with-param name="strike" select="$strike"/></xsl:call-template></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template name="run-underline">
    <xsl:param name="underline"/><xsl:param name="strike"/>
    <xsl:choose>
      <xsl:when test="$underline"><u><xsl:call-template name="run-strike"><xsl:with-param name="strike" select="$strike"/></xsl:call-template></u></xsl:when>
      <xsl:otherwise><xsl:call-template name="run-strike"><xsl:with-param name="strike" select="$strike"/></xsl:call-template></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template name="run-strike">
    <xsl:param name="strike"/>
    <xsl:choose>
      <xsl:when test="$strike = 'true'"><s><xsl:call-template name="run-position"/></s></xsl:when>
      <xsl:otherwise><xsl:call-template name="run-position"/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template name="run-position">
    <xsl:variable name="position" select="w:rPr/w:vertAlign/@w:val"/>
    <xsl:choose>
      <xsl:when test="$position = 'superscript'"><sup><xsl:apply-templates/></sup></xsl:when>
      <xsl:when test="$position = 'subscript'"><sub><xsl:apply-templates/></sub></xsl:when>
      <xsl:otherwise><xsl:apply-templates/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template name="highlight-colour">
    <xsl:param name="name"/>
    <xsl:choose>
      <xsl:when test="$name = 'darkBlue'">#000080</xsl:when>
      <xsl:when test="$name = 'darkCyan'">#008080</xsl:when>
      <xsl:when test="$name = 'darkGreen'">#008000</xsl:when>
      <xsl:when test="$name = 'darkMagenta'">#800080</xsl:when>
      <xsl:when test="$name = 'darkRed'">#800000</xsl:when>
      <xsl:when test="$name = 'darkYellow'">#808000</xsl:when>
      <xsl:when test="$name = 'darkGray'">#808080</xsl:when>
      <xsl:when test="$name = 'lightGray'">#C0C0C0</xsl:when>
      <xsl:when test="$name = 'green'">#00FF00</xsl:when>
      <xsl:when test="$name = 'cyan'">#00FFFF</xsl:when>
      <xsl:when test="$name = 'magenta'">#FF00FF</xsl:when>
      <!-- yellow, blue, red, black and white are CSS names as they stand. -->
      <xsl:otherwise><xsl:value-of select="$name"/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- ===== Run content ===== -->

  <!-- Symbol and Wingdings keep their characters at F020 to F0FF; Unicode has most of them.
       Each pair of strings maps the private-use characters to the Unicode ones, in order. -->
  <xsl:variable name="symbolFrom" select="'&#xF022;&#xF024;&#xF027;&#xF02A;&#xF02D;&#xF040;&#xF041;&#xF042;&#xF043;&#xF044;&#xF045;&#xF046;&#xF047;&#xF048;&#xF049;&#xF04A;&#xF04B;&#xF04C;&#xF04D;&#xF04E;&#xF04F;&#xF050;&#xF051;&#xF052;&#xF053;&#xF054;&#xF055;&#xF056;&#xF057;&#xF058;&#xF059;&#xF05A;&#xF05C;&#xF05E;&#xF061;&#xF062;&#xF063;&#xF064;&#xF065;&#xF066;&#xF067;&#xF068;&#xF069;&#xF06A;&#xF06B;&#xF06C;&#xF06D;&#xF06E;&#xF06F;&#xF070;&#xF071;&#xF072;&#xF073;&#xF074;&#xF075;&#xF076;&#xF077;&#xF078;&#xF079;&#xF07A;&#xF07E;&#xF0A1;&#xF0A2;&#xF0A3;&#xF0A4;&#xF0A5;&#xF0A6;&#xF0A7;&#xF0A8;&#xF0A9;&#xF0AA;&#xF0AB;&#xF0AC;&#xF0AD;&#xF0AE;&#xF0AF;&#xF0B0;&#xF0B1;&#xF0B2;&#xF0B3;&#xF0B4;&#xF0B5;&#xF0B6;&#xF0B7;&#xF0B8;&#xF0B9;&#xF0BA;&#xF0BB;&#xF0BC;&#xF0BF;&#xF0C0;&#xF0C1;&#xF0C2;&#xF0C3;&#xF0C4;&#xF0C5;&#xF0C6;&#xF0C7;&#xF0C8;&#xF0C9;&#xF0CA;&#xF0CB;&#xF0CC;&#xF0CD;&#xF0CE;&#xF0CF;&#xF0D0;&#xF0D1;&#xF0D2;&#xF0D3;&#xF0D4;&#xF0D5;&#xF0D6;&#xF0D7;&#xF0D8;&#xF0D9;&#xF0DA;&#xF0DB;&#xF0DC;&#xF0DD;&#xF0DE;&#xF0DF;&#xF0E0;&#xF0E1;&#xF0E2;&#xF0E3;&#xF0E4;&#xF0E5;&#xF0F1;&#xF0F2;'"/>
  <xsl:variable name="symbolTo" select="'&#x2200;&#x2203;&#x220B;&#x2217;&#x2212;&#x2245;&#x391;&#x392;&#x3A7;&#x394;&#x395;&#x3A6;&#x393;&#x397;&#x399;&#x3D1;&#x39A;&#x39B;&#x39C;&#x39D;&#x39F;&#x3A0;&#x398;&#x3A1;&#x3A3;&#x3A4;&#x3A5;&#x3C2;&#x3A9;&#x39E;&#x3A8;&#x396;&#x2234;&#x22A5;&#x3B1;&#x3B2;&#x3C7;&#x3B4;&#x3B5;&#x3C6;&#x3B3;&#x3B7;&#x3B9;&#x3D5;&#x3BA;&#x3BB;&#x3BC;&#x3BD;&#x3BF;&#x3C0;&#x3B8;&#x3C1;&#x3C3;&#x3C4;&#x3C5;&#x3D6;&#x3C9;&#x3BE;&#x3C8;&#x3B6;&#x223C;&#x3D2;&#x2032;&#x2264;&#x2044;&#x221E;&#x192;&#x2663;&#x2666;&#x2665;&#x2660;&#x2194;&#x2190;&#x2191;&#x2192;&#x2193;&#xB0;&#xB1;&#x2033;&#x2265;&#xD7;&#x221D;&#x2202;&#x2022;&#xF7;&#x2260;&#x2261;&#x2248;&#x2026;&#x21B5;&#x2135;&#x2111;&#x211C;&#x2118;&#x2297;&#x2295;&#x2205;&#x2229;&#x222A;&#x2283;&#x2287;&#x2284;&#x2282;&#x2286;&#x2208;&#x2209;&#x2220;&#x2207;&#xAE;&#xA9;&#x2122;&#x220F;&#x221A;&#x22C5;&#xAC;&#x2227;&#x2228;&#x21D4;&#x21D0;&#x21D1;&#x21D2;&#x21D3;&#x25CA;&#x2329;&#xAE;&#xA9;&#x2122;&#x2211;&#x232A;&#x222B;'"/>
  <xsl:variable name="wingdingsFrom" select="'&#xF04A;&#xF06C;&#xF06E;&#xF06F;&#xF071;&#xF075;&#xF076;&#xF09F;&#xF0A7;&#xF0A8;&#xF0D8;&#xF0E0;&#xF0E8;&#xF0F0;&#xF0FB;&#xF0FC;&#xF0FD;&#xF0FE;'"/>
  <xsl:variable name="wingdingsTo" select="'&#x263A;&#x25CF;&#x25A0;&#x25A1;&#x2751;&#x25C6;&#x2756;&#x2022;&#x25AA;&#x25FB;&#x27A2;&#x2192;&#x2794;&#x21E8;&#x2717;&#x2713;&#x2612;&#x2611;'"/>
  <xsl:variable name="privateUse" select="concat($symbolFrom, $wingdingsFrom)"/>

  <!-- A character of a symbol font, in Unicode where it has one: by the run's font, Symbol
       unless the font names Wingdings. -->
  <xsl:template name="symbol-text">
    <xsl:param name="text"/>
    <xsl:param name="font"/>
    <xsl:choose>
      <xsl:when test="contains($font, 'Wingdings')"><xsl:value-of select="translate($text, $wingdingsFrom, $wingdingsTo)"/></xsl:when>
      <xsl:when test="$font = '' or contains($font, 'Symbol')"><xsl:value-of select="translate($text, $symbolFrom, $symbolTo)"/></xsl:when>
      <xsl:otherwise><xsl:value-of select="$text"/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- C1 control characters, which XML allows and HTML does not. -->
  <xsl:variable name="controls" select="'&#x80;&#x81;&#x82;&#x83;&#x84;&#x85;&#x86;&#x87;&#x88;&#x89;&#x8A;&#x8B;&#x8C;&#x8D;&#x8E;&#x8F;&#x90;&#x91;&#x92;&#x93;&#x94;&#x95;&#x96;&#x97;&#x98;&#x99;&#x9A;&#x9B;&#x9C;&#x9D;&#x9E;&#x9F;'"/>

  <xsl:template match="w:t">
    <xsl:variable name="font" select="string(../w:rPr/w:rFonts/@w:ascii)"/>
    <xsl:variable name="text" select="translate(., $controls, '')"/>
    <xsl:choose>
      <xsl:when test="($font = 'Symbol' or starts-with($font, 'Wingdings')) and translate($text, $privateUse, '') != $text">
        <xsl:call-template name="symbol-text"><xsl:with-param name="text" select="$text"/><xsl:with-param name="font" select="$font"/></xsl:call-template>
      </xsl:when>
      <xsl:when test="contains($text, '  ')">
        <xsl:call-template name="spaces"><xsl:with-param name="text" select="$text"/></xsl:call-template>
      </xsl:when>
      <xsl:otherwise><xsl:value-of select="$text"/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- HTML folds runs of spaces into one: every space that follows a space becomes a no-break
       space. Long texts are halved, so that the depth of the work grows with the logarithm of
       the length; $afterSpace says that the text before this piece ended with a space. -->
  <xsl:template name="spaces">
    <xsl:param name="text"/>
    <xsl:param name="afterSpace" select="false()"/>
    <xsl:variable name="length" select="string-length($text)"/>
    <xsl:choose>
      <xsl:when test="$length &gt; 64">
        <xsl:variable name="half" select="floor($length div 2)"/>
        <xsl:call-template name="spaces">
          <xsl:with-param name="text" select="substring($text, 1, $half)"/>
          <xsl:with-param name="afterSpace" select="$afterSpace"/>
        </xsl:call-template>
        <xsl:call-template name="spaces">
          <xsl:with-param name="text" select="substring($text, $half + 1)"/>
          <xsl:with-param name="afterSpace" select="substring($text, $half, 1) = ' '"/>
        </xsl:call-template>
      </xsl:when>
      <xsl:when test="$length &gt; 0">
        <xsl:variable name="first" select="substring($text, 1, 1)"/>
        <xsl:choose>
          <xsl:when test="$first = ' ' and $afterSpace"><xsl:text>&#160;</xsl:text></xsl:when>
          <xsl:otherwise><xsl:value-of select="$first"/></xsl:otherwise>
        </xsl:choose>
        <xsl:call-template name="spaces">
          <xsl:with-param name="text" select="substring($text, 2)"/>
          <xsl:with-param name="afterSpace" select="$first = ' '"/>
        </xsl:call-template>
      </xsl:when>
    </xsl:choose>
  </xsl:template>

  <xsl:template match="w:tab">
    <xsl:text>&#160;&#160;&#160;&#160;</xsl:text>
  </xsl:template>

  <xsl:template match="w:br | w:cr">
    <xsl:choose>
      <xsl:when test="@w:type = 'page'"><br style="page-break-before: always"/></xsl:when>
      <xsl:when test="@w:type = 'column'"><br class="column-break"/></xsl:when>
      <xsl:otherwise><br/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template match="w:noBreakHyphen">&#8209;</xsl:template>
  <xsl:template match="w:softHyphen">&#173;</xsl:template>

  <!-- A symbol names its font and a code, F0xx for the font's own character xx. -->
  <xsl:template match="w:sym">
    <xsl:variable name="code" select="translate(@w:char, $lower, $upper)"/>
    <xsl:variable name="hex" select="concat(substring('F0', 1, 2 * (string-length($code) = 2)), $code)"/>
    <xsl:variable name="character">
      <xsl:call-template name="character"><xsl:with-param name="hex" select="$hex"/></xsl:call-template>
    </xsl:variable>
    <span style="font-family: {@w:font}">
      <xsl:call-template name="symbol-text"><xsl:with-param name="text" select="$character"/><xsl:with-param name="font" select="string(@w:font)"/></xsl:call-template>
    </span>
  </xsl:template>

  <!-- The character at a code point written as four hex digits. -->
  <xsl:template name="character">
    <xsl:param name="hex"/>
    <xsl:variable name="digits" select="'0123456789ABCDEF'"/>
    <xsl:variable name="value" select="(string-length(substring-before($digits, substring($hex, 1, 1))) * 4096)
        + (string-length(substring-before($digits, substring($hex, 2, 1))) * 256)
        + (string-length(substring-before($digits, substring($hex, 3, 1))) * 16)
        + string-length(substring-before($digits, substring($hex, 4, 1)))"/>
    <xsl:choose>
      <xsl:when test="$value &gt;= 61472 and $value &lt;= 61695">
        <xsl:value-of select="substring($privateTable, $value - 61471, 1)"/>
      </xsl:when>
      <xsl:when test="$value &gt;= 32 and $value &lt; 127">
        <xsl:value-of select="substring($asciiTable, $value - 31, 1)"/>
      </xsl:when>
    </xsl:choose>
  </xsl:template>

  <xsl:variable name="asciiTable"><xsl:text> !"#$%&amp;'()*+,-./0123456789:;&lt;=&gt;?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\]^_`abcdefghijklmnopqrstuvwxyz{|}~</xsl:text></xsl:variable>
  <!-- F020 to F0FF in order. -->
  <xsl:variable name="privateTable" select="'&#xF020;&#xF021;&#xF022;&#xF023;&#xF024;&#xF025;&#xF026;&#xF027;&#xF028;&#xF029;&#xF02A;&#xF02B;&#xF02C;&#xF02D;&#xF02E;&#xF02F;&#xF030;&#xF031;&#xF032;&#xF033;&#xF034;&#xF035;&#xF036;&#xF037;&#xF038;&#xF039;&#xF03A;&#xF03B;&#xF03C;&#xF03D;&#xF03E;&#xF03F;&#xF040;&#xF041;&#xF042;&#xF043;&#xF044;&#xF045;&#xF046;&#xF047;&#xF048;&#xF049;&#xF04A;&#xF04B;&#xF04C;&#xF04D;&#xF04E;&#xF04F;&#xF050;&#xF051;&#xF052;&#xF053;&#xF054;&#xF055;&#xF056;&#xF057;&#xF058;&#xF059;&#xF05A;&#xF05B;&#xF05C;&#xF05D;&#xF05E;&#xF05F;&#xF060;&#xF061;&#xF062;&#xF063;&#xF064;&#xF065;&#xF066;&#xF067;&#xF068;&#xF069;&#xF06A;&#xF06B;&#xF06C;&#xF06D;&#xF06E;&#xF06F;&#xF070;&#xF071;&#xF072;&#xF073;&#xF074;&#xF075;&#xF076;&#xF077;&#xF078;&#xF079;&#xF07A;&#xF07B;&#xF07C;&#xF07D;&#xF07E;&#xF07F;&#xF080;&#xF081;&#xF082;&#xF083;&#xF084;&#xF085;&#xF086;&#xF087;&#xF088;&#xF089;&#xF08A;&#xF08B;&#xF08C;&#xF08D;&#xF08E;&#xF08F;&#xF090;&#xF091;&#xF092;&#xF093;&#xF094;&#xF095;&#xF096;&#xF097;&#xF098;&#xF099;&#xF09A;&#xF09B;&#xF09C;&#xF09D;&#xF09E;&#xF09F;&#xF0A0;&#xF0A1;&#xF0A2;&#xF0A3;&#xF0A4;&#xF0A5;&#xF0A6;&#xF0A7;&#xF0A8;&#xF0A9;&#xF0AA;&#xF0AB;&#xF0AC;&#xF0AD;&#xF0AE;&#xF0AF;&#xF0B0;&#xF0B1;&#xF0B2;&#xF0B3;&#xF0B4;&#xF0B5;&#xF0B6;&#xF0B7;&#xF0B8;&#xF0B9;&#xF0BA;&#xF0BB;&#xF0BC;&#xF0BD;&#xF0BE;&#xF0BF;&#xF0C0;&#xF0C1;&#xF0C2;&#xF0C3;&#xF0C4;&#xF0C5;&#xF0C6;&#xF0C7;&#xF0C8;&#xF0C9;&#xF0CA;&#xF0CB;&#xF0CC;&#xF0CD;&#xF0CE;&#xF0CF;&#xF0D0;&#xF0D1;&#xF0D2;&#xF0D3;&#xF0D4;&#xF0D5;&#xF0D6;&#xF0D7;&#xF0D8;&#xF0D9;&#xF0DA;&#xF0DB;&#xF0DC;&#xF0DD;&#xF0DE;&#xF0DF;&#xF0E0;&#xF0E1;&#xF0E2;&#xF0E3;&#xF0E4;&#xF0E5;&#xF0E6;&#xF0E7;&#xF0E8;&#xF0E9;&#xF0EA;&#xF0EB;&#xF0EC;&#xF0ED;&#xF0EE;&#xF0EF;&#xF0F0;&#xF0F1;&#xF0F2;&#xF0F3;&#xF0F4;&#xF0F5;&#xF0F6;&#xF0F7;&#xF0F8;&#xF0F9;&#xF0FA;&#xF0FB;&#xF0FC;&#xF0FD;&#xF0FE;&#xF0FF;'"/>

  <!-- ===== Notes ===== -->

  <xsl:template match="w:footnoteReference | w:endnoteReference">
    <xsl:variable name="kind" select="substring-before(local-name(), 'Reference')"/>
    <xsl:variable name="first">
      <xsl:choose>
        <xsl:when test="$kind = 'footnote'"><xsl:value-of select="$firstFootnoteId"/></xsl:when>
        <xsl:otherwise><xsl:value-of select="$firstEndnoteId"/></xsl:otherwise>
      </xsl:choose>
    </xsl:variable>
    <sup><a href="#{$kind}-{@w:id}" name="{$kind}-ref-{@w:id}">
      <xsl:call-template name="note-number"><xsl:with-param name="id" select="@w:id"/><xsl:with-param name="first" select="$first"/></xsl:call-template>
    </a></sup>
  </xsl:template>

  <xsl:template name="note-number">
    <xsl:param name="id"/>
    <xsl:param name="first"/>
    <xsl:choose>
      <xsl:when test="string(number($first)) != 'NaN'"><xsl:value-of select="$id - $first + 1"/></xsl:when>
      <xsl:otherwise><xsl:value-of select="$id"/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template name="note-texts">
    <xsl:param name="notes"/>
    <xsl:param name="kind"/>
    <xsl:param name="first"/>
    <xsl:if test="$notes">
      <div class="{$kind}s">
        <hr/>
        <xsl:for-each select="$notes">
          <div>
            <a name="{$kind}-{@w:id}" href="#{$kind}-ref-{@w:id}">
              <xsl:call-template name="note-number"><xsl:with-param name="id" select="@w:id"/><xsl:with-param name="first" select="$first"/></xsl:call-template>
            </a>
            <xsl:text> </xsl:text>
            <xsl:call-template name="blocks"><xsl:with-param name="container" select="."/></xsl:call-template>
          </div>
        </xsl:for-each>
      </div>
    </xsl:if>
  </xsl:template>

  <!-- ===== Fields ===== -->

  <!-- A simple field shows its result; a hyperlink or a cross-reference makes it a link. -->
  <xsl:template match="w:fldSimple">
    <xsl:variable name="href"><xsl:call-template name="field-target"><xsl:with-param name="instruction" select="@w:instr"/></xsl:call-template></xsl:variable>
    <xsl:choose>
      <xsl:when test="$href != ''"><a href="{$href}"><xsl:apply-templates select="*"/></a></xsl:when>
      <xsl:otherwise><xsl:apply-templates select="*"/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- The link a field instruction makes: HYPERLINK "url" (or \l "bookmark"), REF bookmark. -->
  <xsl:template name="field-target">
    <xsl:param name="instruction"/>
    <xsl:variable name="words" select="normalize-space($instruction)"/>
    <xsl:variable name="name" select="translate(substring-before(concat($words, ' '), ' '), $lower, $upper)"/>
    <xsl:variable name="rest" select="substring-after($words, ' ')"/>
    <!-- A HYPERLINK's address is its first argument; \l adds a bookmark within it. -->
    <xsl:variable name="anchor" select="substring-before(substring-after(substring-after($rest, '\l'), '&quot;'), '&quot;')"/>
    <xsl:choose>
      <xsl:when test="$name = 'HYPERLINK' and starts-with($rest, '&quot;')">
        <xsl:value-of select="substring-before(substring($rest, 2), '&quot;')"/>
        <xsl:if test="$anchor != ''"><xsl:value-of select="concat('#', $anchor)"/></xsl:if>
      </xsl:when>
      <xsl:when test="$name = 'HYPERLINK' and $anchor != ''">
        <xsl:value-of select="concat('#', $anchor)"/>
      </xsl:when>
      <xsl:when test="$name = 'HYPERLINK' and $rest != '' and not(starts-with($rest, '\'))">
        <xsl:value-of select="substring-before(concat($rest, ' '), ' ')"/>
      </xsl:when>
      <xsl:when test="$name = 'REF' and $rest != ''">
        <xsl:value-of select="concat('#', substring-before(concat($rest, ' '), ' '))"/>
      </xsl:when>
    </xsl:choose>
  </xsl:template>

  <!-- A complex field runs from a 'begin' mark through its instruction to 'separate', its
       result, and 'end'. Where a hyperlink or a cross-reference has all three marks in one
       paragraph, the result becomes a link: its tags are written at 'separate' and 'end'. -->
  <xsl:template name="field-tags">
    <xsl:variable name="mark" select="w:fldChar/@w:fldCharType"/>
    <xsl:if test="$mark = 'separate' or $mark = 'end'">
      <xsl:variable name="begin" select="preceding-sibling::w:r[w:fldChar/@w:fldCharType = 'begin'][1]"/>
      <xsl:variable name="separate" select="$begin/following-sibling::w:r[w:fldChar/@w:fldCharType = 'separate'][1]"/>
      <xsl:variable name="end" select="$begin/following-sibling::w:r[w:fldChar/@w:fldCharType = 'end'][1]"/>
      <xsl:if test="$begin and $separate and $end and count($separate/preceding-sibling::w:r) &lt; count($end/preceding-sibling::w:r)
                    and generate-id($separate/preceding-sibling::w:r[w:fldChar/@w:fldCharType = 'begin'][1]) = generate-id($begin)">
        <xsl:variable name="instruction">
          <xsl:for-each select="$begin/following-sibling::w:r[w:instrText][count(preceding-sibling::w:r) &lt; count($separate/preceding-sibling::w:r)]">
            <xsl:value-of select="w:instrText"/>
          </xsl:for-each>
        </xsl:variable>
        <xsl:variable name="href"><xsl:call-template name="field-target"><xsl:with-param name="instruction" select="$instruction"/></xsl:call-template></xsl:variable>
        <xsl:if test="$href != '' and not(ancestor::w:hyperlink)">
          <xsl:choose>
            <xsl:when test="$mark = 'separate' and generate-id(.) = generate-id($separate)">
              <xsl:value-of disable-output-escaping="yes" select="concat('&lt;a href=&quot;', $href, '&quot;&gt;')"/>
            </xsl:when>
            <xsl:when test="$mark = 'end' and generate-id(.) = generate-id($end)">
              <xsl:value-of disable-output-escaping="yes" select="'&lt;/a&gt;'"/>
            </xsl:when>
          </xsl:choose>
        </xsl:if>
      </xsl:if>
    </xsl:if>
  </xsl:template>

  <!-- Inline wrappers show their content. -->
  <xsl:template match="w:smartTag | w:bdo | w:dir">
    <xsl:apply-templates select="*"/>
  </xsl:template>

  <!-- Content written twice for older readers: the first choice is enough. -->
  <xsl:template match="mc:AlternateContent">
    <xsl:apply-templates select="mc:Choice[1]/*"/>
  </xsl:template>

  <!-- ===== Links and images ===== -->

  <xsl:template match="w:hyperlink">
    <xsl:variable name="id" select="@r:id"/>
    <xsl:variable name="target">
      <xsl:if test="$id"><xsl:value-of select="$relationships[@Id = $id]/@Target"/></xsl:if>
      <xsl:if test="@w:anchor">#<xsl:value-of select="@w:anchor"/></xsl:if>
    </xsl:variable>
    <xsl:choose>
      <xsl:when test="$target != ''"><a href="{$target}"><xsl:apply-templates select="*"/></a></xsl:when>
      <xsl:otherwise><xsl:apply-templates select="*"/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- A picture, embedded or linked; a chart or a diagram is named in a short text, and a
       shape without a picture (a text box among them) leaves nothing in the line. -->
  <xsl:template match="w:drawing">
    <xsl:variable name="blip" select=".//a:blip[@r:embed or @r:link][1]"/>
    <xsl:variable name="id" select="($blip/@r:embed | $blip/@r:link)[1]"/>
    <xsl:variable name="uri" select=".//a:graphicData/@uri"/>
    <xsl:variable name="name" select="(.//wp:docPr/@descr | .//wp:docPr/@title)[1]"/>
    <xsl:choose>
      <xsl:when test="$id and $relationships[@Id = $id]/@Target">
        <img src="{$relationships[@Id = $id]/@Target}" alt="{$name}"/>
      </xsl:when>
      <xsl:when test="contains($uri, '/chart')">
        <span class="chart">[Chart<xsl:if test="$name != ''">: <xsl:value-of select="$name"/></xsl:if>]</span>
      </xsl:when>
      <xsl:when test="contains($uri, '/diagram')">
        <span class="diagram">[Diagram<xsl:if test="$name != ''">: <xsl:value-of select="$name"/></xsl:if>]</span>
      </xsl:when>
    </xsl:choose>
  </xsl:template>

  <xsl:template match="w:pict | w:object">
    <xsl:variable name="data" select=".//v:imagedata[@r:id or @r:href][1]"/>
    <xsl:variable name="id" select="($data/@r:id | $data/@r:href)[1]"/>
    <xsl:if test="$id and $relationships[@Id = $id]/@Target">
      <img src="{$relationships[@Id = $id]/@Target}" alt="{$data/@o:title}"/>
    </xsl:if>
  </xsl:template>

  <!-- ===== Equations ===== -->

  <!-- Equations as readable text: scripts as sub and sup, fractions as (a)/(b), roots as
       √(x), delimiters as written, n-ary operators with their limits. -->
  <xsl:template match="m:oMathPara">
    <xsl:for-each select="m:oMath">
      <xsl:if test="position() &gt; 1"><br/></xsl:if>
      <xsl:apply-templates select="."/>
    </xsl:for-each>
  </xsl:template>
  <xsl:template match="m:oMath">
    <span class="equation"><xsl:apply-templates select="*"/></span>
  </xsl:template>
  <xsl:template match="m:r"><xsl:apply-templates select="m:t | w:t"/></xsl:template>
  <xsl:template match="m:t"><xsl:value-of select="."/></xsl:template>
  <xsl:template match="m:e | m:num | m:den | m:deg | m:sub | m:sup | m:fName | m:lim | m:box | m:borderBox | m:phant | m:groupChr | m:acc | m:bar | m:eqArr | m:limLow | m:limUpp | m:func | m:sPre | m:m | m:mr">
    <xsl:apply-templates select="*"/>
  </xsl:template>
  <xsl:template match="m:ctrlPr | m:rPr | m:fPr | m:radPr | m:dPr | m:naryPr | m:sSubPr | m:sSupPr | m:sSubSupPr | m:funcPr | m:accPr | m:barPr | m:boxPr | m:eqArrPr | m:limLowPr | m:limUppPr | m:groupChrPr | m:mPr | m:oMathParaPr | m:sPrePr | m:borderBoxPr | m:phantPr"/>
  <xsl:template match="m:sSub"><xsl:apply-templates select="m:e"/><sub><xsl:apply-templates select="m:sub"/></sub></xsl:template>
  <xsl:template match="m:sSup"><xsl:apply-templates select="m:e"/><sup><xsl:apply-templates select="m:sup"/></sup></xsl:template>
  <xsl:template match="m:sSubSup"><xsl:apply-templates select="m:e"/><sub><xsl:apply-templates select="m:sub"/></sub><sup><xsl:apply-templates select="m:sup"/></sup></xsl:template>
  <xsl:template match="m:f">(<xsl:apply-templates select="m:num"/>)/(<xsl:apply-templates select="m:den"/>)</xsl:template>
  <xsl:template match="m:rad">
    <xsl:if test="m:deg/*"><sup><xsl:apply-templates select="m:deg"/></sup></xsl:if>
    <xsl:text>&#x221A;(</xsl:text><xsl:apply-templates select="m:e"/><xsl:text>)</xsl:text>
  </xsl:template>
  <xsl:template match="m:d">
    <xsl:variable name="begin" select="m:dPr/m:begChr/@m:val"/>
    <xsl:variable name="end" select="m:dPr/m:endChr/@m:val"/>
    <xsl:choose><xsl:when test="m:dPr/m:begChr"><xsl:value-of select="$begin"/></xsl:when><xsl:otherwise>(</xsl:otherwise></xsl:choose>
    <xsl:for-each select="m:e">
      <xsl:if test="position() &gt; 1">
        <xsl:choose><xsl:when test="../m:dPr/m:sepChr"><xsl:value-of select="../m:dPr/m:sepChr/@m:val"/></xsl:when><xsl:otherwise>|</xsl:otherwise></xsl:choose>
      </xsl:if>
      <xsl:apply-templates select="."/>
    </xsl:for-each>
    <xsl:choose><xsl:when test="m:dPr/m:endChr"><xsl:value-of select="$end"/></xsl:when><xsl:otherwise>)</xsl:otherwise></xsl:choose>
  </xsl:template>
  <xsl:template match="m:nary">
    <xsl:choose><xsl:when test="m:naryPr/m:chr"><xsl:value-of select="m:naryPr/m:chr/@m:val"/></xsl:when><xsl:otherwise>&#x222B;</xsl:otherwise></xsl:choose>
    <xsl:if test="m:sub/*"><sub><xsl:apply-templates select="m:sub"/></sub></xsl:if>
    <xsl:if test="m:sup/*"><sup><xsl:apply-templates select="m:sup"/></sup></xsl:if>
    <xsl:text> </xsl:text>
    <xsl:apply-templates select="m:e"/>
  </xsl:template>

  <!-- ===== Strict OOXML ===== -->

  <!-- A Strict main part is copied into the transitional namespaces before it is converted. -->
  <xsl:template match="*" mode="strict">
    <xsl:variable name="namespace">
      <xsl:call-template name="transitional-namespace"><xsl:with-param name="uri" select="namespace-uri()"/></xsl:call-template>
    </xsl:variable>
    <xsl:element name="{local-name()}" namespace="{$namespace}">
      <xsl:for-each select="@*">
        <xsl:variable name="attributeNamespace">
          <xsl:call-template name="transitional-namespace"><xsl:with-param name="uri" select="namespace-uri()"/></xsl:call-template>
        </xsl:variable>
        <xsl:attribute name="{local-name()}" namespace="{$attributeNamespace}"><xsl:value-of select="."/></xsl:attribute>
      </xsl:for-each>
      <xsl:apply-templates select="node()" mode="strict"/>
    </xsl:element>
  </xsl:template>
  <xsl:template match="text()" mode="strict"><xsl:value-of select="."/></xsl:template>

  <xsl:template name="transitional-namespace">
    <xsl:param name="uri"/>
    <xsl:choose>
      <xsl:when test="$uri = 'http://purl.oclc.org/ooxml/wordprocessingml/main'">http://schemas.openxmlformats.org/wordprocessingml/2006/main</xsl:when>
      <xsl:when test="$uri = 'http://purl.oclc.org/ooxml/officeDocument/relationships'">http://schemas.openxmlformats.org/officeDocument/2006/relationships</xsl:when>
      <xsl:when test="$uri = 'http://purl.oclc.org/ooxml/drawingml/main'">http://schemas.openxmlformats.org/drawingml/2006/main</xsl:when>
      <xsl:when test="$uri = 'http://purl.oclc.org/ooxml/drawingml/wordprocessingDrawing'">http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing</xsl:when>
      <xsl:when test="$uri = 'http://purl.oclc.org/ooxml/drawingml/picture'">http://schemas.openxmlformats.org/drawingml/2006/picture</xsl:when>
      <xsl:when test="$uri = 'http://purl.oclc.org/ooxml/officeDocument/math'">http://schemas.openxmlformats.org/officeDocument/2006/math</xsl:when>
      <xsl:otherwise><xsl:value-of select="$uri"/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

</xsl:stylesheet>
