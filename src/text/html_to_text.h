#pragma once

#include <string>
#include <string_view>

// The text of an HTML document already in Shift-JIS, for reading: tags,
// comments and the contents of script, style and title dropped, white space
// runs folded into one space, line breaks ('\n') for <br> and around block
// elements (p, div, tr, li, headings, ...), and the character references
// &amp; &lt; &gt; &quot; &apos; &nbsp; &#N; &#xH; decoded into code page
// 932 or "〓". Scanning is linear: a '<' that no '>' follows is text.
std::string HtmlToText(std::string_view html);
