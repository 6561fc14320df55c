# Checks the include arrows of Quorrin's pipeline folders by what the compiler includes,
# directly or through other headers, for every source and header of each folder:
#   record/    includes nothing of analysis/ or pages/, no page writer, no chart, no
#              console, nothing of the run or its dialogue;
#   analysis/  includes nothing of pages/, no page writer, no chart, no console, nothing
#              of the run or its dialogue;
#   pages/     may include the analysis and the record, but not the console or the run.
# The compiler lists the headers in dependency mode (-MM), so that a header found beside
# the includer, a "../" path or a header that another one pulls in counts as well
# (tests/support/included_headers.cmake).
# Run as:
#   cmake -DCXX_COMPILER=... -DSTANDARD_OPTION=-std=c++20 -DINCLUDE_DIRS="dir|dir"
#         -DSOURCE_DIR=.../src -P pipeline_includes.cmake
set(quorrin "${SOURCE_DIR}/quorrin")
set(common "${SOURCE_DIR}/common")
set(run_files "${quorrin}/quorrin_" "${quorrin}/main.cpp")
set(writers "${common}/report_writer.hpp" "${common}/page_frame.hpp" "${common}/markup_writer.hpp"
  "${common}/charts/")
set(forbidden_record "${quorrin}/analysis/" "${quorrin}/pages/" ${run_files} ${writers}
  "${common}/console.hpp")
set(forbidden_analysis "${quorrin}/pages/" ${run_files} ${writers} "${common}/console.hpp")
set(forbidden_pages ${run_files} "${common}/console.hpp")

include(${CMAKE_CURRENT_LIST_DIR}/../support/included_headers.cmake)

set(failures 0)
foreach(folder record analysis pages)
  file(GLOB sources "${quorrin}/${folder}/*.hpp" "${quorrin}/${folder}/*.cpp")
  if(NOT sources)
    message(SEND_ERROR "no sources in ${quorrin}/${folder}")
    math(EXPR failures "${failures} + 1")
  endif()
  foreach(source IN LISTS sources)
    included_headers("${source}" headers)
    foreach(header IN LISTS headers)
      foreach(target IN LISTS forbidden_${folder})
        string(FIND "${header}" "${target}" found)
        if(found EQUAL 0)
          message(SEND_ERROR "${source}: ${folder}/ must not include ${target}, but includes ${header}")
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
