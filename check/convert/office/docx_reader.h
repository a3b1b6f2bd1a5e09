// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "check/convert/office/office_paragraph.h"

class ZipEntries;

// Reads a Word document (.docx) into paragraphs: word/document.xml, with the list numbers Word shows from
// word/numbering.xml and the formatting and lists its paragraphs take from word/styles.xml.
OfficeDocument readDocx(ZipEntries &zip);
