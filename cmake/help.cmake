# The program folder's help files: every folder under res/help/ is one
# language's help project (help.hhp, its topics, contents and index) and is
# compiled with chmcmd into Help/ of the program folder. The folder is named
# after the help file: res/help/eng/ becomes help_eng.chm. The exact letter
# case of each file name comes from the program's own language table, so the
# file the help button opens and the file the build writes cannot differ.
# help.css beside the folders is shared by all languages.

if(NOT WIN32)
  return()
endif()

find_program(TVX_CHMCMD chmcmd REQUIRED)

set(tvx_language_table ${CMAKE_SOURCE_DIR}/src/core/language_table.cpp)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${tvx_language_table})
file(STRINGS ${tvx_language_table} tvx_help_lines
     REGEX "help_[A-Za-z]+\\.chm")
string(REGEX MATCHALL "help_[A-Za-z]+\\.chm" tvx_help_names "${tvx_help_lines}")
list(REMOVE_DUPLICATES tvx_help_names)

set(tvx_help_root ${CMAKE_SOURCE_DIR}/res/help)
file(GLOB tvx_help_entries LIST_DIRECTORIES true CONFIGURE_DEPENDS ${tvx_help_root}/*)
set(tvx_help_outputs)
foreach(entry IN LISTS tvx_help_entries)
  if(NOT IS_DIRECTORY ${entry})
    continue()
  endif()
  get_filename_component(code ${entry} NAME)
  string(TOLOWER "help_${code}.chm" wanted)
  set(help_name)
  foreach(name IN LISTS tvx_help_names)
    string(TOLOWER ${name} lower)
    if(lower STREQUAL wanted)
      set(help_name ${name})
    endif()
  endforeach()
  if(NOT help_name)
    message(FATAL_ERROR "res/help/${code}: no help file ${wanted} in the language table")
  endif()

  file(GLOB sources CONFIGURE_DEPENDS ${entry}/*)
  set(stage ${CMAKE_BINARY_DIR}/help/${code})
  set(output ${TVX_DIST_DIR}/Help/${help_name})
  # chmcmd writes the compiled file into its working folder.
  file(MAKE_DIRECTORY ${stage})
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${entry} ${stage}
    COMMAND ${CMAKE_COMMAND} -E copy ${tvx_help_root}/help.css ${stage}
    COMMAND ${CMAKE_COMMAND} -E rm -f help.chm
    COMMAND ${TVX_CHMCMD} --verbosity 0 help.hhp
    COMMAND ${CMAKE_COMMAND} -E make_directory ${TVX_DIST_DIR}/Help
    COMMAND ${CMAKE_COMMAND} -E copy help.chm ${output}
    WORKING_DIRECTORY ${stage}
    DEPENDS ${sources} ${tvx_help_root}/help.css
    COMMENT "Compiling ${help_name}"
    VERBATIM)
  list(APPEND tvx_help_outputs ${output})
endforeach()

add_custom_target(program_help ALL DEPENDS ${tvx_help_outputs})
