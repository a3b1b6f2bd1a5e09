// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "check/convert/office/office_paragraph.h"

class ZipEntries;

// Reads a Writer document (.odt) into paragraphs: content.xml, with the list numbers Writer shows from the list
// styles of content.xml and styles.xml, and the formatting its paragraphs and spans take from either; a formula's
// plain text from its object.
OfficeDocument readOdt(ZipEntries &zip);
