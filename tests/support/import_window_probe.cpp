// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
// Puts the window probe, linked in statically, into tavrelo-probed, the build of the program that tests run where
// Qt loads no plugin at run time.
#include <QtPlugin>

Q_IMPORT_PLUGIN(WindowProbePlugin)
