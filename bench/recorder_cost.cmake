# Instructions per get_int of the plain provider and of the recording
# provider with recording off, on, and on without log lines, from callgrind;
# with recording, the recording's bytes per get_int.
#   cmake -DPROGRAM=recorder-cost -DDIR=folder -P recorder_cost.cmake
set(COUNT 2000)
foreach(mode plain off on on-nolog)
  set(out ${DIR}/callgrind.${mode})
  execute_process(
    COMMAND valgrind --tool=callgrind --callgrind-out-file=${out} --collect-atstart=no
            --toggle-collect=*run_get_ints* ${PROGRAM} ${mode} ${COUNT} ${DIR}/recording.${mode}
    OUTPUT_QUIET ERROR_QUIET RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "callgrind run of ${mode} failed")
  endif()
  file(STRINGS ${out} totals REGEX "^(summary|totals):")
  list(GET totals 0 total)
  string(REGEX REPLACE "^[a-z]+: *([0-9]+).*" "\\1" instructions "${total}")
  math(EXPR per_call "${instructions} / ${COUNT}")
  set(bytes "")
  if(mode MATCHES "^on")
    file(SIZE ${DIR}/recording.${mode} size)
    math(EXPR per_call_bytes "${size} / (${COUNT} + 1)")
    set(bytes ", ${per_call_bytes} bytes in the recording")
  endif()
  message("get_int, ${mode}: ${per_call} instructions${bytes}")
endforeach()
