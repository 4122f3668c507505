# The rest of the program folder dist/<build>/ and its portable copy
# dist/<build>/Tralvex/ (what the copy-program action carries to the other
# PC), and on Windows builds the installer. Included from CMakeLists.txt
# after the Tralvex target.

set(TVX_PORTABLE_DIR ${TVX_DIST_DIR}/Tralvex)
set(TVX_PROGRAM_RES ${CMAKE_SOURCE_DIR}/res/program)

# The follow-up task definitions: one per Program Files folder the 32-bit
# program lives in, kept as UTF-16LE with a byte-order mark and CR LF lines,
# the form the task scheduler's command reads.
set(TVX_TASK_FILES)
foreach(task "Tralvex|%ProgramFiles%" "Tralvex_64|%ProgramFiles(x86)%")
  string(REPLACE "|" ";" task ${task})
  list(GET task 0 name)
  list(GET task 1 TASK_PROGRAM_FILES)
  configure_file(${TVX_PROGRAM_RES}/Tralvex.xml.in ${CMAKE_BINARY_DIR}/program/${name}.utf8.xml @ONLY)
  set(out ${CMAKE_BINARY_DIR}/program/${name}.xml)
  add_custom_command(OUTPUT ${out}
    COMMAND sh -c "printf '\\377\\376' >\"$1\" && sed 's/$/\\r/' \"$2\" | iconv -f UTF-8 -t UTF-16LE >>\"$1\""
            sh ${out} ${CMAKE_BINARY_DIR}/program/${name}.utf8.xml
    DEPENDS ${CMAKE_BINARY_DIR}/program/${name}.utf8.xml
    VERBATIM)
  list(APPEND TVX_TASK_FILES ${out})
endforeach()

# Everything but Tralvex.exe, into the folder and into its portable copy.
# The languages, the help files and the rule template reach dist/<build>/
# through their own targets in CMakeLists.txt; the portable copy takes them
# from there.
set(TVX_PROGRAM_FOLDER_COMMANDS)
foreach(dest ${TVX_DIST_DIR} ${TVX_PORTABLE_DIR})
  list(APPEND TVX_PROGRAM_FOLDER_COMMANDS
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dest}/Lang ${dest}/x86 ${dest}/x64
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${TVX_TASK_FILES} ${TVX_PROGRAM_RES}/Tralvex.ini ${dest}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${TVX_PROGRAM_RES}/ToolFolder.txt ${dest}/x86/Readme.txt
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${TVX_PROGRAM_RES}/ToolFolder.txt ${dest}/x64/Readme.txt)
endforeach()
if(WIN32)
  list(APPEND TVX_PROGRAM_FOLDER_COMMANDS
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${TVX_DIST_DIR}/Help ${TVX_PORTABLE_DIR}/Help)
endif()
add_custom_target(program_folder ALL
  ${TVX_PROGRAM_FOLDER_COMMANDS}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${TVX_LANG_FILES} ${TVX_PORTABLE_DIR}/Lang
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/res/MigCustom.xml ${TVX_PORTABLE_DIR}
  DEPENDS ${TVX_TASK_FILES}
  VERBATIM)

if(WIN32)
  add_dependencies(program_folder program_help)

  add_custom_command(TARGET Tralvex POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E make_directory ${TVX_PORTABLE_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:Tralvex> ${TVX_PORTABLE_DIR}
    VERBATIM)

  # The installer: the shipped one installs the 32-bit program; the 64-bit
  # build makes the same script with the 64-bit stub, which this machine can
  # run under Wine, for the install test.
  find_program(TVX_MAKENSIS makensis)
  if(TVX_MAKENSIS)
    if(TVX_BUILD_NAME STREQUAL win32)
      set(TVX_NSIS_TARGET x86-unicode)
      set(TVX_INSTALLER ${CMAKE_SOURCE_DIR}/dist/Tralvex-${PROJECT_VERSION}-setup.exe)
    else()
      set(TVX_NSIS_TARGET amd64-unicode)
      set(TVX_INSTALLER ${CMAKE_BINARY_DIR}/installer/Tralvex-${PROJECT_VERSION}-setup-amd64.exe)
    endif()
    set(TVX_NSIS_SCRIPT ${CMAKE_SOURCE_DIR}/res/installer/tralvex.nsi)
    add_custom_command(OUTPUT ${TVX_INSTALLER}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/installer
      COMMAND ${TVX_MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION} -DTARGET=${TVX_NSIS_TARGET}
              -DPROGRAM_FOLDER=${TVX_DIST_DIR} -DOUTFILE=${TVX_INSTALLER} ${TVX_NSIS_SCRIPT}
      DEPENDS ${TVX_NSIS_SCRIPT} Tralvex program_folder program_languages program_help program_rule_template
              ${TVX_TASK_FILES} ${tvx_help_outputs} ${TVX_PROGRAM_RES}/Tralvex.ini ${TVX_PROGRAM_RES}/ToolFolder.txt ${TVX_LANG_FILES}
      VERBATIM)
    add_custom_target(installer ALL DEPENDS ${TVX_INSTALLER})
  endif()
endif()
