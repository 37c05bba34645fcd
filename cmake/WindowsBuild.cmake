# The parts of the build that only the Windows (MinGW-w64) build needs. Included by the
# top-level CMakeLists.txt when WIN32.
enable_language(RC)

# Tests are listed when ctest runs (through Wine), not while building.
set(SKELDER_DISCOVERY_MODE DISCOVERY_MODE PRE_TEST)

# nlohmann-json is header-only. Only its own folder goes on the include path, so that
# the build system's /usr/include never shadows MinGW's headers.
set(_json_include ${CMAKE_BINARY_DIR}/nlohmann-include)
file(MAKE_DIRECTORY ${_json_include})
if(NOT EXISTS ${_json_include}/nlohmann)
  file(CREATE_LINK /usr/include/nlohmann ${_json_include}/nlohmann SYMBOLIC)
endif()
add_library(nlohmann_json INTERFACE)
add_library(nlohmann_json::nlohmann_json ALIAS nlohmann_json)
target_include_directories(nlohmann_json SYSTEM INTERFACE ${_json_include})

# GoogleTest and GoogleMock from the sources of Debian's googletest package; the
# targets come with the usual GTest:: aliases.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# The version resource of one of the program's executables (cmake/VersionInfo.rc.in).
function(skelder_version_resource target)
  set(SKELDER_RESOURCE_TARGET ${target})
  configure_file(${CMAKE_SOURCE_DIR}/cmake/VersionInfo.rc.in ${CMAKE_BINARY_DIR}/${target}.rc @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_BINARY_DIR}/${target}.rc)
endfunction()

# Two small programs for the file version tests: one with a version resource, one
# without. The platform tests find them by the paths compiled in.
function(skelder_windows_test_files target)
  set(samples ${CMAKE_SOURCE_DIR}/tests/platform/win32/samples)
  add_executable(version_sample ${samples}/Sample.cpp ${samples}/VersionSample.rc)
  add_executable(plain_sample ${samples}/Sample.cpp)
  add_dependencies(${target} version_sample plain_sample skeldertool)
  target_link_libraries(${target} PRIVATE ws2_32)  # the download tests' server
  target_compile_definitions(${target} PRIVATE
    SKELDER_VERSION_SAMPLE="$<TARGET_FILE:version_sample>"
    SKELDER_PLAIN_SAMPLE="$<TARGET_FILE:plain_sample>"
    SKELDER_TOOL_EXECUTABLE="$<TARGET_FILE:skeldertool>")
endfunction()

