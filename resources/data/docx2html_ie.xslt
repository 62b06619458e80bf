<?xml version="1.0" encoding="UTF-8"?>
<!-- SPDX-License-Identifier: MIT -->
<!--
  docx2html_ie.xslt: turns the main part of a .docx (word/document.xml) into HTML 4.01
  Transitional that Internet Explorer 6 to 11 render. XSLT 1.0.

  The stylesheet finds the other parts it needs through the main part's relationships
  (_rels/document.xml.rels beside it): styles, numbering, theme, footnotes and endnotes. Each
  parameter below overrides one of them, as a path relative to the main part:
    rels       the relationships part ('_rels/document.xml.rels')
    numbering, styles, theme, footnotes, endnotes   ('' : as the relationships name them)
  Example, from the unpacked package: xsltproc docx2html_ie.xslt word/document.xml
  Image sources are the relationship targets, relative to the main part's folder.

  How it works. The parts are first gathered into one tree (Strict OOXML renamed into the
  transitional namespaces on the way), then marked (each block's list level and numbering,
  each cell's grid column, each field mark and the target of each hyperlink field, each
  style's resolved formatting) and indexed: lists, table merges and fields are grouped by
  ranks that xsl:for-each hands out (position()) and looked up through keys, so that the
  work grows linearly with the document and the recursion with its nesting, never with the
  length of a list or a paragraph. Between the passes the tree goes through the processor's
  node-set function: exsl:node-set (libxslt, Saxon, browsers), msxsl:node-set (MSXML, .NET) or
  xalan:nodeset (Xalan). A processor with none of them gets the text without lists, links or
  styles. Every element of the page is an element of the result tree; values from the
  document reach it only when they pass a check: link targets by scheme, picture sources as
  package paths, colours as #rrggbb, font names by their alphabet.

  The templates that run for every paragraph and cell keep their values as strings, not as
  variables built as trees: such a variable is a document of its own, which the processor
  builds, reads back as text and frees each time.
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
    xmlns:k="urn:kyio:docx2html"
    xmlns:exsl="http://exslt.org/common"
    xmlns:msxsl="urn:schemas-microsoft-com:xslt"
    xmlns:xalan="http://xml.apache.org/xalan"
    xmlns:sw="http://purl.oclc.org/ooxml/wordprocessingml/main"
    exclude-result-prefixes="w r rel wp a pic m v o mc k exsl msxsl xalan sw">

  <xsl:output method="html" encoding="UTF-8" indent="no"
      doctype-public="-//W3C//DTD HTML 4.01 Transitional//EN"
      doctype-system="http://www.w3.org/TR/html4/loose.dtd"/>

  <xsl:strip-space elements="*"/>
  <xsl:preserve-space elements="w:t m:t sw:t"/>

  <xsl:param name="rels" select="'_rels/document.xml.rels'"/>
  <xsl:param name="numbering" select="''"/>
  <xsl:param name="styles" select="''"/>
  <xsl:param name="theme" select="''"/>
  <xsl:param name="footnotes" select="''"/>
  <xsl:param name="endnotes" select="''"/>

  <!-- ===== Keys (each applies to the tree its context node is in) ===== -->

  <!-- Predicates in patterns only on parts: in a tree made by the stylesheet, libxslt counts
       a node's siblings to test a predicate in a pattern, which is quadratic in long bodies,
       and a package has few parts. Nodes whose use expression is empty are not indexed.
       Patterns go from the root: the first lookup in a tree indexes it for every key, and
       libxslt walks a relative pattern over the whole tree but one from the root only along
       its path, so a key over the content names the tree it serves (the marked tree's
       counters, the page's tree). Such a key descends from one node, the root element or one
       part: libxml2 drops the duplicates of a step's results from several nodes, such as all
       parts at once, by comparing each with all. -->
  <xsl:key name="style" match="/*/k:part/w:styles/w:style" use="@w:styleId"/>
  <xsl:key name="defaultStyle" match="/*/k:part/w:styles/w:style" use="@w:type[../@w:default = '1' or ../@w:default = 'true' or ../@w:default = 'on']"/>
  <xsl:key name="num" match="/*/k:part/w:numbering/w:num" use="@w:numId"/>
  <xsl:key name="abstract" match="/*/k:part/w:numbering/w:abstractNum" use="@w:abstractNumId"/>
  <xsl:key name="relationship" match="/*/k:rels/rel:Relationship" use="concat(../@scope, ' ', @Id)"/>
  <xsl:key name="node" match="/k:linked/k:part[@scope = 'main']//*" use="@k:id"/>
  <xsl:key name="node" match="/k:linked/k:part[@scope = 'footnotes']//*" use="@k:id"/>
  <xsl:key name="node" match="/k:linked/k:part[@scope = 'endnotes']//*" use="@k:id"/>
  <xsl:key name="itemsOfAbstract" match="/k:marked//w:p" use="@k:a"/>
  <xsl:key name="itemsOfNum" match="/k:marked//w:p" use="@k:n"/>
  <xsl:key name="openCells" match="/k:linked/k:part[@scope = 'main']//w:tc" use="@k:oc"/>
  <xsl:key name="openCells" match="/k:linked/k:part[@scope = 'footnotes']//w:tc" use="@k:oc"/>
  <xsl:key name="openCells" match="/k:linked/k:part[@scope = 'endnotes']//w:tc" use="@k:oc"/>
  <xsl:key name="entry" match="/*/k:index/k:e | /*/k:index/k:b/k:e" use="concat(@k, substring-before(., '|'))"/>

  <xsl:variable name="upper" select="'ABCDEFGHIJKLMNOPQRSTUVWXYZ'"/>
  <xsl:variable name="lower" select="'abcdefghijklmnopqrstuvwxyz'"/>
  <xsl:variable name="digits" select="'0123456789'"/>
  <xsl:variable name="hex" select="'0123456789ABCDEFabcdef'"/>

  <!-- ===== The package's parts, found from the main part ===== -->

  <!-- Relative paths resolve against the main part; an empty one names the main part itself,
       which holds none of the parts looked for in it. -->
  <xsl:variable name="relationships" select="document($rels, /)/rel:Relationships/rel:Relationship"/>

  <xsl:variable name="numberingPath">
    <xsl:call-template name="part-path"><xsl:with-param name="given" select="$numbering"/><xsl:with-param name="type" select="'/numbering'"/></xsl:call-template>
  </xsl:variable>
  <xsl:variable name="stylesPath">
    <xsl:call-template name="part-path"><xsl:with-param name="given" select="$styles"/><xsl:with-param name="type" select="'/styles'"/></xsl:call-template>
  </xsl:variable>
  <xsl:variable name="themePath">
    <xsl:call-template name="part-path"><xsl:with-param name="given" select="$theme"/><xsl:with-param name="type" select="'/theme'"/></xsl:call-template>
  </xsl:variable>
  <xsl:variable name="footnotesPath">
    <xsl:call-template name="part-path"><xsl:with-param name="given" select="$footnotes"/><xsl:with-param name="type" select="'/footnotes'"/></xsl:call-template>
  </xsl:variable>
  <xsl:variable name="endnotesPath">
    <xsl:call-template name="part-path"><xsl:with-param name="given" select="$endnotes"/><xsl:with-param name="type" select="'/endnotes'"/></xsl:call-template>
  </xsl:variable>

  <!-- A part named by a parameter, else the target of the main part's relationship whose type
       ends with $type. A target from the package root is reached from the main part's folder. -->
  <xsl:template name="part-path">
    <xsl:param name="given"/>
    <xsl:param name="type"/>
    <xsl:choose>
      <xsl:when test="$given != ''"><xsl:value-of select="$given"/></xsl:when>
      <xsl:otherwise>
        <xsl:variable name="target"
            select="$relationships[substring(@Type, string-length(@Type) - string-length($type) + 1) = $type][not(@TargetMode = 'External')][1]/@Target"/>
        <xsl:choose>
          <xsl:when test="starts-with($target, '/')"><xsl:value-of select="concat('..', $target)"/></xsl:when>
          <xsl:otherwise><xsl:value-of select="$target"/></xsl:otherwise>
        </xsl:choose>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- The relationships part of a part: _rels/NAME.rels in the part's own folder. -->
  <xsl:template name="rels-path">
    <xsl:param name="path"/>
    <xsl:param name="folder" select="''"/>
    <xsl:choose>
      <xsl:when test="contains($path, '/')">
        <xsl:call-template name="rels-path">
          <xsl:with-param name="path" select="substring-after($path, '/')"/>
          <xsl:with-param name="folder" select="concat($folder, substring-before($path, '/'), '/')"/>
        </xsl:call-template>
      </xsl:when>
      <xsl:otherwise><xsl:value-of select="concat($folder, '_rels/', $path, '.rels')"/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- ===== Between the passes: a tree made as a result fragment becomes a node-set ===== -->

  <!-- Applies the templates of mode 'pass' to the root element of $tree, through whichever
       node-set function the processor has; an XSLT 2.0 or later processor needs none. -->
  <xsl:template name="next-pass">
    <xsl:param name="tree"/>
    <xsl:param name="content"/>
    <xsl:choose>
      <xsl:when test="function-available('exsl:node-set')">
        <xsl:apply-templates select="exsl:node-set($tree)/*" mode="pass"><xsl:with-param name="content" select="exsl:node-set($content)/*"/></xsl:apply-templates>
      </xsl:when>
      <xsl:when test="function-available('msxsl:node-set')">
        <xsl:apply-templates select="msxsl:node-set($tree)/*" mode="pass"><xsl:with-param name="content" select="msxsl:node-set($content)/*"/></xsl:apply-templates>
      </xsl:when>
      <xsl:when test="function-available('xalan:nodeset')">
        <xsl:apply-templates select="xalan:nodeset($tree)/*" mode="pass"><xsl:with-param name="content" select="xalan:nodeset($content)/*"/></xsl:apply-templates>
      </xsl:when>
      <xsl:otherwise><xsl:apply-templates select="$tree/*" mode="pass"><xsl:with-param name="content" select="$content/*"/></xsl:apply-templates></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:variable name="hasNodeSets" select="function-available('exsl:node-set') or function-available('msxsl:node-set')
                                           or function-available('xalan:nodeset') or number(system-property('xsl:version')) &gt;= 2"/>

  <!-- ===== Pass 1: the parts in one tree ===== -->

  <xsl:template match="/">
    <xsl:choose>
      <xsl:when test="$hasNodeSets and (w:document or sw:document)">
        <!-- Each tree lives only until the next is made from it: a variable declared inside
             another's content goes when that content is done. With fields the index is
             built apart, given each run's depth in fields, and joined to the marked content in a
             fifth pass. -->
        <xsl:variable name="fields" select="boolean(descendant::*[local-name() = 'fldChar']
                          or ($footnotesPath != '' and document(string($footnotesPath), /)/descendant::*[local-name() = 'fldChar'])
                          or ($endnotesPath != '' and document(string($endnotesPath), /)/descendant::*[local-name() = 'fldChar']))"/>
        <xsl:choose>
          <xsl:when test="$fields">
            <xsl:variable name="linked">
              <xsl:variable name="marked"><xsl:call-template name="marked-tree"><xsl:with-param name="fields" select="true()"/></xsl:call-template></xsl:variable>
              <xsl:variable name="depthed">
                <xsl:variable name="indexed"><xsl:call-template name="next-pass"><xsl:with-param name="tree" select="$marked"/></xsl:call-template></xsl:variable>
                <xsl:call-template name="next-pass"><xsl:with-param name="tree" select="$indexed"/></xsl:call-template>
              </xsl:variable>
              <xsl:call-template name="next-pass">
                <xsl:with-param name="tree" select="$depthed"/>
                <xsl:with-param name="content" select="$marked"/>
              </xsl:call-template>
            </xsl:variable>
            <xsl:call-template name="next-pass"><xsl:with-param name="tree" select="$linked"/></xsl:call-template>
          </xsl:when>
          <xsl:otherwise>
            <xsl:variable name="linked">
              <xsl:variable name="marked"><xsl:call-template name="marked-tree"/></xsl:variable>
              <xsl:call-template name="next-pass"><xsl:with-param name="tree" select="$marked"/></xsl:call-template>
            </xsl:variable>
            <xsl:call-template name="next-pass"><xsl:with-param name="tree" select="$linked"/></xsl:call-template>
          </xsl:otherwise>
        </xsl:choose>
      </xsl:when>
      <xsl:otherwise>
        <!-- One pass over the main part as it is: text, tables and pictures' texts. -->
        <xsl:apply-templates select="*" mode="page"/>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- The second tree: the parts gathered (pass 1) and marked (pass 2). -->
  <xsl:template name="marked-tree">
    <xsl:param name="fields" select="false()"/>
    <xsl:variable name="strict" select="boolean(sw:document)"/>
    <xsl:variable name="footnotesRels"><xsl:call-template name="rels-path"><xsl:with-param name="path" select="$footnotesPath"/></xsl:call-template></xsl:variable>
    <xsl:variable name="endnotesRels"><xsl:call-template name="rels-path"><xsl:with-param name="path" select="$endnotesPath"/></xsl:call-template></xsl:variable>
    <xsl:variable name="package">
      <k:package>
        <xsl:if test="$fields"><xsl:attribute name="fields">1</xsl:attribute></xsl:if>
        <xsl:call-template name="gather"><xsl:with-param name="name" select="'main'"/><xsl:with-param name="part" select="/*"/><xsl:with-param name="strict" select="$strict"/></xsl:call-template>
        <xsl:if test="$footnotesPath != ''">
          <xsl:call-template name="gather"><xsl:with-param name="name" select="'footnotes'"/><xsl:with-param name="part" select="document(string($footnotesPath), /)/*[local-name() = 'footnotes']"/><xsl:with-param name="strict" select="$strict"/></xsl:call-template>
        </xsl:if>
        <xsl:if test="$endnotesPath != ''">
          <xsl:call-template name="gather"><xsl:with-param name="name" select="'endnotes'"/><xsl:with-param name="part" select="document(string($endnotesPath), /)/*[local-name() = 'endnotes']"/><xsl:with-param name="strict" select="$strict"/></xsl:call-template>
        </xsl:if>
        <xsl:if test="$stylesPath != ''">
          <xsl:call-template name="gather"><xsl:with-param name="name" select="'styles'"/><xsl:with-param name="part" select="document(string($stylesPath), /)/*[local-name() = 'styles']"/><xsl:with-param name="strict" select="$strict"/></xsl:call-template>
        </xsl:if>
        <xsl:if test="$numberingPath != ''">
          <xsl:call-template name="gather"><xsl:with-param name="name" select="'numbering'"/><xsl:with-param name="part" select="document(string($numberingPath), /)/*[local-name() = 'numbering']"/><xsl:with-param name="strict" select="$strict"/></xsl:call-template>
        </xsl:if>
        <xsl:if test="$themePath != ''">
          <xsl:call-template name="gather"><xsl:with-param name="name" select="'theme'"/><xsl:with-param name="part" select="document(string($themePath), /)/*[local-name() = 'theme']"/><xsl:with-param name="strict" select="$strict"/></xsl:call-template>
        </xsl:if>
        <k:rels scope="main"><xsl:apply-templates select="$relationships" mode="relationship"/></k:rels>
        <!-- The notes' own relationships, where their notes refer to any. -->
        <k:rels scope="footnotes">
          <xsl:if test="$footnotesPath != '' and document(string($footnotesPath), /)/descendant::*[@r:id or @r:embed or @r:link]">
            <xsl:apply-templates select="document(string($footnotesRels), /)/rel:Relationships/rel:Relationship" mode="relationship"/>
          </xsl:if>
        </k:rels>
        <k:rels scope="endnotes">
          <xsl:if test="$endnotesPath != '' and document(string($endnotesPath), /)/descendant::*[@r:id or @r:embed or @r:link]">
            <xsl:apply-templates select="document(string($endnotesRels), /)/rel:Relationships/rel:Relationship" mode="relationship"/>
          </xsl:if>
        </k:rels>
      </k:package>
    </xsl:variable>
    <xsl:call-template name="next-pass"><xsl:with-param name="tree" select="$package"/></xsl:call-template>
  </xsl:template>

  <!-- A part under k:part, copied as it is or renamed out of Strict OOXML. -->
  <xsl:template name="gather">
    <xsl:param name="name"/>
    <xsl:param name="part"/>
    <xsl:param name="strict"/>
    <k:part scope="{$name}">
      <xsl:choose>
        <xsl:when test="$strict"><xsl:apply-templates select="$part" mode="transitional"/></xsl:when>
        <xsl:otherwise><xsl:copy-of select="$part"/></xsl:otherwise>
      </xsl:choose>
    </k:part>
  </xsl:template>

  <!-- A relationship without content: nothing but parts' content is walked for runs and
       paragraphs later, from the tree's root. -->
  <xsl:template match="rel:Relationship" mode="relationship"><xsl:copy><xsl:copy-of select="@*"/></xsl:copy></xsl:template>

  <xsl:template match="*" mode="transitional">
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
      <xsl:apply-templates select="node()" mode="transitional"/>
    </xsl:element>
  </xsl:template>
  <xsl:template match="text()" mode="transitional"><xsl:value-of select="."/></xsl:template>
  <xsl:template match="comment() | processing-instruction()" mode="transitional"/>

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

  <!-- ===== Pass 2: marks ===== -->

  <!-- Styles come back with their formatting resolved along w:basedOn; blocks with their
       place among their siblings, their list level and numbering; table cells with their
       grid column; runs with their field marks. -->
  <xsl:template match="k:package" mode="pass">
    <k:marked>
      <xsl:copy-of select="@fields"/>
      <xsl:apply-templates select="k:part[@scope = 'styles']" mode="resolve"/>
      <xsl:copy-of select="k:part[@scope = 'numbering' or @scope = 'theme'] | k:rels"/>
      <xsl:apply-templates select="k:part[@scope = 'main' or @scope = 'footnotes' or @scope = 'endnotes']" mode="mark"/>
    </k:marked>
  </xsl:template>

  <xsl:template match="*" mode="mark">
    <xsl:param name="sp"/>
    <xsl:choose>
      <xsl:when test="w:p or w:tbl"><xsl:call-template name="container"/></xsl:when>
      <xsl:otherwise>
        <xsl:copy>
          <xsl:copy-of select="@*"/>
          <xsl:if test="$sp != ''"><xsl:attribute name="k:sp"><xsl:value-of select="$sp"/></xsl:attribute></xsl:if>
          <xsl:apply-templates select="node()" mode="mark"/>
        </xsl:copy>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>
  <xsl:template match="text()" mode="mark"><xsl:copy/></xsl:template>

  <!-- What a container holds: blocks, which lists may join, and the marks between them
       (bookmarks, permissions, comments), which travel inside the block they precede. -->
  <xsl:template name="container">
    <xsl:copy>
      <xsl:copy-of select="@*"/>
      <xsl:attribute name="k:id"><xsl:value-of select="generate-id()"/></xsl:attribute>
      <xsl:attribute name="k:c">1</xsl:attribute>
      <xsl:call-template name="container-content"/>
    </xsl:copy>
  </xsl:template>

  <!-- A container's content: its properties, its blocks numbered from 1, and the marks that
       no block follows closely, together at the end. -->
  <xsl:template name="container-content">
    <xsl:apply-templates select="*[self::w:tcPr or self::w:sectPr or self::w:sdtPr or self::w:sdtEndPr or self::w:customXmlPr or self::w:trPr]" mode="mark"/>
    <xsl:for-each select="*[self::w:p or self::w:tbl or self::w:sdt or self::w:customXml or self::m:oMathPara or self::w:ins or self::w:moveTo or self::w:altChunk]">
      <xsl:apply-templates select="." mode="mark-block"><xsl:with-param name="p" select="position()"/></xsl:apply-templates>
    </xsl:for-each>
    <xsl:apply-templates select="*[not(self::w:p or self::w:tbl or self::w:sdt or self::w:customXml or self::m:oMathPara or self::w:ins or self::w:moveTo or self::w:altChunk or self::w:tcPr or self::w:sectPr or self::w:sdtPr or self::w:sdtEndPr or self::w:customXmlPr or self::w:trPr)]
                                 [not((following-sibling::*[1])[self::w:p or self::w:tbl or self::w:sdt or self::w:customXml or self::m:oMathPara or self::w:ins or self::w:moveTo or self::w:altChunk] or (following-sibling::*[2])[self::w:p or self::w:tbl or self::w:sdt or self::w:customXml or self::m:oMathPara or self::w:ins or self::w:moveTo or self::w:altChunk]
                                      or (following-sibling::*[3])[self::w:p or self::w:tbl or self::w:sdt or self::w:customXml or self::m:oMathPara or self::w:ins or self::w:moveTo or self::w:altChunk] or (following-sibling::*[4])[self::w:p or self::w:tbl or self::w:sdt or self::w:customXml or self::m:oMathPara or self::w:ins or self::w:moveTo or self::w:altChunk])]" mode="mark"/>
  </xsl:template>

  <!-- The marks right before a block (at most four, without a block between). -->
  <xsl:template name="marks-before">
    <xsl:variable name="m1" select="(preceding-sibling::*[1])[not(self::w:p or self::w:tbl or self::w:sdt or self::w:customXml or self::m:oMathPara or self::w:ins or self::w:moveTo or self::w:altChunk or self::w:tcPr or self::w:sectPr or self::w:sdtPr or self::w:sdtEndPr or self::w:customXmlPr or self::w:trPr)]"/>
    <xsl:variable name="m2" select="($m1/preceding-sibling::*[1])[not(self::w:p or self::w:tbl or self::w:sdt or self::w:customXml or self::m:oMathPara or self::w:ins or self::w:moveTo or self::w:altChunk or self::w:tcPr or self::w:sectPr or self::w:sdtPr or self::w:sdtEndPr or self::w:customXmlPr or self::w:trPr)]"/>
    <xsl:variable name="m3" select="($m2/preceding-sibling::*[1])[not(self::w:p or self::w:tbl or self::w:sdt or self::w:customXml or self::m:oMathPara or self::w:ins or self::w:moveTo or self::w:altChunk or self::w:tcPr or self::w:sectPr or self::w:sdtPr or self::w:sdtEndPr or self::w:customXmlPr or self::w:trPr)]"/>
    <xsl:variable name="m4" select="($m3/preceding-sibling::*[1])[not(self::w:p or self::w:tbl or self::w:sdt or self::w:customXml or self::m:oMathPara or self::w:ins or self::w:moveTo or self::w:altChunk or self::w:tcPr or self::w:sectPr or self::w:sdtPr or self::w:sdtEndPr or self::w:customXmlPr or self::w:trPr)]"/>
    <xsl:if test="$m1">
      <!-- One at a time: a union would sort them, and sorting siblings of a tree made
           by the transformation walks the sibling list. -->
      <k:marks>
        <xsl:apply-templates select="$m4" mode="mark"/>
        <xsl:apply-templates select="$m3" mode="mark"/>
        <xsl:apply-templates select="$m2" mode="mark"/>
        <xsl:apply-templates select="$m1" mode="mark"/>
      </k:marks>
    </xsl:if>
  </xsl:template>

  <xsl:template match="*" mode="mark-block">
    <xsl:param name="p"/>
    <xsl:copy>
      <xsl:copy-of select="@*"/>
      <xsl:attribute name="k:id"><xsl:value-of select="generate-id()"/></xsl:attribute>
      <xsl:call-template name="marks-before"/>
      <xsl:choose>
        <xsl:when test="w:p or w:tbl"><xsl:attribute name="k:c">1</xsl:attribute><xsl:call-template name="container-content"/></xsl:when>
        <xsl:otherwise><xsl:apply-templates select="node()" mode="mark"/></xsl:otherwise>
      </xsl:choose>
    </xsl:copy>
  </xsl:template>

  <xsl:template match="w:p" mode="mark-block">
    <xsl:param name="p"/>
    <xsl:variable name="ownStyle" select="key('style', w:pPr/w:pStyle/@w:val)[@w:type = 'paragraph' or not(@w:type)]"/>
    <xsl:variable name="styleId" select="string((w:pPr/w:pStyle/@w:val)[$ownStyle] | key('defaultStyle', 'paragraph')[not($ownStyle)]/@w:styleId)"/>
    <xsl:variable name="style" select="key('style', $styleId)"/>
    <xsl:copy>
      <xsl:copy-of select="@*"/>
      <xsl:if test="$styleId != ''"><xsl:attribute name="k:ps"><xsl:value-of select="$styleId"/></xsl:attribute></xsl:if>
      <!-- A heading is not a list item; a paragraph without a style of its own or by default
           is no heading. -->
      <xsl:choose>
        <xsl:when test="$style or w:pPr/w:pStyle/@w:val">
          <xsl:variable name="headingLevel"><xsl:call-template name="heading-level"><xsl:with-param name="style" select="$style"/></xsl:call-template></xsl:variable>
          <xsl:variable name="heading" select="string($headingLevel)"/>
          <xsl:if test="$heading != ''"><xsl:attribute name="k:h"><xsl:value-of select="$heading"/></xsl:attribute></xsl:if>
          <xsl:if test="$heading = ''"><xsl:call-template name="list-marks"><xsl:with-param name="style" select="$style"/><xsl:with-param name="p" select="$p"/></xsl:call-template></xsl:if>
        </xsl:when>
        <xsl:otherwise><xsl:call-template name="list-marks"><xsl:with-param name="p" select="$p"/></xsl:call-template></xsl:otherwise>
      </xsl:choose>
      <xsl:call-template name="marks-before"/>
      <xsl:variable name="fields" select="boolean(/k:package/@fields)"/>
      <xsl:for-each select="*">
        <xsl:apply-templates select="." mode="mark"><xsl:with-param name="sp" select="substring(position(), 1, 12 * $fields)"/></xsl:apply-templates>
      </xsl:for-each>
    </xsl:copy>
  </xsl:template>

  <!-- 1 to 6, 'title' or '': by the name of the paragraph's style ("heading 1", "Title"), which
       stays English when the id is localised, or of the style it is based on, or by the
       style's outline level; without a styles part, by the style's id. -->
  <xsl:template name="heading-level">
    <xsl:param name="style"/>
    <xsl:variable name="id" select="w:pPr/w:pStyle/@w:val"/>
    <xsl:choose>
      <xsl:when test="not($id) and not($style)"/>
      <xsl:when test="$style">
        <xsl:variable name="name" select="translate($style/w:name/@w:val, $upper, $lower)"/>
        <xsl:variable name="parent" select="translate(key('style', $style/w:basedOn/@w:val)/w:name/@w:val, $upper, $lower)"/>
        <xsl:variable name="outline" select="$style/w:pPr/w:outlineLvl/@w:val"/>
        <xsl:choose>
          <xsl:when test="$name = 'title'">title</xsl:when>
          <xsl:when test="starts-with($name, 'heading ') and string-length($name) = 9 and contains('123456', substring($name, 9))">
            <xsl:value-of select="substring($name, 9)"/>
          </xsl:when>
          <xsl:when test="starts-with($parent, 'heading ') and string-length($parent) = 9 and contains('123456', substring($parent, 9))">
            <xsl:value-of select="substring($parent, 9)"/>
          </xsl:when>
          <xsl:when test="$outline &gt;= 0 and $outline &lt;= 5 and not(starts-with($name, 'toc'))">
            <xsl:value-of select="$outline + 1"/>
          </xsl:when>
        </xsl:choose>
      </xsl:when>
      <xsl:otherwise>
        <xsl:variable name="lowerId" select="translate($id, $upper, $lower)"/>
        <xsl:choose>
          <xsl:when test="$lowerId = 'title'">title</xsl:when>
          <xsl:when test="string-length($lowerId) = 8 and starts-with($lowerId, 'heading') and contains('123456', substring($lowerId, 8))">
            <xsl:value-of select="substring($lowerId, 8)"/>
          </xsl:when>
        </xsl:choose>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- A list paragraph's level (0 to 8), its abstract numbering and its numId, where the
       numbering comes from the paragraph or from its style's chain; nothing for numId 0. -->
  <xsl:template name="list-marks">
    <xsl:param name="style" select="/.."/>
    <xsl:param name="p"/>
    <xsl:variable name="direct" select="w:pPr/w:numPr"/>
    <xsl:choose>
      <xsl:when test="$direct/w:numId">
        <xsl:call-template name="item-marks">
          <xsl:with-param name="numId" select="string($direct/w:numId/@w:val)"/>
          <xsl:with-param name="rawLevel" select="concat($direct/w:ilvl/@w:val, substring('0', 1, number(not($direct/w:ilvl))))"/>
          <xsl:with-param name="p" select="$p"/>
        </xsl:call-template>
      </xsl:when>
      <xsl:when test="$style">
        <xsl:variable name="fromStyle"><xsl:call-template name="style-numbering"><xsl:with-param name="style" select="$style"/></xsl:call-template></xsl:variable>
        <xsl:variable name="numbering" select="string($fromStyle)"/>
        <xsl:if test="$numbering != ''">
          <xsl:call-template name="item-marks">
            <xsl:with-param name="numId" select="substring-before($numbering, ' ')"/>
            <xsl:with-param name="rawLevel" select="concat($direct/w:ilvl/@w:val, substring(substring-after($numbering, ' '), 1, 1000 * not($direct/w:ilvl)))"/>
            <xsl:with-param name="p" select="$p"/>
          </xsl:call-template>
        </xsl:if>
      </xsl:when>
    </xsl:choose>
  </xsl:template>

  <xsl:template name="item-marks">
    <xsl:param name="numId"/>
    <xsl:param name="rawLevel"/>
    <xsl:param name="p"/>
    <xsl:if test="$numId != '' and $numId != '0'">
      <xsl:variable name="abstract" select="key('abstract', key('num', $numId)/w:abstractNumId/@w:val)"/>
      <xsl:variable name="linked" select="key('abstract', key('num', key('style', $abstract/w:numStyleLink/@w:val)/w:pPr/w:numPr/w:numId/@w:val)/w:abstractNumId/@w:val)"/>
      <xsl:attribute name="k:id"><xsl:value-of select="generate-id()"/></xsl:attribute>
      <xsl:attribute name="k:p"><xsl:value-of select="$p"/></xsl:attribute>
      <xsl:attribute name="k:l">
        <xsl:choose>
          <xsl:when test="string(number($rawLevel)) = 'NaN' or $rawLevel &lt; 0">0</xsl:when>
          <xsl:when test="$rawLevel &gt; 8">8</xsl:when>
          <xsl:otherwise><xsl:value-of select="floor($rawLevel)"/></xsl:otherwise>
        </xsl:choose>
      </xsl:attribute>
      <xsl:attribute name="k:n"><xsl:value-of select="$numId"/></xsl:attribute>
      <xsl:attribute name="k:a">
        <xsl:choose>
          <xsl:when test="$linked"><xsl:value-of select="$linked/@w:abstractNumId"/></xsl:when>
          <xsl:when test="$abstract"><xsl:value-of select="$abstract/@w:abstractNumId"/></xsl:when>
          <xsl:otherwise>none</xsl:otherwise>
        </xsl:choose>
      </xsl:attribute>
    </xsl:if>
  </xsl:template>

  <!-- Tables: rows numbered, cells with the grid column they start at and their part in a
       vertical merge. -->
  <xsl:template match="w:tbl" mode="mark-block">
    <xsl:param name="p"/>
    <xsl:copy>
      <xsl:copy-of select="@*"/>
      <xsl:attribute name="k:id"><xsl:value-of select="generate-id()"/></xsl:attribute>
      <xsl:variable name="merges" select="boolean(w:tr/w:tc/w:tcPr/w:vMerge)"/>
      <xsl:if test="$merges"><xsl:attribute name="k:rows"><xsl:value-of select="count(w:tr)"/></xsl:attribute></xsl:if>
      <xsl:call-template name="marks-before"/>
      <xsl:apply-templates select="w:tblPr | w:tblGrid" mode="mark"/>
      <xsl:for-each select="w:tr">
        <xsl:apply-templates select="." mode="mark-row"><xsl:with-param name="row" select="position()"/><xsl:with-param name="merges" select="$merges"/></xsl:apply-templates>
      </xsl:for-each>
    </xsl:copy>
  </xsl:template>

  <xsl:template match="w:tr" mode="mark-row">
    <xsl:param name="row"/>
    <xsl:param name="merges"/>
    <xsl:variable name="before" select="number(concat('0', translate(w:trPr/w:gridBefore/@w:val, translate(w:trPr/w:gridBefore/@w:val, $digits, ''), '')))"/>
    <!-- Spans are added up only in rows that have them, and only over the first 1024 cells. -->
    <xsl:variable name="spans" select="boolean(w:tc/w:tcPr/w:gridSpan)"/>
    <xsl:copy>
      <xsl:copy-of select="@*"/>
      <xsl:if test="$merges"><xsl:attribute name="k:p"><xsl:value-of select="$row"/></xsl:attribute></xsl:if>
      <xsl:apply-templates select="w:trPr | w:tblPrEx" mode="mark"/>
      <xsl:for-each select="w:tc">
        <xsl:variable name="counted" select="$spans and position() &lt;= 1024"/>
        <xsl:variable name="spannedBefore" select="self::w:tc[$counted]/preceding-sibling::w:tc/w:tcPr/w:gridSpan/@w:val[. &gt; 1]"/>
        <xsl:apply-templates select="." mode="mark-cell">
          <xsl:with-param name="row" select="$row"/>
          <xsl:with-param name="column" select="$before + position() + sum($spannedBefore) - count($spannedBefore)"/>
          <xsl:with-param name="merges" select="$merges"/>
        </xsl:apply-templates>
      </xsl:for-each>
      <xsl:apply-templates select="*[not(self::w:tc or self::w:trPr or self::w:tblPrEx)]" mode="mark"/>
    </xsl:copy>
  </xsl:template>

  <xsl:template match="w:tc" mode="mark-cell">
    <xsl:param name="row"/>
    <xsl:param name="column"/>
    <xsl:param name="merges"/>
    <xsl:variable name="merge" select="w:tcPr/w:vMerge"/>
    <xsl:copy>
      <xsl:copy-of select="@*"/>
      <xsl:attribute name="k:id"><xsl:value-of select="generate-id()"/></xsl:attribute>
      <xsl:if test="$merges">
        <xsl:attribute name="k:gc"><xsl:value-of select="$column"/></xsl:attribute>
        <xsl:if test="not($merge) or $merge/@w:val = 'restart'">
          <xsl:attribute name="k:oc"><xsl:value-of select="concat(generate-id(ancestor::w:tbl[1]), ' ', $column, ' ', floor(($row - 1) div 32))"/></xsl:attribute>
        </xsl:if>
      </xsl:if>
      <xsl:if test="$merge">
        <xsl:attribute name="k:vm">
          <xsl:choose>
            <xsl:when test="$merge/@w:val = 'restart'">r</xsl:when>
            <xsl:otherwise>c</xsl:otherwise>
          </xsl:choose>
        </xsl:attribute>
      </xsl:if>
      <xsl:call-template name="container-content"/>
    </xsl:copy>
  </xsl:template>

  <!-- "numId ilvl" of the numbering a style gives, along its w:basedOn chain. -->
  <xsl:template name="style-numbering">
    <xsl:param name="style"/>
    <xsl:param name="depth" select="0"/>
    <xsl:choose>
      <xsl:when test="$style/w:pPr/w:numPr/w:numId">
        <xsl:value-of select="concat($style/w:pPr/w:numPr/w:numId/@w:val, ' ', sum($style/w:pPr/w:numPr/w:ilvl/@w:val[number(.) = number(.)]))"/>
      </xsl:when>
      <xsl:when test="$style/w:basedOn and $depth &lt; 10">
        <xsl:call-template name="style-numbering">
          <xsl:with-param name="style" select="key('style', $style/w:basedOn/@w:val)"/>
          <xsl:with-param name="depth" select="$depth + 1"/>
        </xsl:call-template>
      </xsl:when>
    </xsl:choose>
  </xsl:template>

  <!-- Runs: an id for the indexes; field marks as 'b' (begin), 's' (separate), 'e' (end);
       on a begin, the link its instruction makes, when it is one that may be written. -->
  <xsl:template match="w:r" mode="mark">
    <xsl:param name="sp"/>
    <xsl:variable name="mark" select="w:fldChar/@w:fldCharType"/>
    <xsl:copy>
      <xsl:copy-of select="@*"/>
      <xsl:if test="/k:package/@fields">
        <xsl:attribute name="k:id"><xsl:value-of select="generate-id()"/></xsl:attribute>
        <xsl:if test="$sp != ''"><xsl:attribute name="k:sp"><xsl:value-of select="$sp"/></xsl:attribute></xsl:if>
      </xsl:if>
      <xsl:choose>
        <xsl:when test="$mark = 'begin'">
          <xsl:attribute name="k:f">b</xsl:attribute>
          <xsl:variable name="target"><xsl:call-template name="begin-target"/></xsl:variable>
          <xsl:if test="$target != ''"><xsl:attribute name="k:href"><xsl:value-of select="$target"/></xsl:attribute></xsl:if>
        </xsl:when>
        <xsl:when test="$mark = 'separate'"><xsl:attribute name="k:f">s</xsl:attribute></xsl:when>
        <xsl:when test="$mark = 'end'"><xsl:attribute name="k:f">e</xsl:attribute></xsl:when>
      </xsl:choose>
      <xsl:apply-templates select="node()" mode="mark"/>
    </xsl:copy>
  </xsl:template>

  <!-- A field's instruction: the instruction text of the runs after its begin, up to the
       next field mark, looking at most eight siblings ahead. -->
  <xsl:template name="begin-target">
    <xsl:variable name="s1" select="(following-sibling::*[1])[not(w:fldChar)]"/>
    <xsl:variable name="s2" select="($s1/following-sibling::*[1])[not(w:fldChar)]"/>
    <xsl:variable name="s3" select="($s2/following-sibling::*[1])[not(w:fldChar)]"/>
    <xsl:variable name="s4" select="($s3/following-sibling::*[1])[not(w:fldChar)]"/>
    <xsl:variable name="s5" select="($s4/following-sibling::*[1])[not(w:fldChar)]"/>
    <xsl:variable name="s6" select="($s5/following-sibling::*[1])[not(w:fldChar)]"/>
    <xsl:variable name="s7" select="($s6/following-sibling::*[1])[not(w:fldChar)]"/>
    <xsl:variable name="s8" select="($s7/following-sibling::*[1])[not(w:fldChar)]"/>
    <xsl:variable name="instruction" select="concat($s1/w:instrText, $s2/w:instrText, $s3/w:instrText, $s4/w:instrText,
                                                    $s5/w:instrText, $s6/w:instrText, $s7/w:instrText, $s8/w:instrText)"/>
    <xsl:call-template name="field-target"><xsl:with-param name="instruction" select="$instruction"/></xsl:call-template>
  </xsl:template>

  <!-- The link a field instruction makes: HYPERLINK "url" (or \l "bookmark"), REF bookmark,
       PAGEREF bookmark; '' for any other field and for a target that may not be written. -->
  <xsl:template name="field-target">
    <xsl:param name="instruction"/>
    <xsl:variable name="words" select="normalize-space($instruction)"/>
    <xsl:variable name="name" select="translate(substring-before(concat($words, ' '), ' '), $lower, $upper)"/>
    <xsl:variable name="rest" select="substring-after($words, ' ')"/>
    <!-- A HYPERLINK's address is its first argument; \l adds a bookmark within it. -->
    <xsl:variable name="anchor" select="substring-before(substring-after(substring-after($rest, '\l'), '&quot;'), '&quot;')"/>
    <xsl:variable name="target">
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
        <xsl:when test="($name = 'REF' or $name = 'PAGEREF') and $rest != '' and not(starts-with($rest, '\'))">
          <xsl:value-of select="concat('#', substring-before(concat($rest, ' '), ' '))"/>
        </xsl:when>
      </xsl:choose>
    </xsl:variable>
    <xsl:call-template name="safe-link"><xsl:with-param name="url" select="$target"/></xsl:call-template>
  </xsl:template>

  <!-- ===== Pass 2: styles resolved ===== -->

  <!-- Each style gets the formatting it gives, from itself or the nearest style of its
       w:basedOn chain that sets it ('' where none does), and a class name of its own; the
       document defaults are resolved the same way into k:defaults. Values are already
       checked: fonts by their alphabet, colours as #rrggbb. -->
  <xsl:template match="k:part" mode="resolve">
    <xsl:copy>
      <xsl:copy-of select="@*"/>
      <xsl:for-each select="w:styles">
        <xsl:copy>
          <k:defaults>
            <xsl:call-template name="formatting">
              <xsl:with-param name="rPr" select="w:docDefaults/w:rPrDefault/w:rPr"/>
              <xsl:with-param name="pPr" select="w:docDefaults/w:pPrDefault/w:pPr"/>
            </xsl:call-template>
          </k:defaults>
          <xsl:for-each select="w:style">
            <xsl:copy>
              <xsl:copy-of select="@*"/>
              <xsl:attribute name="k:cls"><xsl:value-of select="concat('s', position())"/></xsl:attribute>
              <xsl:call-template name="formatting"><xsl:with-param name="style" select="."/></xsl:call-template>
              <xsl:copy-of select="w:name | w:basedOn"/>
            </xsl:copy>
          </xsl:for-each>
        </xsl:copy>
      </xsl:for-each>
    </xsl:copy>
  </xsl:template>

  <!-- The formatting attributes (k:b, k:sz, k:fa, ...) of a style's chain, or of the given
       property elements. -->
  <xsl:template name="formatting">
    <xsl:param name="style" select="/.."/>
    <xsl:param name="rPr" select="$style/w:rPr"/>
    <xsl:param name="pPr" select="$style/w:pPr"/>
    <xsl:call-template name="stamp"><xsl:with-param name="as" select="'k:b'"/><xsl:with-param name="name" select="'b'"/><xsl:with-param name="style" select="$style"/><xsl:with-param name="rPr" select="$rPr"/><xsl:with-param name="pPr" select="$pPr"/></xsl:call-template>
    <xsl:call-template name="stamp"><xsl:with-param name="as" select="'k:bcs'"/><xsl:with-param name="name" select="'bCs'"/><xsl:with-param name="style" select="$style"/><xsl:with-param name="rPr" select="$rPr"/><xsl:with-param name="pPr" select="$pPr"/></xsl:call-template>
    <xsl:call-template name="stamp"><xsl:with-param name="as" select="'k:i'"/><xsl:with-param name="name" select="'i'"/><xsl:with-param name="style" select="$style"/><xsl:with-param name="rPr" select="$rPr"/><xsl:with-param name="pPr" select="$pPr"/></xsl:call-template>
    <xsl:call-template name="stamp"><xsl:with-param name="as" select="'k:ics'"/><xsl:with-param name="name" select="'iCs'"/><xsl:with-param name="style" select="$style"/><xsl:with-param name="rPr" select="$rPr"/><xsl:with-param name="pPr" select="$pPr"/></xsl:call-template>
    <xsl:call-template name="stamp"><xsl:with-param name="as" select="'k:caps'"/><xsl:with-param name="name" select="'caps'"/><xsl:with-param name="style" select="$style"/><xsl:with-param name="rPr" select="$rPr"/><xsl:with-param name="pPr" select="$pPr"/></xsl:call-template>
    <xsl:call-template name="stamp"><xsl:with-param name="as" select="'k:sc'"/><xsl:with-param name="name" select="'smallCaps'"/><xsl:with-param name="style" select="$style"/><xsl:with-param name="rPr" select="$rPr"/><xsl:with-param name="pPr" select="$pPr"/></xsl:call-template>
    <xsl:call-template name="stamp"><xsl:with-param name="as" select="'k:st'"/><xsl:with-param name="name" select="'strike'"/><xsl:with-param name="style" select="$style"/><xsl:with-param name="rPr" select="$rPr"/><xsl:with-param name="pPr" select="$pPr"/></xsl:call-template>
    <xsl:call-template name="stamp"><xsl:with-param name="as" select="'k:dst'"/><xsl:with-param name="name" select="'dstrike'"/><xsl:with-param name="style" select="$style"/><xsl:with-param name="rPr" select="$rPr"/><xsl:with-param name="pPr" select="$pPr"/></xsl:call-template>
    <xsl:call-template name="stamp"><xsl:with-param name="as" select="'k:vanish'"/><xsl:with-param name="name" select="'vanish'"/><xsl:with-param name="style" select="$style"/><xsl:with-param name="rPr" select="$rPr"/><xsl:with-param name="pPr" select="$pPr"/></xsl:call-template>
    <xsl:call-template name="stamp"><xsl:with-param name="as" select="'k:u'"/><xsl:with-param name="name" select="'u'"/><xsl:with-param name="style" select="$style"/><xsl:with-param name="rPr" select="$rPr"/><xsl:with-param name="pPr" select="$pPr"/></xsl:call-template>
    <xsl:call-template name="stamp"><xsl:with-param name="as" select="'k:va'"/><xsl:with-param name="name" select="'vertAlign'"/><xsl:with-param name="style" select="$style"/><xsl:with-param name="rPr" select="$rPr"/><xsl:with-param name="pPr" select="$pPr"/></xsl:call-template>
    <xsl:call-template name="stamp"><xsl:with-param name="as" select="'k:sz'"/><xsl:with-param name="name" select="'sz'"/><xsl:with-param name="style" select="$style"/><xsl:with-param name="rPr" select="$rPr"/><xsl:with-param name="pPr" select="$pPr"/></xsl:call-template>
    <xsl:call-template name="stamp"><xsl:with-param name="as" select="'k:szcs'"/><xsl:with-param name="name" select="'szCs'"/><xsl:with-param name="style" select="$style"/><xsl:with-param name="rPr" select="$rPr"/><xsl:with-param name="pPr" select="$pPr"/></xsl:call-template>
    <xsl:call-template name="stamp"><xsl:with-param name="as" select="'k:color'"/><xsl:with-param name="name" select="'color'"/><xsl:with-param name="style" select="$style"/><xsl:with-param name="rPr" select="$rPr"/><xsl:with-param name="pPr" select="$pPr"/></xsl:call-template>
    <xsl:call-template name="stamp"><xsl:with-param name="as" select="'k:hl'"/><xsl:with-param name="name" select="'highlight'"/><xsl:with-param name="style" select="$style"/><xsl:with-param name="rPr" select="$rPr"/><xsl:with-param name="pPr" select="$pPr"/></xsl:call-template>
    <xsl:call-template name="stamp"><xsl:with-param name="as" select="'k:fa'"/><xsl:with-param name="name" select="'ascii'"/><xsl:with-param name="style" select="$style"/><xsl:with-param name="rPr" select="$rPr"/><xsl:with-param name="pPr" select="$pPr"/></xsl:call-template>
    <xsl:call-template name="stamp"><xsl:with-param name="as" select="'k:fe'"/><xsl:with-param name="name" select="'eastAsia'"/><xsl:with-param name="style" select="$style"/><xsl:with-param name="rPr" select="$rPr"/><xsl:with-param name="pPr" select="$pPr"/></xsl:call-template>
    <xsl:call-template name="stamp"><xsl:with-param name="as" select="'k:fc'"/><xsl:with-param name="name" select="'cs'"/><xsl:with-param name="style" select="$style"/><xsl:with-param name="rPr" select="$rPr"/><xsl:with-param name="pPr" select="$pPr"/></xsl:call-template>
    <xsl:call-template name="stamp"><xsl:with-param name="as" select="'k:jc'"/><xsl:with-param name="name" select="'jc'"/><xsl:with-param name="style" select="$style"/><xsl:with-param name="rPr" select="$rPr"/><xsl:with-param name="pPr" select="$pPr"/></xsl:call-template>
    <xsl:call-template name="stamp"><xsl:with-param name="as" select="'k:bidi'"/><xsl:with-param name="name" select="'bidi'"/><xsl:with-param name="style" select="$style"/><xsl:with-param name="rPr" select="$rPr"/><xsl:with-param name="pPr" select="$pPr"/></xsl:call-template>
  </xsl:template>

  <xsl:template name="stamp">
    <xsl:param name="as"/>
    <xsl:param name="name"/>
    <xsl:param name="style"/>
    <xsl:param name="rPr"/>
    <xsl:param name="pPr"/>
    <xsl:variable name="value">
      <xsl:choose>
        <xsl:when test="$style"><xsl:call-template name="chain"><xsl:with-param name="style" select="$style"/><xsl:with-param name="name" select="$name"/></xsl:call-template></xsl:when>
        <xsl:otherwise><xsl:call-template name="property"><xsl:with-param name="rPr" select="$rPr"/><xsl:with-param name="pPr" select="$pPr"/><xsl:with-param name="name" select="$name"/></xsl:call-template></xsl:otherwise>
      </xsl:choose>
    </xsl:variable>
    <xsl:if test="$value != ''"><xsl:attribute name="{$as}" namespace="urn:kyio:docx2html"><xsl:value-of select="$value"/></xsl:attribute></xsl:if>
  </xsl:template>

  <!-- The value of a property along a style's w:basedOn chain, at most ten styles deep. -->
  <xsl:template name="chain">
    <xsl:param name="style"/>
    <xsl:param name="name"/>
    <xsl:param name="depth" select="0"/>
    <xsl:variable name="here">
      <xsl:call-template name="property"><xsl:with-param name="rPr" select="$style/w:rPr"/><xsl:with-param name="pPr" select="$style/w:pPr"/><xsl:with-param name="name" select="$name"/></xsl:call-template>
    </xsl:variable>
    <xsl:choose>
      <xsl:when test="$here != ''"><xsl:value-of select="$here"/></xsl:when>
      <xsl:when test="$style/w:basedOn and $depth &lt; 10">
        <xsl:call-template name="chain">
          <xsl:with-param name="style" select="key('style', $style/w:basedOn/@w:val)[1]"/>
          <xsl:with-param name="name" select="$name"/>
          <xsl:with-param name="depth" select="$depth + 1"/>
        </xsl:call-template>
      </xsl:when>
    </xsl:choose>
  </xsl:template>

  <!-- One property of run or paragraph properties, checked: '1' or '0' for on/off properties
       and underline, a number for sizes, #rrggbb or 'auto' for colours, a CSS colour for
       highlight and shading, a font name of the safe alphabet, a CSS alignment; '' when the
       properties do not set it or set it to something that may not be written. -->
  <xsl:template name="property">
    <xsl:param name="rPr" select="/.."/>
    <xsl:param name="pPr" select="/.."/>
    <xsl:param name="name"/>
    <xsl:variable name="element" select="$rPr/*[local-name() = $name] | $pPr/*[local-name() = $name][$name = 'jc' or $name = 'bidi']"/>
    <xsl:choose>
      <xsl:when test="$name = 'ascii' or $name = 'eastAsia' or $name = 'cs'">
        <xsl:call-template name="font-of"><xsl:with-param name="fonts" select="$rPr/w:rFonts"/><xsl:with-param name="slot" select="$name"/></xsl:call-template>
      </xsl:when>
      <xsl:when test="$name = 'highlight'">
        <xsl:variable name="highlight"><xsl:call-template name="highlight-colour"><xsl:with-param name="name" select="$element/@w:val"/></xsl:call-template></xsl:variable>
        <xsl:choose>
          <xsl:when test="$highlight != ''"><xsl:value-of select="$highlight"/></xsl:when>
          <xsl:when test="$rPr/w:shd/@w:fill and $rPr/w:shd/@w:fill != 'auto'">
            <xsl:call-template name="safe-colour"><xsl:with-param name="value" select="$rPr/w:shd/@w:fill"/></xsl:call-template>
          </xsl:when>
        </xsl:choose>
      </xsl:when>
      <xsl:when test="not($element)"/>
      <xsl:when test="$name = 'u'">
        <xsl:value-of select="number(not($element/@w:val = 'none'))"/>
      </xsl:when>
      <xsl:when test="$name = 'sz' or $name = 'szCs'">
        <xsl:if test="number($element/@w:val) &gt; 0 and number($element/@w:val) &lt; 4000"><xsl:value-of select="number($element/@w:val)"/></xsl:if>
      </xsl:when>
      <xsl:when test="$name = 'vertAlign'">
        <xsl:if test="$element/@w:val = 'superscript' or $element/@w:val = 'subscript' or $element/@w:val = 'baseline'"><xsl:value-of select="$element/@w:val"/></xsl:if>
      </xsl:when>
      <xsl:when test="$name = 'color'">
        <xsl:call-template name="run-colour"><xsl:with-param name="color" select="$element"/></xsl:call-template>
      </xsl:when>
      <xsl:when test="$name = 'jc'">
        <xsl:variable name="jc" select="$element/@w:val"/>
        <xsl:choose>
          <xsl:when test="$jc = 'center'">center</xsl:when>
          <xsl:when test="$jc = 'right' or $jc = 'end'">right</xsl:when>
          <xsl:when test="$jc = 'both' or $jc = 'distribute' or $jc = 'thaiDistribute' or starts-with($jc, 'lowKashida')
                          or starts-with($jc, 'mediumKashida') or starts-with($jc, 'highKashida')">justify</xsl:when>
          <xsl:when test="$jc = 'left' or $jc = 'start'">left</xsl:when>
        </xsl:choose>
      </xsl:when>
      <xsl:otherwise>
        <xsl:value-of select="number(not($element/@w:val = '0' or $element/@w:val = 'false' or $element/@w:val = 'off'))"/>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- The font of one script slot of w:rFonts: the theme's font where the slot names one,
       else the font it names. -->
  <xsl:template name="font-of">
    <xsl:param name="fonts"/>
    <xsl:param name="slot"/>
    <xsl:variable name="themeName" select="$fonts/@*[local-name() = concat($slot, 'Theme') or ($slot = 'cs' and local-name() = 'cstheme')]"/>
    <xsl:variable name="named" select="$fonts/@*[local-name() = $slot]"/>
    <xsl:choose>
      <xsl:when test="$themeName and /*/k:part[@scope = 'theme']">
        <xsl:variable name="fontScheme" select="/*/k:part[@scope = 'theme']/a:theme/a:themeElements/a:fontScheme"/>
        <xsl:variable name="scheme" select="$fontScheme/a:majorFont[starts-with($themeName, 'major')] | $fontScheme/a:minorFont[starts-with($themeName, 'minor')]"/>
        <xsl:variable name="typeface">
          <xsl:choose>
            <xsl:when test="contains($themeName, 'EastAsia')"><xsl:value-of select="$scheme/a:ea/@typeface"/></xsl:when>
            <xsl:when test="contains($themeName, 'Bidi')"><xsl:value-of select="$scheme/a:cs/@typeface"/></xsl:when>
            <xsl:otherwise><xsl:value-of select="$scheme/a:latin/@typeface"/></xsl:otherwise>
          </xsl:choose>
        </xsl:variable>
        <xsl:call-template name="safe-font"><xsl:with-param name="name" select="$typeface"/></xsl:call-template>
      </xsl:when>
      <xsl:when test="$named">
        <xsl:call-template name="safe-font"><xsl:with-param name="name" select="$named"/></xsl:call-template>
      </xsl:when>
    </xsl:choose>
  </xsl:template>

  <!-- A colour of the theme's colour scheme, by the name w:themeColor gives it. -->
  <xsl:template name="theme-colour">
    <xsl:param name="name"/>
    <xsl:variable name="scheme" select="/*/k:part[@scope = 'theme']/a:theme/a:themeElements/a:clrScheme"/>
    <xsl:variable name="slot">
      <xsl:choose>
        <xsl:when test="$name = 'text1' or $name = 'dark1'">dk1</xsl:when>
        <xsl:when test="$name = 'text2' or $name = 'dark2'">dk2</xsl:when>
        <xsl:when test="$name = 'background1' or $name = 'light1'">lt1</xsl:when>
        <xsl:when test="$name = 'background2' or $name = 'light2'">lt2</xsl:when>
        <xsl:when test="$name = 'hyperlink'">hlink</xsl:when>
        <xsl:when test="$name = 'followedHyperlink'">folHlink</xsl:when>
        <xsl:otherwise><xsl:value-of select="$name"/></xsl:otherwise>
      </xsl:choose>
    </xsl:variable>
    <xsl:variable name="colour" select="$scheme/*[local-name() = $slot]"/>
    <xsl:value-of select="$colour/a:srgbClr/@val | $colour/a:sysClr/@lastClr"/>
  </xsl:template>

  <!-- A run colour: w:val when it is one, else the theme colour with its tint or shade. -->
  <xsl:template name="run-colour">
    <xsl:param name="color"/>
    <xsl:choose>
      <xsl:when test="$color/@w:val = 'auto'">auto</xsl:when>
      <xsl:when test="string-length($color/@w:val) = 6 and translate($color/@w:val, $hex, '') = ''">
        <xsl:value-of select="concat('#', translate($color/@w:val, $lower, $upper))"/>
      </xsl:when>
      <xsl:when test="$color/@w:themeColor">
        <xsl:variable name="base"><xsl:call-template name="theme-colour"><xsl:with-param name="name" select="$color/@w:themeColor"/></xsl:call-template></xsl:variable>
        <xsl:if test="string-length($base) = 6 and translate($base, $hex, '') = ''">
          <xsl:variable name="tint"><xsl:call-template name="hex-byte"><xsl:with-param name="pair" select="$color/@w:themeTint"/></xsl:call-template></xsl:variable>
          <xsl:variable name="shade"><xsl:call-template name="hex-byte"><xsl:with-param name="pair" select="$color/@w:themeShade"/></xsl:call-template></xsl:variable>
          <xsl:text>#</xsl:text>
          <xsl:call-template name="tinted"><xsl:with-param name="pair" select="substring($base, 1, 2)"/><xsl:with-param name="tint" select="$tint"/><xsl:with-param name="shade" select="$shade"/></xsl:call-template>
          <xsl:call-template name="tinted"><xsl:with-param name="pair" select="substring($base, 3, 2)"/><xsl:with-param name="tint" select="$tint"/><xsl:with-param name="shade" select="$shade"/></xsl:call-template>
          <xsl:call-template name="tinted"><xsl:with-param name="pair" select="substring($base, 5, 2)"/><xsl:with-param name="tint" select="$tint"/><xsl:with-param name="shade" select="$shade"/></xsl:call-template>
        </xsl:if>
      </xsl:when>
    </xsl:choose>
  </xsl:template>

  <!-- Two hex digits as a number, 255 when they are not two hex digits. -->
  <xsl:template name="hex-byte">
    <xsl:param name="pair"/>
    <xsl:variable name="digitsUpper" select="'0123456789ABCDEF'"/>
    <xsl:variable name="p" select="translate($pair, $lower, $upper)"/>
    <xsl:choose>
      <xsl:when test="string-length($p) = 2 and translate($p, $digitsUpper, '') = ''">
        <xsl:value-of select="string-length(substring-before($digitsUpper, substring($p, 1, 1))) * 16
                              + string-length(substring-before($digitsUpper, substring($p, 2, 1)))"/>
      </xsl:when>
      <xsl:otherwise>255</xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- One colour component lightened by a tint and darkened by a shade, as two hex digits. -->
  <xsl:template name="tinted">
    <xsl:param name="pair"/>
    <xsl:param name="tint"/>
    <xsl:param name="shade"/>
    <xsl:variable name="digitsUpper" select="'0123456789ABCDEF'"/>
    <xsl:variable name="value"><xsl:call-template name="hex-byte"><xsl:with-param name="pair" select="$pair"/></xsl:call-template></xsl:variable>
    <xsl:variable name="lightened" select="$value * $tint div 255 + 255 * (1 - $tint div 255)"/>
    <xsl:variable name="result" select="round($lightened * $shade div 255)"/>
    <xsl:value-of select="concat(substring($digitsUpper, floor($result div 16) + 1, 1), substring($digitsUpper, $result mod 16 + 1, 1))"/>
  </xsl:template>

  <xsl:template name="highlight-colour">
    <xsl:param name="name"/>
    <xsl:choose>
      <xsl:when test="$name = 'black'">#000000</xsl:when>
      <xsl:when test="$name = 'blue'">#0000FF</xsl:when>
      <xsl:when test="$name = 'cyan'">#00FFFF</xsl:when>
      <xsl:when test="$name = 'green'">#00FF00</xsl:when>
      <xsl:when test="$name = 'magenta'">#FF00FF</xsl:when>
      <xsl:when test="$name = 'red'">#FF0000</xsl:when>
      <xsl:when test="$name = 'yellow'">#FFFF00</xsl:when>
      <xsl:when test="$name = 'white'">#FFFFFF</xsl:when>
      <xsl:when test="$name = 'darkBlue'">#000080</xsl:when>
      <xsl:when test="$name = 'darkCyan'">#008080</xsl:when>
      <xsl:when test="$name = 'darkGreen'">#008000</xsl:when>
      <xsl:when test="$name = 'darkMagenta'">#800080</xsl:when>
      <xsl:when test="$name = 'darkRed'">#800000</xsl:when>
      <xsl:when test="$name = 'darkYellow'">#808000</xsl:when>
      <xsl:when test="$name = 'darkGray'">#808080</xsl:when>
      <xsl:when test="$name = 'lightGray'">#C0C0C0</xsl:when>
      <xsl:when test="$name = 'none'">none</xsl:when>
    </xsl:choose>
  </xsl:template>

  <!-- ===== Values that may reach the page ===== -->

  <xsl:variable name="controls" select="'&#x9;&#xA;&#xD;&#x7F;&#x80;&#x81;&#x82;&#x83;&#x84;&#x85;&#x86;&#x87;&#x88;&#x89;&#x8A;&#x8B;&#x8C;&#x8D;&#x8E;&#x8F;&#x90;&#x91;&#x92;&#x93;&#x94;&#x95;&#x96;&#x97;&#x98;&#x99;&#x9A;&#x9B;&#x9C;&#x9D;&#x9E;&#x9F;'"/>
  <!-- Printable ASCII and the whitespace XML allows, the frequent first: translate() looks each
       character up from the start of this string. -->
  <xsl:variable name="ascii" select="concat(' etaoinsrhldcumfpgwybvkxjqz', 'ETAOINSRHLDCUMFPGWYBVKXJQZ', '0123456789.,-()/:;&quot;!?=&amp;_%+*#@$[]{}&lt;&gt;|\^`~', &quot;'&quot;, '&#x9;&#xA;&#xD;')"/>

  <!-- A link target as it is when it may be written: http:, https:, mailto: and ftp: URLs, a
       #bookmark, a relative path without a scheme; '' for anything else and for anything
       holding a control character, a space, a quote or an angle bracket (no URL holds them as
       they are, and processors disagree on how to escape them in an attribute). -->
  <xsl:template name="safe-link">
    <xsl:param name="url"/>
    <xsl:variable name="beforeColon" select="substring-before($url, ':')"/>
    <xsl:variable name="scheme" select="translate($beforeColon, $upper, $lower)"/>
    <xsl:choose>
      <xsl:when test="normalize-space($url) = '' or translate($url, concat($controls, ' &quot;&lt;&gt;'), '') != $url"/>
      <xsl:when test="starts-with($url, '#')"><xsl:value-of select="$url"/></xsl:when>
      <xsl:when test="not(contains($url, ':')) or contains($beforeColon, '/') or contains($beforeColon, '?') or contains($beforeColon, '#')">
        <xsl:value-of select="$url"/>
      </xsl:when>
      <xsl:when test="$scheme = 'http' or $scheme = 'https' or $scheme = 'mailto' or $scheme = 'ftp'"><xsl:value-of select="$url"/></xsl:when>
    </xsl:choose>
  </xsl:template>

  <!-- A picture source: a path inside the package, relative to the main part. -->
  <xsl:template name="safe-picture">
    <xsl:param name="target"/>
    <xsl:if test="normalize-space($target) != '' and not(contains($target, ':')) and not(starts-with($target, '/'))
                  and not(starts-with($target, '\')) and translate($target, $controls, '') = $target">
      <xsl:value-of select="$target"/>
    </xsl:if>
  </xsl:template>

  <!-- A font name of letters, digits, spaces and -_,. (letters outside ASCII included), at
       most 64 characters; '' otherwise. -->
  <xsl:template name="safe-font">
    <xsl:param name="name"/>
    <xsl:variable name="rest" select="translate($name, concat($upper, $lower, $digits, ' -_,.'), '')"/>
    <xsl:if test="normalize-space($name) != '' and string-length($name) &lt;= 64 and translate($rest, $ascii, '') = $rest">
      <xsl:value-of select="normalize-space($name)"/>
    </xsl:if>
  </xsl:template>

  <xsl:template name="safe-colour">
    <xsl:param name="value"/>
    <xsl:if test="string-length($value) = 6 and translate($value, $hex, '') = ''">
      <xsl:value-of select="concat('#', translate($value, $lower, $upper))"/>
    </xsl:if>
  </xsl:template>

  <!-- ===== Pass 3: indexes ===== -->

  <!-- Index entries hold ranks that xsl:for-each hands out, as the text "KEY|VALUE" of a k:e
       (a list's members carry theirs as attributes, the key in k): a text is the smallest node
       a tree can hold, and indexes of long documents run to tens of thousands of them. The
       ranks of a set of siblings numbered 1, 2, ... turn into groups: along a container, the
       block number minus the rank among some of its blocks stays the same exactly while those
       blocks follow one another, so it names each unbroken stretch of them.
       Where one key names several entries (a run's ranks), each for-each writes its entries
       into a k:b of its own, in the order the lookups count on, and so does every for-each
       whose entries would lie between such blocks. A processor puts the nodes a key returns in
       document order, and libxml2, in a tree the stylesheet made, compares two siblings by
       walking from one to the other: entries of one run in one long list would cost a walk
       along the list, in blocks a step between blocks. A key value for a few nodes instead of
       one per node also keeps the processor's key tables small. -->
  <xsl:template match="k:marked" mode="pass">
    <!-- With fields, the tree is k:indexed, the index alone, and two passes follow;
         k:linked is ready to show. -->
    <xsl:element name="{concat('k:', substring('linked', 1, 6 * not(@fields)), substring('indexed', 1, 7 * boolean(@fields)))}">
      <!-- The index first: a processor that keeps every tree of a transformation in one
           store (Xalan) would otherwise also find the copy below in the keys. -->
      <k:index>
        <!-- Content is walked from the root element, where only parts hold paragraphs and
             runs: from every part at once, libxml2 would compare each result with all before. -->
        <xsl:variable name="listContainers" select="descendant::*[w:p/@k:l]"/>
        <xsl:for-each select="$listContainers">
          <xsl:call-template name="list-groups"><xsl:with-param name="items" select="w:p[@k:l]"/></xsl:call-template>
        </xsl:for-each>
        <!-- Only with lists: the first key lookup in a tree indexes the whole tree for every key. -->
        <xsl:if test="$listContainers"><xsl:call-template name="list-counters"/></xsl:if>
        <xsl:call-template name="first-notes"/>
        <!-- The paragraph styles in use, sorted by class (a number, which every processor orders
             alike) so that each shows once where it changes. -->
        <xsl:for-each select="descendant::w:p[@k:ps][not(@k:ps = (preceding-sibling::*[1])/@k:ps)]">
          <xsl:sort select="substring(key('style', @k:ps)/@k:cls, 2)" data-type="number"/>
          <k:s><xsl:value-of select="@k:ps"/></k:s>
        </xsl:for-each>
        <xsl:if test="@fields">
          <xsl:variable name="runs" select="descendant::w:r"/>
          <xsl:if test="$runs[@k:href]">
            <xsl:call-template name="field-ranks"><xsl:with-param name="runs" select="$runs"/></xsl:call-template>
            <!-- What the fourth pass needs of the runs, in order: the id, k:f on field marks,
                 h on the begin of a field that links somewhere. -->
            <k:runs>
              <xsl:for-each select="$runs"><k:u><xsl:copy-of select="@k:id | @k:f"/><xsl:if test="@k:href"><xsl:attribute name="h">1</xsl:attribute></xsl:if></k:u></xsl:for-each>
            </k:runs>
          </xsl:if>
        </xsl:if>
      </k:index>
      <xsl:if test="not(@fields)"><xsl:copy-of select="*"/></xsl:if>
    </xsl:element>
  </xsl:template>

  <!-- For each level L from -1 on: the unbroken stretches of a container's list items deeper
       than L. At -1 they are the lists; at L, the items nested under one item of level L
       (or the deeper items that open a stretch). Entries: "g CONTAINER L GROUP" lists the
       stretch's first item and its items of level L + 1 (with their level and block number);
       "G ITEM L" gives the group of a stretch's first and last items, the only ones looked up. -->
  <xsl:template name="list-groups">
    <xsl:param name="items"/>
    <xsl:param name="level" select="-1"/>
    <xsl:variable name="deeper" select="$items[@k:l &gt; $level]"/>
    <xsl:if test="$deeper">
      <xsl:variable name="container" select="@k:id"/>
      <xsl:for-each select="$deeper">
        <xsl:variable name="group" select="@k:p - position()"/>
        <xsl:variable name="first" select="not((preceding-sibling::*[1])[@k:l &gt; $level])"/>
        <xsl:if test="$first or @k:l = $level + 1">
          <k:e k="{concat('g ', $container, ' ', $level, ' ', $group)}" r="{@k:id}" l="{@k:l}" p="{@k:p}"/>
        </xsl:if>
        <xsl:if test="$first or not((following-sibling::*[1])[@k:l &gt; $level])">
          <k:e><xsl:value-of select="concat('G ', @k:id, ' ', $level, '|', $group)"/></k:e>
        </xsl:if>
      </xsl:for-each>
      <xsl:call-template name="list-groups">
        <xsl:with-param name="items" select="$deeper"/>
        <xsl:with-param name="level" select="$level + 1"/>
      </xsl:call-template>
    </xsl:if>
  </xsl:template>

  <!-- Numbering counters, per abstract numbering A and level L, in document order:
       "y ITEM" the item's rank among the items of A at L; "z L ITEM" its rank among the items
       of A at L or above; "x A L K" the K-th item of A above L, which restarts L;
       "o ITEM" its rank among the items of its numId at L, where the numId restarts L. -->
  <xsl:template name="list-counters">
    <xsl:if test="key('itemsOfAbstract', 'none')">
      <xsl:call-template name="level-counters"><xsl:with-param name="abstract" select="'none'"/></xsl:call-template>
    </xsl:if>
    <xsl:for-each select="k:part[@scope = 'numbering']/w:numbering/w:abstractNum">
      <xsl:if test="key('itemsOfAbstract', @w:abstractNumId)">
        <xsl:call-template name="level-counters"><xsl:with-param name="abstract" select="string(@w:abstractNumId)"/></xsl:call-template>
      </xsl:if>
    </xsl:for-each>
    <xsl:for-each select="k:part[@scope = 'numbering']/w:numbering/w:num/w:lvlOverride[w:startOverride]">
      <xsl:variable name="level" select="@w:ilvl"/>
      <xsl:for-each select="key('itemsOfNum', ../@w:numId)[@k:l = $level]">
        <k:e><xsl:value-of select="concat('o ', @k:id, '|', position())"/></k:e>
      </xsl:for-each>
    </xsl:for-each>
  </xsl:template>

  <xsl:template name="level-counters">
    <xsl:param name="abstract"/>
    <xsl:param name="level" select="0"/>
    <xsl:if test="$level &lt;= 8">
      <xsl:variable name="items" select="key('itemsOfAbstract', $abstract)"/>
      <xsl:if test="$items[@k:l = $level]">
        <xsl:for-each select="$items[@k:l = $level]">
          <k:e><xsl:value-of select="concat('y ', @k:id, '|', position())"/></k:e>
        </xsl:for-each>
        <xsl:for-each select="$items[@k:l &lt;= $level]">
          <k:e><xsl:value-of select="concat('z ', $level, ' ', @k:id, '|', position())"/></k:e>
        </xsl:for-each>
        <xsl:for-each select="$items[@k:l &lt; $level]">
          <k:e><xsl:value-of select="concat('x ', $abstract, ' ', $level, ' ', position(), '|', @k:id)"/></k:e>
        </xsl:for-each>
      </xsl:if>
      <xsl:call-template name="level-counters">
        <xsl:with-param name="abstract" select="$abstract"/>
        <xsl:with-param name="level" select="$level + 1"/>
      </xsl:call-template>
    </xsl:if>
  </xsl:template>

  <!-- "first footnote" and "first endnote": the smallest id of a note that is not a separator. -->
  <xsl:template name="first-notes">
    <xsl:for-each select="k:part[@scope = 'footnotes']/w:footnotes/w:footnote[not(@w:type) or @w:type = 'normal']">
      <xsl:sort select="@w:id" data-type="number"/>
      <xsl:if test="position() = 1"><k:e><xsl:value-of select="concat('first footnote', '|', @w:id)"/></k:e></xsl:if>
    </xsl:for-each>
    <xsl:for-each select="k:part[@scope = 'endnotes']/w:endnotes/w:endnote[not(@w:type) or @w:type = 'normal']">
      <xsl:sort select="@w:id" data-type="number"/>
      <xsl:if test="position() = 1"><k:e><xsl:value-of select="concat('first endnote', '|', @w:id)"/></k:e></xsl:if>
    </xsl:for-each>
  </xsl:template>

  <!-- Fields, over all runs in document order: "R RUN" is two entries, the run's rank among
       the begin marks or among the other runs, then the same for end marks; its rank among all
       runs is its place in k:runs. From them come the counts of begins and ends before a run,
       and its depth in fields. -->
  <xsl:template name="field-ranks">
    <xsl:param name="runs"/>
    <k:e>fields|1</k:e>
    <k:b><xsl:for-each select="$runs[@k:f = 'b']"><k:e><xsl:value-of select="concat('R ', @k:id, '|', position())"/></k:e></xsl:for-each></k:b>
    <k:b><xsl:for-each select="$runs[not(@k:f = 'b')]"><k:e><xsl:value-of select="concat('R ', @k:id, '|', position())"/></k:e></xsl:for-each></k:b>
    <k:b><xsl:for-each select="$runs[@k:f = 'e']"><k:e><xsl:value-of select="concat('R ', @k:id, '|', position())"/></k:e></xsl:for-each></k:b>
    <k:b><xsl:for-each select="$runs[not(@k:f = 'e')]"><k:e><xsl:value-of select="concat('R ', @k:id, '|', position())"/></k:e></xsl:for-each></k:b>
  </xsl:template>

  <!-- ===== Pass 4: each run's depth in fields ===== -->

  <!-- How many fields are open around a run, from its ranks: before a begin mark, its rank
       among begins less one and the ends before it (the depth it opens at); at an end mark,
       the begins up to it less the ends before it; elsewhere the difference of its ranks
       among the runs that are not begins and not ends. The ranks are used here and dropped:
       the page needs only "d RUN" (depth and rank). The fifth pass reads every run's depth
       and mark at each depth, so they are its first attributes, and a run that is no mark
       has no k:f: a libxml2 node finds an attribute by walking its list from the first. -->
  <xsl:template match="k:indexed" mode="pass">
    <k:depthed>
      <k:index>
        <xsl:copy-of select="k:index/k:e | k:index/k:s"/>
      </k:index>
      <k:runs>
        <xsl:for-each select="k:index/k:runs/k:u">
          <xsl:variable name="ranks" select="key('entry', concat('R ', @k:id))"/>
          <xsl:variable name="rank" select="position()"/>
          <xsl:variable name="begins" select="substring-after($ranks[1], '|')"/>
          <xsl:variable name="ends" select="substring-after($ranks[2], '|')"/>
          <w:r>
            <xsl:attribute name="k:d">
              <xsl:choose>
                <xsl:when test="@k:f = 'b'"><xsl:value-of select="$begins - 1 - $rank + $ends"/></xsl:when>
                <xsl:when test="@k:f = 'e'"><xsl:value-of select="$rank + 1 - $begins - $ends"/></xsl:when>
                <xsl:otherwise><xsl:value-of select="$ends - $begins"/></xsl:otherwise>
              </xsl:choose>
            </xsl:attribute>
            <xsl:copy-of select="@k:f"/>
            <xsl:attribute name="k:r"><xsl:value-of select="$rank"/></xsl:attribute>
            <xsl:copy-of select="@k:id | @h"/>
          </w:r>
        </xsl:for-each>
      </k:runs>
    </k:depthed>
  </xsl:template>

  <!-- ===== Pass 5: fields by depth, and the content joined to the index ===== -->

  <!-- "d RUN" holds the run's depth and rank, and after it one entry for each depth D the run
       lies deeper than, which tells the field at depth D it belongs to; a run outside every
       field has none, which reads as depth 0. For each depth D:
       "F D I", where the I-th field that opens at depth D links somewhere, is its begin mark;
       "s D I" and "e D I" are that field's separate and end marks. -->
  <xsl:template match="k:depthed" mode="pass">
    <xsl:param name="content"/>
    <k:linked>
      <k:index>
        <xsl:copy-of select="k:index/*"/>
        <k:b><xsl:for-each select="k:runs/w:r[@k:d &gt; 0]"><k:e><xsl:value-of select="concat('d ', @k:id, '|', @k:d, ' ', @k:r)"/></k:e></xsl:for-each></k:b>
        <xsl:call-template name="field-depths"><xsl:with-param name="runs" select="k:runs/w:r"/></xsl:call-template>
      </k:index>
      <xsl:copy-of select="$content/*"/>
    </k:linked>
  </xsl:template>

  <xsl:template match="k:linked" mode="pass">
    <xsl:apply-templates select="." mode="page"/>
  </xsl:template>

  <xsl:template name="field-depths">
    <xsl:param name="runs"/>
    <xsl:param name="depth" select="0"/>
    <xsl:variable name="opening" select="$runs[@k:f = 'b' and @k:d = $depth]"/>
    <xsl:if test="$opening and $depth &lt; 8">
      <k:b><xsl:for-each select="$opening"><xsl:if test="@h"><k:e><xsl:value-of select="concat('F ', $depth, ' ', position(), '|', @k:id)"/></k:e></xsl:if></xsl:for-each></k:b>
      <!-- The run's rank among the runs that are not such begins, as the next "d RUN" entry;
           the rank of the run less it counts the begins before the run, the field at depth D
           around it. -->
      <k:b>
        <xsl:for-each select="$runs[not(@k:f = 'b' and @k:d = $depth)]">
          <xsl:if test="@k:d &gt; $depth">
            <k:e><xsl:value-of select="concat('d ', @k:id, '|', position())"/></k:e>
          </xsl:if>
          <xsl:if test="@k:d = $depth + 1">
            <xsl:if test="@k:f = 's'"><k:e><xsl:value-of select="concat('s ', $depth, ' ', @k:r - position(), '|', @k:r)"/></k:e></xsl:if>
            <xsl:if test="@k:f = 'e'"><k:e><xsl:value-of select="concat('e ', $depth, ' ', @k:r - position(), '|', @k:id)"/></k:e></xsl:if>
          </xsl:if>
        </xsl:for-each>
      </k:b>
      <xsl:call-template name="field-depths">
        <xsl:with-param name="runs" select="$runs"/>
        <xsl:with-param name="depth" select="$depth + 1"/>
      </xsl:call-template>
    </xsl:if>
  </xsl:template>

  <!-- ===== The page ===== -->

  <xsl:template match="k:indexed | k:linked" mode="page">
    <xsl:apply-templates select="k:part[@scope = 'main']/*" mode="page"/>
  </xsl:template>

  <xsl:template match="*" mode="page">
    <xsl:variable name="defaults" select="/*/k:part[@scope = 'styles']/w:styles/k:defaults"/>
    <html>
      <head>
        <title>
          <xsl:variable name="marked" select="w:body/w:p[@k:h = 'title'][1]"/>
          <xsl:for-each select="$marked/descendant::w:t | w:body/w:p[not($marked)][translate(w:pPr/w:pStyle/@w:val, $upper, $lower) = 'title'][1]/descendant::w:t">
            <xsl:value-of select="."/>
          </xsl:for-each>
        </title>
        <style type="text/css">
          <xsl:text>body { font-family: </xsl:text>
          <xsl:call-template name="css-font"><xsl:with-param name="name" select="string($defaults/@k:fa)"/><xsl:with-param name="otherwise" select="'Times New Roman'"/></xsl:call-template>
          <xsl:text>; font-size: </xsl:text>
          <xsl:call-template name="points"><xsl:with-param name="half" select="$defaults/@k:sz"/></xsl:call-template>
          <xsl:if test="starts-with($defaults/@k:color, '#')"><xsl:value-of select="concat('; color: ', $defaults/@k:color)"/></xsl:if>
          <xsl:text> }&#10;</xsl:text>
          <xsl:text>table { border-collapse: collapse; }&#10;</xsl:text>
          <xsl:text>td, th { border: 1px solid #808080; padding: 2pt 4pt; vertical-align: top; }&#10;</xsl:text>
          <xsl:text>th { font-weight: normal; text-align: left; }&#10;</xsl:text>
          <xsl:text>a:link, a:visited { color: </xsl:text>
          <xsl:value-of select="concat(substring('#000000', 1, 7 * not(starts-with($defaults/@k:color, '#'))), substring($defaults/@k:color, 1, 7 * starts-with($defaults/@k:color, '#')))"/>
          <xsl:text>; text-decoration: none; }&#10;</xsl:text>
          <xsl:text>div.textbox { border: 1px solid #C0C0C0; margin: 4pt 0; padding: 2pt 4pt; }&#10;</xsl:text>
          <xsl:for-each select="/*/k:index/k:s[not(. = (preceding-sibling::k:s[1]))]">
            <xsl:for-each select="key('style', .)[@w:type = 'paragraph' or not(@w:type)]">
              <xsl:value-of select="concat('.', @k:cls, ' { ')"/>
              <xsl:call-template name="class-css"><xsl:with-param name="defaults" select="$defaults"/></xsl:call-template>
              <xsl:text>}&#10;</xsl:text>
            </xsl:for-each>
          </xsl:for-each>
        </style>
      </head>
      <body>
        <xsl:choose>
          <xsl:when test="self::w:document">
            <xsl:for-each select="w:body"><xsl:call-template name="blocks"/></xsl:for-each>
            <xsl:call-template name="note-texts">
              <xsl:with-param name="notes" select="/*/k:part[@scope = 'footnotes']/w:footnotes/w:footnote[not(@w:type) or @w:type = 'normal']"/>
              <xsl:with-param name="kind" select="'footnote'"/>
            </xsl:call-template>
            <xsl:call-template name="note-texts">
              <xsl:with-param name="notes" select="/*/k:part[@scope = 'endnotes']/w:endnotes/w:endnote[not(@w:type) or @w:type = 'normal']"/>
              <xsl:with-param name="kind" select="'endnote'"/>
            </xsl:call-template>
          </xsl:when>
          <xsl:otherwise>
            <p>This document cannot be shown: it is not a WordprocessingML main part this
              converter can read.</p>
          </xsl:otherwise>
        </xsl:choose>
      </body>
    </html>
  </xsl:template>

  <!-- A paragraph style's class: what its chain sets over the document defaults. Size,
       weight and slant are always set, so that headings show their style's, not the
       browser's. -->
  <xsl:template name="class-css">
    <xsl:param name="defaults"/>
    <xsl:if test="@k:fa">
      <xsl:text>font-family: </xsl:text>
      <xsl:call-template name="css-font"><xsl:with-param name="name" select="string(@k:fa)"/></xsl:call-template>
      <xsl:text>; </xsl:text>
    </xsl:if>
    <xsl:text>font-size: </xsl:text>
    <xsl:call-template name="points"><xsl:with-param name="half" select="concat(@k:sz, substring($defaults/@k:sz, 1, 9 * not(@k:sz)))"/></xsl:call-template>
    <xsl:text>; font-weight: </xsl:text>
    <xsl:value-of select="substring('normalbold', 1 + 6 * ((number($defaults/@k:b = '1') + number(@k:b = '1')) mod 2), 6 - 2 * ((number($defaults/@k:b = '1') + number(@k:b = '1')) mod 2))"/>
    <xsl:text>; font-style: </xsl:text>
    <xsl:value-of select="substring('normalitalic', 1 + 6 * ((number($defaults/@k:i = '1') + number(@k:i = '1')) mod 2), 6)"/>
    <xsl:text>; </xsl:text>
    <xsl:if test="starts-with(@k:color, '#')"><xsl:value-of select="concat('color: ', @k:color, '; ')"/></xsl:if>
    <xsl:if test="(number($defaults/@k:caps = '1') + number(@k:caps = '1')) mod 2 = 1">text-transform: uppercase; </xsl:if>
    <xsl:if test="(number($defaults/@k:sc = '1') + number(@k:sc = '1')) mod 2 = 1">font-variant: small-caps; </xsl:if>
    <xsl:if test="@k:u = '1'">text-decoration: underline; </xsl:if>
    <xsl:if test="@k:jc"><xsl:value-of select="concat('text-align: ', @k:jc, '; ')"/></xsl:if>
  </xsl:template>

  <!-- A CSS font-family: the font, quoted, and a generic family after it. -->
  <xsl:template name="css-font">
    <xsl:param name="name"/>
    <xsl:param name="otherwise" select="''"/>
    <xsl:variable name="font" select="concat($name, substring($otherwise, 1, string-length($otherwise) * ($name = '')))"/>
    <xsl:variable name="lowerFont" select="translate($font, $upper, $lower)"/>
    <xsl:if test="$font != ''"><xsl:value-of select="concat(&quot;'&quot;, $font, &quot;', &quot;)"/></xsl:if>
    <xsl:choose>
      <xsl:when test="contains($lowerFont, 'courier') or contains($lowerFont, 'consolas') or contains($lowerFont, 'mono')
                      or contains($lowerFont, 'console')">monospace</xsl:when>
      <xsl:when test="contains($lowerFont, 'sans') or contains($lowerFont, 'arial') or contains($lowerFont, 'calibri')
                      or contains($lowerFont, 'helvetica') or contains($lowerFont, 'verdana') or contains($lowerFont, 'tahoma')
                      or contains($lowerFont, 'segoe') or contains($lowerFont, 'gothic')">sans-serif</xsl:when>
      <xsl:otherwise>serif</xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- Half-points as points, 10pt when not given. -->
  <xsl:template name="points">
    <xsl:param name="half"/>
    <xsl:choose>
      <xsl:when test="number($half) &gt; 0"><xsl:value-of select="concat($half div 2, 'pt')"/></xsl:when>
      <xsl:otherwise>10pt</xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- Parts that carry no content of their own. -->
  <xsl:template match="w:pPr | w:rPr | w:tblPr | w:trPr | w:tcPr | w:tblGrid | w:sectPr | w:tblPrEx
                       | w:instrText | w:delText | w:del | w:moveFrom | w:fldChar
                       | w:bookmarkEnd | w:proofErr | w:lastRenderedPageBreak | w:footnoteRef
                       | w:endnoteRef | w:annotationRef | w:separator | w:continuationSeparator
                       | w:commentRangeStart | w:commentRangeEnd | w:commentReference
                       | w:sdtPr | w:sdtEndPr | w:permStart | w:permEnd | k:marks | k:index | k:e"/>

  <!-- ===== Blocks ===== -->

  <!-- The blocks of a container (the body, a cell, a text box, a note), in order. A list
       item that follows no list item opens the lists of its stretch of items. -->
  <xsl:template name="blocks">
    <xsl:for-each select="*">
      <xsl:choose>
        <xsl:when test="not(@k:l)"><xsl:apply-templates select="."/></xsl:when>
        <xsl:when test="not(preceding-sibling::*[1]/@k:l)">
          <xsl:call-template name="list">
            <xsl:with-param name="members" select="key('entry', concat('g ', ../@k:id, ' -1 ', substring-after(key('entry', concat('G ', @k:id, ' -1')), '|')))"/>
            <xsl:with-param name="level" select="0"/>
          </xsl:call-template>
        </xsl:when>
      </xsl:choose>
    </xsl:for-each>
  </xsl:template>

  <!-- Block-level wrappers show their blocks; inline ones their content. -->
  <xsl:template match="w:sdt | w:customXml | w:ins | w:moveTo | w:smartTag | w:bdo | w:dir">
    <xsl:param name="inLink" select="false()"/>
    <xsl:choose>
      <xsl:when test="@k:c"><xsl:apply-templates select="k:marks/*"/><xsl:call-template name="blocks"/></xsl:when>
      <xsl:when test="w:sdtContent[@k:c]"><xsl:apply-templates select="k:marks/*"/><xsl:for-each select="w:sdtContent"><xsl:call-template name="blocks"/></xsl:for-each></xsl:when>
      <xsl:otherwise>
        <xsl:apply-templates select="*[not(self::k:marks)]"><xsl:with-param name="inLink" select="$inLink"/></xsl:apply-templates>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>
  <xsl:template match="w:sdtContent">
    <xsl:param name="inLink" select="false()"/>
    <xsl:apply-templates select="*"><xsl:with-param name="inLink" select="$inLink"/></xsl:apply-templates>
  </xsl:template>

  <xsl:template match="w:p">
    <xsl:variable name="heading" select="string(@k:h)"/>
    <!-- p, or h1 to h6 for a heading level of one digit; a title is an h1. -->
    <xsl:element name="{concat(substring('ph', 1 + ($heading != ''), 1), translate(substring($heading, 1, 1), 't', '1'))}">
      <xsl:call-template name="paragraph-attributes"><xsl:with-param name="title" select="$heading = 'title'"/></xsl:call-template>
      <xsl:call-template name="paragraph-content"/>
      <xsl:call-template name="empty-mark"/>
    </xsl:element>
    <xsl:call-template name="text-boxes"/>
  </xsl:template>

  <!-- An empty paragraph keeps its line. -->
  <xsl:template name="empty-mark">
    <xsl:if test="not(descendant::w:t[string-length(.) &gt; 0] | descendant::w:drawing | descendant::w:pict | descendant::w:sym
                      | descendant::w:tab | descendant::m:t | descendant::w:object)">
      <xsl:text>&#160;</xsl:text>
    </xsl:if>
  </xsl:template>

  <xsl:template name="paragraph-content">
    <xsl:apply-templates select="k:marks/*"/>
    <xsl:call-template name="inline"/>
  </xsl:template>

  <!-- The class of the paragraph's style, and what the paragraph sets itself: alignment and
       right-to-left direction. -->
  <xsl:template name="paragraph-attributes">
    <xsl:param name="title" select="false()"/>
    <xsl:variable name="style" select="key('style', @k:ps)"/>
    <xsl:if test="$style/@k:cls or $title">
      <xsl:attribute name="class">
        <xsl:value-of select="normalize-space(concat(substring('title', 1, 5 * $title), ' ', $style/@k:cls))"/>
      </xsl:attribute>
    </xsl:if>
    <xsl:if test="w:pPr/*[local-name() = 'jc']">
      <xsl:variable name="align"><xsl:call-template name="property"><xsl:with-param name="pPr" select="w:pPr"/><xsl:with-param name="name" select="'jc'"/></xsl:call-template></xsl:variable>
      <xsl:if test="$align != '' and $align != string($style/@k:jc)">
        <xsl:attribute name="style"><xsl:value-of select="concat('text-align: ', $align)"/></xsl:attribute>
      </xsl:if>
    </xsl:if>
    <xsl:variable name="bidi" select="w:pPr/*[local-name() = 'bidi']"/>
    <xsl:if test="($bidi and not($bidi/@w:val = '0' or $bidi/@w:val = 'false' or $bidi/@w:val = 'off')) or (not($bidi) and $style/@k:bidi = '1')">
      <xsl:attribute name="dir">rtl</xsl:attribute>
    </xsl:if>
  </xsl:template>

  <!-- A text box's paragraphs follow the paragraph that anchors it; of content written twice
       for older readers only the first choice counts. -->
  <xsl:template name="text-boxes">
    <xsl:for-each select="descendant::w:txbxContent[not(ancestor::mc:Fallback)][not(ancestor::w:txbxContent)]">
      <div class="textbox"><xsl:call-template name="blocks"/></div>
    </xsl:for-each>
  </xsl:template>

  <!-- Bookmarks become anchors for internal links; _GoBack is Word's own. -->
  <xsl:template match="w:bookmarkStart">
    <xsl:if test="@w:name != '_GoBack' and not(parent::w:tbl or parent::w:tr)">
      <a name="{@w:name}"></a>
    </xsl:if>
  </xsl:template>

  <!-- ===== Lists ===== -->

  <!-- The lists of $level: their items are the members of that level, each holding the lists
       of the deeper members after it; deeper members that come first sit in an item without
       a mark. Items of one abstract numbering in a row make one list; where the numbering
       changes, a new list begins (after 64 such changes the items stay in the last list,
       each with its own mark). Members are the index's entries of a stretch (item, level,
       block number), so that the deeper stretch after an item is one look-up and the
       recursion follows the nesting, not the length of a list. -->
  <xsl:template name="list">
    <xsl:param name="members"/>
    <xsl:param name="level"/>
    <xsl:variable name="heads" select="$members[@l = $level]"/>
    <xsl:variable name="starts">
      <xsl:for-each select="$heads[position() &gt; 1]">
        <xsl:for-each select="key('node', @r)">
          <xsl:variable name="before" select="preceding-sibling::*[1]"/>
          <xsl:variable name="previous" select="$before[@k:l = $level]
              | (key('node', key('entry', concat('g ', ../@k:id, ' ', $level, ' ', substring-after(key('entry', concat('G ', $before/@k:id, ' ', $level)), '|')))[1]/@r)
                  /preceding-sibling::*[1])[$before/@k:l &gt; $level]"/>
          <xsl:if test="not($previous/@k:a = @k:a)"><xsl:value-of select="concat(@k:p, ' ')"/></xsl:if>
        </xsl:for-each>
      </xsl:for-each>
    </xsl:variable>
    <xsl:call-template name="list-segments">
      <xsl:with-param name="first" select="$members[1]"/>
      <xsl:with-param name="heads" select="$heads"/>
      <xsl:with-param name="level" select="$level"/>
      <xsl:with-param name="starts" select="string($starts)"/>
    </xsl:call-template>
  </xsl:template>

  <xsl:template name="list-segments">
    <xsl:param name="first"/>
    <xsl:param name="heads"/>
    <xsl:param name="level"/>
    <xsl:param name="starts"/>
    <xsl:param name="segment" select="1"/>
    <xsl:variable name="end" select="substring-before($starts, ' ')"/>
    <xsl:variable name="last" select="$end = '' or $segment = 64"/>
    <xsl:call-template name="list-element">
      <xsl:with-param name="first" select="$first"/>
      <xsl:with-param name="heads" select="$heads[$last or @p &lt; $end]"/>
      <xsl:with-param name="level" select="$level"/>
    </xsl:call-template>
    <xsl:if test="not($last)">
      <xsl:variable name="rest" select="$heads[@p &gt;= $end]"/>
      <xsl:call-template name="list-segments">
        <xsl:with-param name="first" select="$rest[1]"/>
        <xsl:with-param name="heads" select="$rest"/>
        <xsl:with-param name="level" select="$level"/>
        <xsl:with-param name="starts" select="substring-after($starts, ' ')"/>
        <xsl:with-param name="segment" select="$segment + 1"/>
      </xsl:call-template>
    </xsl:if>
  </xsl:template>

  <!-- One list element: its kind and start from its first member, its items from $heads. -->
  <xsl:template name="list-element">
    <xsl:param name="first"/>
    <xsl:param name="heads"/>
    <xsl:param name="level"/>
    <xsl:variable name="firstItem" select="key('node', $first/@r)"/>
    <xsl:variable name="kind"><xsl:call-template name="list-kind"><xsl:with-param name="item" select="$firstItem"/><xsl:with-param name="level" select="$level"/></xsl:call-template></xsl:variable>
    <xsl:variable name="element" select="substring-before($kind, ' ')"/>
    <xsl:element name="{$element}">
      <xsl:variable name="type" select="substring-before(substring-after($kind, ' '), ' ')"/>
      <xsl:if test="$element = 'ol' and $type != '-'"><xsl:attribute name="type"><xsl:value-of select="$type"/></xsl:attribute></xsl:if>
      <xsl:if test="$type = 'none'"><xsl:attribute name="style">list-style-type: none</xsl:attribute></xsl:if>
      <xsl:if test="$element = 'ol'">
        <xsl:variable name="start">
          <xsl:choose>
            <xsl:when test="$first/@l = $level"><xsl:for-each select="$firstItem"><xsl:call-template name="item-number"/></xsl:for-each></xsl:when>
            <xsl:otherwise><xsl:call-template name="level-start"><xsl:with-param name="item" select="$firstItem"/><xsl:with-param name="level" select="$level"/></xsl:call-template></xsl:otherwise>
          </xsl:choose>
        </xsl:variable>
        <xsl:if test="$start != 1"><xsl:attribute name="start"><xsl:value-of select="$start"/></xsl:attribute></xsl:if>
      </xsl:if>
      <xsl:if test="$first/@l &gt; $level">
        <li style="list-style-type: none">
          <xsl:call-template name="list">
            <xsl:with-param name="members" select="key('entry', concat('g ', $firstItem/../@k:id, ' ', $level, ' ', substring-after(key('entry', concat('G ', $first/@r, ' ', $level)), '|')))"/>
            <xsl:with-param name="level" select="$level + 1"/>
          </xsl:call-template>
        </li>
      </xsl:if>
      <xsl:for-each select="$heads">
        <xsl:variable name="mark" select="position() &gt; 1 or $first/@l &gt; $level"/>
        <xsl:for-each select="key('node', @r)">
          <li>
            <xsl:call-template name="paragraph-attributes"/>
            <xsl:if test="$mark">
              <xsl:call-template name="item-mark"><xsl:with-param name="listKind" select="$kind"/><xsl:with-param name="level" select="$level"/></xsl:call-template>
            </xsl:if>
            <xsl:call-template name="paragraph-content"/>
            <xsl:call-template name="empty-mark"/>
            <xsl:call-template name="text-boxes"/>
            <xsl:variable name="next" select="(following-sibling::*[1])[@k:l &gt; $level]"/>
            <xsl:if test="$next">
              <xsl:call-template name="list">
                <xsl:with-param name="members" select="key('entry', concat('g ', ../@k:id, ' ', $level, ' ', substring-after(key('entry', concat('G ', $next/@k:id, ' ', $level)), '|')))"/>
                <xsl:with-param name="level" select="$level + 1"/>
              </xsl:call-template>
            </xsl:if>
          </li>
        </xsl:for-each>
      </xsl:for-each>
    </xsl:element>
  </xsl:template>

  <!-- 'ol TYPE ' or 'ul TYPE ' for an item's numbering at a level: HTML's list types for
       Word's number formats ('-' for decimal and the rest), 'none' for lists without marks. -->
  <xsl:template name="list-kind">
    <xsl:param name="item"/>
    <xsl:param name="level"/>
    <xsl:variable name="format" select="key('abstract', $item/@k:a)/w:lvl[@w:ilvl = $level]/w:numFmt/@w:val"/>
    <xsl:choose>
      <xsl:when test="not($format) or $format = 'bullet'">ul - </xsl:when>
      <xsl:when test="$format = 'none'">ul none </xsl:when>
      <xsl:when test="$format = 'lowerLetter'">ol a </xsl:when>
      <xsl:when test="$format = 'upperLetter'">ol A </xsl:when>
      <xsl:when test="$format = 'lowerRoman'">ol i </xsl:when>
      <xsl:when test="$format = 'upperRoman'">ol I </xsl:when>
      <xsl:otherwise>ol - </xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- An item whose numbering differs from its list's, or that restarts it, says so. -->
  <xsl:template name="item-mark">
    <xsl:param name="listKind"/>
    <xsl:param name="level"/>
    <xsl:variable name="kind"><xsl:call-template name="list-kind"><xsl:with-param name="item" select="."/><xsl:with-param name="level" select="$level"/></xsl:call-template></xsl:variable>
    <xsl:variable name="restarts" select="key('num', @k:n)/w:lvlOverride[@w:ilvl = $level]/w:startOverride and substring-after(key('entry', concat('o ', @k:id)), '|') = 1"/>
    <xsl:if test="$kind != $listKind">
      <xsl:variable name="type" select="substring-before(substring-after($kind, ' '), ' ')"/>
      <xsl:attribute name="style">
        <xsl:text>list-style-type: </xsl:text>
        <xsl:choose>
          <xsl:when test="$type = 'none'">none</xsl:when>
          <xsl:when test="starts-with($kind, 'ul')">disc</xsl:when>
          <xsl:when test="$type = 'a'">lower-alpha</xsl:when>
          <xsl:when test="$type = 'A'">upper-alpha</xsl:when>
          <xsl:when test="$type = 'i'">lower-roman</xsl:when>
          <xsl:when test="$type = 'I'">upper-roman</xsl:when>
          <xsl:otherwise>decimal</xsl:otherwise>
        </xsl:choose>
      </xsl:attribute>
    </xsl:if>
    <xsl:if test="starts-with($kind, 'ol') and ($kind != $listKind or $restarts)">
      <xsl:attribute name="value"><xsl:call-template name="item-number"/></xsl:attribute>
    </xsl:if>
  </xsl:template>

  <!-- The number Word shows on a list item, from the counters of the index: items of the
       same abstract numbering and level count on across interruptions, an item of a
       shallower level restarts them, a numId with a start override restarts at its first
       item. -->
  <xsl:template name="item-number">
    <xsl:variable name="level" select="@k:l"/>
    <xsl:variable name="base"><xsl:call-template name="level-start"><xsl:with-param name="item" select="."/><xsl:with-param name="level" select="$level"/></xsl:call-template></xsl:variable>
    <xsl:variable name="override" select="key('num', @k:n)/w:lvlOverride[@w:ilvl = $level]/w:startOverride/@w:val"/>
    <xsl:variable name="y" select="number(substring-after(key('entry', concat('y ', @k:id)), '|'))"/>
    <xsl:variable name="resets" select="substring-after(key('entry', concat('z ', $level, ' ', @k:id)), '|') - $y"/>
    <xsl:choose>
      <xsl:when test="number($override) = number($override)"><xsl:value-of select="$override + substring-after(key('entry', concat('o ', @k:id)), '|') - 1"/></xsl:when>
      <xsl:when test="$resets &gt; 0">
        <xsl:variable name="reset" select="substring-after(key('entry', concat('x ', @k:a, ' ', $level, ' ', $resets)), '|')"/>
        <xsl:value-of select="$base + $y - substring-after(key('entry', concat('z ', $level, ' ', $reset)), '|') + $resets - 1"/>
      </xsl:when>
      <xsl:when test="$y = $y"><xsl:value-of select="$base + $y - 1"/></xsl:when>
      <xsl:otherwise><xsl:value-of select="$base"/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template name="level-start">
    <xsl:param name="item"/>
    <xsl:param name="level"/>
    <xsl:variable name="start" select="number(key('abstract', $item/@k:a)/w:lvl[@w:ilvl = $level]/w:start/@w:val)"/>
    <xsl:choose>
      <xsl:when test="$start = $start"><xsl:value-of select="$start"/></xsl:when>
      <xsl:otherwise>1</xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- ===== Inline content and field links ===== -->

  <!-- A paragraph's content. Where the document has field links, the children that lie in
       one field link's result are written inside one a, from the first of them to the one
       that holds the field's end mark, or to the paragraph's end when the field goes on.
       A child opens the a unless the run that gives the child before it its link comes after
       the field's separate mark. That run is then in the field's result: it lies between the
       separate mark and the child's run, which the field holds, and a field that closed or
       opened at its depth between them would have left the child's run outside it. It sits in
       the same outer fields, so none of them makes it a link of its own. -->
  <xsl:template name="inline">
    <xsl:choose>
      <xsl:when test="not(key('entry', 'fields') and self::w:p[descendant::w:r[@k:f] or number(concat('0', substring-before(substring-after(key('entry', concat('d ', descendant::w:r[1]/@k:id)), '|'), ' '))) &gt; 0])">
        <xsl:apply-templates select="*[not(self::k:marks)]"/>
      </xsl:when>
      <xsl:otherwise>
        <xsl:variable name="paragraph" select="."/>
        <xsl:variable name="lastChild" select="*[last()]/@k:sp"/>
        <xsl:for-each select="*[not(self::k:marks or self::w:pPr)]">
          <!-- The run that decides the child's link: its own first run, else the first run of
               one of the next two children (marks take the link of the text they stand before). -->
          <xsl:variable name="own" select="descendant-or-self::w:r[1]"/>
          <xsl:variable name="next" select="(following-sibling::*[1])[not($own)]/descendant-or-self::w:r[1]"/>
          <xsl:variable name="linkText">
            <xsl:for-each select="$own | $next | (following-sibling::*[2])[not($own or $next)]/descendant-or-self::w:r[1]"><xsl:call-template name="run-link"/></xsl:for-each>
          </xsl:variable>
          <xsl:variable name="link" select="substring-before($linkText, '|')"/>
          <xsl:choose>
            <xsl:when test="$link = ''"><xsl:apply-templates select="."/></xsl:when>
            <xsl:otherwise>
              <!-- The run that decides the child before's link, chosen the same way. -->
              <xsl:variable name="previous" select="(preceding-sibling::*[1])[not(self::k:marks or self::w:pPr)]"/>
              <xsl:variable name="previousRun" select="$previous/descendant-or-self::w:r[1] | ($own | $next)[$previous and not($previous/descendant-or-self::w:r)]"/>
              <!-- A run outside every field has no entry: no rank, and the child opens the a. -->
              <xsl:variable name="previousRank" select="substring-after(substring-after(key('entry', concat('d ', $previousRun/@k:id)), '|'), ' ')"/>
              <xsl:if test="not($previousRank &gt; substring-after($linkText, '|'))">
                <xsl:variable name="end" select="key('node', substring-after(key('entry', concat('e ', $link)), '|'))"/>
                <xsl:variable name="endChild" select="$end[generate-id(ancestor::w:p[1]) = generate-id($paragraph)]/ancestor-or-self::*[@k:sp][1]"/>
                <xsl:variable name="last" select="$endChild/@k:sp | $lastChild[not($endChild)]"/>
                <a href="{key('node', substring-after(key('entry', concat('F ', $link)), '|'))/@k:href}">
                  <xsl:call-template name="siblings">
                    <xsl:with-param name="first" select="."/>
                    <xsl:with-param name="count" select="$last - @k:sp + 1"/>
                  </xsl:call-template>
                </a>
              </xsl:if>
            </xsl:otherwise>
          </xsl:choose>
        </xsl:for-each>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- $count siblings from $first on, inside a link; sixteen at a time, so that the
       recursion stays shallow, and one at a time, since a union would sort them. -->
  <xsl:template name="siblings">
    <xsl:param name="first"/>
    <xsl:param name="count"/>
    <xsl:apply-templates select="$first[$count &gt; 0]"><xsl:with-param name="inLink" select="true()"/></xsl:apply-templates>
    <xsl:if test="$count &gt; 1"><xsl:apply-templates select="$first/following-sibling::*[1]"><xsl:with-param name="inLink" select="true()"/></xsl:apply-templates></xsl:if>
    <xsl:if test="$count &gt; 2"><xsl:apply-templates select="$first/following-sibling::*[2]"><xsl:with-param name="inLink" select="true()"/></xsl:apply-templates></xsl:if>
    <xsl:if test="$count &gt; 3"><xsl:apply-templates select="$first/following-sibling::*[3]"><xsl:with-param name="inLink" select="true()"/></xsl:apply-templates></xsl:if>
    <xsl:if test="$count &gt; 4"><xsl:apply-templates select="$first/following-sibling::*[4]"><xsl:with-param name="inLink" select="true()"/></xsl:apply-templates></xsl:if>
    <xsl:if test="$count &gt; 5"><xsl:apply-templates select="$first/following-sibling::*[5]"><xsl:with-param name="inLink" select="true()"/></xsl:apply-templates></xsl:if>
    <xsl:if test="$count &gt; 6"><xsl:apply-templates select="$first/following-sibling::*[6]"><xsl:with-param name="inLink" select="true()"/></xsl:apply-templates></xsl:if>
    <xsl:if test="$count &gt; 7"><xsl:apply-templates select="$first/following-sibling::*[7]"><xsl:with-param name="inLink" select="true()"/></xsl:apply-templates></xsl:if>
    <xsl:if test="$count &gt; 8"><xsl:apply-templates select="$first/following-sibling::*[8]"><xsl:with-param name="inLink" select="true()"/></xsl:apply-templates></xsl:if>
    <xsl:if test="$count &gt; 9"><xsl:apply-templates select="$first/following-sibling::*[9]"><xsl:with-param name="inLink" select="true()"/></xsl:apply-templates></xsl:if>
    <xsl:if test="$count &gt; 10"><xsl:apply-templates select="$first/following-sibling::*[10]"><xsl:with-param name="inLink" select="true()"/></xsl:apply-templates></xsl:if>
    <xsl:if test="$count &gt; 11"><xsl:apply-templates select="$first/following-sibling::*[11]"><xsl:with-param name="inLink" select="true()"/></xsl:apply-templates></xsl:if>
    <xsl:if test="$count &gt; 12"><xsl:apply-templates select="$first/following-sibling::*[12]"><xsl:with-param name="inLink" select="true()"/></xsl:apply-templates></xsl:if>
    <xsl:if test="$count &gt; 13"><xsl:apply-templates select="$first/following-sibling::*[13]"><xsl:with-param name="inLink" select="true()"/></xsl:apply-templates></xsl:if>
    <xsl:if test="$count &gt; 14"><xsl:apply-templates select="$first/following-sibling::*[14]"><xsl:with-param name="inLink" select="true()"/></xsl:apply-templates></xsl:if>
    <xsl:if test="$count &gt; 15"><xsl:apply-templates select="$first/following-sibling::*[15]"><xsl:with-param name="inLink" select="true()"/></xsl:apply-templates></xsl:if>
    <xsl:if test="$count &gt; 16">
      <xsl:call-template name="siblings">
        <xsl:with-param name="first" select="$first/following-sibling::*[16]"/>
        <xsl:with-param name="count" select="$count - 16"/>
      </xsl:call-template>
    </xsl:if>
  </xsl:template>

  <!-- "D I|S" for a run: the I-th field opening at depth D, of the outermost field link whose
       result holds the run, and the rank S of its separate mark; '' when there is none. The
       run's depth entries are read once, on the first call. -->
  <xsl:template name="run-link">
    <xsl:param name="entries" select="key('entry', concat('d ', @k:id))"/>
    <xsl:param name="rank" select="number(substring-after(substring-after($entries[1], '|'), ' '))"/>
    <xsl:param name="depth" select="number(substring-before(substring-after($entries[1], '|'), ' '))"/>
    <xsl:param name="level" select="0"/>
    <xsl:if test="$level &lt; $depth and $level &lt; 8">
      <xsl:variable name="field" select="concat($level, ' ', $rank - substring-after($entries[$level + 2], '|'))"/>
      <!-- The rank of the field's separate mark, where the field links somewhere. -->
      <xsl:variable name="separate" select="substring-after(key('entry', concat('s ', $field))[key('entry', concat('F ', $field))], '|')"/>
      <xsl:choose>
        <xsl:when test="$separate &lt; $rank"><xsl:value-of select="concat($field, '|', $separate)"/></xsl:when>
        <xsl:otherwise>
          <xsl:call-template name="run-link">
            <xsl:with-param name="entries" select="$entries"/>
            <xsl:with-param name="rank" select="$rank"/>
            <xsl:with-param name="depth" select="$depth"/>
            <xsl:with-param name="level" select="$level + 1"/>
          </xsl:call-template>
        </xsl:otherwise>
      </xsl:choose>
    </xsl:if>
  </xsl:template>

  <!-- A simple field shows its result; a hyperlink or a cross-reference makes it a link. -->
  <xsl:template match="w:fldSimple">
    <xsl:param name="inLink" select="false()"/>
    <xsl:variable name="href"><xsl:call-template name="field-target"><xsl:with-param name="instruction" select="@w:instr"/></xsl:call-template></xsl:variable>
    <xsl:choose>
      <xsl:when test="$href != '' and not($inLink)"><a><xsl:attribute name="href"><xsl:value-of select="$href"/></xsl:attribute><xsl:apply-templates select="*"><xsl:with-param name="inLink" select="true()"/></xsl:apply-templates></a></xsl:when>
      <xsl:otherwise><xsl:apply-templates select="*"><xsl:with-param name="inLink" select="$inLink"/></xsl:apply-templates></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template match="w:hyperlink">
    <xsl:param name="inLink" select="false()"/>
    <xsl:variable name="id" select="@r:id"/>
    <xsl:variable name="target">
      <xsl:if test="$id"><xsl:value-of select="key('relationship', concat(ancestor::k:part/@scope, ' ', $id))/@Target"/></xsl:if>
      <xsl:if test="@w:anchor">#<xsl:value-of select="@w:anchor"/></xsl:if>
    </xsl:variable>
    <xsl:variable name="href"><xsl:call-template name="safe-link"><xsl:with-param name="url" select="$target"/></xsl:call-template></xsl:variable>
    <xsl:choose>
      <xsl:when test="$href != '' and not($inLink)"><a><xsl:attribute name="href"><xsl:value-of select="$href"/></xsl:attribute><xsl:apply-templates select="*"><xsl:with-param name="inLink" select="true()"/></xsl:apply-templates></a></xsl:when>
      <xsl:otherwise><xsl:apply-templates select="*"><xsl:with-param name="inLink" select="$inLink"/></xsl:apply-templates></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- Content written twice for older readers: the first choice is enough. -->
  <xsl:template match="mc:AlternateContent">
    <xsl:param name="inLink" select="false()"/>
    <xsl:apply-templates select="mc:Choice[1]/*"><xsl:with-param name="inLink" select="$inLink"/></xsl:apply-templates>
  </xsl:template>

  <!-- ===== Runs ===== -->

  <!-- A run's formatting as a word processor resolves it: the document defaults, then the
       paragraph's style, then the run's character style, then the run's own properties.
       On/off properties in the styles toggle what comes before them; the run's own set
       their value. What differs from the paragraph's class is written: CSS where it turns a
       property off or sets a value, b, i, u and s where it turns one on, sup and sub. A run
       that holds nothing but field marks, field instructions, deleted text and the hint of a
       page break shows nothing and is not formatted. -->
  <xsl:template match="w:r">
    <xsl:param name="inLink" select="false()"/>
    <xsl:if test="*[not(self::w:rPr or self::w:fldChar or self::w:instrText or self::w:delText or self::w:lastRenderedPageBreak)]">
      <xsl:call-template name="run"><xsl:with-param name="inLink" select="$inLink"/></xsl:call-template>
    </xsl:if>
  </xsl:template>

  <xsl:template name="run">
    <xsl:param name="inLink"/>
    <xsl:variable name="rPr" select="w:rPr"/>
    <xsl:variable name="d" select="/*/k:part[@scope = 'styles']/w:styles/k:defaults"/>
    <xsl:variable name="p" select="key('style', ancestor::w:p[1]/@k:ps)"/>
    <xsl:variable name="c" select="key('style', concat($rPr/w:rStyle/@w:val, substring(key('defaultStyle', 'character')/@w:styleId, 1, 1000 * not($rPr/w:rStyle))))[@w:type = 'character']"/>
    <xsl:variable name="hidden" select="number(($rPr/w:vanish and not($rPr/w:vanish[@w:val = '0' or @w:val = 'false' or @w:val = 'off'])) or (not($rPr/w:vanish) and (number($d/@k:vanish = '1') + number($p/@k:vanish = '1') + number($c/@k:vanish = '1')) mod 2 = 1))"/>
    <xsl:if test="$hidden = 0">
      <!-- Which of the three fonts applies: by the first character outside ASCII. -->
      <xsl:variable name="outsideAscii" select="substring(translate(w:t, $ascii, ''), 1, 1)"/>
      <xsl:variable name="latin" select="$outsideAscii = '' or contains($westernCharacters, $outsideAscii)"/>
      <xsl:variable name="cs" select="not($latin) and contains($complexCharacters, $outsideAscii)"/>
      <!-- What the paragraph's class already gives. -->
      <xsl:variable name="classBold" select="(number($d/@k:b = '1') + number($p/@k:b = '1')) mod 2"/>
      <xsl:variable name="classItalic" select="(number($d/@k:i = '1') + number($p/@k:i = '1')) mod 2"/>
      <xsl:variable name="classCaps" select="(number($d/@k:caps = '1') + number($p/@k:caps = '1')) mod 2"/>
      <xsl:variable name="classSmallCaps" select="(number($d/@k:sc = '1') + number($p/@k:sc = '1')) mod 2"/>
      <xsl:variable name="classSize" select="number(concat($p/@k:sz, substring($d/@k:sz, 1, 1000 * not($p/@k:sz))))"/>
      <xsl:variable name="classFont" select="concat($p/@k:fa, substring($d/@k:fa, 1, 1000 * not($p/@k:fa)))"/>
      <xsl:variable name="classColour" select="concat($p/@k:color, substring($d/@k:color, 1, 1000 * not($p/@k:color)))"/>
      <!-- On/off properties: the run's own value, else the styles' toggles. -->
      <xsl:variable name="bold" select="number(($rPr/w:b and not($rPr/w:b[@w:val = '0' or @w:val = 'false' or @w:val = 'off'])) or (not($rPr/w:b) and ($classBold + number($c/@k:b = '1')) mod 2 = 1)) * number(not($cs)) + number(($rPr/w:bCs and not($rPr/w:bCs[@w:val = '0' or @w:val = 'false' or @w:val = 'off'])) or (not($rPr/w:bCs) and (number($d/@k:bcs = '1') + number($p/@k:bcs = '1') + number($c/@k:bcs = '1')) mod 2 = 1)) * number($cs)"/>
      <xsl:variable name="italic" select="number(($rPr/w:i and not($rPr/w:i[@w:val = '0' or @w:val = 'false' or @w:val = 'off'])) or (not($rPr/w:i) and ($classItalic + number($c/@k:i = '1')) mod 2 = 1)) * number(not($cs)) + number(($rPr/w:iCs and not($rPr/w:iCs[@w:val = '0' or @w:val = 'false' or @w:val = 'off'])) or (not($rPr/w:iCs) and (number($d/@k:ics = '1') + number($p/@k:ics = '1') + number($c/@k:ics = '1')) mod 2 = 1)) * number($cs)"/>
      <xsl:variable name="caps" select="number(($rPr/w:caps and not($rPr/w:caps[@w:val = '0' or @w:val = 'false' or @w:val = 'off'])) or (not($rPr/w:caps) and ($classCaps + number($c/@k:caps = '1')) mod 2 = 1))"/>
      <xsl:variable name="smallCaps" select="number(($rPr/w:smallCaps and not($rPr/w:smallCaps[@w:val = '0' or @w:val = 'false' or @w:val = 'off'])) or (not($rPr/w:smallCaps) and ($classSmallCaps + number($c/@k:sc = '1')) mod 2 = 1))"/>
      <xsl:variable name="strike" select="number(($rPr/w:strike and not($rPr/w:strike[@w:val = '0' or @w:val = 'false' or @w:val = 'off'])) or (not($rPr/w:strike) and (number($d/@k:st = '1') + number($p/@k:st = '1') + number($c/@k:st = '1')) mod 2 = 1)) + number(($rPr/w:dstrike and not($rPr/w:dstrike[@w:val = '0' or @w:val = 'false' or @w:val = 'off'])) or (not($rPr/w:dstrike) and (number($d/@k:dst = '1') + number($p/@k:dst = '1') + number($c/@k:dst = '1')) mod 2 = 1))"/>
      <!-- The others: the run's own value, else the character style's, else the paragraph
           style's, else the document default. -->
      <xsl:variable name="underline" select="number(($rPr/w:u and not($rPr/w:u/@w:val = 'none')) or (not($rPr/w:u) and concat($c/@k:u, substring($p/@k:u, 1, 1000 * not($c/@k:u)), substring($d/@k:u, 1, 1000 * not($c/@k:u or $p/@k:u))) = '1'))"/>
      <xsl:variable name="position" select="concat($rPr/w:vertAlign/@w:val, substring(concat($c/@k:va, substring($p/@k:va, 1, 1000 * not($c/@k:va)), substring($d/@k:va, 1, 1000 * not($c/@k:va or $p/@k:va))), 1, 1000 * not($rPr/w:vertAlign)))"/>
      <xsl:variable name="ownSize" select="concat($rPr/w:sz[not($cs)]/@w:val, $rPr/w:szCs[$cs]/@w:val)"/>
      <xsl:variable name="styleSize" select="concat(substring(concat($c/@k:sz, substring($p/@k:sz, 1, 1000 * not($c/@k:sz)), substring($d/@k:sz, 1, 1000 * not($c/@k:sz or $p/@k:sz))), 1, 1000 * not($cs)), substring(concat($c/@k:szcs, substring($p/@k:szcs, 1, 1000 * not($c/@k:szcs)), substring($d/@k:szcs, 1, 1000 * not($c/@k:szcs or $p/@k:szcs))), 1, 1000 * $cs))"/>
      <xsl:variable name="size" select="number(concat($ownSize, substring($styleSize, 1, 1000 * ($ownSize = ''))))"/>
      <xsl:variable name="font">
        <xsl:variable name="slot" select="concat(substring('ascii', 1, 5 * $latin), substring('eastAsia', 1, 8 * not($latin or $cs)), substring('cs', 1, 2 * $cs))"/>
        <xsl:variable name="own">
          <xsl:if test="$rPr/w:rFonts/@*[starts-with(local-name(), $slot)]">
            <xsl:call-template name="font-of"><xsl:with-param name="fonts" select="$rPr/w:rFonts"/><xsl:with-param name="slot" select="$slot"/></xsl:call-template>
          </xsl:if>
        </xsl:variable>
        <xsl:choose>
          <xsl:when test="$own != ''"><xsl:value-of select="$own"/></xsl:when>
          <xsl:when test="$latin"><xsl:value-of select="concat($c/@k:fa, substring($p/@k:fa, 1, 1000 * not($c/@k:fa)), substring($d/@k:fa, 1, 1000 * not($c/@k:fa or $p/@k:fa)))"/></xsl:when>
          <xsl:when test="$cs"><xsl:value-of select="concat($c/@k:fc, substring($p/@k:fc, 1, 1000 * not($c/@k:fc)), substring($d/@k:fc, 1, 1000 * not($c/@k:fc or $p/@k:fc)))"/></xsl:when>
          <xsl:otherwise><xsl:value-of select="concat($c/@k:fe, substring($p/@k:fe, 1, 1000 * not($c/@k:fe)), substring($d/@k:fe, 1, 1000 * not($c/@k:fe or $p/@k:fe)))"/></xsl:otherwise>
        </xsl:choose>
      </xsl:variable>
      <xsl:variable name="colour">
        <xsl:choose>
          <xsl:when test="$rPr/w:color"><xsl:call-template name="run-colour"><xsl:with-param name="color" select="$rPr/w:color"/></xsl:call-template></xsl:when>
          <xsl:otherwise><xsl:value-of select="concat($c/@k:color, substring($p/@k:color, 1, 1000 * not($c/@k:color)), substring($d/@k:color, 1, 1000 * not($c/@k:color or $p/@k:color)))"/></xsl:otherwise>
        </xsl:choose>
      </xsl:variable>
      <xsl:variable name="highlight">
        <xsl:choose>
          <xsl:when test="$rPr/w:highlight or $rPr/w:shd"><xsl:call-template name="property"><xsl:with-param name="rPr" select="$rPr"/><xsl:with-param name="name" select="'highlight'"/></xsl:call-template></xsl:when>
          <xsl:otherwise><xsl:value-of select="concat($c/@k:hl, substring($p/@k:hl, 1, 1000 * not($c/@k:hl)), substring($d/@k:hl, 1, 1000 * not($c/@k:hl or $p/@k:hl)))"/></xsl:otherwise>
        </xsl:choose>
      </xsl:variable>
      <xsl:variable name="css">
        <xsl:if test="$font != '' and $font != $classFont">
          <xsl:text>font-family: </xsl:text>
          <xsl:call-template name="css-font"><xsl:with-param name="name" select="$font"/></xsl:call-template>
          <xsl:text>; </xsl:text>
        </xsl:if>
        <xsl:if test="number($size) &gt; 0 and number($size) != $classSize and not(number($size) = 20 and not($classSize = $classSize))">
          <xsl:value-of select="concat('font-size: ', $size div 2, 'pt; ')"/>
        </xsl:if>
        <xsl:if test="starts-with($colour, '#') and $colour != $classColour"><xsl:value-of select="concat('color: ', $colour, '; ')"/></xsl:if>
        <xsl:if test="$colour = 'auto' and starts-with($classColour, '#')">color: #000000; </xsl:if>
        <xsl:if test="starts-with($highlight, '#')"><xsl:value-of select="concat('background-color: ', $highlight, '; ')"/></xsl:if>
        <xsl:if test="$bold = 0 and $classBold = 1">font-weight: normal; </xsl:if>
        <xsl:if test="$italic = 0 and $classItalic = 1">font-style: normal; </xsl:if>
        <xsl:if test="$caps = 1 and $classCaps = 0">text-transform: uppercase; </xsl:if>
        <xsl:if test="$caps = 0 and $classCaps = 1">text-transform: none; </xsl:if>
        <xsl:if test="$smallCaps = 1 and $classSmallCaps = 0">font-variant: small-caps; </xsl:if>
        <xsl:if test="$smallCaps = 0 and $classSmallCaps = 1">font-variant: normal; </xsl:if>
      </xsl:variable>
      <xsl:variable name="noteMark" select="(w:footnoteReference or w:endnoteReference) and $position != 'superscript'"/>
      <xsl:variable name="tags" select="concat(substring('b ', 1, 2 * ($bold = 1 and $classBold = 0)),
                                               substring('i ', 1, 2 * ($italic = 1 and $classItalic = 0)),
                                               substring('u ', 1, 2 * ($underline = 1 and not($p/@k:u = '1'))),
                                               substring('s ', 1, 2 * ($strike &gt; 0)),
                                               substring('sup ', 1, 4 * ($position = 'superscript' or $noteMark)),
                                               substring('sub ', 1, 4 * ($position = 'subscript')))"/>
      <xsl:choose>
        <xsl:when test="$css != ''">
          <span style="{normalize-space($css)}">
            <xsl:call-template name="wrap"><xsl:with-param name="tags" select="$tags"/><xsl:with-param name="inLink" select="$inLink"/></xsl:call-template>
          </span>
        </xsl:when>
        <xsl:otherwise>
          <xsl:call-template name="wrap"><xsl:with-param name="tags" select="$tags"/><xsl:with-param name="inLink" select="$inLink"/></xsl:call-template>
        </xsl:otherwise>
      </xsl:choose>
    </xsl:if>
  </xsl:template>

  <!-- The run's content inside the elements named in $tags, the first outermost. -->
  <xsl:template name="wrap">
    <xsl:param name="tags"/>
    <xsl:param name="inLink"/>
    <xsl:choose>
      <xsl:when test="$tags = ''"><xsl:apply-templates select="*"><xsl:with-param name="inLink" select="$inLink"/></xsl:apply-templates></xsl:when>
      <xsl:otherwise>
        <xsl:element name="{substring-before($tags, ' ')}">
          <xsl:call-template name="wrap"><xsl:with-param name="tags" select="substring-after($tags, ' ')"/><xsl:with-param name="inLink" select="$inLink"/></xsl:call-template>
        </xsl:element>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- An on/off property: the run's own value when it sets it, else what the styles make of
       it (the document default toggled by each style that turns it on). -->
  <xsl:template name="on-off">
    <xsl:param name="direct"/>
    <xsl:param name="styles"/>
    <xsl:choose>
      <xsl:when test="$direct"><xsl:value-of select="number(not($direct/@w:val = '0' or $direct/@w:val = 'false' or $direct/@w:val = 'off'))"/></xsl:when>
      <xsl:otherwise><xsl:value-of select="$styles"/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- ===== Tables ===== -->

  <xsl:template match="w:tbl">
    <xsl:apply-templates select="k:marks/*"/>
    <table cellspacing="0" cellpadding="4" border="1">
      <xsl:for-each select="*[self::w:tr or self::w:sdt or self::w:customXml]">
        <xsl:apply-templates select="self::w:tr | w:sdtContent/w:tr | self::w:customXml/w:tr"/>
      </xsl:for-each>
    </table>
  </xsl:template>

  <xsl:template match="w:tr">
    <tr>
      <xsl:for-each select="*[self::w:tc or self::w:sdt or self::w:customXml]">
        <xsl:apply-templates select="self::w:tc | w:sdtContent/w:tc | self::w:customXml/w:tc"/>
      </xsl:for-each>
    </tr>
  </xsl:template>

  <!-- A cell that continues a vertical merge is covered by the rowspan of the cell above;
       that span ends at the next cell of the column that does not continue it. -->
  <xsl:template match="w:tc">
    <xsl:variable name="merge" select="w:tcPr/w:vMerge"/>
    <xsl:if test="not($merge) or $merge/@w:val = 'restart'">
      <xsl:variable name="header" select="boolean(ancestor::w:tr[1]/w:trPr/w:tblHeader[not(@w:val) or @w:val = 'true' or @w:val = '1' or @w:val = 'on'])"/>
      <xsl:element name="{substring('tdth', 1 + 2 * $header, 2)}">
        <xsl:variable name="span" select="number(w:tcPr/w:gridSpan/@w:val)"/>
        <xsl:if test="$span &gt; 1 and $span &lt;= 1000">
          <xsl:attribute name="colspan"><xsl:value-of select="$span"/></xsl:attribute>
        </xsl:if>
        <xsl:if test="@k:vm = 'r'">
          <xsl:variable name="column" select="concat(ancestor::w:tbl[1]/@k:id, ' ', @k:gc, ' ')"/>
          <xsl:variable name="bucket" select="floor((../@k:p - 1) div 32)"/>
          <xsl:variable name="next" select="key('openCells', concat($column, $bucket))[../@k:p &gt; current()/../@k:p][1]/../@k:p"/>
          <xsl:variable name="end">
            <xsl:choose>
              <xsl:when test="$next"><xsl:value-of select="$next"/></xsl:when>
              <xsl:otherwise>
                <xsl:call-template name="merge-end">
                  <xsl:with-param name="column" select="$column"/>
                  <xsl:with-param name="bucket" select="$bucket + 1"/>
                  <xsl:with-param name="rows" select="ancestor::w:tbl[1]/@k:rows"/>
                </xsl:call-template>
              </xsl:otherwise>
            </xsl:choose>
          </xsl:variable>
          <xsl:variable name="rows" select="$end - ../@k:p"/>
          <xsl:if test="$rows &gt; 1">
            <xsl:attribute name="rowspan"><xsl:value-of select="$rows"/></xsl:attribute>
          </xsl:if>
        </xsl:if>
        <xsl:if test="w:tcPr/w:shd/@w:fill">
          <xsl:variable name="fill"><xsl:call-template name="safe-colour"><xsl:with-param name="value" select="w:tcPr/w:shd/@w:fill"/></xsl:call-template></xsl:variable>
          <xsl:if test="$fill != ''"><xsl:attribute name="bgcolor"><xsl:value-of select="$fill"/></xsl:attribute></xsl:if>
        </xsl:if>
        <xsl:call-template name="blocks"/>
      </xsl:element>
    </xsl:if>
  </xsl:template>

  <!-- The row of the first cell that does not continue a merge in the buckets of 32 rows from
       $bucket on, sixteen buckets at a time; past the last row, the row after it. Each bucket
       is looked at by the one merge that covers it, and no key value is shared by more than 32
       cells (libxslt indexes a value shared by n nodes in n * n steps). -->
  <xsl:template name="merge-end">
    <xsl:param name="column"/>
    <xsl:param name="bucket"/>
    <xsl:param name="rows"/>
    <xsl:variable name="open" select="key('openCells', concat($column, $bucket)) | key('openCells', concat($column, $bucket + 1))
                                      | key('openCells', concat($column, $bucket + 2)) | key('openCells', concat($column, $bucket + 3))
                                      | key('openCells', concat($column, $bucket + 4)) | key('openCells', concat($column, $bucket + 5))
                                      | key('openCells', concat($column, $bucket + 6)) | key('openCells', concat($column, $bucket + 7))
                                      | key('openCells', concat($column, $bucket + 8)) | key('openCells', concat($column, $bucket + 9))
                                      | key('openCells', concat($column, $bucket + 10)) | key('openCells', concat($column, $bucket + 11))
                                      | key('openCells', concat($column, $bucket + 12)) | key('openCells', concat($column, $bucket + 13))
                                      | key('openCells', concat($column, $bucket + 14)) | key('openCells', concat($column, $bucket + 15))"/>
    <xsl:choose>
      <xsl:when test="$open"><xsl:value-of select="$open[1]/../@k:p"/></xsl:when>
      <xsl:when test="($bucket + 16) * 32 &lt; $rows">
        <xsl:call-template name="merge-end">
          <xsl:with-param name="column" select="$column"/>
          <xsl:with-param name="bucket" select="$bucket + 16"/>
          <xsl:with-param name="rows" select="$rows"/>
        </xsl:call-template>
      </xsl:when>
      <xsl:otherwise><xsl:value-of select="$rows + 1"/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- ===== Notes ===== -->

  <!-- Notes are numbered from their ids, which Word keeps dense and in reading order: the
       first note that is not a separator is number 1. -->
  <xsl:template match="w:footnoteReference | w:endnoteReference">
    <xsl:variable name="kind" select="substring-before(local-name(), 'Reference')"/>
    <a href="#{$kind}-{@w:id}" name="{$kind}-ref-{@w:id}">
      <xsl:call-template name="note-number"><xsl:with-param name="kind" select="$kind"/></xsl:call-template>
    </a>
  </xsl:template>

  <xsl:template name="note-number">
    <xsl:param name="kind"/>
    <xsl:variable name="first" select="number(substring-after(key('entry', concat('first ', $kind)), '|'))"/>
    <xsl:choose>
      <xsl:when test="$first = $first and number(@w:id) = number(@w:id)"><xsl:value-of select="@w:id - $first + 1"/></xsl:when>
      <xsl:otherwise><xsl:value-of select="@w:id"/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template name="note-texts">
    <xsl:param name="notes"/>
    <xsl:param name="kind"/>
    <xsl:if test="$notes">
      <div class="{$kind}s">
        <hr/>
        <xsl:for-each select="$notes">
          <div>
            <a name="{$kind}-{@w:id}" href="#{$kind}-ref-{@w:id}">
              <xsl:call-template name="note-number"><xsl:with-param name="kind" select="$kind"/></xsl:call-template>
            </a>
            <xsl:text> </xsl:text>
            <xsl:call-template name="blocks"/>
          </div>
        </xsl:for-each>
      </div>
    </xsl:if>
  </xsl:template>

  <!-- ===== Pictures ===== -->

  <!-- A picture inside the package; a chart or a diagram is named in a short text, and a
       shape without a picture (a text box among them) leaves nothing in the line. -->
  <xsl:template match="w:drawing">
    <xsl:variable name="blip" select="descendant::a:blip[@r:embed or @r:link][1]"/>
    <xsl:variable name="uri" select="descendant::a:graphicData/@uri"/>
    <xsl:variable name="name" select="(descendant::wp:docPr/@descr | descendant::wp:docPr/@title)[1]"/>
    <xsl:variable name="source"><xsl:call-template name="picture-source"><xsl:with-param name="id" select="($blip/@r:embed | $blip/@r:link)[1]"/></xsl:call-template></xsl:variable>
    <xsl:choose>
      <xsl:when test="$source != ''"><img><xsl:attribute name="src"><xsl:value-of select="$source"/></xsl:attribute><xsl:attribute name="alt"><xsl:value-of select="$name"/></xsl:attribute></img></xsl:when>
      <xsl:when test="contains($uri, '/chart')">
        <span class="chart">[Chart<xsl:if test="$name != ''">: <xsl:value-of select="$name"/></xsl:if>]</span>
      </xsl:when>
      <xsl:when test="contains($uri, '/diagram')">
        <span class="diagram">[Diagram<xsl:if test="$name != ''">: <xsl:value-of select="$name"/></xsl:if>]</span>
      </xsl:when>
    </xsl:choose>
  </xsl:template>

  <xsl:template match="w:pict | w:object">
    <xsl:variable name="data" select="descendant::v:imagedata[@r:id or @r:href][1]"/>
    <xsl:variable name="source"><xsl:call-template name="picture-source"><xsl:with-param name="id" select="($data/@r:id | $data/@r:href)[1]"/></xsl:call-template></xsl:variable>
    <xsl:if test="$source != ''"><img><xsl:attribute name="src"><xsl:value-of select="$source"/></xsl:attribute><xsl:attribute name="alt"><xsl:value-of select="$data/@o:title"/></xsl:attribute></img></xsl:if>
  </xsl:template>

  <!-- The page's path of a picture part: its relationship's target, relative to the main
       part's folder, when it lies in the package. -->
  <xsl:template name="picture-source">
    <xsl:param name="id"/>
    <xsl:if test="$id">
      <xsl:variable name="target" select="key('relationship', concat(ancestor::k:part/@scope, ' ', $id))[not(@TargetMode = 'External')]/@Target"/>
      <xsl:call-template name="safe-picture">
        <xsl:with-param name="target" select="concat(substring('..', 1, 2 * starts-with($target, '/')), $target)"/>
      </xsl:call-template>
    </xsl:if>
  </xsl:template>

  <!-- ===== Scripts ===== -->

  <!-- Which of a run's three fonts applies (Latin, East Asian, complex) is decided by its first
       character outside ASCII, as the reader's word processor decides per character. Latin:
       U+00A0-U+052F, U+1E00-U+1EFF, U+2000-U+20CF, U+2100-U+2BFF and the symbol fonts'
       U+F000-U+F0FF; complex: U+0590-U+08FF, U+0900-U+109F, U+1780-U+17FF, U+FB1D-U+FDFF and
       U+FE70-U+FEFF; anything else East Asian. -->
  <xsl:variable name="westernCharacters" select="' ¡¢£¤¥¦§¨©ª«¬­®¯°±²³´µ¶·¸¹º»¼½¾¿ÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖ×ØÙÚÛÜÝÞßàáâãäåæçèéêëìíîïðñòóôõö÷øùúûüýþÿĀāĂăĄąĆćĈĉĊċČčĎďĐđĒēĔĕĖėĘęĚěĜĝĞğĠġĢģĤĥĦħĨĩĪīĬĭĮįİıĲĳĴĵĶķĸĹĺĻļĽľĿŀŁłŃńŅņŇňŉŊŋŌōŎŏŐőŒœŔŕŖŗŘřŚśŜŝŞşŠšŢţŤťŦŧŨũŪūŬŭŮůŰűŲųŴŵŶŷŸŹźŻżŽžſƀƁƂƃƄƅƆƇƈƉƊƋƌƍƎƏƐƑƒƓƔƕƖƗƘƙƚƛƜƝƞƟƠơƢƣƤƥƦƧƨƩƪƫƬƭƮƯưƱƲƳƴƵƶƷƸƹƺƻƼƽƾƿǀǁǂǃǄǅǆǇǈǉǊǋǌǍǎǏǐǑǒǓǔǕǖǗǘǙǚǛǜǝǞǟǠǡǢǣǤǥǦǧǨǩǪǫǬǭǮǯǰǱǲǳǴǵǶǷǸǹǺǻǼǽǾǿȀȁȂȃȄȅȆȇȈȉȊȋȌȍȎȏȐȑȒȓȔȕȖȗȘșȚțȜȝȞȟȠȡȢȣȤȥȦȧȨȩȪȫȬȭȮȯȰȱȲȳȴȵȶȷȸȹȺȻȼȽȾȿɀɁɂɃɄɅɆɇɈɉɊɋɌɍɎɏͰͱͲͳʹ͵Ͷͷ͸͹ͺͻͼͽ;Ϳ΀΁΂΃΄΅Ά·ΈΉΊ΋Ό΍ΎΏΐΑΒΓΔΕΖΗΘΙΚΛΜΝΞΟΠΡ΢ΣΤΥΦΧΨΩΪΫάέήίΰαβγδεζηθικλμνξοπρςστυφχψωϊϋόύώϏϐϑϒϓϔϕϖϗϘϙϚϛϜϝϞϟϠϡϢϣϤϥϦϧϨϩϪϫϬϭϮϯϰϱϲϳϴϵ϶ϷϸϹϺϻϼϽϾϿЀЁЂЃЄЅІЇЈЉЊЋЌЍЎЏАБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдежзийклмнопрстуфхцчшщъыьэюяѐёђѓєѕіїјљњћќѝўџѠѡѢѣѤѥѦѧѨѩѪѫѬѭѮѯѰѱѲѳѴѵѶѷѸѹѺѻѼѽѾѿҀҁ҂҃҄҅҆҇҈҉ҊҋҌҍҎҏҐґҒғҔҕҖҗҘҙҚқҜҝҞҟҠҡҢңҤҥҦҧҨҩҪҫҬҭҮүҰұҲҳҴҵҶҷҸҹҺһҼҽҾҿӀӁӂӃӄӅӆӇӈӉӊӋӌӍӎӏӐӑӒӓӔӕӖӗӘәӚӛӜӝӞӟӠӡӢӣӤӥӦӧӨөӪӫӬӭӮӯӰӱӲӳӴӵӶӷӸӹӺӻӼӽӾӿԀԁԂԃԄԅԆԇԈԉԊԋԌԍԎԏԐԑԒԓԔԕԖԗԘԙԚԛԜԝԞԟԠԡԢԣԤԥԦԧԨԩԪԫԬԭԮԯ           ​‌‍‎‏‐‑‒–—―‖‗‘’‚‛“”„‟†‡•‣․‥…‧  ‪‫‬‭‮ ‰‱′″‴‵‶‷‸‹›※‼‽‾‿⁀⁁⁂⁃⁄⁅⁆⁇⁈⁉⁊⁋⁌⁍⁎⁏⁐⁑⁒⁓⁔⁕⁖⁗⁘⁙⁚⁛⁜⁝⁞ ⁠⁡⁢⁣⁤⁥⁦⁧⁨⁩⁪⁫⁬⁭⁮⁯₠₡₢₣₤₥₦₧₨₩₪₫€₭₮₯₰₱₲₳₴₵₶₷₸₹₺₻₼₽₾₿⃀⃁⃂⃃⃄⃅⃆⃇⃈⃉⃊⃋⃌⃍⃎⃏℀℁ℂ℃℄℅℆ℇ℈℉ℊℋℌℍℎℏℐℑℒℓ℔ℕ№℗℘ℙℚℛℜℝ℞℟℠℡™℣ℤ℥Ω℧ℨ℩KÅℬℭ℮ℯℰℱℲℳℴℵℶℷℸℹ℺℻ℼℽℾℿ⅀⅁⅂⅃⅄ⅅⅆⅇⅈⅉ⅊⅋⅌⅍ⅎ⅏⅐⅑⅒⅓⅔⅕⅖⅗⅘⅙⅚⅛⅜⅝⅞⅟ⅠⅡⅢⅣⅤⅥⅦⅧⅨⅩⅪⅫⅬⅭⅮⅯⅰⅱⅲⅳⅴⅵⅶⅷⅸⅹⅺⅻⅼⅽⅾⅿↀↁↂↃↄↅↆↇↈ↉↊↋↌↍↎↏←↑→↓↔↕↖↗↘↙↚↛↜↝↞↟↠↡↢↣↤↥↦↧↨↩↪↫↬↭↮↯↰↱↲↳↴↵↶↷↸↹↺↻↼↽↾↿⇀⇁⇂⇃⇄⇅⇆⇇⇈⇉⇊⇋⇌⇍⇎⇏⇐⇑⇒⇓⇔⇕⇖⇗⇘⇙⇚⇛⇜⇝⇞⇟⇠⇡⇢⇣⇤⇥⇦⇧⇨⇩⇪⇫⇬⇭⇮⇯⇰⇱⇲⇳⇴⇵⇶⇷⇸⇹⇺⇻⇼⇽⇾⇿∀∁∂∃∄∅∆∇∈∉∊∋∌∍∎∏∐∑−∓∔∕∖∗∘∙√∛∜∝∞∟∠∡∢∣∤∥∦∧∨∩∪∫∬∭∮∯∰∱∲∳∴∵∶∷∸∹∺∻∼∽∾∿≀≁≂≃≄≅≆≇≈≉≊≋≌≍≎≏≐≑≒≓≔≕≖≗≘≙≚≛≜≝≞≟≠≡≢≣≤≥≦≧≨≩≪≫≬≭≮≯≰≱≲≳≴≵≶≷≸≹≺≻≼≽≾≿⊀⊁⊂⊃⊄⊅⊆⊇⊈⊉⊊⊋⊌⊍⊎⊏⊐⊑⊒⊓⊔⊕⊖⊗⊘⊙⊚⊛⊜⊝⊞⊟⊠⊡⊢⊣⊤⊥⊦⊧⊨⊩⊪⊫⊬⊭⊮⊯⊰⊱⊲⊳⊴⊵⊶⊷⊸⊹⊺⊻⊼⊽⊾⊿⋀⋁⋂⋃⋄⋅⋆⋇⋈⋉⋊⋋⋌⋍⋎⋏⋐⋑⋒⋓⋔⋕⋖⋗⋘⋙⋚⋛⋜⋝⋞⋟⋠⋡⋢⋣⋤⋥⋦⋧⋨⋩⋪⋫⋬⋭⋮⋯⋰⋱⋲⋳⋴⋵⋶⋷⋸⋹⋺⋻⋼⋽⋾⋿⌀⌁⌂⌃⌄⌅⌆⌇⌈⌉⌊⌋⌌⌍⌎⌏⌐⌑⌒⌓⌔⌕⌖⌗⌘⌙⌚⌛⌜⌝⌞⌟⌠⌡⌢⌣⌤⌥⌦⌧⌨〈〉⌫⌬⌭⌮⌯⌰⌱⌲⌳⌴⌵⌶⌷⌸⌹⌺⌻⌼⌽⌾⌿⍀⍁⍂⍃⍄⍅⍆⍇⍈⍉⍊⍋⍌⍍⍎⍏⍐⍑⍒⍓⍔⍕⍖⍗⍘⍙⍚⍛⍜⍝⍞⍟⍠⍡⍢⍣⍤⍥⍦⍧⍨⍩⍪⍫⍬⍭⍮⍯⍰⍱⍲⍳⍴⍵⍶⍷⍸⍹⍺⍻⍼⍽⍾⍿⎀⎁⎂⎃⎄⎅⎆⎇⎈⎉⎊⎋⎌⎍⎎⎏⎐⎑⎒⎓⎔⎕⎖⎗⎘⎙⎚⎛⎜⎝⎞⎟⎠⎡⎢⎣⎤⎥⎦⎧⎨⎩⎪⎫⎬⎭⎮⎯⎰⎱⎲⎳⎴⎵⎶⎷⎸⎹⎺⎻⎼⎽⎾⎿⏀⏁⏂⏃⏄⏅⏆⏇⏈⏉⏊⏋⏌⏍⏎⏏⏐⏑⏒⏓⏔⏕⏖⏗⏘⏙⏚⏛⏜⏝⏞⏟⏠⏡⏢⏣⏤⏥⏦⏧⏨⏩⏪⏫⏬⏭⏮⏯⏰⏱⏲⏳⏴⏵⏶⏷⏸⏹⏺⏻⏼⏽⏾⏿␀␁␂␃␄␅␆␇␈␉␊␋␌␍␎␏␐␑␒␓␔␕␖␗␘␙␚␛␜␝␞␟␠␡␢␣␤␥␦␧␨␩␪␫␬␭␮␯␰␱␲␳␴␵␶␷␸␹␺␻␼␽␾␿⑀⑁⑂⑃⑄⑅⑆⑇⑈⑉⑊⑋⑌⑍⑎⑏⑐⑑⑒⑓⑔⑕⑖⑗⑘⑙⑚⑛⑜⑝⑞⑟①②③④⑤⑥⑦⑧⑨⑩⑪⑫⑬⑭⑮⑯⑰⑱⑲⑳⑴⑵⑶⑷⑸⑹⑺⑻⑼⑽⑾⑿⒀⒁⒂⒃⒄⒅⒆⒇⒈⒉⒊⒋⒌⒍⒎⒏⒐⒑⒒⒓⒔⒕⒖⒗⒘⒙⒚⒛⒜⒝⒞⒟⒠⒡⒢⒣⒤⒥⒦⒧⒨⒩⒪⒫⒬⒭⒮⒯⒰⒱⒲⒳⒴⒵ⒶⒷⒸⒹⒺⒻⒼⒽⒾⒿⓀⓁⓂⓃⓄⓅⓆⓇⓈⓉⓊⓋⓌⓍⓎⓏⓐⓑⓒⓓⓔⓕⓖⓗⓘⓙⓚⓛⓜⓝⓞⓟⓠⓡⓢⓣⓤⓥⓦⓧⓨⓩ⓪⓫⓬⓭⓮⓯⓰⓱⓲⓳⓴⓵⓶⓷⓸⓹⓺⓻⓼⓽⓾⓿─━│┃┄┅┆┇┈┉┊┋┌┍┎┏┐┑┒┓└┕┖┗┘┙┚┛├┝┞┟┠┡┢┣┤┥┦┧┨┩┪┫┬┭┮┯┰┱┲┳┴┵┶┷┸┹┺┻┼┽┾┿╀╁╂╃╄╅╆╇╈╉╊╋╌╍╎╏═║╒╓╔╕╖╗╘╙╚╛╜╝╞╟╠╡╢╣╤╥╦╧╨╩╪╫╬╭╮╯╰╱╲╳╴╵╶╷╸╹╺╻╼╽╾╿▀▁▂▃▄▅▆▇█▉▊▋▌▍▎▏▐░▒▓▔▕▖▗▘▙▚▛▜▝▞▟■□▢▣▤▥▦▧▨▩▪▫▬▭▮▯▰▱▲△▴▵▶▷▸▹►▻▼▽▾▿◀◁◂◃◄◅◆◇◈◉◊○◌◍◎●◐◑◒◓◔◕◖◗◘◙◚◛◜◝◞◟◠◡◢◣◤◥◦◧◨◩◪◫◬◭◮◯◰◱◲◳◴◵◶◷◸◹◺◻◼◽◾◿☀☁☂☃☄★☆☇☈☉☊☋☌☍☎☏☐☑☒☓☔☕☖☗☘☙☚☛☜☝☞☟☠☡☢☣☤☥☦☧☨☩☪☫☬☭☮☯☰☱☲☳☴☵☶☷☸☹☺☻☼☽☾☿♀♁♂♃♄♅♆♇♈♉♊♋♌♍♎♏♐♑♒♓♔♕♖♗♘♙♚♛♜♝♞♟♠♡♢♣♤♥♦♧♨♩♪♫♬♭♮♯♰♱♲♳♴♵♶♷♸♹♺♻♼♽♾♿⚀⚁⚂⚃⚄⚅⚆⚇⚈⚉⚊⚋⚌⚍⚎⚏⚐⚑⚒⚓⚔⚕⚖⚗⚘⚙⚚⚛⚜⚝⚞⚟⚠⚡⚢⚣⚤⚥⚦⚧⚨⚩⚪⚫⚬⚭⚮⚯⚰⚱⚲⚳⚴⚵⚶⚷⚸⚹⚺⚻⚼⚽⚾⚿⛀⛁⛂⛃⛄⛅⛆⛇⛈⛉⛊⛋⛌⛍⛎⛏⛐⛑⛒⛓⛔⛕⛖⛗⛘⛙⛚⛛⛜⛝⛞⛟⛠⛡⛢⛣⛤⛥⛦⛧⛨⛩⛪⛫⛬⛭⛮⛯⛰⛱⛲⛳⛴⛵⛶⛷⛸⛹⛺⛻⛼⛽⛾⛿✀✁✂✃✄✅✆✇✈✉✊✋✌✍✎✏✐✑✒✓✔✕✖✗✘✙✚✛✜✝✞✟✠✡✢✣✤✥✦✧✨✩✪✫✬✭✮✯✰✱✲✳✴✵✶✷✸✹✺✻✼✽✾✿❀❁❂❃❄❅❆❇❈❉❊❋❌❍❎❏❐❑❒❓❔❕❖❗❘❙❚❛❜❝❞❟❠❡❢❣❤❥❦❧❨❩❪❫❬❭❮❯❰❱❲❳❴❵❶❷❸❹❺❻❼❽❾❿➀➁➂➃➄➅➆➇➈➉➊➋➌➍➎➏➐➑➒➓➔➕➖➗➘➙➚➛➜➝➞➟➠➡➢➣➤➥➦➧➨➩➪➫➬➭➮➯➰➱➲➳➴➵➶➷➸➹➺➻➼➽➾➿⟀⟁⟂⟃⟄⟅⟆⟇⟈⟉⟊⟋⟌⟍⟎⟏⟐⟑⟒⟓⟔⟕⟖⟗⟘⟙⟚⟛⟜⟝⟞⟟⟠⟡⟢⟣⟤⟥⟦⟧⟨⟩⟪⟫⟬⟭⟮⟯⟰⟱⟲⟳⟴⟵⟶⟷⟸⟹⟺⟻⟼⟽⟾⟿⠀⠁⠂⠃⠄⠅⠆⠇⠈⠉⠊⠋⠌⠍⠎⠏⠐⠑⠒⠓⠔⠕⠖⠗⠘⠙⠚⠛⠜⠝⠞⠟⠠⠡⠢⠣⠤⠥⠦⠧⠨⠩⠪⠫⠬⠭⠮⠯⠰⠱⠲⠳⠴⠵⠶⠷⠸⠹⠺⠻⠼⠽⠾⠿⡀⡁⡂⡃⡄⡅⡆⡇⡈⡉⡊⡋⡌⡍⡎⡏⡐⡑⡒⡓⡔⡕⡖⡗⡘⡙⡚⡛⡜⡝⡞⡟⡠⡡⡢⡣⡤⡥⡦⡧⡨⡩⡪⡫⡬⡭⡮⡯⡰⡱⡲⡳⡴⡵⡶⡷⡸⡹⡺⡻⡼⡽⡾⡿⢀⢁⢂⢃⢄⢅⢆⢇⢈⢉⢊⢋⢌⢍⢎⢏⢐⢑⢒⢓⢔⢕⢖⢗⢘⢙⢚⢛⢜⢝⢞⢟⢠⢡⢢⢣⢤⢥⢦⢧⢨⢩⢪⢫⢬⢭⢮⢯⢰⢱⢲⢳⢴⢵⢶⢷⢸⢹⢺⢻⢼⢽⢾⢿⣀⣁⣂⣃⣄⣅⣆⣇⣈⣉⣊⣋⣌⣍⣎⣏⣐⣑⣒⣓⣔⣕⣖⣗⣘⣙⣚⣛⣜⣝⣞⣟⣠⣡⣢⣣⣤⣥⣦⣧⣨⣩⣪⣫⣬⣭⣮⣯⣰⣱⣲⣳⣴⣵⣶⣷⣸⣹⣺⣻⣼⣽⣾⣿⤀⤁⤂⤃⤄⤅⤆⤇⤈⤉⤊⤋⤌⤍⤎⤏⤐⤑⤒⤓⤔⤕⤖⤗⤘⤙⤚⤛⤜⤝⤞⤟⤠⤡⤢⤣⤤⤥⤦⤧⤨⤩⤪⤫⤬⤭⤮⤯⤰⤱⤲⤳⤴⤵⤶⤷⤸⤹⤺⤻⤼⤽⤾⤿⥀⥁⥂⥃⥄⥅⥆⥇⥈⥉⥊⥋⥌⥍⥎⥏⥐⥑⥒⥓⥔⥕⥖⥗⥘⥙⥚⥛⥜⥝⥞⥟⥠⥡⥢⥣⥤⥥⥦⥧⥨⥩⥪⥫⥬⥭⥮⥯⥰⥱⥲⥳⥴⥵⥶⥷⥸⥹⥺⥻⥼⥽⥾⥿⦀⦁⦂⦃⦄⦅⦆⦇⦈⦉⦊⦋⦌⦍⦎⦏⦐⦑⦒⦓⦔⦕⦖⦗⦘⦙⦚⦛⦜⦝⦞⦟⦠⦡⦢⦣⦤⦥⦦⦧⦨⦩⦪⦫⦬⦭⦮⦯⦰⦱⦲⦳⦴⦵⦶⦷⦸⦹⦺⦻⦼⦽⦾⦿⧀⧁⧂⧃⧄⧅⧆⧇⧈⧉⧊⧋⧌⧍⧎⧏⧐⧑⧒⧓⧔⧕⧖⧗⧘⧙⧚⧛⧜⧝⧞⧟⧠⧡⧢⧣⧤⧥⧦⧧⧨⧩⧪⧫⧬⧭⧮⧯⧰⧱⧲⧳⧴⧵⧶⧷⧸⧹⧺⧻⧼⧽⧾⧿⨀⨁⨂⨃⨄⨅⨆⨇⨈⨉⨊⨋⨌⨍⨎⨏⨐⨑⨒⨓⨔⨕⨖⨗⨘⨙⨚⨛⨜⨝⨞⨟⨠⨡⨢⨣⨤⨥⨦⨧⨨⨩⨪⨫⨬⨭⨮⨯⨰⨱⨲⨳⨴⨵⨶⨷⨸⨹⨺⨻⨼⨽⨾⨿⩀⩁⩂⩃⩄⩅⩆⩇⩈⩉⩊⩋⩌⩍⩎⩏⩐⩑⩒⩓⩔⩕⩖⩗⩘⩙⩚⩛⩜⩝⩞⩟⩠⩡⩢⩣⩤⩥⩦⩧⩨⩩⩪⩫⩬⩭⩮⩯⩰⩱⩲⩳⩴⩵⩶⩷⩸⩹⩺⩻⩼⩽⩾⩿⪀⪁⪂⪃⪄⪅⪆⪇⪈⪉⪊⪋⪌⪍⪎⪏⪐⪑⪒⪓⪔⪕⪖⪗⪘⪙⪚⪛⪜⪝⪞⪟⪠⪡⪢⪣⪤⪥⪦⪧⪨⪩⪪⪫⪬⪭⪮⪯⪰⪱⪲⪳⪴⪵⪶⪷⪸⪹⪺⪻⪼⪽⪾⪿⫀⫁⫂⫃⫄⫅⫆⫇⫈⫉⫊⫋⫌⫍⫎⫏⫐⫑⫒⫓⫔⫕⫖⫗⫘⫙⫚⫛⫝̸⫝⫞⫟⫠⫡⫢⫣⫤⫥⫦⫧⫨⫩⫪⫫⫬⫭⫮⫯⫰⫱⫲⫳⫴⫵⫶⫷⫸⫹⫺⫻⫼⫽⫾⫿⬀⬁⬂⬃⬄⬅⬆⬇⬈⬉⬊⬋⬌⬍⬎⬏⬐⬑⬒⬓⬔⬕⬖⬗⬘⬙⬚⬛⬜⬝⬞⬟⬠⬡⬢⬣⬤⬥⬦⬧⬨⬩⬪⬫⬬⬭⬮⬯⬰⬱⬲⬳⬴⬵⬶⬷⬸⬹⬺⬻⬼⬽⬾⬿⭀⭁⭂⭃⭄⭅⭆⭇⭈⭉⭊⭋⭌⭍⭎⭏⭐⭑⭒⭓⭔⭕⭖⭗⭘⭙⭚⭛⭜⭝⭞⭟⭠⭡⭢⭣⭤⭥⭦⭧⭨⭩⭪⭫⭬⭭⭮⭯⭰⭱⭲⭳⭴⭵⭶⭷⭸⭹⭺⭻⭼⭽⭾⭿⮀⮁⮂⮃⮄⮅⮆⮇⮈⮉⮊⮋⮌⮍⮎⮏⮐⮑⮒⮓⮔⮕⮖⮗⮘⮙⮚⮛⮜⮝⮞⮟⮠⮡⮢⮣⮤⮥⮦⮧⮨⮩⮪⮫⮬⮭⮮⮯⮰⮱⮲⮳⮴⮵⮶⮷⮸⮹⮺⮻⮼⮽⮾⮿⯀⯁⯂⯃⯄⯅⯆⯇⯈⯉⯊⯋⯌⯍⯎⯏⯐⯑⯒⯓⯔⯕⯖⯗⯘⯙⯚⯛⯜⯝⯞⯟⯠⯡⯢⯣⯤⯥⯦⯧⯨⯩⯪⯫⯬⯭⯮⯯⯰⯱⯲⯳⯴⯵⯶⯷⯸⯹⯺⯻⯼⯽⯾⯿ḀḁḂḃḄḅḆḇḈḉḊḋḌḍḎḏḐḑḒḓḔḕḖḗḘḙḚḛḜḝḞḟḠḡḢḣḤḥḦḧḨḩḪḫḬḭḮḯḰḱḲḳḴḵḶḷḸḹḺḻḼḽḾḿṀṁṂṃṄṅṆṇṈṉṊṋṌṍṎṏṐṑṒṓṔṕṖṗṘṙṚṛṜṝṞṟṠṡṢṣṤṥṦṧṨṩṪṫṬṭṮṯṰṱṲṳṴṵṶṷṸṹṺṻṼṽṾṿẀẁẂẃẄẅẆẇẈẉẊẋẌẍẎẏẐẑẒẓẔẕẖẗẘẙẚẛẜẝẞẟẠạẢảẤấẦầẨẩẪẫẬậẮắẰằẲẳẴẵẶặẸẹẺẻẼẽẾếỀềỂểỄễỆệỈỉỊịỌọỎỏỐốỒồỔổỖỗỘộỚớỜờỞởỠỡỢợỤụỦủỨứỪừỬửỮữỰựỲỳỴỵỶỷỸỹỺỻỼỽỾỿɐɑɒɓɔɕɖɗɘəɚɛɜɝɞɟɠɡɢɣɤɥɦɧɨɩɪɫɬɭɮɯɰɱɲɳɴɵɶɷɸɹɺɻɼɽɾɿʀʁʂʃʄʅʆʇʈʉʊʋʌʍʎʏʐʑʒʓʔʕʖʗʘʙʚʛʜʝʞʟʠʡʢʣʤʥʦʧʨʩʪʫʬʭʮʯʰʱʲʳʴʵʶʷʸʹʺʻʼʽʾʿˀˁ˂˃˄˅ˆˇˈˉˊˋˌˍˎˏːˑ˒˓˔˕˖˗˘˙˚˛˜˝˞˟ˠˡˢˣˤ˥˦˧˨˩˪˫ˬ˭ˮ˯˰˱˲˳˴˵˶˷˸˹˺˻˼˽˾˿̴̵̶̷̸̡̢̧̨̛̖̗̘̙̜̝̞̟̠̣̤̥̦̩̪̫̬̭̮̯̰̱̲̳̹̺̻̼͇͈͉͍͎̀́̂̃̄̅̆̇̈̉̊̋̌̍̎̏̐̑̒̓̔̽̾̿̀́͂̓̈́͆͊͋͌̕̚ͅ͏͓͔͕͖͙͚͐͑͒͗͛ͣͤͥͦͧͨͩͪͫͬͭͮͯ͘͜͟͢͝͞͠͡'"/>
  <xsl:variable name="complexCharacters" select="'֐ְֱֲֳִֵֶַָֹֺֻּֽ֑֖֛֢֣֤֥֦֧֪֚֭֮֒֓֔֕֗֘֙֜֝֞֟֠֡֨֩֫֬֯־ֿ׀ׁׂ׃ׅׄ׆ׇ׈׉׊׋׌׍׎׏אבגדהוזחטיךכלםמןנסעףפץצקרשת׫׬׭׮ׯװױײ׳״׵׶׷׸׹׺׻׼׽׾׿؀؁؂؃؄؅؆؇؈؉؊؋،؍؎؏ؘؙؚؐؑؒؓؔؕؖؗ؛؜؝؞؟ؠءآأؤإئابةتثجحخدذرزسشصضطظعغػؼؽؾؿـفقكلمنهوىيًٌٍَُِّْٕٖٜٟٓٔٗ٘ٙٚٛٝٞ٠١٢٣٤٥٦٧٨٩٪٫٬٭ٮٯٰٱٲٳٴٵٶٷٸٹٺٻټٽپٿڀځڂڃڄڅچڇڈډڊڋڌڍڎڏڐڑڒړڔڕږڗژڙښڛڜڝڞڟڠڡڢڣڤڥڦڧڨکڪګڬڭڮگڰڱڲڳڴڵڶڷڸڹںڻڼڽھڿۀہۂۃۄۅۆۇۈۉۊۋیۍێۏېۑےۓ۔ەۖۗۘۙۚۛۜ۝۞ۣ۟۠ۡۢۤۥۦۧۨ۩۪ۭ۫۬ۮۯ۰۱۲۳۴۵۶۷۸۹ۺۻۼ۽۾ۿ܀܁܂܃܄܅܆܇܈܉܊܋܌܍܎܏ܐܑܒܓܔܕܖܗܘܙܚܛܜܝܞܟܠܡܢܣܤܥܦܧܨܩܪܫܬܭܮܯܱܴܷܸܹܻܼܾ݂݄݆݈ܰܲܳܵܶܺܽܿ݀݁݃݅݇݉݊݋݌ݍݎݏݐݑݒݓݔݕݖݗݘݙݚݛݜݝݞݟݠݡݢݣݤݥݦݧݨݩݪݫݬݭݮݯݰݱݲݳݴݵݶݷݸݹݺݻݼݽݾݿހށނރބޅކއވމފދތލގޏސޑޒޓޔޕޖޗޘޙޚޛޜޝޞޟޠޡޢޣޤޥަާިީުޫެޭޮޯްޱ޲޳޴޵޶޷޸޹޺޻޼޽޾޿߀߁߂߃߄߅߆߇߈߉ߊߋߌߍߎߏߐߑߒߓߔߕߖߗߘߙߚߛߜߝߞߟߠߡߢߣߤߥߦߧߨߩߪ߲߫߬߭߮߯߰߱߳ߴߵ߶߷߸߹ߺ߻߼߽߾߿ࠀࠁࠂࠃࠄࠅࠆࠇࠈࠉࠊࠋࠌࠍࠎࠏࠐࠑࠒࠓࠔࠕࠖࠗ࠘࠙ࠚࠛࠜࠝࠞࠟࠠࠡࠢࠣࠤࠥࠦࠧࠨࠩࠪࠫࠬ࠭࠮࠯࠰࠱࠲࠳࠴࠵࠶࠷࠸࠹࠺࠻࠼࠽࠾࠿ࡀࡁࡂࡃࡄࡅࡆࡇࡈࡉࡊࡋࡌࡍࡎࡏࡐࡑࡒࡓࡔࡕࡖࡗࡘ࡙࡚࡛࡜࡝࡞࡟ࡠࡡࡢࡣࡤࡥࡦࡧࡨࡩࡪ࡫࡬࡭࡮࡯ࡰࡱࡲࡳࡴࡵࡶࡷࡸࡹࡺࡻࡼࡽࡾࡿࢀࢁࢂࢃࢄࢅࢆࢇ࢈ࢉࢊࢋࢌࢍࢎ࢏࢐࢑࢒࢓࢔࢕࢖࢙࢚࢛ࢗ࢘࢜࢝࢞࢟ࢠࢡࢢࢣࢤࢥࢦࢧࢨࢩࢪࢫࢬࢭࢮࢯࢰࢱࢲࢳࢴࢵࢶࢷࢸࢹࢺࢻࢼࢽࢾࢿࣀࣁࣂࣃࣄࣅࣆࣇࣈࣉ࣏࣐࣑࣒࣓࣊࣋࣌࣍࣎ࣔࣕࣖࣗࣘࣙࣚࣛࣜࣝࣞࣟ࣠࣡࣢ࣰࣱࣲࣣࣦࣩ࣭࣮࣯ࣶࣹࣺࣤࣥࣧࣨ࣪࣫࣬ࣳࣴࣵࣷࣸࣻࣼࣽࣾࣿऀँंःऄअआइईउऊऋऌऍऎएऐऑऒओऔकखगघङचछजझञटठडढणतथदधनऩपफबभमयरऱलळऴवशषसहऺऻ़ऽािीुूृॄॅॆेैॉॊोौ्ॎॏॐ॒॑॓॔ॕॖॗक़ख़ग़ज़ड़ढ़फ़य़ॠॡॢॣ।॥०१२३४५६७८९॰ॱॲॳॴॵॶॷॸॹॺॻॼॽॾॿঀঁংঃ঄অআইঈউঊঋঌ঍঎এঐ঑঒ওঔকখগঘঙচছজঝঞটঠডঢণতথদধন঩পফবভমযর঱ল঳঴঵শষসহ঺঻়ঽািীুূৃৄ৅৆েৈ৉৊োৌ্ৎ৏৐৑৒৓৔৕৖ৗ৘৙৚৛ড়ঢ়৞য়ৠৡৢৣ৤৥০১২৩৪৫৬৭৮৯ৰৱ৲৳৴৵৶৷৸৹৺৻ৼ৽৾৿਀ਁਂਃ਄ਅਆਇਈਉਊ਋਌਍਎ਏਐ਑਒ਓਔਕਖਗਘਙਚਛਜਝਞਟਠਡਢਣਤਥਦਧਨ਩ਪਫਬਭਮਯਰ਱ਲਲ਼਴ਵਸ਼਷ਸਹ਺਻਼਽ਾਿੀੁੂ੃੄੅੆ੇੈ੉੊ੋੌ੍੎੏੐ੑ੒੓੔੕੖੗੘ਖ਼ਗ਼ਜ਼ੜ੝ਫ਼੟੠੡੢੣੤੥੦੧੨੩੪੫੬੭੮੯ੰੱੲੳੴੵ੶੷੸੹੺੻੼੽੾੿઀ઁંઃ઄અઆઇઈઉઊઋઌઍ઎એઐઑ઒ઓઔકખગઘઙચછજઝઞટઠડઢણતથદધન઩પફબભમયર઱લળ઴વશષસહ઺઻઼ઽાિીુૂૃૄૅ૆ેૈૉ૊ોૌ્૎૏ૐ૑૒૓૔૕૖૗૘૙૚૛૜૝૞૟ૠૡૢૣ૤૥૦૧૨૩૪૫૬૭૮૯૰૱૲૳૴૵૶૷૸ૹૺૻૼ૽૾૿଀ଁଂଃ଄ଅଆଇଈଉଊଋଌ଍଎ଏଐ଑଒ଓଔକଖଗଘଙଚଛଜଝଞଟଠଡଢଣତଥଦଧନ଩ପଫବଭମଯର଱ଲଳ଴ଵଶଷସହ଺଻଼ଽାିୀୁୂୃୄ୅୆େୈ୉୊ୋୌ୍୎୏୐୑୒୓୔୕ୖୗ୘୙୚୛ଡ଼ଢ଼୞ୟୠୡୢୣ୤୥୦୧୨୩୪୫୬୭୮୯୰ୱ୲୳୴୵୶୷୸୹୺୻୼୽୾୿஀஁ஂஃ஄அஆஇஈஉஊ஋஌஍எஏஐ஑ஒஓஔக஖஗஘ஙச஛ஜ஝ஞட஠஡஢ணத஥஦஧நனப஫஬஭மயரறலளழவஶஷஸஹ஺஻஼஽ாிீுூ௃௄௅ெேை௉ொோௌ்௎௏ௐ௑௒௓௔௕௖ௗ௘௙௚௛௜௝௞௟௠௡௢௣௤௥௦௧௨௩௪௫௬௭௮௯௰௱௲௳௴௵௶௷௸௹௺௻௼௽௾௿ఀఁంఃఄఅఆఇఈఉఊఋఌ఍ఎఏఐ఑ఒఓఔకఖగఘఙచఛజఝఞటఠడఢణతథదధన఩పఫబభమయరఱలళఴవశషసహ఺఻఼ఽాిీుూృౄ౅ెేై౉ొోౌ్౎౏౐౑౒౓౔ౕౖ౗ౘౙౚ౛౜ౝ౞౟ౠౡౢౣ౤౥౦౧౨౩౪౫౬౭౮౯౰౱౲౳౴౵౶౷౸౹౺౻౼౽౾౿ಀಁಂಃ಄ಅಆಇಈಉಊಋಌ಍ಎಏಐ಑ಒಓಔಕಖಗಘಙಚಛಜಝಞಟಠಡಢಣತಥದಧನ಩ಪಫಬಭಮಯರಱಲಳ಴ವಶಷಸಹ಺಻಼ಽಾಿೀುೂೃೄ೅ೆೇೈ೉ೊೋೌ್೎೏೐೑೒೓೔ೕೖ೗೘೙೚೛೜ೝೞ೟ೠೡೢೣ೤೥೦೧೨೩೪೫೬೭೮೯೰ೱೲೳ೴೵೶೷೸೹೺೻೼೽೾೿ഀഁംഃഄഅആഇഈഉഊഋഌ഍എഏഐ഑ഒഓഔകഖഗഘങചഛജഝഞടഠഡഢണതഥദധനഩപഫബഭമയരറലളഴവശഷസഹഺ഻഼ഽാിീുൂൃൄ൅െേൈ൉ൊോൌ്ൎ൏൐൑൒൓ൔൕൖൗ൘൙൚൛൜൝൞ൟൠൡൢൣ൤൥൦൧൨൩൪൫൬൭൮൯൰൱൲൳൴൵൶൷൸൹ൺൻർൽൾൿ඀ඁංඃ඄අආඇඈඉඊඋඌඍඎඏඐඑඒඓඔඕඖ඗඘඙කඛගඝඞඟචඡජඣඤඥඦටඨඩඪණඬතථදධන඲ඳපඵබභමඹයර඼ල඾඿වශෂසහළෆ෇෈෉්෋෌෍෎ාැෑිීු෕ූ෗ෘෙේෛොෝෞෟ෠෡෢෣෤෥෦෧෨෩෪෫෬෭෮෯෰෱ෲෳ෴෵෶෷෸෹෺෻෼෽෾෿฀กขฃคฅฆงจฉชซฌญฎฏฐฑฒณดตถทธนบปผฝพฟภมยรฤลฦวศษสหฬอฮฯะัาำิีึืฺุู฻฼฽฾฿เแโใไๅๆ็่้๊๋์ํ๎๏๐๑๒๓๔๕๖๗๘๙๚๛๜๝๞๟๠๡๢๣๤๥๦๧๨๩๪๫๬๭๮๯๰๱๲๳๴๵๶๷๸๹๺๻๼๽๾๿຀ກຂ຃ຄ຅ຆງຈຉຊ຋ຌຍຎຏຐຑຒຓດຕຖທຘນບປຜຝພຟຠມຢຣ຤ລ຦ວຨຩສຫຬອຮຯະັາຳິີຶື຺ຸູົຼຽ຾຿ເແໂໃໄ໅ໆ໇່້໊໋໌ໍ໎໏໐໑໒໓໔໕໖໗໘໙໚໛ໜໝໞໟ໠໡໢໣໤໥໦໧໨໩໪໫໬໭໮໯໰໱໲໳໴໵໶໷໸໹໺໻໼໽໾໿ༀ༁༂༃༄༅༆༇༈༉༊་༌།༎༏༐༑༒༓༔༕༖༗༘༙༚༛༜༝༞༟༠༡༢༣༤༥༦༧༨༩༪༫༬༭༮༯༰༱༲༳༴༵༶༷༸༹༺༻༼༽༾༿ཀཁགགྷངཅཆཇ཈ཉཊཋཌཌྷཎཏཐདདྷནཔཕབབྷམཙཚཛཛྷཝཞཟའཡརལཤཥསཧཨཀྵཪཫཬ཭཮཯཰ཱཱཱིིུུྲྀཷླྀཹེཻོཽཾཿ྄ཱྀྀྂྃ྅྆྇ྈྉྊྋྌྍྎྏྐྑྒྒྷྔྕྖྗ྘ྙྚྛྜྜྷྞྟྠྡྡྷྣྤྥྦྦྷྨྩྪྫྫྷྭྮྯྰྱྲླྴྵྶྷྸྐྵྺྻྼ྽྾྿࿀࿁࿂࿃࿄࿅࿆࿇࿈࿉࿊࿋࿌࿍࿎࿏࿐࿑࿒࿓࿔࿕࿖࿗࿘࿙࿚࿛࿜࿝࿞࿟࿠࿡࿢࿣࿤࿥࿦࿧࿨࿩࿪࿫࿬࿭࿮࿯࿰࿱࿲࿳࿴࿵࿶࿷࿸࿹࿺࿻࿼࿽࿾࿿ကခဂဃငစဆဇဈဉညဋဌဍဎဏတထဒဓနပဖဗဘမယရလဝသဟဠအဢဣဤဥဦဧဨဩဪါာိီုူေဲဳဴဵံ့း္်ျြွှဿ၀၁၂၃၄၅၆၇၈၉၊။၌၍၎၏ၐၑၒၓၔၕၖၗၘၙၚၛၜၝၞၟၠၡၢၣၤၥၦၧၨၩၪၫၬၭၮၯၰၱၲၳၴၵၶၷၸၹၺၻၼၽၾၿႀႁႂႃႄႅႆႇႈႉႊႋႌႍႎႏ႐႑႒႓႔႕႖႗႘႙ႚႛႜႝ႞႟កខគឃងចឆជឈញដឋឌឍណតថទធនបផពភមយរលវឝឞសហឡអឣឤឥឦឧឨឩឪឫឬឭឮឯឰឱឲឳ឴឵ាិីឹឺុូួើឿៀេែៃោៅំះៈ៉៊់៌៍៎៏័៑្៓។៕៖ៗ៘៙៚៛ៜ៝៞៟០១២៣៤៥៦៧៨៩៪៫៬៭៮៯៰៱៲៳៴៵៶៷៸៹៺៻៼៽៾៿יִﬞײַﬠﬡﬢﬣﬤﬥﬦﬧﬨ﬩שׁשׂשּׁשּׂאַאָאּבּגּדּהּוּזּ﬷טּיּךּכּלּ﬽מּ﬿נּסּ﭂ףּפּ﭅צּקּרּשּתּוֹבֿכֿפֿﭏﭐﭑﭒﭓﭔﭕﭖﭗﭘﭙﭚﭛﭜﭝﭞﭟﭠﭡﭢﭣﭤﭥﭦﭧﭨﭩﭪﭫﭬﭭﭮﭯﭰﭱﭲﭳﭴﭵﭶﭷﭸﭹﭺﭻﭼﭽﭾﭿﮀﮁﮂﮃﮄﮅﮆﮇﮈﮉﮊﮋﮌﮍﮎﮏﮐﮑﮒﮓﮔﮕﮖﮗﮘﮙﮚﮛﮜﮝﮞﮟﮠﮡﮢﮣﮤﮥﮦﮧﮨﮩﮪﮫﮬﮭﮮﮯﮰﮱ﮲﮳﮴﮵﮶﮷﮸﮹﮺﮻﮼﮽﮾﮿﯀﯁﯂﯃﯄﯅﯆﯇﯈﯉﯊﯋﯌﯍﯎﯏﯐﯑﯒ﯓﯔﯕﯖﯗﯘﯙﯚﯛﯜﯝﯞﯟﯠﯡﯢﯣﯤﯥﯦﯧﯨﯩﯪﯫﯬﯭﯮﯯﯰﯱﯲﯳﯴﯵﯶﯷﯸﯹﯺﯻﯼﯽﯾﯿﰀﰁﰂﰃﰄﰅﰆﰇﰈﰉﰊﰋﰌﰍﰎﰏﰐﰑﰒﰓﰔﰕﰖﰗﰘﰙﰚﰛﰜﰝﰞﰟﰠﰡﰢﰣﰤﰥﰦﰧﰨﰩﰪﰫﰬﰭﰮﰯﰰﰱﰲﰳﰴﰵﰶﰷﰸﰹﰺﰻﰼﰽﰾﰿﱀﱁﱂﱃﱄﱅﱆﱇﱈﱉﱊﱋﱌﱍﱎﱏﱐﱑﱒﱓﱔﱕﱖﱗﱘﱙﱚﱛﱜﱝﱞﱟﱠﱡﱢﱣﱤﱥﱦﱧﱨﱩﱪﱫﱬﱭﱮﱯﱰﱱﱲﱳﱴﱵﱶﱷﱸﱹﱺﱻﱼﱽﱾﱿﲀﲁﲂﲃﲄﲅﲆﲇﲈﲉﲊﲋﲌﲍﲎﲏﲐﲑﲒﲓﲔﲕﲖﲗﲘﲙﲚﲛﲜﲝﲞﲟﲠﲡﲢﲣﲤﲥﲦﲧﲨﲩﲪﲫﲬﲭﲮﲯﲰﲱﲲﲳﲴﲵﲶﲷﲸﲹﲺﲻﲼﲽﲾﲿﳀﳁﳂﳃﳄﳅﳆﳇﳈﳉﳊﳋﳌﳍﳎﳏﳐﳑﳒﳓﳔﳕﳖﳗﳘﳙﳚﳛﳜﳝﳞﳟﳠﳡﳢﳣﳤﳥﳦﳧﳨﳩﳪﳫﳬﳭﳮﳯﳰﳱﳲﳳﳴﳵﳶﳷﳸﳹﳺﳻﳼﳽﳾﳿﴀﴁﴂﴃﴄﴅﴆﴇﴈﴉﴊﴋﴌﴍﴎﴏﴐﴑﴒﴓﴔﴕﴖﴗﴘﴙﴚﴛﴜﴝﴞﴟﴠﴡﴢﴣﴤﴥﴦﴧﴨﴩﴪﴫﴬﴭﴮﴯﴰﴱﴲﴳﴴﴵﴶﴷﴸﴹﴺﴻﴼﴽ﴾﴿﵀﵁﵂﵃﵄﵅﵆﵇﵈﵉﵊﵋﵌﵍﵎﵏ﵐﵑﵒﵓﵔﵕﵖﵗﵘﵙﵚﵛﵜﵝﵞﵟﵠﵡﵢﵣﵤﵥﵦﵧﵨﵩﵪﵫﵬﵭﵮﵯﵰﵱﵲﵳﵴﵵﵶﵷﵸﵹﵺﵻﵼﵽﵾﵿﶀﶁﶂﶃﶄﶅﶆﶇﶈﶉﶊﶋﶌﶍﶎﶏ﶐﶑ﶒﶓﶔﶕﶖﶗﶘﶙﶚﶛﶜﶝﶞﶟﶠﶡﶢﶣﶤﶥﶦﶧﶨﶩﶪﶫﶬﶭﶮﶯﶰﶱﶲﶳﶴﶵﶶﶷﶸﶹﶺﶻﶼﶽﶾﶿﷀﷁﷂﷃﷄﷅﷆﷇ﷈﷉﷊﷋﷌﷍﷎﷏﷐﷑﷒﷓﷔﷕﷖﷗﷘﷙﷚﷛﷜﷝﷞﷟﷠﷡﷢﷣﷤﷥﷦﷧﷨﷩﷪﷫﷬﷭﷮﷯ﷰﷱﷲﷳﷴﷵﷶﷷﷸﷹﷺﷻ﷼﷽﷾﷿ﹰﹱﹲﹳﹴ﹵ﹶﹷﹸﹹﹺﹻﹼﹽﹾﹿﺀﺁﺂﺃﺄﺅﺆﺇﺈﺉﺊﺋﺌﺍﺎﺏﺐﺑﺒﺓﺔﺕﺖﺗﺘﺙﺚﺛﺜﺝﺞﺟﺠﺡﺢﺣﺤﺥﺦﺧﺨﺩﺪﺫﺬﺭﺮﺯﺰﺱﺲﺳﺴﺵﺶﺷﺸﺹﺺﺻﺼﺽﺾﺿﻀﻁﻂﻃﻄﻅﻆﻇﻈﻉﻊﻋﻌﻍﻎﻏﻐﻑﻒﻓﻔﻕﻖﻗﻘﻙﻚﻛﻜﻝﻞﻟﻠﻡﻢﻣﻤﻥﻦﻧﻨﻩﻪﻫﻬﻭﻮﻯﻰﻱﻲﻳﻴﻵﻶﻷﻸﻹﻺﻻﻼ﻽﻾﻿'"/>

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
  <xsl:variable name="c1Controls" select="'&#x80;&#x81;&#x82;&#x83;&#x84;&#x85;&#x86;&#x87;&#x88;&#x89;&#x8A;&#x8B;&#x8C;&#x8D;&#x8E;&#x8F;&#x90;&#x91;&#x92;&#x93;&#x94;&#x95;&#x96;&#x97;&#x98;&#x99;&#x9A;&#x9B;&#x9C;&#x9D;&#x9E;&#x9F;'"/>

  <xsl:template match="w:t">
    <xsl:variable name="font" select="string(../w:rPr/w:rFonts/@w:ascii)"/>
    <!-- Outside ASCII there may be C1 controls to drop and symbol characters to map. -->
    <xsl:variable name="plain" select="translate(., $ascii, '') = ''"/>
    <xsl:choose>
      <xsl:when test="not($plain)">
        <xsl:variable name="cleaned" select="translate(., $c1Controls, '')"/>
        <xsl:choose>
          <xsl:when test="($font = 'Symbol' or starts-with($font, 'Wingdings')) and translate($cleaned, $privateUse, '') != $cleaned">
            <xsl:call-template name="symbol-text"><xsl:with-param name="text" select="$cleaned"/><xsl:with-param name="font" select="$font"/></xsl:call-template>
          </xsl:when>
          <xsl:otherwise><xsl:call-template name="spaces"><xsl:with-param name="text" select="$cleaned"/></xsl:call-template></xsl:otherwise>
        </xsl:choose>
      </xsl:when>
      <xsl:otherwise><xsl:call-template name="spaces"><xsl:with-param name="text" select="string(.)"/></xsl:call-template></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- HTML folds runs of spaces into one: every space that follows a space becomes a no-break
       space. The text is cut at each run of two or more spaces; long texts are halved first,
       so that the depth of the work grows with the logarithm of the length. $afterSpace says
       that the text before this piece ended with a space. -->
  <xsl:template name="spaces">
    <xsl:param name="text"/>
    <xsl:param name="afterSpace" select="false()"/>
    <xsl:variable name="length" select="string-length($text)"/>
    <xsl:choose>
      <xsl:when test="$afterSpace and starts-with($text, ' ')">
        <!-- The leading spaces, 64 at a time. -->
        <xsl:variable name="other" select="substring(translate($text, ' ', ''), 1, 1)"/>
        <xsl:variable name="spaces" select="string-length(substring-before($text, $other)) * number($other != '') + $length * number($other = '')"/>
        <xsl:variable name="written" select="$spaces * number($spaces &lt;= 64) + 64 * number($spaces &gt; 64)"/>
        <xsl:value-of select="substring($noBreakSpaces, 1, $written)"/>
        <xsl:call-template name="spaces">
          <xsl:with-param name="text" select="substring($text, $written + 1)"/>
          <xsl:with-param name="afterSpace" select="true()"/>
        </xsl:call-template>
      </xsl:when>
      <xsl:when test="not(contains($text, '  '))"><xsl:value-of select="$text"/></xsl:when>
      <xsl:when test="$length &gt; 256">
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
      <xsl:otherwise>
        <xsl:value-of select="concat(substring-before($text, '  '), ' &#160;')"/>
        <xsl:call-template name="spaces">
          <xsl:with-param name="text" select="substring-after($text, '  ')"/>
          <xsl:with-param name="afterSpace" select="true()"/>
        </xsl:call-template>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>
  <xsl:variable name="noBreakSpaces" select="'&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;&#160;'"/>

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
    <xsl:variable name="font"><xsl:call-template name="safe-font"><xsl:with-param name="name" select="@w:font"/></xsl:call-template></xsl:variable>
    <span>
      <xsl:if test="$font != ''">
        <xsl:attribute name="style">font-family: <xsl:call-template name="css-font"><xsl:with-param name="name" select="$font"/></xsl:call-template></xsl:attribute>
      </xsl:if>
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


</xsl:stylesheet>
