// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "startup/program.h"

int main(int argc, char *argv[])
{
    return startup::run(argc, argv);
}
