# Writes the start menu's click boxes as a C++ table from the menu's one
# source, data/pictures/menu.txt, from which the start-screen pictures are
# drawn too.  Run at build time:
#   cmake -DMENU=<menu.txt> -DOUT=<menuboxes.h> -P menuboxes.cmake
# A line of menu.txt: code | kind | colour | left right top bottom | ...
if(NOT MENU OR NOT OUT)
  message(FATAL_ERROR "usage: cmake -DMENU=<menu.txt> -DOUT=<header> -P menuboxes.cmake")
endif()
file(STRINGS "${MENU}" lines ENCODING UTF-8)
set(rows "")
set(count 0)
foreach(line IN LISTS lines)
  if(line MATCHES "^[ \t]*(#|$)")
    continue()
  endif()
  if(NOT line MATCHES "^[ \t]*([0-9]+)[ \t]*\\|[^|]*\\|[^|]*\\|[ \t]*([0-9]+)[ \t]+([0-9]+)[ \t]+([0-9]+)[ \t]+([0-9]+)[ \t]*\\|")
    message(FATAL_ERROR "${MENU}: not a menu item: ${line}")
  endif()
  string(APPEND rows "    {${CMAKE_MATCH_1}, ${CMAKE_MATCH_2}, ${CMAKE_MATCH_3}, ${CMAKE_MATCH_4}, ${CMAKE_MATCH_5}},\n")
  math(EXPR count "${count} + 1")
endforeach()
if(count EQUAL 0)
  message(FATAL_ERROR "${MENU}: no menu items")
endif()
set(text "// Made by mainwindow/menuboxes.cmake from data/pictures/menu.txt at build time.
#pragma once

#include <cstdint>

// A click box of the start menu in 800 x 600 picture coordinates; a point is
// inside when left < x < right and top < y < bottom.
struct MenuBox {
    int32_t code, left, right, top, bottom;
};

// In the order of menu.txt: where boxes overlap, the later one wins.
constexpr MenuBox MENU_BOXES[] = {
${rows}};
")
# Unchanged contents keep the file's time, so nothing is rebuilt for nothing.
file(CONFIGURE OUTPUT "${OUT}" CONTENT "${text}" @ONLY)
