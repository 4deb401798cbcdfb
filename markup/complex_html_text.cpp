#include "markup/complex_html_text.h"

namespace penwick {

namespace {

QString Close(bool changer) { return changer ? QStringLiteral(" />") : QStringLiteral(">"); }

const char kSetOffLine[] = "<!-- Ctrl+NumPad6 to create set-off line -->";

QString Link(const QString& scheme, const QString& url) {
  return QStringLiteral("<a href=\"") + scheme + url + QStringLiteral("\">") + url + QStringLiteral("</a>");
}

}  // namespace

QString MailtoText(const QString& address) { return Link(QStringLiteral("mailto:"), address); }

QString UrlLinkText(const QString& url) {
  if (url.contains(QStringLiteral("://"))) return Link(QString(), url);
  // Only a host that starts with ftp is an ftp server: "swiftpages.com" is a web site.
  if (url.startsWith(QStringLiteral("ftp"), Qt::CaseInsensitive)) return Link(QStringLiteral("ftp://"), url);
  return Link(QStringLiteral("http://"), url);
}

QString ImageFigureText(const QString& file, const QString& number, const QString& caption, bool changer) {
  const QString close = Close(changer);
  const QString setOff = QString::fromLatin1(kSetOffLine);
  return QStringLiteral("<center>\r\n") + setOff + QStringLiteral("\r\n<img src=\"") + file +
         QStringLiteral("\"") + close + QStringLiteral("<br") + close + QStringLiteral("\r\n") + setOff +
         QStringLiteral("\r\n<b>Figure ") + number + QStringLiteral("</b><br") + close +
         QStringLiteral("\r\n<!-- Use Ctrl+K to break Caption into lines -->\r\n") + caption +
         QStringLiteral("\r\n</center>");
}

QString TextFigureText(const QString& text, const QString& size, const QString& colour, const QString& box) {
  const QString setOff = QString::fromLatin1(kSetOffLine);
  return QStringLiteral("<center><table border=") + box +
         QStringLiteral(" cellpadding=15><tr><td align=center><font size=\"") + size +
         QStringLiteral("\" color=\"") + colour + QStringLiteral("\">\r\n") + setOff +
         QStringLiteral("\r\n") + text + QStringLiteral("\r\n") + setOff +
         QStringLiteral("\r\n</font></td></tr></table></center>");
}

QString SizeColorText(const QString& selected, const QString& size, const QString& colour) {
  if (size.isEmpty() && colour.isEmpty()) return {};
  QString sizePart = size.isEmpty() ? QString() : QStringLiteral("size=\"") + size + QStringLiteral("\" ");
  const QString colourPart =
      colour.isEmpty() ? QString() : QStringLiteral("color=\"") + colour + QStringLiteral("\"");
  if (colourPart.isEmpty()) sizePart.chop(1);
  return QStringLiteral("<font ") + sizePart + colourPart + QStringLiteral(">") + selected +
         QStringLiteral("</font>");
}

QString BlockQuoteText(const QString& selected, bool changer) {
  return QStringLiteral("\r\n<p>\r\n<blockquote>\r\n") + selected + QStringLiteral("\r\n</blockquote>\r\n") +
         (changer ? QStringLiteral("</p>") : QStringLiteral("<p>")) + QStringLiteral("\r\n");
}

QString ParagraphAfterText(const QString& selected) {
  return QStringLiteral("\r\n<p>\r\n") + selected + QStringLiteral("<p>");
}

QString ParagraphAroundText(const QString& selected) {
  return QStringLiteral("\r\n<p>\r\n") + selected + QStringLiteral("</p>");
}

QString ButtonStackText(int count, bool changer) {
  const QString br = changer ? QStringLiteral("<br />") : QStringLiteral("<br>");
  const QString onClick = QStringLiteral("onClick=\"\"") + Close(changer);
  const QString button = QStringLiteral("\r\n<input type=\"button\" value=\"\"\r\n") + onClick;
  QString stack;
  if (count >= 1) {
    stack = QStringLiteral("<input type=\"button\" value=\"Label\"\r\nonClick=\"function('param')\"") +
            Close(changer) + QStringLiteral("\r\n") + br + QStringLiteral("\r\n") + br;
  }
  for (int i = 2; i < count; ++i) stack += button + QStringLiteral("\r\n") + br + QStringLiteral("\r\n") + br;
  if (count >= 2) stack += button;
  return stack;
}

QString FormButtonStackText(int count, bool changer) {
  return QStringLiteral("\r\n<form>\r\n") + ButtonStackText(count, changer) +
         QStringLiteral("\r\n</form>\r\n\r\n");
}

QString TableText(int rows, int cells) {
  QString text = QStringLiteral("\r\n<table border=\"1\">\r\n");
  for (int r = 1; r <= rows; ++r) {
    text += QStringLiteral("<tr> <!-- row %1 -->\r\n").arg(r);
    // The cell end tag stands out in capitals, so the eye finds where each cell's content goes.
    for (int c = 1; c <= cells; ++c) text += QStringLiteral("<td> <!-- cell %1 -->\r\n\r\n</TD>\r\n").arg(c);
    text += QStringLiteral("</tr>\r\n");
  }
  return text + QStringLiteral("</table>\r\n\r\n");
}

FramesetAnswer SplitFramesetAnswer(const QString& answer) {
  const QString upper = answer.toUpper();
  return {upper.left(4), upper.mid(5)};
}

QString BothFramesetText(int count, bool changer) {
  QString text = QStringLiteral("<frameset rows=\"\" cols=\"\">\r\n");
  for (int i = 0; i < count; ++i)
    text += QStringLiteral("  <frame src=\"\" name=\"\"") + Close(changer) + "\r\n";
  return text + QString::fromLatin1(kFramesetEnd);
}

QString OuterFramesetLine(const QString& kind) {
  const bool rows = kind == QStringLiteral("ROWS");
  return QStringLiteral("<frameset ") + kind + QStringLiteral("=\"\">  <!-- Outer ") + kind +
         (rows ? QStringLiteral(" frameset -->") : QStringLiteral(" FRAMESET -->")) + QStringLiteral("\r\n");
}

QString NestedFramesetText(const QString& outerKind, int item, int frames, bool changer) {
  const bool rows = outerKind == QStringLiteral("ROWS");
  const QString nested = rows ? QStringLiteral("COLS") : QStringLiteral("ROWS");
  QString text = QStringLiteral("  <frameset ") + nested + QStringLiteral("=\"\">  <!-- #%1 ").arg(item) +
                 nested +
                 (rows ? QStringLiteral(" nested frameset -->") : QStringLiteral(" nested FRAMESET -->")) +
                 QStringLiteral("\r\n");
  for (int i = 0; i < frames; ++i) {
    text += QStringLiteral("    <frame src=\"\" name=\"\"") + Close(changer) + QStringLiteral("\r\n");
  }
  return text + QStringLiteral("  </frameset>\r\n");
}

QString NextFramesetPiece(QString& answers) {
  const qsizetype space = answers.indexOf(QLatin1Char(' '));
  if (space < 0) return answers;
  const QString piece = answers.left(space);
  answers = answers.mid(space + 1);
  return piece;
}

std::vector<int> ParagraphBreakLines(const QStringList& lines) {
  std::vector<int> tagged;
  bool insideText = false;
  for (qsizetype i = 0; i < lines.size(); ++i) {
    if (!lines[i].isEmpty()) {
      insideText = true;
    } else if (insideText) {
      insideText = false;
      tagged.push_back(static_cast<int>(i));
    }
  }
  return tagged;
}

}  // namespace penwick
