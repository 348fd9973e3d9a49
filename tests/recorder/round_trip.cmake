# A session recorded through picture-menu --record and replayed: a match.
# Runs on every target, the cross builds under their emulator.
#   cmake -DEMULATOR=a|b -DPROGRAM=picture-menu -DDIR=folder -DSESSION=file -P round_trip.cmake
string(REPLACE "|" ";" emulator "${EMULATOR}")
set(recording ${DIR}/round_trip.rec)
file(REMOVE ${recording})
execute_process(COMMAND ${emulator} ${PROGRAM} --record ${recording} shell
  INPUT_FILE ${SESSION} OUTPUT_QUIET RESULT_VARIABLE status)
if(NOT status MATCHES "^[01]$" OR NOT EXISTS ${recording})
  message(FATAL_ERROR "recording failed: ${status}")
endif()
file(STRINGS ${recording} calls REGEX "^call: ")
list(LENGTH calls count)
if(count LESS 20)
  message(FATAL_ERROR "only ${count} platform calls recorded")
endif()
execute_process(COMMAND ${emulator} ${PROGRAM} replay ${recording}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT out MATCHES "match")
  message(FATAL_ERROR "replay: ${status}\n${out}${err}")
endif()
message("${out}")
