# THIRD_PARTY_NOTICES.txt: the copyright and license texts that the release archives
# owe for the code of others inside the programs, made at build time by
# cmake/third-party-notices.sh from /usr/share/doc/<package>/copyright of the Debian
# packages the programs are built with, followed by the texts of the licenses in
# /usr/share/common-licenses that those files refer to. Nothing of it is kept in the
# repository, so it follows the packages.
#
# What is linked into the programs is read from two places, so that a library added
# later is found without a list to keep:
# - the libraries that the compiler adds to every program (the C and C++ run-time
#   libraries and start files; with MinGW-w64 also its runtime and winpthreads), which
#   the compiler names when asked for its link line with the programs' link options;
# - the CMake targets that the programs link, through the project's own libraries: for
#   a target of a package (an imported one, such as nlohmann_json::nlohmann_json) its
#   library files, its package's CMake folder and its include folders, which the script
#   maps to the package that owns them with dpkg. A target imported in a program's own
#   folder is not seen here, only its name: its package's CMake folder tells the
#   package. Flags and plain library names that the targets add go to the compiler's
#   link line too.
#
# A system without dpkg (Visual Studio on Windows) configures and builds all the same,
# without the notices.

# league_third_party_notices(PROGRAMS program... DESTINATION folder)
function(league_third_party_notices)
  cmake_parse_arguments(ARG "" "DESTINATION" "PROGRAMS" ${ARGN})
  find_program(LEAGUE_DPKG_QUERY dpkg-query NO_CMAKE_FIND_ROOT_PATH)
  if(NOT LEAGUE_DPKG_QUERY)
    message(STATUS "dpkg-query not found (not a Debian system): THIRD_PARTY_NOTICES.txt, "
      "which is made from the copyright files of the Debian packages, is left out")
    return()
  endif()
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang" OR MSVC)
    message(STATUS "THIRD_PARTY_NOTICES.txt is left out: ${CMAKE_CXX_COMPILER_ID} does not show its link line")
    return()
  endif()

  # The link options of the build type (single-configuration generators: Ninja, make).
  string(TOUPPER "${CMAKE_BUILD_TYPE}" build_type)
  separate_arguments(build_link_options NATIVE_COMMAND
    "${CMAKE_EXE_LINKER_FLAGS} ${CMAKE_EXE_LINKER_FLAGS_${build_type}}")

  set(lines "compiler\t${CMAKE_CXX_COMPILER}")
  foreach(program IN LISTS ARG_PROGRAMS)
    foreach(option IN LISTS build_link_options)
      string(APPEND lines "\noption\t${program}\t${option}")
    endforeach()
    string(APPEND lines "\noption\t${program}\t$<JOIN:$<TARGET_PROPERTY:${program},LINK_OPTIONS>,\noption\t${program}\t>")
  endforeach()

  # Every target that a program links, directly or through another target.
  set(pending ${ARG_PROGRAMS})
  set(visited "")
  while(NOT "${pending}" STREQUAL "")
    list(POP_FRONT pending item)
    string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" item "${item}")
    # "::@(directory)" and "::@" mark the items of a target_link_libraries() call made
    # in another folder than the target's; they name no library.
    if(item STREQUAL "" OR item MATCHES "^::@" OR item IN_LIST visited)
      continue()
    endif()
    list(APPEND visited "${item}")
    if(item MATCHES "\\$<")
      message(WARNING "THIRD_PARTY_NOTICES.txt: the link item ${item} is an expression, left out")
      continue()
    endif()
    if(NOT TARGET "${item}" AND item MATCHES "::")
      # A package's target imported in a program's folder, which this folder does not
      # see: its package is told by the CMake folder that find_package(NAMESPACE) found
      # it in (NAMESPACE_DIR, a cache entry that every folder sees).
      string(REGEX REPLACE "::.*$" "" namespace "${item}")
      string(APPEND lines "\ntarget\t${item}")
      if(${namespace}_DIR)
        string(APPEND lines "\t${${namespace}_DIR}")
      endif()
      continue()
    endif()
    if(NOT TARGET "${item}")
      # A flag or a library by name or path on the link line of the programs.
      if(item MATCHES "^-l" OR IS_ABSOLUTE "${item}")
        string(APPEND lines "\nlibrary\t${item}")
      elseif(item MATCHES "^-")
        foreach(program IN LISTS ARG_PROGRAMS)
          string(APPEND lines "\noption\t${program}\t${item}")
        endforeach()
      else()
        string(APPEND lines "\nlibrary\t-l${item}")
      endif()
      continue()
    endif()
    get_target_property(aliased "${item}" ALIASED_TARGET)
    if(aliased)
      list(APPEND pending "${aliased}")
      continue()
    endif()
    get_target_property(imported "${item}" IMPORTED)
    get_target_property(type "${item}" TYPE)
    set(links "")
    if(NOT imported AND NOT type STREQUAL "INTERFACE_LIBRARY")
      get_target_property(links "${item}" LINK_LIBRARIES)
    endif()
    get_target_property(interface_links "${item}" INTERFACE_LINK_LIBRARIES)
    foreach(link IN LISTS links interface_links)
      if(link AND NOT link MATCHES "-NOTFOUND$")
        list(APPEND pending "${link}")
      endif()
    endforeach()
    if(imported)
      # What tells the package of an imported target, the surest first: its library
      # files, the CMake folder of the package that defined it (NAMESPACE_DIR, as
      # find_package(NAMESPACE) sets it), its include folders.
      set(evidence "")
      set(properties IMPORTED_LOCATION IMPORTED_IMPLIB)
      get_target_property(configurations "${item}" IMPORTED_CONFIGURATIONS)
      foreach(configuration IN LISTS configurations)
        if(configuration)
          list(APPEND properties IMPORTED_LOCATION_${configuration} IMPORTED_IMPLIB_${configuration})
        endif()
      endforeach()
      foreach(property IN LISTS properties)
        get_target_property(file "${item}" ${property})
        if(file)
          list(APPEND evidence "${file}")
        endif()
      endforeach()
      string(REGEX REPLACE "::.*$" "" namespace "${item}")
      if(NOT namespace STREQUAL item AND ${namespace}_DIR)
        list(APPEND evidence "${${namespace}_DIR}")
      endif()
      get_target_property(includes "${item}" INTERFACE_INCLUDE_DIRECTORIES)
      foreach(include IN LISTS includes)
        if(include AND NOT include MATCHES "\\$<|-NOTFOUND$")
          list(APPEND evidence "${include}")
        endif()
      endforeach()
      list(REMOVE_DUPLICATES evidence)
      string(APPEND lines "\ntarget\t${item}")
      foreach(path IN LISTS evidence)
        string(APPEND lines "\t${path}")
      endforeach()
    endif()
  endwhile()

  set(folder ${CMAKE_BINARY_DIR}/third-party-notices)
  set(notices ${CMAKE_BINARY_DIR}/THIRD_PARTY_NOTICES.txt)
  file(GENERATE OUTPUT ${folder}/linked.txt CONTENT "${lines}\n")
  add_custom_command(OUTPUT ${notices}
    COMMAND bash ${PROJECT_SOURCE_DIR}/cmake/third-party-notices.sh ${folder}/linked.txt ${notices}
    DEPENDS ${PROJECT_SOURCE_DIR}/cmake/third-party-notices.sh ${folder}/linked.txt
    COMMENT "Collecting THIRD_PARTY_NOTICES.txt from the Debian packages linked into the programs")
  add_custom_target(third_party_notices ALL DEPENDS ${notices})
  install(FILES ${notices} DESTINATION ${ARG_DESTINATION})
endfunction()
