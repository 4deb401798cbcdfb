#pragma once
// The texts that the script and XML items build from the user's answers: plain code, each returning what
// is inserted and where the caret ends.

#include <QString>

#include "markup/set_tags.h"

namespace penwick {

struct PrologAnswers {
  QString attributes;  // of the XML declaration, e.g. STANDALONE="no" ENCODING="UTF-8"
  QString documentType;
  QString kind;        // PUBLIC, SYSTEM (any case) or [] for an internal subset only
  QString identifier;  // asked for PUBLIC only
  QString location;    // asked unless kind is []; a trailing [] asks for an internal subset too
};

// Whether the prolog asks for a public identifier and for a location.
bool PrologAsksIdentifier(const QString& kind);
bool PrologAsksLocation(const QString& kind);

// The XML declaration and the document type line. With an internal subset (kind [] or a location ending
// in []) the caret rests on an empty line inside the brackets; otherwise a line break follows.
Insertion PrologInsertion(const PrologAnswers& answers);

// "<element attributes>text</element>", or no end tag when the attributes end with "/".
QString LinkElementText(const QString& element, const QString& attributes, const QString& clickText);
// The group's start and end tag with an empty line between them for the caret.
Insertion LinkGroupInsertion(const QString& element, const QString& steps);
// A script block with an empty line between its tags for the caret.
Insertion ScriptInsertion(const QString& language);
// "name= window.open("address", "name")" and a line break.
QString OpenWindowText(const QString& name, const QString& address);
// "document.open(...)" and a line break; a mime type is put in double quotes.
QString DocumentOpenText(const QString& mimeType);

}  // namespace penwick
