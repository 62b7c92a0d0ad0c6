# Reads the export table (written from include/vek.h by scripts/vekgen.py): one
# exported name a line; blank lines and lines starting with # are skipped. Sets
# `out` to the list of names.
function(vek_read_export_table table out)
  file(STRINGS ${table} lines)
  set(names "")
  foreach(line IN LISTS lines)
    string(STRIP "${line}" line)
    if(line AND NOT line MATCHES "^#")
      list(APPEND names ${line})
    endif()
  endforeach()
  set(${out} ${names} PARENT_SCOPE)
endfunction()

# Writes `content` to `path` only when it differs from what is there, so that a
# new configure run does not make the targets that read the file relink.
function(vek_write_if_changed path content)
  file(WRITE ${path}.new "${content}")
  configure_file(${path}.new ${path} COPYONLY)
endfunction()

# Compares two sorted lists of names. Sets `out` to "" when they are equal, else
# to the names missing from `actual` and the extra ones, for a test's message.
function(vek_name_difference expected actual out)
  set(text "")
  if(NOT "${expected}" STREQUAL "${actual}")
    set(missing ${expected})
    list(REMOVE_ITEM missing ${actual})
    set(extra ${actual})
    list(REMOVE_ITEM extra ${expected})
    list(JOIN missing " " missing)
    list(JOIN extra " " extra)
    set(text "\n  missing: ${missing}\n  extra: ${extra}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()
