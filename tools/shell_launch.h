// Starting other programs, documents and web addresses for the user.
#pragma once

#include <QString>
#include <QStringList>

namespace penwick {

// The launch result keeps the classic convention: 32 or more is success, smaller values say what failed.
enum LaunchResult : int {
  kLaunchOutOfResources = 0,
  kLaunchFileNotFound = 2,
  kLaunchPathNotFound = 3,
  kLaunchAccessDenied = 5,
  kLaunchNoAssociation = 31,
  kLaunchStarted = 42,
};

// Splits a parameter line into arguments: blanks separate, double quotes group (inside quotes, two quotes
// are one quote), so "C:/My Files/a b.htm" -x is two arguments.
QStringList SplitParameters(const QString& line);
// The parameter line that SplitParameters reads back as the one argument `argument`, whatever it holds.
QString QuoteParameter(const QString& argument);

// Opens `file` with `parameters` in the working directory `directory` (empty: none). An executable, given by
// its path or found on PATH, is started detached with the parameters split into arguments, never through a
// shell. Anything else (a document, a web address) goes to the desktop's opener as one argument; the
// parameters are then ignored. Nothing is ever cut to a length. Returns a `LaunchResult`: `kLaunchStarted`,
// or the reason nothing started (an empty file is `kLaunchFileNotFound`, a missing working directory
// `kLaunchPathNotFound`).
int ShellLaunch(const QString& file, const QString& parameters, const QString& directory);

// The folder part of a program's path without its final separator; empty when the path names no folder.
QString FolderOf(const QString& program_path);

}  // namespace penwick
