#include "markup/xml_text.h"

namespace penwick {

namespace {

const QString kBreak = QStringLiteral("\r\n");

}  // namespace

bool PrologAsksIdentifier(const QString& kind) { return kind.toUpper() == QLatin1String("PUBLIC"); }

bool PrologAsksLocation(const QString& kind) { return kind != QLatin1String("[]"); }

Insertion PrologInsertion(const PrologAnswers& answers) {
  const QString upperKind = answers.kind.toUpper();
  QString location = answers.location;
  bool internalSubset = answers.kind == QLatin1String("[]");
  // Only a typed "[]" asks for the internal subset; any other "]" belongs to the location.
  if (location.endsWith(QLatin1String("[]"))) {
    location.chop(2);
    while (!location.isEmpty() && location.back().isSpace()) location.chop(1);
    internalSubset = true;
  }
  QString text = QStringLiteral("<?XML VERSION=\"1.0\" ") + answers.attributes + QStringLiteral("?>") +
                 kBreak + QStringLiteral("<!DOCTYPE ") + answers.documentType;
  if (upperKind == QLatin1String("PUBLIC") || upperKind == QLatin1String("SYSTEM")) {
    text += QLatin1Char(' ') + answers.kind;
  }
  if (upperKind == QLatin1String("PUBLIC")) text += QLatin1Char(' ') + answers.identifier;
  if (!location.isEmpty()) text += QLatin1Char(' ') + location;
  if (!internalSubset) return {text + QStringLiteral(">") + kBreak, static_cast<int>(text.size()) + 3};
  text += QStringLiteral(" [") + kBreak;
  const int caret = static_cast<int>(text.size());
  return {text + kBreak + QStringLiteral("]>"), caret};
}

QString LinkElementText(const QString& element, const QString& attributes, const QString& clickText) {
  const QString end =
      attributes.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("</") + element + QLatin1Char('>');
  return QLatin1Char('<') + element + QLatin1Char(' ') + attributes + QLatin1Char('>') + clickText + end;
}

Insertion LinkGroupInsertion(const QString& element, const QString& steps) {
  const QString start = QLatin1Char('<') + element + QLatin1Char(' ') + steps + QLatin1Char('>') + kBreak;
  return {start + kBreak + QStringLiteral("</") + element + QLatin1Char('>'), static_cast<int>(start.size())};
}

Insertion ScriptInsertion(const QString& language) {
  const QString start = (language.isEmpty() ? QStringLiteral("<SCRIPT>")
                                            : QStringLiteral("<SCRIPT ") + language + QLatin1Char('>')) +
                        kBreak;
  return {start + kBreak + QStringLiteral("</SCRIPT>"), static_cast<int>(start.size())};
}

QString OpenWindowText(const QString& name, const QString& address) {
  return name + QStringLiteral("= window.open(\"") + address + QStringLiteral("\", \"") + name +
         QStringLiteral("\")") + kBreak;
}

QString DocumentOpenText(const QString& mimeType) {
  const QString argument = mimeType.isEmpty() ? QString() : QLatin1Char('"') + mimeType + QLatin1Char('"');
  return QStringLiteral("document.open(") + argument + QLatin1Char(')') + kBreak;
}

}  // namespace penwick
