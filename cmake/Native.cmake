# Native build: the logic with SimDesktop and the headless toolkit, unit tests, benchmarks.
if(TW_FUZZ)
  include(${CMAKE_SOURCE_DIR}/cmake/Fuzz.cmake)
  return()
endif()
find_package(GTest REQUIRED)
find_package(benchmark REQUIRED)
find_package(Threads REQUIRED)

add_library(tw_core STATIC ${TW_PORTABLE_SOURCES} ${TW_NATIVE_SOURCES})
target_include_directories(tw_core PUBLIC ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/hook)

# Portable pieces of the hook library (the snapping arithmetic) are tested natively too.
file(GLOB TW_HOOK_PORTABLE CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/hook/*.cpp)
list(FILTER TW_HOOK_PORTABLE EXCLUDE REGEX "/win32/")
if(TW_HOOK_PORTABLE)
  target_sources(tw_core PRIVATE ${TW_HOOK_PORTABLE})
endif()

enable_testing()
file(GLOB_RECURSE TW_UNIT_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp)
add_executable(unit_tests ${TW_UNIT_TESTS})
target_link_libraries(unit_tests PRIVATE tw_core GTest::gtest GTest::gmock GTest::gtest_main Threads::Threads)
foreach(f ${TW_UNIT_TESTS})
  if(f MATCHES "Texts\\.cpp$")
    set_source_files_properties(${f} PROPERTIES COMPILE_OPTIONS
      "-finput-charset=UTF-8;-fexec-charset=CP932")
  endif()
endforeach()
include(GoogleTest)
gtest_discover_tests(unit_tests DISCOVERY_TIMEOUT 60)

file(GLOB_RECURSE TW_BENCH CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
list(FILTER TW_BENCH EXCLUDE REGEX "/win32/")
if(TW_BENCH)
  add_executable(benchmarks ${TW_BENCH})
  target_link_libraries(benchmarks PRIVATE tw_core benchmark::benchmark benchmark::benchmark_main)
endif()
