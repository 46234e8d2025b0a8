# Fuzzing build (native, clang only): the portable logic with SimDesktop and the headless
# toolkit, instrumented for libFuzzer with AddressSanitizer and UndefinedBehaviorSanitizer,
# and one fuzzer per source file in fuzz/. Configure with -DTW_FUZZ=ON; tools/fuzz does.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "TW_FUZZ needs clang (libFuzzer): -DCMAKE_CXX_COMPILER=clang++")
endif()

# Any undefined behaviour stops the run, as a crash would, so the fuzzer keeps the input.
set(TW_FUZZ_SANITIZERS address,undefined)
set(TW_FUZZ_FLAGS -fno-sanitize-recover=all -fno-omit-frame-pointer)
# clang warns about things g++ does not; here they are reported, not fatal.
set(TW_FUZZ_WARNINGS -Wno-error)

# clang has no -fexec-charset other than UTF-8, so the *Texts.cpp files (the code page 932
# strings) are compiled by g++ into plain objects. They hold constants and string
# concatenation only, so leaving them uninstrumented hides nothing.
find_program(TW_CP932_CXX NAMES g++ REQUIRED)
set(TW_FUZZ_CORE_SOURCES)
set(TW_FUZZ_CP932_OBJECTS)
foreach(f ${TW_PORTABLE_SOURCES} ${TW_NATIVE_SOURCES})
  if(f MATCHES "Texts\\.cpp$")
    file(RELATIVE_PATH rel ${CMAKE_SOURCE_DIR} ${f})
    string(REPLACE "/" "_" obj ${rel})
    set(obj ${CMAKE_BINARY_DIR}/cp932/${obj}.o)
    add_custom_command(
      OUTPUT ${obj}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/cp932
      COMMAND ${TW_CP932_CXX} -std=c++20 -O1 -g -finput-charset=UTF-8 -fexec-charset=CP932
              -I${CMAKE_SOURCE_DIR}/src -MD -MF ${obj}.d -c ${f} -o ${obj}
      DEPENDS ${f}
      DEPFILE ${obj}.d
      COMMENT "g++ (code page 932) ${rel}")
    list(APPEND TW_FUZZ_CP932_OBJECTS ${obj})
  else()
    list(APPEND TW_FUZZ_CORE_SOURCES ${f})
  endif()
endforeach()
file(GLOB TW_HOOK_PORTABLE CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/hook/*.cpp)
list(FILTER TW_HOOK_PORTABLE EXCLUDE REGEX "/win32/")

add_library(tw_core_fuzz STATIC ${TW_FUZZ_CORE_SOURCES} ${TW_HOOK_PORTABLE}
                                ${TW_FUZZ_CP932_OBJECTS})
set_source_files_properties(${TW_FUZZ_CP932_OBJECTS} PROPERTIES EXTERNAL_OBJECT TRUE GENERATED TRUE)
target_include_directories(tw_core_fuzz PUBLIC ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/hook)
target_compile_options(tw_core_fuzz PRIVATE -fsanitize=fuzzer-no-link,${TW_FUZZ_SANITIZERS}
                                            ${TW_FUZZ_FLAGS} ${TW_FUZZ_WARNINGS})

file(GLOB TW_FUZZERS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/*.cpp)
foreach(f ${TW_FUZZERS})
  get_filename_component(name ${f} NAME_WE)
  add_executable(fuzz_${name} ${f})
  target_link_libraries(fuzz_${name} PRIVATE tw_core_fuzz)
  target_compile_options(fuzz_${name} PRIVATE -fsanitize=fuzzer,${TW_FUZZ_SANITIZERS}
                                              ${TW_FUZZ_FLAGS} ${TW_FUZZ_WARNINGS})
  target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer,${TW_FUZZ_SANITIZERS})
endforeach()
