# Installs the bundle component into a scratch prefix and checks its shape:
# the agent executable inside the login-items folder, the application slot
# four components above the agent's bundle, both Info.plist files and icons.
file(REMOVE_RECURSE "${STAGE_DIR}")
execute_process(
  COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${STAGE_DIR}" --component bundle
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 100)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc}):\n${out}\n${err}")
endif()

if(INSTALL_DIR STREQUAL "." OR INSTALL_DIR STREQUAL "")
  set(app "${STAGE_DIR}/dovrel-cleaner.app")
else()
  set(app "${STAGE_DIR}/${INSTALL_DIR}/dovrel-cleaner.app")
endif()
set(agent "${app}/Contents/Library/LoginItems/dovrel-cleaner-scheduler.app")

set(missing "")
foreach(f
    "${agent}/Contents/MacOS/dovrel-cleaner-scheduler"
    "${agent}/Contents/Info.plist"
    "${agent}/Contents/Resources/dovrel-cleaner-scheduler.svg"
    "${app}/Contents/Info.plist"
    "${app}/Contents/Resources/dovrel-cleaner.svg")
  if(NOT EXISTS "${f}" OR IS_DIRECTORY "${f}")
    list(APPEND missing "${f}")
  endif()
endforeach()
if(EXPECT_APPLICATION AND NOT EXISTS "${app}/Contents/MacOS/dovrel-cleaner")
  list(APPEND missing "${app}/Contents/MacOS/dovrel-cleaner")
endif()
if(missing)
  message(FATAL_ERROR "installed bundle lacks:\n  ${missing}")
endif()

file(READ "${agent}/Contents/Info.plist" agent_plist)
file(READ "${app}/Contents/Info.plist" app_plist)
foreach(expect
    "agent_plist;<string>com.halvik.dovrel-cleaner-scheduler</string>"
    "agent_plist;<string>${VERSION}</string>"
    "app_plist;<string>com.halvik.dovrel-cleaner</string>"
    "app_plist;<string>${VERSION}</string>")
  list(GET expect 0 var)
  list(GET expect 1 text)
  string(FIND "${${var}}" "${text}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${var} lacks ${text}")
  endif()
endforeach()
file(REMOVE_RECURSE "${STAGE_DIR}")
message(STATUS "installed bundle has the expected shape")
