#pragma once
// File names as the file system sees them: absolute, normalised, and compared with the file system's own
// rule for letter case.

#include <QString>

namespace penwick {

// The absolute, cleaned form of a file name (relative names are taken against the current directory).
QString NormalisedPath(const QString& fileName);

// True when both names denote the same path: exact on case-sensitive systems (a.txt and A.TXT are two
// files), without regard to case where the file system ignores it (Windows, macOS).
bool SameFileName(const QString& a, const QString& b);

// True when the name holds a path separator of the platform, i.e. it names a folder as well as a file.
bool HasPathSeparator(const QString& fileName);

// True for a file on media that may be removable: on Windows a drive letter other than C:, elsewhere a
// path under /media, /run/media or /mnt.
bool OnRemovableMedia(const QString& fileName);

}  // namespace penwick
