# Checks the include arrows of League's folders by what the compiler includes, directly
# or through other headers, for every source and header of each folder:
#   read/ -> night/ -> standings/ -> write/ -> the run (league_run, league_messages,
#   main): a folder includes only folders before it, so the folders form no cycle;
#   read/, night/ and standings/ include no console, no page writer, no chart and
#   nothing of write/ or the run: they return what they found and say nothing.
# Run as:
#   cmake -DCXX_COMPILER=... -DSTANDARD_OPTION=-std=c++20 -DINCLUDE_DIRS="dir|dir"
#         -DSOURCE_DIR=.../src -P pipeline_includes.cmake
include(${CMAKE_CURRENT_LIST_DIR}/../support/included_headers.cmake)

set(league "${SOURCE_DIR}/league")
set(common "${SOURCE_DIR}/common")
set(folders read night standings write)
set(run_files "${league}/league_" "${league}/main.cpp")
set(says_something "${common}/console.hpp" "${common}/report_writer.hpp" "${common}/page_frame.hpp"
  "${common}/markup_writer.hpp" "${common}/charts/" ${run_files})

set(failures 0)
set(earlier "")
foreach(folder IN LISTS folders)
  # The folders after this one, which it must not include.
  set(later ${folders})
  list(REMOVE_ITEM later ${earlier} ${folder})
  set(forbidden "")
  foreach(other IN LISTS later)
    list(APPEND forbidden "${league}/${other}/")
  endforeach()
  if(folder STREQUAL "write")
    list(APPEND forbidden ${run_files})
  else()
    list(APPEND forbidden ${says_something})
  endif()

  file(GLOB sources "${league}/${folder}/*.hpp" "${league}/${folder}/*.cpp")
  if(NOT sources)
    message(SEND_ERROR "no sources in ${league}/${folder}")
    math(EXPR failures "${failures} + 1")
  endif()
  foreach(source IN LISTS sources)
    included_headers("${source}" headers)
    foreach(header IN LISTS headers)
      foreach(target IN LISTS forbidden)
        string(FIND "${header}" "${target}" found)
        if(found EQUAL 0)
          message(SEND_ERROR "${source}: ${folder}/ must not include ${target}, but includes ${header}")
          math(EXPR failures "${failures} + 1")
        endif()
      endforeach()
    endforeach()
  endforeach()
  list(APPEND earlier ${folder})
endforeach()
if(failures GREATER 0)
  message(FATAL_ERROR "${failures} include(s) against League's arrows")
endif()
message(STATUS "read -> night -> standings -> write -> run: every include follows the arrows")
