#pragma once
// Named sets of slots kept in a profile file in the program's folder (bplates.set, tslists.set): one section
// per set, headed by the set's name, holding the slots under numbered keys (BPlate1 .. BPlate8, Tag1 ..
// Tag15). Section and key names match without regard to case.

#include <QString>
#include <span>

namespace penwick {

// The section a name typed by the user stands for: without surrounding blanks; an empty name is "No Name".
QString SetName(const QString& typed);

// Writes values under <keyPrefix>1, <keyPrefix>2, ... in the section name, keeping every other set of the
// file; the file is created when missing and replaced whole, never left half written. A file that exists but
// cannot be read is left alone (its other sets would be lost). On failure returns false with "Unable to
// write to <path>" and the reason in *error.
bool ExportSet(const QString& path, const QString& name, const QString& keyPrefix,
               std::span<const QString> values, QString* error);

enum class ImportOutcome {
  kImported,    // values hold the set (a key that is missing reads as empty)
  kNoFile,      // the file does not exist
  kNoSet,       // the file holds no section of that name
  kUnreadable,  // not a regular file, too large or unreadable: *error says why
};
// Reads the set name into values; anything but kImported leaves values as they were.
ImportOutcome ImportSet(const QString& path, const QString& name, const QString& keyPrefix,
                        std::span<QString> values, QString* error);

}  // namespace penwick
