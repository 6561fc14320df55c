# Checks the include arrows of Quorrin's pipeline folders by what the compiler includes,
# directly or through other headers, for every source and header of each folder:
#   record/    includes nothing of analysis/ or pages/, no page writer, no chart, no
#              console, nothing of the run or its dialogue;
#   analysis/  includes nothing of pages/, no page writer, no chart, no console, nothing
#              of the run or its dialogue;
#   pages/     may include the analysis and the record, but not the console or the run.
# The compiler lists the headers in dependency mode (-MM), so that a header found beside
# the includer, a "../" path or a header that another one pulls in counts as well.
# Run as:
#   cmake -DCXX_COMPILER=... -DSTANDARD_OPTION=-std=c++20 -DINCLUDE_DIRS="dir|dir"
#         -DSOURCE_DIR=.../src -P pipeline_includes.cmake
set(quorrin "${SOURCE_DIR}/quorrin")
set(common "${SOURCE_DIR}/common")
set(run_files "${quorrin}/quorrin_" "${quorrin}/main.cpp")
set(writers "${common}/report_writer.hpp" "${common}/page_frame.hpp" "${common}/charts/")
set(forbidden_record "${quorrin}/analysis/" "${quorrin}/pages/" ${run_files} ${writers}
  "${common}/console.hpp")
set(forbidden_analysis "${quorrin}/pages/" ${run_files} ${writers} "${common}/console.hpp")
set(forbidden_pages ${run_files} "${common}/console.hpp")

string(REPLACE "|" ";" include_dirs "${INCLUDE_DIRS}")
set(include_options "")
foreach(dir IN LISTS include_dirs)
  list(APPEND include_options "-I${dir}")
endforeach()

# The headers that `source` includes, directly or not, as normalised absolute paths.
function(included_headers source out)
  execute_process(
    COMMAND "${CXX_COMPILER}" ${STANDARD_OPTION} -x c++ -w -MM ${include_options} "${source}"
    WORKING_DIRECTORY "${SOURCE_DIR}"
    RESULT_VARIABLE status OUTPUT_VARIABLE rule ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${CXX_COMPILER} -MM failed on ${source}:\n${errors}")
  endif()
  # "name.o: source header \<line break> header ...", a space in a path written "\ ".
  string(REPLACE "\\\n" " " rule "${rule}")
  string(REPLACE "\\ " "<space>" rule "${rule}")
  string(REGEX REPLACE "^[^\n]*\\.o:" "" rule "${rule}")
  string(REGEX REPLACE "[ \t\r\n]+" ";" paths "${rule}")
  set(headers "")
  foreach(path IN LISTS paths)
    if(path)
      string(REPLACE "<space>" " " path "${path}")
      cmake_path(ABSOLUTE_PATH path BASE_DIRECTORY "${SOURCE_DIR}" NORMALIZE)
      list(APPEND headers "${path}")
    endif()
  endforeach()
  set(${out} "${headers}" PARENT_SCOPE)
endfunction()

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
