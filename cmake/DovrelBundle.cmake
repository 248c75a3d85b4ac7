# The application bundle, in the macOS shape on every platform:
#
#   dovrel-cleaner.app/Contents/Info.plist
#   dovrel-cleaner.app/Contents/MacOS/dovrel-cleaner              <- the application slot
#   dovrel-cleaner.app/Contents/Resources/dovrel-cleaner.svg
#   dovrel-cleaner.app/Contents/Library/LoginItems/dovrel-cleaner-scheduler.app/
#       Contents/Info.plist
#       Contents/MacOS/dovrel-cleaner-scheduler                   <- the reminder agent
#       Contents/Resources/dovrel-cleaner-scheduler.svg
#
# It is laid out in the build tree (${CMAKE_BINARY_DIR}/dovrel-cleaner.app, by
# the target dovrel-cleaner-bundle) and installed the same way under
# ${CMAKE_INSTALL_PREFIX}/${DOVREL_BUNDLE_INSTALL_DIR} (component "bundle"),
# with the launcher ${CMAKE_INSTALL_PREFIX}/bin/dovrel-cleaner, a relative
# symbolic link to the application slot. The programs find their bundle
# through /proc/self/exe, which resolves the link.
#
# The agent is built straight into its place. The application slot is a copy
# of one executable target, chosen at the end of configuration, first match:
#   1. the cache variable DOVREL_BUNDLE_APP, when set;
#   2. the target named by dovrel_bundle_set_application(<target>);
#   3. the desktop application target `dovrel-cleaner`, then the command-line
#      front end `dovrel-cleaner-cli`, whichever exists;
#   4. a placeholder set by the tests (dovrel_bundle_set_application(<t> PLACEHOLDER)),
#      which fills the build tree only and is never installed.
include_guard(GLOBAL)

set(DOVREL_BUNDLE_APP "" CACHE STRING
  "Executable target copied to dovrel-cleaner.app/Contents/MacOS/dovrel-cleaner (empty: automatic)")
set(DOVREL_BUNDLE_INSTALL_DIR "lib/dovrel-cleaner" CACHE STRING
  "Folder under the install prefix that receives dovrel-cleaner.app")

set_property(GLOBAL PROPERTY DOVREL_BUNDLE_DIR "${CMAKE_BINARY_DIR}/dovrel-cleaner.app")
set_property(GLOBAL PROPERTY DOVREL_AGENT_BUNDLE_RELPATH
  "Contents/Library/LoginItems/dovrel-cleaner-scheduler.app")
set_property(GLOBAL PROPERTY DOVREL_BUNDLE_RESOURCES "${PROJECT_SOURCE_DIR}/resources/scheduler")

function(_dovrel_bundle_install_root out)
  if(DOVREL_BUNDLE_INSTALL_DIR STREQUAL "." OR DOVREL_BUNDLE_INSTALL_DIR STREQUAL "")
    set(${out} "dovrel-cleaner.app" PARENT_SCOPE)
  else()
    set(${out} "${DOVREL_BUNDLE_INSTALL_DIR}/dovrel-cleaner.app" PARENT_SCOPE)
  endif()
endfunction()

# Puts <target>'s executable into the application slot (see above for the
# order of choice). PLACEHOLDER marks a stand-in for tests: never installed.
function(dovrel_bundle_set_application target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "PLACEHOLDER" "" "")
  set_property(GLOBAL PROPERTY DOVREL_BUNDLE_APPLICATION_TARGET "${target}")
  set_property(GLOBAL PROPERTY DOVREL_BUNDLE_APPLICATION_IS_PLACEHOLDER "${arg_PLACEHOLDER}")
endfunction()

# The target that fills the application slot as things stand now, or empty.
# <is_placeholder_var> is set to TRUE for a tests-only stand-in.
function(dovrel_bundle_application_target out_var is_placeholder_var)
  set(chosen "")
  set(placeholder FALSE)
  get_property(named GLOBAL PROPERTY DOVREL_BUNDLE_APPLICATION_TARGET)
  get_property(named_placeholder GLOBAL PROPERTY DOVREL_BUNDLE_APPLICATION_IS_PLACEHOLDER)
  if(DOVREL_BUNDLE_APP)
    set(chosen "${DOVREL_BUNDLE_APP}")
  elseif(named AND NOT named_placeholder)
    set(chosen "${named}")
  else()
    foreach(candidate dovrel-cleaner dovrel-cleaner-cli)
      if(TARGET ${candidate})
        set(chosen ${candidate})
        break()
      endif()
    endforeach()
    if(NOT chosen AND named)
      set(chosen "${named}")
      set(placeholder TRUE)
    endif()
  endif()
  set(${out_var} "${chosen}" PARENT_SCOPE)
  set(${is_placeholder_var} ${placeholder} PARENT_SCOPE)
endfunction()

