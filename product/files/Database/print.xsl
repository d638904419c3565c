<?xml version="1.0" encoding="UTF-8"?>
<!-- Renders a printable report (a Test with its items) for A4 paper. -->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
  <!-- No indenting: it would add blank lines to the pre-wrapped texts. -->
  <xsl:output method="html" encoding="UTF-8" indent="no"/>

  <xsl:template match="/">
    <html lang="en">
      <head>
        <meta charset="UTF-8"/>
        <title>Network Essentials - Printable Report</title>
        <style>
          @page { size: A4; margin: 18mm 16mm; }
          @media screen { body { padding: 16px 24px; } }
          body { font-family: "DejaVu Sans", Verdana, Arial, sans-serif; font-size: 10.5pt; line-height: 1.4; color: #000; margin: 0; }
          h1 { font-size: 16pt; margin: 0 0 2mm; color: #17456e; }
          .sub { color: #444; margin-bottom: 5mm; }
          .summary { border-collapse: collapse; margin-bottom: 6mm; }
          .summary td { border: 1px solid #999; padding: 1.5mm 3mm; }
          .q { border-top: 1px solid #17456e; padding-top: 3mm; margin-bottom: 5mm; page-break-inside: avoid; break-inside: avoid; }
          .qhead { font-size: 9pt; color: #444; margin-bottom: 1.5mm; }
          .statement { font-weight: bold; margin-bottom: 2mm; white-space: pre-wrap; }
          ol.options { margin: 0 0 2mm; padding-left: 0; list-style: none; }
          ol.options li { margin: 0.8mm 0; padding-left: 7mm; text-indent: -7mm; }
          .right { font-weight: bold; }
          .mark { display: inline-block; width: 6mm; text-indent: 0; }
          .answer { margin: 1.5mm 0; }
          .result-ok { color: #1b6b1f; font-weight: bold; }
          .result-bad { color: #a11b1b; font-weight: bold; }
          .explanation { background: #f2f2f2; border-left: 3px solid #777; padding: 2mm 3mm; margin-top: 2mm; white-space: pre-wrap; }
          .legend { font-size: 9pt; color: #444; margin-bottom: 4mm; }
        </style>
      </head>
      <body>
        <xsl:apply-templates select="/Test"/>
      </body>
    </html>
  </xsl:template>

  <xsl:template match="Test">
    <h1>
      <xsl:choose>
        <xsl:when test="normalize-space(Product) != ''"><xsl:value-of select="Product"/></xsl:when>
        <xsl:otherwise>Network Essentials</xsl:otherwise>
      </xsl:choose>
      <xsl:text> - Test Report</xsl:text>
    </h1>
    <div class="sub"><xsl:value-of select="count(item)"/> question(s)</div>
    <xsl:if test="@total_questions">
      <table class="summary">
        <tr><td>Questions</td><td><xsl:value-of select="@total_questions"/></td>
            <td>Attempted</td><td><xsl:value-of select="@no_of_attempted"/></td>
            <td>Correct</td><td><xsl:value-of select="@no_of_correct_answer"/></td></tr>
        <tr><td>Marks</td><td><xsl:value-of select="@marks"/> of <xsl:value-of select="@total_marks"/></td>
            <td>Result</td><td colspan="3"><xsl:value-of select="@remarks"/></td></tr>
      </table>
      <xsl:if test="normalize-space(@text_result_analysis) != ''">
        <p><xsl:value-of select="@text_result_analysis"/></p>
      </xsl:if>
    </xsl:if>
    <div class="legend">Correct options are marked with a check and printed in bold.</div>
    <xsl:apply-templates select="item"/>
  </xsl:template>

  <xsl:template match="item">
    <div class="q">
      <div class="qhead">
        <xsl:text>Question </xsl:text><xsl:value-of select="position()"/>
        <xsl:text> &#183; </xsl:text><xsl:value-of select="@type"/>
        <xsl:text> &#183; </xsl:text><xsl:value-of select="@topic"/>
        <xsl:if test="@level"><xsl:text> &#183; </xsl:text><xsl:value-of select="@level"/></xsl:if>
        <xsl:text> &#183; ID </xsl:text><xsl:value-of select="@questionId"/>
      </div>
      <div class="statement"><xsl:value-of select="statement"/></div>
      <xsl:choose>
        <xsl:when test="@type = 'Single Choice' or @type = 'Multiple Choice'">
          <ol class="options">
            <xsl:for-each select="responses/response">
              <li>
                <xsl:if test="@correct = 'true'"><xsl:attribute name="class">right</xsl:attribute></xsl:if>
                <span class="mark"><xsl:if test="@correct = 'true'">&#10003;</xsl:if></span>
                <xsl:value-of select="@name"/><xsl:text>. </xsl:text><xsl:value-of select="."/>
              </li>
            </xsl:for-each>
          </ol>
          <div class="answer">Correct answer:
            <b><xsl:for-each select="responses/response[@correct = 'true']">
              <xsl:value-of select="@name"/><xsl:if test="position() != last()">, </xsl:if>
            </xsl:for-each></b>
          </div>
        </xsl:when>
        <xsl:when test="@type = 'Fill in the blank'">
          <div class="answer">Correct answer: <b><xsl:value-of select="responses[last()]/*[1]"/></b>
            <xsl:if test="responses[last()]/*[1]/@alternatives">
              (also accepted: <xsl:value-of select="translate(responses[last()]/*[1]/@alternatives, '|', ',')"/>)
            </xsl:if>
          </div>
        </xsl:when>
        <xsl:when test="targets/target">
          <div class="answer">Correct placement:
            <xsl:for-each select="targets/target">
              <xsl:variable name="tile" select="@answer"/>
              <br/><xsl:value-of select="@name"/>: <b><xsl:value-of select="../../responses/response[@name = $tile]/@label"/></b>
            </xsl:for-each>
          </div>
        </xsl:when>
        <xsl:when test="hotspots/hotspot">
          <div class="answer">Correct area(s):
            <b><xsl:for-each select="hotspots/hotspot[@correct = 'true']">
              <xsl:value-of select="@label"/><xsl:if test="position() != last()">, </xsl:if>
            </xsl:for-each></b>
          </div>
        </xsl:when>
      </xsl:choose>
      <xsl:call-template name="user-answer"/>
      <xsl:if test="normalize-space(explanation) != ''">
        <div class="explanation"><b>Explanation. </b><xsl:value-of select="explanation"/></div>
      </xsl:if>
    </div>
  </xsl:template>

  <xsl:template name="user-answer">
    <xsl:variable name="report" select="user_attempt_report"/>
    <div class="answer">Your answer:
      <xsl:choose>
        <xsl:when test="$report/*[1][self::user_attempts]">
          <b>
            <xsl:choose>
              <xsl:when test="$report/user_attempts/*">
                <xsl:for-each select="$report/user_attempts/*">
                  <xsl:value-of select="."/><xsl:if test="position() != last()">, </xsl:if>
                </xsl:for-each>
              </xsl:when>
              <xsl:otherwise><xsl:value-of select="$report/user_attempts"/></xsl:otherwise>
            </xsl:choose>
          </b>
          <xsl:text> </xsl:text>
          <xsl:choose>
            <xsl:when test="string($report/marks_scored) = string(@total_marks)">
              <span class="result-ok">(correct)</span>
            </xsl:when>
            <xsl:otherwise><span class="result-bad">(incorrect)</span></xsl:otherwise>
          </xsl:choose>
        </xsl:when>
        <xsl:otherwise><span class="result-bad">not answered</span></xsl:otherwise>
      </xsl:choose>
    </div>
  </xsl:template>
</xsl:stylesheet>
