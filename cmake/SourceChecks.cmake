# Checks of the core library's sources, run by the build (target
# quillmere_source_checks); each failure names the files.
#   - No two headers define a class or struct of the same name: the library
#     would hold two definitions of one class, and which one the linker
#     keeps is chance.
#   - A folder includes only its own files and those of the folders below
#     it: services/, then model/, then widgets/, then the feature pages
#     (none of which includes another), then shell/ over all of them.
#     The programs of platform/ are built without the library and include
#     only their own files.
# Usage: cmake -DSOURCE_DIR=<tree> -DSTAMP=<file> -P SourceChecks.cmake

cmake_minimum_required(VERSION 3.25)

file(REMOVE "${STAMP}")

set(feature_folders extract create burn edit copydisk)
set(library_folders services model widgets ${feature_folders} shell)
# Folders of the tree that the library never includes.
set(other_folders platform tools tests bench resources)
# Folders whose includes are checked.
set(checked_folders ${library_folders} platform)

set(may_include_services "")
set(may_include_model services)
set(may_include_widgets services model)
foreach(folder IN LISTS feature_folders)
  set(may_include_${folder} services model widgets)
endforeach()
set(may_include_shell services model widgets ${feature_folders})
set(may_include_platform "")

# The lines of a file as a list; the characters that a CMake list treats
# specially stand as <semicolon>, <lb>, <rb> and <bs>.
function(read_lines path out)
  file(READ "${path}" text)
  string(REPLACE "\\" "<bs>" text "${text}")
  string(REPLACE ";" "<semicolon>" text "${text}")
  string(REPLACE "[" "<lb>" text "${text}")
  string(REPLACE "]" "<rb>" text "${text}")
  string(REPLACE "\n" ";" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

set(failures "")

# Classes and structs defined at the top level of a header (a line that
# begins with the keyword and is no forward declaration).
foreach(folder IN LISTS library_folders)
  file(GLOB_RECURSE headers RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/${folder}/*.h")
  foreach(header IN LISTS headers)
    read_lines("${SOURCE_DIR}/${header}" lines)
    foreach(line IN LISTS lines)
      string(REGEX MATCH "^(class|struct)[ \t]+[A-Za-z_][A-Za-z0-9_]*" definition "${line}")
      if(NOT definition OR line MATCHES "^(class|struct)[ \t]+[A-Za-z_][A-Za-z0-9_]*[ \t]*<semicolon>")
        continue()
      endif()
      string(REGEX REPLACE "^(class|struct)[ \t]+" "" name "${definition}")
      if(DEFINED defined_in_${name})
        string(APPEND failures "  class ${name} is defined in ${defined_in_${name}} and in ${header}\n")
      else()
        set(defined_in_${name} "${header}")
      endif()
    endforeach()
  endforeach()
endforeach()

foreach(folder IN LISTS checked_folders)
  file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
  foreach(source IN LISTS sources)
    read_lines("${SOURCE_DIR}/${source}" lines)
    foreach(line IN LISTS lines)
      if(NOT line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"([a-z]+)/")
        continue()
      endif()
      set(included "${CMAKE_MATCH_1}")
      if(included STREQUAL folder OR included IN_LIST may_include_${folder})
        continue()
      endif()
      if(included IN_LIST library_folders OR included IN_LIST other_folders)
        string(APPEND failures "  ${source} includes a file of ${included}/: ${line}\n")
      endif()
    endforeach()
  endforeach()
endforeach()

if(failures)
  message(FATAL_ERROR "Source checks failed:\n${failures}")
endif()
file(TOUCH "${STAMP}")
