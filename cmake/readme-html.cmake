# Renders the README as a page of its own, for the admins who open it with a
# double-click (on Windows a Markdown file opens as plain text):
#
#   cmake -DCMARK_GFM=cmark-gfm -DMARKDOWN=README.md -DHTML=README.html -P readme-html.cmake
#
# The text is cmark-gfm's rendering with tables. Each heading gets the id that the
# README's links to its own sections use (the heading in lower case, spaces as '-',
# other punctuation left out). The page needs nothing beside it but the pictures the
# README shows, at the same relative paths; its small style reads on screen and prints.

foreach(variable IN ITEMS CMARK_GFM MARKDOWN HTML)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "readme-html.cmake: ${variable} is not set")
  endif()
endforeach()

execute_process(COMMAND ${CMARK_GFM} --extension table ${MARKDOWN}
  OUTPUT_VARIABLE body RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmark-gfm could not render ${MARKDOWN}: ${status}")
endif()

# The page's title is the README's first heading.
set(title "")
string(REGEX MATCHALL "<h[1-6]>[^\n]*</h[1-6]>" headings "${body}")
foreach(heading IN LISTS headings)
  string(REGEX REPLACE "^<h([1-6])>.*$" "\\1" level "${heading}")
  string(REGEX REPLACE "^<h[1-6]>(.*)</h[1-6]>$" "\\1" text "${heading}")
  string(REGEX REPLACE "<[^>]*>" "" text "${text}")
  if(title STREQUAL "")
    set(title "${text}")
  endif()
  string(TOLOWER "${text}" id)
  string(REGEX REPLACE "&[a-z]+;" "" id "${id}")
  string(REGEX REPLACE "[^a-z0-9 _-]" "" id "${id}")
  string(REPLACE " " "-" id "${id}")
  string(REPLACE "${heading}" "<h${level} id=\"${id}\">${text}</h${level}>" body "${body}")
endforeach()

file(WRITE ${HTML} "<!DOCTYPE html>
<html lang=\"en\">
<head>
<meta charset=\"utf-8\">
<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">
<title>${title}</title>
<style>
body { font-family: sans-serif; line-height: 1.5; color: #1a1a1a; background: #fff;
       max-width: 62em; margin: 0 auto; padding: 1em 1.5em 3em; }
h1, h2, h3 { line-height: 1.25; }
h2 { margin-top: 2em; padding-bottom: 0.2em; border-bottom: 1px solid #ccc; }
code, pre { font-family: monospace; font-size: 0.95em; background: #f2f2f2; }
code { padding: 0.1em 0.25em; border-radius: 3px; }
pre { padding: 0.6em 1em; overflow-x: auto; }
pre code { padding: 0; background: none; }
table { border-collapse: collapse; margin: 1em 0; }
th, td { border: 1px solid #bbb; padding: 0.3em 0.6em; text-align: left; vertical-align: top; }
th { background: #eaeaea; }
img { max-width: 100%; height: auto; border: 1px solid #ddd; }
a { color: #0645ad; }
@media print {
  body { max-width: none; padding: 0; font-size: 10pt; }
  a { color: inherit; }
  pre { white-space: pre-wrap; }
  h2, h3 { break-after: avoid; }
  tr, img, pre { break-inside: avoid; }
}
</style>
</head>
<body>
${body}</body>
</html>
")
