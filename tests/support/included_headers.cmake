# The headers that a source includes, directly or through other headers, as the
# compiler lists them in its dependency mode (-MM), so that a header found beside the
# includer, a "../" path or a header that another one pulls in counts as well. The
# include checks of the programs' folders use it; they set CXX_COMPILER,
# STANDARD_OPTION, INCLUDE_DIRS ("dir|dir") and SOURCE_DIR.
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

