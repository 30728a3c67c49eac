# kalvo_add_calculator_program(NAME source... [LIBS lib...]): a calculator program on the
# shared shell. Its table and reports become the library kalvo::NAME (QtCore only, also
# linked by kalvo-cli); with the GUI, kalvo-NAME is that table in the shared window with
# the pictures kalvo::NAME_pictures. The table is `const Program& NAMEProgram()` in
# NAME_program.h.
function(kalvo_add_calculator_program name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  add_library(kalvo_${name} STATIC ${ARG_UNPARSED_ARGUMENTS})
  add_library(kalvo::${name} ALIAS kalvo_${name})
  target_include_directories(kalvo_${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(kalvo_${name} PUBLIC kalvo::shell_core PRIVATE ${ARG_LIBS} kalvo::options)

  if(KALVO_BUILD_GUI)
    set(KALVO_PROGRAM ${name})
    set(main ${CMAKE_CURRENT_BINARY_DIR}/kalvo_${name}_main.cpp)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/calculator_main.cpp.in ${main} @ONLY)
    add_executable(kalvo-${name} ${main})
    target_link_libraries(kalvo-${name} PRIVATE kalvo::${name} kalvo::${name}_pictures kalvo::shell kalvo::options)
  endif()
endfunction()
