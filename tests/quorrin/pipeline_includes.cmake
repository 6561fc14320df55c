# Checks the include arrows of Quorrin's pipeline folders below SOURCE_DIR:
#   record/    includes nothing of analysis/ or pages/, no page writer, no console;
#   analysis/  includes nothing of pages/, no page writer, no console;
#   pages/     may include the analysis and the record.
# Run as: cmake -DSOURCE_DIR=.../src/quorrin -P pipeline_includes.cmake
set(forbidden_record
  "quorrin/analysis/" "quorrin/pages/" "quorrin/quorrin_" "common/report_writer.hpp"
  "common/page_frame.hpp" "common/console.hpp" "common/charts/")
set(forbidden_analysis
  "quorrin/pages/" "quorrin/quorrin_" "common/report_writer.hpp" "common/page_frame.hpp"
  "common/console.hpp" "common/charts/")
set(forbidden_pages "quorrin/quorrin_" "common/console.hpp")

set(failures 0)
foreach(folder record analysis pages)
  file(GLOB sources "${SOURCE_DIR}/${folder}/*.hpp" "${SOURCE_DIR}/${folder}/*.cpp")
  if(NOT sources)
    message(SEND_ERROR "no sources in ${SOURCE_DIR}/${folder}")
    math(EXPR failures "${failures} + 1")
  endif()
  foreach(source IN LISTS sources)
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS includes)
      foreach(target IN LISTS forbidden_${folder})
        string(FIND "${line}" "\"${target}" found)
        if(NOT found EQUAL -1)
          message(SEND_ERROR "${source}: ${folder}/ must not include ${target}: ${line}")
          math(EXPR failures "${failures} + 1")
        endif()
      endforeach()
    endforeach()
  endforeach()
endforeach()
if(failures GREATER 0)
  message(FATAL_ERROR "${failures} include(s) against the pipeline's arrows")
endif()
message(STATUS "record -> analysis -> pages: every include follows the arrows")
