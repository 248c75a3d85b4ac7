# Compiles every translation with lrelease and fails when one has an
# unfinished or missing entry. After new texts: update_translations, then
# translate what it added.
#
#   -DLRELEASE=... -DTS_FILES=a.ts;b.ts -DOUT_DIR=...
set(problems "")
foreach(ts ${TS_FILES})
  get_filename_component(name "${ts}" NAME_WE)
  execute_process(COMMAND "${LRELEASE}" "${ts}" -qm "${OUT_DIR}/${name}.qm"
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    list(APPEND problems "${name}: lrelease failed: ${err}")
  elseif(NOT out MATCHES "Generated ([0-9]+) translation\\(s\\) \\(([0-9]+) finished and 0 unfinished\\)")
    list(APPEND problems "${name}: ${out}")
  elseif(NOT CMAKE_MATCH_1 EQUAL CMAKE_MATCH_2 OR CMAKE_MATCH_1 EQUAL 0)
    list(APPEND problems "${name}: ${out}")
  elseif(out MATCHES "Ignored|untranslated")
    list(APPEND problems "${name}: ${out}")
  endif()
endforeach()
if(problems)
  message(FATAL_ERROR "translations not complete:\n${problems}")
endif()
message(STATUS "every translation is complete")
