# cmake -DTEMPLATE=<metainfo.xml.in> -DLIST=<screenshots.txt> -DSHOTS=<docs/screenshots>
#       -DURL=<where they are published> -DOUT=<file> -DAPP_ID=... -DHOMEPAGE=... -DDEVELOPER=...
#       -DVERSION=... -DDATE=... -P metainfo.cmake
#
# Writes the AppStream file with the screenshots that exist now, in the
# list's order, the first as the main one.  Run at every build, since a
# screenshot may appear between two configurations; the file is rewritten
# only when it changes.
file(STRINGS "${LIST}" lines ENCODING UTF-8 REGEX "^[^#].*\\|")
set(VELMIR_SCREENSHOTS "")
set(kind " type=\"default\"")
foreach(line IN LISTS lines)
  string(REGEX MATCH "^([^|]*)\\|([^|]*)\\|(.*)$" _ "${line}")
  string(STRIP "${CMAKE_MATCH_1}" file)
  string(STRIP "${CMAKE_MATCH_2}" english)
  string(STRIP "${CMAKE_MATCH_3}" czech)
  if(NOT EXISTS "${SHOTS}/${file}")
    continue()
  endif()
  string(APPEND VELMIR_SCREENSHOTS
    "    <screenshot${kind}>\n"
    "      <caption>${english}</caption>\n"
    "      <caption xml:lang=\"cs\">${czech}</caption>\n"
    "      <image type=\"source\" width=\"1024\" height=\"768\">${URL}/${file}</image>\n"
    "    </screenshot>\n")
  set(kind "")
endforeach()
if(VELMIR_SCREENSHOTS)
  set(VELMIR_SCREENSHOTS "  <screenshots>\n${VELMIR_SCREENSHOTS}  </screenshots>\n")
endif()
set(VELMIR_APP_ID "${APP_ID}")
set(VELMIR_HOMEPAGE_URL "${HOMEPAGE}")
set(VELMIR_DEVELOPER "${DEVELOPER}")
set(PROJECT_VERSION "${VERSION}")
set(VELMIR_RELEASE_DATE "${DATE}")
configure_file("${TEMPLATE}" "${OUT}" @ONLY)
