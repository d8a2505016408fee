# Runs velmora-chart with the arguments of CASE.args (one per line; @DATA@ is the test data
# folder, @OUT@ a scratch file) and compares its exit status, standard output and the
# scratch file with CASE.status (0 when missing), CASE.out and CASE.file.
# Usage: cmake -DTOOL=... -DDATA=... -DCASE=name -DWORK=dir -P run_golden.cmake
cmake_minimum_required(VERSION 3.21)
set(base "${DATA}/cli/${CASE}")
file(STRINGS "${base}.args" lines ENCODING UTF-8)
set(out_file "${WORK}/${CASE}.result")
file(REMOVE "${out_file}")
set(args "")
foreach(line IN LISTS lines)
  string(REPLACE "@DATA@" "${DATA}" line "${line}")
  string(REPLACE "@OUT@" "${out_file}" line "${line}")
  list(APPEND args "${line}")
endforeach()

execute_process(COMMAND "${TOOL}" ${args}
  RESULT_VARIABLE status OUTPUT_VARIABLE stdout ERROR_VARIABLE stderr)

set(expected_status 0)
if(EXISTS "${base}.status")
  file(READ "${base}.status" expected_status)
  string(STRIP "${expected_status}" expected_status)
endif()
if(NOT status STREQUAL expected_status)
  message(FATAL_ERROR "exit status ${status}, expected ${expected_status}\nstderr: ${stderr}")
endif()

file(WRITE "${WORK}/${CASE}.stdout" "${stdout}")
if(EXISTS "${base}.out")
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${WORK}/${CASE}.stdout" "${base}.out"
    RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "standard output differs from ${base}.out; see ${WORK}/${CASE}.stdout")
  endif()
elseif(NOT stdout STREQUAL "")
  message(FATAL_ERROR "expected no standard output, got:\n${stdout}")
endif()

if(EXISTS "${base}.err")
  file(READ "${base}.err" expected_err)
  if(NOT stderr STREQUAL expected_err)
    message(FATAL_ERROR "standard error:\n${stderr}\nexpected:\n${expected_err}")
  endif()
endif()

if(EXISTS "${base}.file")
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${out_file}" "${base}.file"
    RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "the written file differs from ${base}.file; see ${out_file}")
  endif()
endif()
