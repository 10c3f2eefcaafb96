// SPDX-License-Identifier: GPL-3.0-or-later
// The main window lives in app/, above every window folder; this path stays for programs built
// against the windows' library (their tests include it by this name).
#pragma once

#include "app/MDIForm1.h"