# Builds the agent executable <target> into its place in the bundle, writes
# both Info.plist files and icons, and installs the agent's half.
function(dovrel_bundle_add_agent target)
  get_property(bundle GLOBAL PROPERTY DOVREL_BUNDLE_DIR)
  get_property(agent_rel GLOBAL PROPERTY DOVREL_AGENT_BUNDLE_RELPATH)
  get_property(resources GLOBAL PROPERTY DOVREL_BUNDLE_RESOURCES)
  set(agent "${bundle}/${agent_rel}")
  set_target_properties(${target} PROPERTIES
    OUTPUT_NAME dovrel-cleaner-scheduler
    RUNTIME_OUTPUT_DIRECTORY "${agent}/Contents/MacOS")

  set(DOVREL_BUNDLE_VERSION "${PROJECT_VERSION}")
  configure_file("${resources}/Application-Info.plist.in" "${bundle}/Contents/Info.plist" @ONLY)
  configure_file("${resources}/Scheduler-Info.plist.in" "${agent}/Contents/Info.plist" @ONLY)
  configure_file("${PROJECT_SOURCE_DIR}/resources/icons/dovrel-cleaner.svg"
    "${bundle}/Contents/Resources/dovrel-cleaner.svg" COPYONLY)
  configure_file("${resources}/dovrel-cleaner-scheduler.svg"
    "${agent}/Contents/Resources/dovrel-cleaner-scheduler.svg" COPYONLY)

  _dovrel_bundle_install_root(root)
  install(TARGETS ${target} RUNTIME DESTINATION "${root}/${agent_rel}/Contents/MacOS" COMPONENT bundle)
  install(FILES "${agent}/Contents/Info.plist" DESTINATION "${root}/${agent_rel}/Contents" COMPONENT bundle)
  install(FILES "${agent}/Contents/Resources/dovrel-cleaner-scheduler.svg"
    DESTINATION "${root}/${agent_rel}/Contents/Resources" COMPONENT bundle)
  install(FILES "${bundle}/Contents/Info.plist" DESTINATION "${root}/Contents" COMPONENT bundle)
  install(FILES "${bundle}/Contents/Resources/dovrel-cleaner.svg"
    DESTINATION "${root}/Contents/Resources" COMPONENT bundle)
  set_property(GLOBAL PROPERTY DOVREL_BUNDLE_AGENT_TARGET ${target})
endfunction()

# Installs bin/dovrel-cleaner -> <root>/Contents/MacOS/dovrel-cleaner as a
# relative link, so the installed tree can be moved (DESTDIR, packages).
function(_dovrel_bundle_install_launcher root)
  file(RELATIVE_PATH target "/prefix/bin" "/prefix/${root}/Contents/MacOS/dovrel-cleaner")
  install(CODE "
    set(dovrel_bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
    file(MAKE_DIRECTORY \"\${dovrel_bin}\")
    message(STATUS \"Installing: \${dovrel_bin}/dovrel-cleaner -> ${target}\")
    file(CREATE_LINK \"${target}\" \"\${dovrel_bin}/dovrel-cleaner\" SYMBOLIC)
  " COMPONENT bundle)
endfunction()

# Runs once every target of the project exists: fills the application slot
# and makes the dovrel-cleaner-bundle target.
function(_dovrel_bundle_finalize)
  get_property(bundle GLOBAL PROPERTY DOVREL_BUNDLE_DIR)
  get_property(agent_target GLOBAL PROPERTY DOVREL_BUNDLE_AGENT_TARGET)
  dovrel_bundle_application_target(app_target placeholder)
  set(slot "${bundle}/Contents/MacOS/dovrel-cleaner")
  if(app_target)
    if(NOT TARGET ${app_target})
      message(FATAL_ERROR "dovrel-cleaner.app: no target named '${app_target}' for the application slot")
    endif()
    add_custom_command(OUTPUT "${slot}"
      COMMAND ${CMAKE_COMMAND} -E make_directory "${bundle}/Contents/MacOS"
      COMMAND ${CMAKE_COMMAND} -E copy "$<TARGET_FILE:${app_target}>" "${slot}"
      DEPENDS ${app_target}
      COMMENT "dovrel-cleaner.app: application slot <- ${app_target}"
      VERBATIM)
    add_custom_target(dovrel-cleaner-bundle ALL DEPENDS "${slot}" ${agent_target})
    if(placeholder)
      message(STATUS "dovrel-cleaner.app: no application target yet; the build tree holds a test placeholder")
    else()
      _dovrel_bundle_install_root(root)
      get_target_property(app_output ${app_target} OUTPUT_NAME)
      if(NOT app_output)
        set(app_output ${app_target})
      endif()
      if(app_output STREQUAL "dovrel-cleaner")
        # As a target, so that `cmake --install --strip` and packages strip it.
        install(TARGETS ${app_target} RUNTIME DESTINATION "${root}/Contents/MacOS" COMPONENT bundle)
      else()
        install(PROGRAMS "$<TARGET_FILE:${app_target}>" DESTINATION "${root}/Contents/MacOS"
          RENAME dovrel-cleaner COMPONENT bundle)
      endif()
      _dovrel_bundle_install_launcher("${root}")
      message(STATUS "dovrel-cleaner.app: application slot holds ${app_target}")
    endif()
  else()
    message(STATUS "dovrel-cleaner.app: no application target; the application slot stays empty")
    add_custom_target(dovrel-cleaner-bundle ALL DEPENDS ${agent_target})
  endif()
endfunction()

cmake_language(DEFER DIRECTORY "${CMAKE_SOURCE_DIR}" CALL _dovrel_bundle_finalize)
