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

# kalvo_add_window_program(NAME CORE source... WINDOW source...): a program with a window
# of its own. CORE becomes kalvo::NAME_core (QtCore only, also linked by kalvo-cli); with
# the GUI, WINDOW becomes kalvo::NAME_gui and kalvo-NAME runs NAME's main.cpp with the
# pictures kalvo::NAME_pictures.
function(kalvo_add_window_program name)
  cmake_parse_arguments(ARG "" "" "CORE;WINDOW" ${ARGN})
  add_library(kalvo_${name}_core STATIC ${ARG_CORE})
  add_library(kalvo::${name}_core ALIAS kalvo_${name}_core)
  target_include_directories(kalvo_${name}_core PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(kalvo_${name}_core PUBLIC Qt6::Core PRIVATE kalvo::options)

  if(KALVO_BUILD_GUI)
    add_library(kalvo_${name}_gui STATIC ${ARG_WINDOW})
    add_library(kalvo::${name}_gui ALIAS kalvo_${name}_gui)
    target_include_directories(kalvo_${name}_gui PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(kalvo_${name}_gui
      PUBLIC kalvo::${name}_core kalvo::widgets Qt6::Widgets
      PRIVATE kalvo::shell kalvo::${name}_pictures kalvo::options)
    add_executable(kalvo-${name} main.cpp)
    target_link_libraries(kalvo-${name} PRIVATE kalvo::${name}_gui kalvo::shell kalvo::options)
  endif()
endfunction()
