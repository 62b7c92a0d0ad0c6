# Reads the export table (frame/exports): one exported name a line; blank lines
# and lines starting with # are skipped. Sets `out` to the list of names.
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
