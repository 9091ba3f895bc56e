# Checks of the core library's sources, run by the build (target
# quillmere_source_checks); each failure names the files.
#   - No two headers define a class or struct of the same name: the library
#     would hold two definitions of one class, and which one the linker
#     keeps is chance.
# Usage: cmake -DSOURCE_DIR=<tree> -DSTAMP=<file> -P SourceChecks.cmake

file(REMOVE "${STAMP}")

set(library_folders widgets services model extract create burn edit copydisk shell)

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

if(failures)
  message(FATAL_ERROR "Source checks failed:\n${failures}")
endif()
file(TOUCH "${STAMP}")
