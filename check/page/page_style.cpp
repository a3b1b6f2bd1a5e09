#include "check/page/page_style.h"

#include "check/rules/messages.h"

#include <QString>

#include <string_view>

using namespace Qt::StringLiterals;

namespace {

// Classes: q a question, pre the lines before the first one, nl what is not loaded; t its text, o an answer button,
// m the mark of the right one, r its row, tb a blank line at the text's end; x a line the learner never meets, f a
// finding (e, w, n by level), c a control character drawn visibly, cut a note on text left out, k the key at the end;
// kl the key's label at the top, sub the title's further lines, file the file's name, fields the learner's lines to
// fill in; v a variant for a class (vs on the body of a page of variants), vh its heading, vn its number; tall a
// question taller than a sheet, which print splits.
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
.k ol{display:grid;grid-template-columns:repeat(auto-fill,minmax(4.8rem,1fr));gap:.1rem .8rem;margin:.3rem 0 0;
padding:0;list-style:none;font-variant-numeric:tabular-nums}
.k li{font-weight:700}
.k b{display:inline-block;min-width:2.4em;text-align:right;font-weight:normal;color:#4b5563}
.by{color:#8a919b;font-size:.75rem;text-align:center;margin-top:1.5rem}
.kl{display:inline-block;margin:0 0 .35rem;padding:0 .5rem;border:1.5px solid #1d4e89;border-radius:.25rem;
color:#1d4e89;font-size:.8rem;font-weight:700;letter-spacing:.06em;text-transform:uppercase}
.sub{color:#374151}
.file{color:#4b5563;margin-top:.35rem}
.fields{display:flex;flex-wrap:wrap;gap:.4rem 1.4rem;margin:.5rem 0 .3rem;padding-left:3.6rem}
.fields span{display:flex;flex:1 1 9rem;align-items:flex-end;white-space:nowrap}
.fields span:first-child{flex:3 1 20rem}
.fields span::after{content:"";flex:1;min-width:4rem;margin-left:.4rem;border-bottom:1px solid #1d2228;height:1.1em}
.v{margin-top:2.5rem;padding-top:1.2rem;border-top:3px double #98a2ae}
.vn{font-weight:700;font-size:1.1rem;margin-top:.3rem}
#learners:target .m,#learners:target .sr,#learners:target .k,#learners:target .kl{display:none}
#learners:not(:target) .fields{display:none}
#learners:target .r bdi{font-weight:inherit}
@page{size:A4;margin:14mm 15mm 16mm}
@media print{
html{background:none}
body{max-width:none;padding:0;color:#000;font-size:12pt}
header{padding:0 0 3mm}
h1{font-size:14pt}
.kl{font-size:10pt;color:#000;border-color:#000}
nav,.tip,.enc,.sum,.file,.f,.x,.hint,.tb,.pre,.nl,.by,.vs #key>header{display:none}
[data-n]::before{content:none}
.fields{padding:0;margin:0 0 6mm;font-size:11pt}
.fields span::after{border-color:#000}
section{box-shadow:none;border-radius:0;padding:0;margin:0 0 6mm}
.v{margin:0;padding:0;border:0}
.v+.v{break-before:page}
.tall{break-inside:auto}
.k{break-before:auto}
.k ol{grid-template-columns:repeat(10,1fr);font-size:11pt}
}
)css";

} // namespace

QByteArrayView pageStyle()
{
    return QByteArrayView(Style, sizeof(Style) - 1);
}

namespace {

// A CSS string of any text: every character but a letter, a digit, a space or a sign of a title's punctuation is
// written as an escape, so that nothing in it can end the string or the style; controls and the like become U+FFFD.
QByteArray cssString(QStringView text)
{
    static constexpr char16_t Punctuation[] = u" .,:;!?()-\u2013\u2014\u00AB\u00BB\u00B7\u2026\u2116";
    QByteArray css = "\"";
    for (const char32_t ch : text.toUcs4()) {
        const bool plain = QChar::isLetterOrNumber(ch)
                        || (ch < 0x10000
                            && std::u16string_view(Punctuation).find(char16_t(ch)) != std::u16string_view::npos);
        if (plain) {
            css += QString::fromUcs4(&ch, 1).toUtf8();
            continue;
        }
        const bool shown = QChar::isPrint(ch) && !QChar::isSpace(ch);
        css += '\\' + QByteArray::number(uint(shown ? ch : 0xFFFD), 16) + ' ';
    }
    return css + '"';
}

// The footer of the sheets of one copy: `name` names a page rule (empty for every sheet), `caption` is its left text.
QByteArray footer(QByteArrayView name, QStringView caption)
{
    QByteArray rule = "@page";
    if (!name.isEmpty())
        rule += ' ' + name.toByteArray();
    return rule + "{@bottom-left{content:" + cssString(caption) + "}}\n";
}

} // namespace

QByteArray sheetStyle(QStringView title, int variants)
{
    // The footer's title is cut to what fits beside the page number.
    constexpr qsizetype FooterTitle = 70;
    QString shown = title.left(FooterTitle).toString();
    if (shown.size() < title.size()) {
        if (shown.at(shown.size() - 1).isHighSurrogate())
            shown.chop(1);
        shown += u'…';
    }
    const QString pageWords = Messages::tr("page %1 of %2");
    const qsizetype first = pageWords.indexOf(u"%1"_s);
    const qsizetype second = pageWords.indexOf(u"%2"_s);
    QByteArray number = "counter(page)";
    if (first >= 0 && second > first) {
        number = cssString(pageWords.left(first)) + " counter(page) "
               + cssString(pageWords.mid(first + 2, second - first - 2)) + " counter(pages) "
               + cssString(pageWords.mid(second + 2));
    }
    // Margin boxes of the page's own at the top and at the bottom keep out the browser's header and footer.
    QByteArray css = "@page{@top-center{content:\"\"}@bottom-right{content:" + number
                   + "}@bottom-left{content:" + cssString(shown) + "}}\n"
                   + "@page{@bottom-left{font:8.5pt/1.2 \"DejaVu Sans\",Arial,sans-serif;color:#555}"
                     "@bottom-right{font:8.5pt/1.2 \"DejaVu Sans\",Arial,sans-serif;color:#555}}\n";
    const QString key = Messages::tr("Answer key");
    if (variants == 0) {
        css += footer("k", shown + u" · "_s + key) + "#key{page:k}\n#learners:target #key{page:auto}\n";
        return css;
    }
    for (int v = 1; v <= variants; ++v) {
        const QByteArray n = QByteArray::number(v);
        const QString variant = shown + u" · "_s + Messages::tr("Variant %1").arg(v);
        css += footer("k" + n, variant + u" · "_s + key) + footer("l" + n, variant);
        css += ".v" + n + "{page:k" + n + "}\n#learners:target .v" + n + "{page:l" + n + "}\n";
    }
    return css;
}
