# Fails when a source folder includes a folder it must not depend on. The core
# (base, store, query, filing) is plain C++ and never includes Qt or a front end;
# dependencies run one way:
#   base <- store <- query, store <- filing; cli and shell sit on top of the core.
# Run as: cmake -DSOURCE_DIR=<repository> -P check_layering.cmake
cmake_minimum_required(VERSION 3.25)

set(allowed_base base)
set(allowed_store base store)
set(allowed_query base store query)
set(allowed_filing base store filing)
set(allowed_cli base store query filing cli)
set(allowed_shell base store query filing shell)
set(core_folders base store query filing)

set(faults "")
foreach(folder base store query filing cli shell)
  file(GLOB_RECURSE sources ${SOURCE_DIR}/src/${folder}/*.h ${SOURCE_DIR}/src/${folder}/*.cpp)
  foreach(source ${sources})
    file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
    file(RELATIVE_PATH shown ${SOURCE_DIR} ${source})
    foreach(line ${includes})
      if(line MATCHES "#[ \t]*include[ \t]*\"([a-z_]+)/")
        set(target ${CMAKE_MATCH_1})
        if(NOT target IN_LIST allowed_${folder})
          string(REPLACE ";" " " may "${allowed_${folder}}")
          list(APPEND faults "${shown}: includes ${target}/ (${folder} may include: ${may})")
        endif()
      elseif(folder IN_LIST core_folders AND line MATCHES "#[ \t]*include[ \t]*<(Q[A-Za-z]*|qt[a-z]*/)")
        list(APPEND faults "${shown}: includes the Qt header ${CMAKE_MATCH_1} in the core")
      endif()
    endforeach()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "Include layering broken:\n  ${text}")
endif()
message(STATUS "Include layering holds.")
