# Cross build: tarnwick.exe (GUI subsystem, static), twhook.dll, and the end-to-end driver.
enable_language(RC)
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
# Shipped binaries carry no debug information (the native build keeps it for debugging).
set(TW_STATIC_LINK -static -static-libgcc -static-libstdc++ -s)

# The project's version for both version resources, and as a plain line for tools/package.
if(NOT PROJECT_VERSION MATCHES "^[0-9]+\\.[0-9]+\\.[0-9]+$")
  message(FATAL_ERROR "the project version must be major.minor.patch, not ${PROJECT_VERSION}")
endif()
configure_file(${CMAKE_SOURCE_DIR}/cmake/TarnwickVersion.h.in
  ${CMAKE_BINARY_DIR}/generated/TarnwickVersion.h @ONLY)
file(WRITE ${CMAKE_BINARY_DIR}/version.txt "${PROJECT_VERSION}\n")
set(TW_RESOURCE_SCRIPTS ${CMAKE_SOURCE_DIR}/src/shell/win32/tarnwick.rc
  ${CMAKE_SOURCE_DIR}/hook/win32/twhook.rc)
# windres's dependencies are not scanned: a new version or manifest must rebuild the resources.
set_source_files_properties(${TW_RESOURCE_SCRIPTS} PROPERTIES
  INCLUDE_DIRECTORIES ${CMAKE_BINARY_DIR}/generated
  OBJECT_DEPENDS "${CMAKE_BINARY_DIR}/generated/TarnwickVersion.h;${CMAKE_SOURCE_DIR}/src/shell/win32/tarnwick.manifest")

# The hook library: exactly _StartHook and _EndHook, named by the .def file.
file(GLOB TW_HOOK_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/hook/*.cpp ${CMAKE_SOURCE_DIR}/hook/win32/*.cpp)
add_library(twhook SHARED ${TW_HOOK_SOURCES} ${CMAKE_SOURCE_DIR}/hook/twhook.def
  ${CMAKE_SOURCE_DIR}/hook/win32/twhook.rc)
set_target_properties(twhook PROPERTIES PREFIX "" OUTPUT_NAME twhook)
target_include_directories(twhook PRIVATE ${CMAKE_SOURCE_DIR}/hook)
target_link_options(twhook PRIVATE ${TW_STATIC_LINK} -Wl,--enable-stdcall-fixup)
target_link_libraries(twhook PRIVATE user32)

add_library(tw_core STATIC ${TW_PORTABLE_SOURCES} ${TW_WIN32_SOURCES})
target_include_directories(tw_core PUBLIC ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/hook)
target_link_libraries(tw_core PUBLIC twhook user32 gdi32 shell32 version)

add_executable(tarnwick WIN32 ${CMAKE_SOURCE_DIR}/src/shell/win32/WinMain.cpp
  ${CMAKE_SOURCE_DIR}/src/shell/win32/tarnwick.rc)
target_link_libraries(tarnwick PRIVATE tw_core)
target_link_options(tarnwick PRIVATE ${TW_STATIC_LINK} -municode)
set_source_files_properties(${TW_RESOURCE_SCRIPTS} PROPERTIES COMPILE_FLAGS "-c 65001")

# The end-to-end driver plays the user and the other applications.
file(GLOB_RECURSE TW_DRIVER_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/driver/*.cpp)
if(TW_DRIVER_SOURCES)
  add_executable(twdriver ${TW_DRIVER_SOURCES})
  target_include_directories(twdriver PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/hook)
  target_link_libraries(twdriver PRIVATE user32 gdi32 version)
  target_link_options(twdriver PRIVATE ${TW_STATIC_LINK} -municode)
endif()

# A small program for the end-to-end scenarios: the toolkit's hot-key capture field alone.
if(EXISTS ${CMAKE_SOURCE_DIR}/tests/e2e/forms/CaptureForm.cpp)
  add_executable(twcaptureform WIN32 ${CMAKE_SOURCE_DIR}/tests/e2e/forms/CaptureForm.cpp)
  target_link_libraries(twcaptureform PRIVATE tw_core)
  target_link_options(twcaptureform PRIVATE ${TW_STATIC_LINK} -municode)
endif()

# The floor for the start-up timing: a window with a notification-area icon and nothing else.
if(EXISTS ${CMAKE_SOURCE_DIR}/tests/e2e/forms/TrayFloor.cpp)
  add_executable(twtrayfloor WIN32 ${CMAKE_SOURCE_DIR}/tests/e2e/forms/TrayFloor.cpp)
  target_link_libraries(twtrayfloor PRIVATE user32 shell32)
  target_link_options(twtrayfloor PRIVATE ${TW_STATIC_LINK} -municode)
endif()
