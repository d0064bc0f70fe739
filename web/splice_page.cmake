# Puts the program's script into the page's template, so that the page is
# one file that works from disk and from any static host.
#   cmake -DTEMPLATE=page.html.in -DSCRIPT=program.js -DOUT=page.html -P splice_page.cmake
file(READ ${TEMPLATE} page)
file(READ ${SCRIPT} script)
# Inside a script element only "</script" ends it; the program's script
# never writes it, and a build that did would give a broken page.
string(TOLOWER "${script}" lower)
string(FIND "${lower}" "</script" end)
if(NOT end EQUAL -1)
  message(FATAL_ERROR "${SCRIPT} holds \"</script\" and cannot go inside the page")
endif()
string(REPLACE "@KT_PROGRAM@" "${script}" page "${page}")
file(WRITE ${OUT}.tmp "${page}")
file(RENAME ${OUT}.tmp ${OUT})
