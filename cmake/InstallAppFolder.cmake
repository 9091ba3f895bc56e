# Runs at install time (see Install.cmake): copies the application folder
# that the build laid out into its installed place, entry by entry.
#
#   quillmere_install_app_folder(FROM TO BUILD_TREE STRIP_COMMAND)
#
# FROM is the build's application folder, TO the installed one (an absolute
# path without DESTDIR), BUILD_TREE the build folder. What each entry becomes:
#   - an ELF program or a "#!" script: mode 0755, ELF programs without their
#     build-time run path and, with "cmake --install --strip" (and cpack),
#     stripped; any other file: mode 0644;
#   - a link stays a link. A link into the application folder points to the
#     installed entry; a link to a program of the system keeps its target,
#     written relative when link and target lie in the same top-level folder
#     (/usr/lib/quillmere/7z/7z -> ../../../bin/7z), as Debian wants it. A link
#     elsewhere into the build folder cannot work once installed: an error;
#   - "config.dat", a developer's switch for the log, is left out.

cmake_policy(PUSH)
# Links to folders are entries of their own, not walked into.
cmake_policy(SET CMP0009 NEW)

function(_quillmere_kind_of file result)
  file(READ ${file} head LIMIT 4 HEX)
  if(head STREQUAL "7f454c46")
    set(${result} elf PARENT_SCOPE)
  elseif(head MATCHES "^2321")
    set(${result} script PARENT_SCOPE)
  else()
    set(${result} data PARENT_SCOPE)
  endif()
endfunction()

function(_quillmere_top_folder path result)
  string(REGEX MATCH "^/[^/]*" top "${path}")
  set(${result} "${top}" PARENT_SCOPE)
endfunction()

# The target the link at installed path `to` must carry for the link
# found at `from` in the application folder `app`.
function(_quillmere_installed_link_target from to app installed_app build_tree result)
  file(READ_SYMLINK ${from} target)
  get_filename_component(from_dir ${from} DIRECTORY)
  get_filename_component(to_dir ${to} DIRECTORY)
  get_filename_component(resolved ${target} ABSOLUTE BASE_DIR ${from_dir})
  cmake_path(IS_PREFIX app ${resolved} NORMALIZE inside_app)
  cmake_path(IS_PREFIX build_tree ${resolved} NORMALIZE inside_build)
  if(inside_app)
    file(RELATIVE_PATH in_app ${app} ${resolved})
    file(RELATIVE_PATH target ${to_dir} ${installed_app}/${in_app})
  elseif(inside_build)
    message(FATAL_ERROR "${from} links to ${target} in the build folder, which is not installed. "
                        "Link to a program of the system or to an entry of the application folder.")
  else()
    _quillmere_top_folder(${to} link_top)
    _quillmere_top_folder(${resolved} target_top)
    if(link_top STREQUAL target_top)
      file(RELATIVE_PATH target ${to_dir} ${resolved})
    else()
      set(target ${resolved})
    endif()
  endif()
  set(${result} ${target} PARENT_SCOPE)
endfunction()

# The link is made in the build folder with its installed target, then
# installed as a link like any file.
function(_quillmere_install_link from to app installed_app build_tree)
  _quillmere_installed_link_target(${from} ${to} ${app} ${installed_app} ${build_tree} target)
  file(RELATIVE_PATH relative ${installed_app} ${to})
  set(staged ${build_tree}/installed-links/${relative})
  get_filename_component(staged_dir ${staged} DIRECTORY)
  get_filename_component(to_dir ${to} DIRECTORY)
  file(MAKE_DIRECTORY ${staged_dir})
  file(REMOVE ${staged})
  file(CREATE_LINK ${target} ${staged} SYMBOLIC)
  file(INSTALL DESTINATION ${to_dir} TYPE FILE FILES ${staged})
  set(CMAKE_INSTALL_MANIFEST_FILES ${CMAKE_INSTALL_MANIFEST_FILES} PARENT_SCOPE)
endfunction()

function(_quillmere_install_file from to strip_command)
  _quillmere_kind_of(${from} kind)
  set(mode OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  if(NOT kind STREQUAL data)
    list(APPEND mode OWNER_EXECUTE GROUP_EXECUTE WORLD_EXECUTE)
  endif()
  get_filename_component(to_dir ${to} DIRECTORY)
  file(INSTALL DESTINATION ${to_dir} TYPE FILE PERMISSIONS ${mode} FILES ${from})
  if(kind STREQUAL elf)
    file(RPATH_REMOVE FILE "$ENV{DESTDIR}${to}")
    if(CMAKE_INSTALL_DO_STRIP AND strip_command)
      execute_process(COMMAND ${strip_command} "$ENV{DESTDIR}${to}" COMMAND_ERROR_IS_FATAL ANY)
    endif()
  endif()
  set(CMAKE_INSTALL_MANIFEST_FILES ${CMAKE_INSTALL_MANIFEST_FILES} PARENT_SCOPE)
endfunction()

function(quillmere_install_app_folder app installed_app build_tree strip_command)
  file(GLOB_RECURSE entries LIST_DIRECTORIES false ${app}/*)
  list(SORT entries)
  if(NOT entries)
    message(FATAL_ERROR "The application folder ${app} is empty: build the project before installing it.")
  endif()
  foreach(from ${entries})
    get_filename_component(name ${from} NAME)
    if(name STREQUAL "config.dat")
      continue()
    endif()
    file(RELATIVE_PATH relative ${app} ${from})
    set(to ${installed_app}/${relative})
    if(IS_SYMLINK ${from})
      _quillmere_install_link(${from} ${to} ${app} ${installed_app} ${build_tree})
    else()
      _quillmere_install_file(${from} ${to} "${strip_command}")
    endif()
  endforeach()
  set(CMAKE_INSTALL_MANIFEST_FILES ${CMAKE_INSTALL_MANIFEST_FILES} PARENT_SCOPE)
endfunction()

cmake_policy(POP)
