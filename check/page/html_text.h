// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QStringView>

// Text from a question file or its name, made page text in UTF-8: it shows as the characters it is, never as
// markup, and nothing in it acts on the rest of the page. "<", ">", "&" and quotes are escaped; control characters,
// NUL included, the direction marks (U+200E, U+200F, U+061C) and the bidirectional embeddings, overrides and
// isolates (U+202A..U+202E, U+2066..U+2069) are drawn as visible marks instead of being passed on, so that none of
// them can hide text or reorder what follows it; a lone surrogate becomes U+FFFD. Escaping and encoding go in one pass,
// since a page holds all of its file's text.

// For an element's content or a quoted attribute value: the marks are small boxed spans that name the character
// (NUL, ESC, U+0085, RLO) in plain letters, which every font has.
void appendHtmlText(QByteArray &html, QStringView text);

// For the checker's findings, whose quotes of a line show control characters as Control Pictures (U+2400..): those
// are drawn as the same boxes, since few fonts have the pictures.
void appendQuotedHtmlText(QByteArray &html, QStringView text);

// For the page's title, which holds no markup: each mark is U+FFFD.
void appendPlainHtmlText(QByteArray &html, QStringView text);
