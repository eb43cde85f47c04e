# The two kinds of library. A model holds rules and data and links Qt Core, the engine and the
# checks only: it may not name Qt Gui or Widgets, so a widget header included in one of its files
# is not found and the build fails. A window library sits above its model.

# xk_biblioteca_modelo(<name> SOURCES ... [LIBS ...] [PRIVATE_LIBS ...])
function(xk_biblioteca_modelo name)
  cmake_parse_arguments(B "" "" "SOURCES;LIBS;PRIVATE_LIBS" ${ARGN})
  foreach(lib IN LISTS B_LIBS B_PRIVATE_LIBS)
    if(lib MATCHES "^Qt6?::(Gui|Widgets)$" OR lib MATCHES "^xk_.*(ventanas|catalogo|updater_ui)$")
      message(FATAL_ERROR "${name} is a model library: it may not link ${lib}")
    endif()
  endforeach()
  add_library(${name} ${B_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC Qt6::Core ${B_LIBS} PRIVATE ${B_PRIVATE_LIBS})
  set_property(GLOBAL APPEND PROPERTY XK_BIBLIOTECAS_MODELO ${name})
endfunction()

# xk_biblioteca_ventanas(<name> SOURCES ... [LIBS ...] [PRIVATE_LIBS ...])
function(xk_biblioteca_ventanas name)
  cmake_parse_arguments(B "" "" "SOURCES;LIBS;PRIVATE_LIBS" ${ARGN})
  add_library(${name} ${B_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${B_LIBS} xk_ventanas Qt6::Widgets PRIVATE ${B_PRIVATE_LIBS})
endfunction()
