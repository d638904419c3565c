# One static library per subsystem folder: every .cpp of the folder, found anew
# at each build so adding a file needs no edit here.
function(examsim_library name dir)
  file(GLOB_RECURSE _src CONFIGURE_DEPENDS "${dir}/*.cpp")
  if(_src)
    add_library(${name} STATIC ${_src})
    target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}/src")
    target_link_libraries(${name} PUBLIC ${ARGN})
  else()
    # A subsystem without code yet still takes its place in the chain.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE "${PROJECT_SOURCE_DIR}/src")
    target_link_libraries(${name} INTERFACE ${ARGN})
  endif()
endfunction()

# One GoogleTest program per test folder, registered with CTest case by case.
function(examsim_test_folder name dir)
  file(GLOB_RECURSE _src CONFIGURE_DEPENDS "${dir}/*.cpp")
  if(NOT _src)
    return()
  endif()
  add_executable(${name} ${_src})
  target_link_libraries(${name} PRIVATE examsim_test_support ${ARGN} GTest::gtest_main GTest::gmock)
  gtest_discover_tests(${name}
    WORKING_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}"
    PROPERTIES ENVIRONMENT "EXAMSIM_SOURCE_DIR=${PROJECT_SOURCE_DIR};EXAMSIM_BINARY_DIR=${PROJECT_BINARY_DIR}"
    DISCOVERY_TIMEOUT 60)
endfunction()
