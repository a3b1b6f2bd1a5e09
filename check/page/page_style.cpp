// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/page/page_style.h"

namespace {

// Classes: q a question, pre the lines before the first one, nl what is not loaded; t its text, o an answer button,
// m the mark of the right one, r its row, tb a blank line at the text's end; x a line the learner never meets, f a
// finding (e, w, n by level), c a control character drawn visibly, cut a note on text left out, k the key at the end.
constexpr char Style[] = R"css(
*{box-sizing:border-box}
html{background:#eef0f3}
body{margin:0 auto;max-width:54rem;padding:1.5rem 1rem 3rem 1rem;color:#1d2228;
font:12pt/1.45 "Segoe UI",system-ui,"DejaVu Sans",Arial,sans-serif}
bdi{white-space:pre-wrap;overflow-wrap:anywhere}
header{padding:0 0 .4rem 3.6rem}
h1{font-size:1.45rem;margin:0 0 .3rem;overflow-wrap:anywhere}
h2{font-size:1rem;margin:0 0 .35rem;break-after:avoid}
p{margin:0}
.enc{color:#4b5563}
.sum{margin-top:.15rem;font-weight:600;color:#1e6b3f}
.sum.bad{color:#9c2a1f}
nav{margin:.9rem 0 .2rem;display:flex;flex-wrap:wrap;gap:.5rem;align-items:center}
nav a{padding:.25rem .9rem;border:1px solid #98a2ae;border-radius:1rem;color:#1d2228;background:#fff;
text-decoration:none}
#learners:target nav a[href="#learners"],#learners:not(:target) nav a[href="#key"]{background:#1d4e89;
border-color:#1d4e89;color:#fff}
.tip{color:#6b7280;font-size:.8rem;margin-top:.3rem}
section{background:#fff;border-radius:.5rem;box-shadow:0 1px 3px #0000002a;margin:.9rem 0;
padding:.75rem 1rem .85rem 3.6rem;break-inside:avoid}
[data-n]{position:relative}
[data-n]::before{content:attr(data-n);position:absolute;left:-3.4rem;width:2.7rem;text-align:right;
color:#9aa1ab;font:.72rem/2 "DejaVu Sans Mono",Consolas,monospace}
.t p{min-height:1.45em}
.a{margin-top:.45rem}
.o{position:relative;padding:.12rem 0 .12rem 2.5rem;min-height:1.7em}
.o::after{content:"";position:absolute;left:1.15rem;top:.42em;width:.8em;height:.8em;border:1.5px solid #4b5563;
border-radius:50%}
.m{position:absolute;left:0;top:.1rem;color:#1e7b45;font-weight:bold}
.r bdi{font-weight:600}
.x{color:#8a919b}
.x bdi{font-style:italic}
.a .x{padding-left:2.5rem}
.x em,.hint{font-size:.78rem;font-style:normal;color:#6b7280;background:#eef0f3;border-radius:.6rem;
padding:0 .45rem;margin-left:.5rem;white-space:nowrap}
.f{margin:.15rem 0 .3rem;padding:.1rem .5rem;border-left:3px solid #7890a8;background:#f7f8fa;font-size:.82rem}
.a .f{margin-left:2.5rem}
.f b{font-weight:600;color:#4a5f75}
.f.e{border-color:#c62828}.f.e b{color:#b3261e}
.f.w{border-color:#d08a00}.f.w b{color:#93580a}
.c{border:1px solid #c62828;border-radius:.2rem;color:#b3261e;font:.7em monospace;padding:0 .15em;margin:0 .05em;
white-space:nowrap}
.cut{color:#6b7280;font-size:.8rem}
.pre,.nl{background:#f7f8f9;box-shadow:none;border:1px dashed #c5cad1}
.pre h2,.nl h2{color:#6b7280;font-weight:600}
.sr{position:absolute;width:1px;height:1px;overflow:hidden;clip:rect(0 0 0 0);white-space:nowrap}
.k ol{columns:6.5rem;column-gap:1rem;margin:.3rem 0 0;padding-left:2rem}
.k li{break-inside:avoid}
.by{color:#8a919b;font-size:.75rem;text-align:center;margin-top:1.5rem}
#learners:target .m,#learners:target .sr,#learners:target .k{display:none}
#learners:target .r bdi{font-weight:inherit}
@page{size:A4;margin:16mm 15mm}
@media print{
html{background:none}
body{max-width:none;padding:0;color:#000;font-size:12pt}
header{padding:0 0 3mm}
h1{font-size:13pt}
nav,.tip,.enc,.sum,.f,.x,.hint,.tb,.pre,.nl,.by{display:none}
[data-n]::before{content:none}
section{box-shadow:none;border-radius:0;padding:0;margin:0 0 6mm}
.k{break-inside:auto}
}
)css";

} // namespace

QByteArrayView pageStyle()
{
    return QByteArrayView(Style, sizeof(Style) - 1);
}
