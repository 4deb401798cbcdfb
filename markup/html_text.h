#pragma once
// The texts of the HTML commands that build their own markup from the user's answers: plain code, so every
// rule is testable without a window.

#include <QString>
#include <QStringList>

#include "markup/set_tags.h"

namespace penwick {

// Heading level from the answer, compared as text: anything that sorts before "1" is "1", anything that
// sorts after "6" is "6", everything else stays as typed ("10" and "5x" pass).
QString HeadingLevel(const QString& answer);
// The heading call for a level: around a selection the whole level is used; at the caret only its first
// character, with the caret between the two tags.
TagCall HeadingTags(const QString& level, bool hasSelection);

// "<hr", each non-empty answer after a blank, then " />" (The Changer) or ">".
QString CustomLineText(const QStringList& answers, bool changer);

// An open paragraph ("<p>" and a line break), or a closed one with the caret on the empty middle line.
TagCall ParagraphTags(bool closed);

QString AnchorText(const QString& target, const QString& clickText);

// "<img " source " " alternate, then " " align when align is not empty, then " />" (The Changer) or ">".
QString ImageText(const QString& source, const QString& alternate, const QString& align, bool changer);

// A whole number read the lenient way: leading blanks skipped, an optional sign, digits up to the first
// character that is not one; no digits read gives 0. Values beyond the int range saturate.
int ReadCount(const QString& answer);

// A bulleted ("ul") or numbered ("ol") list frame with the caret on its opened line, holding count empty
// items one per line when count > 0 (the caret then after the last item).
Insertion ListInsertion(const QString& listTag, int count);

// A drop-down menu frame (around wrapped when it is not empty, else with an opened line) and count options
// stacked at the caret.
Insertion MenuStackInsertion(const QString& wrapped, int count);

}  // namespace penwick
