# cmake -DRUNTIME=<runtime folder> -DFILES=<file listing the data> -DOUT=<data.list> -P datalist.cmake
#
# Writes data.list, installed beside the read-only data: a first line that
# changes whenever any of the files changes (a hash over their names and
# contents), then their paths relative to the runtime folder, one a line.
# The launcher lays a working folder's links by it.
foreach(var RUNTIME FILES OUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "datalist: ${var} is required")
  endif()
endforeach()
file(STRINGS "${FILES}" files)
list(SORT files)
set(names "")
set(sums "")
foreach(path IN LISTS files)
  file(RELATIVE_PATH name "${RUNTIME}" "${path}")
  if(name MATCHES "^\\.\\./" OR IS_ABSOLUTE "${name}")
    message(FATAL_ERROR "datalist: ${path} lies outside ${RUNTIME}")
  endif()
  if(NOT EXISTS "${path}")
    message(FATAL_ERROR "datalist: ${path} has not been built")
  endif()
  file(SHA256 "${path}" sum)
  string(APPEND names "${name}\n")
  string(APPEND sums "${name} ${sum}\n")
endforeach()
string(SHA256 version "${sums}")
file(WRITE "${OUT}.new" "velmir-data ${version}\n${names}")
file(COPY_FILE "${OUT}.new" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.new")
