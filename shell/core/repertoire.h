// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program finds and keeps its data files and pictures.
#pragma once

#include <QString>

// The program directory: the executable's own directory when it holds Bande_bdfcp.dat (a build
// tree or a portable copy); otherwise the per-user data directory, where the installed defaults
// (share/orvalis beside bin/) are copied on first run, file by file, without overwriting the
// user's own. An installed program never writes into its installation directory.
QString repertoireProgramme(const QString &repertoireExecutable);

// The directory the defaults are installed in, relative to the executable's directory.
QString repertoireDefauts(const QString &repertoireExecutable);
