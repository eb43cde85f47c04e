# The two kinds of library. A model holds rules and data and links Qt Core, the engine and the
# checks only: it may not name Qt Gui or Widgets, so a widget header included in one of its files
# is not found and the build fails. A window library sits above its model.

# Qt Core's include path (its own and that of Qt6::Platform, which it links) names the folder that
# also holds QtGui and QtWidgets, through which <QtWidgets/QWidget> would be found by anything that
# links Core. There Core gets a folder of its own holding QtCore alone; Gui and Widgets name the
# shared folder themselves, so only their users (the window libraries, the programs, the tests) see it.
set(xk_raiz_core ${CMAKE_BINARY_DIR}/qt_solo_core)
foreach(qt Qt6::Core Qt6::Platform)
  get_target_property(dirs ${qt} INTERFACE_INCLUDE_DIRECTORIES)
  set(solo_core)
  foreach(dir IN LISTS dirs)
    if(IS_DIRECTORY ${dir}/QtCore)
      file(MAKE_DIRECTORY ${xk_raiz_core})
      file(CREATE_LINK ${dir}/QtCore ${xk_raiz_core}/QtCore SYMBOLIC)
      set(dir ${xk_raiz_core})
    endif()
    list(APPEND solo_core ${dir})
  endforeach()
  set_target_properties(${qt} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES "${solo_core}")
endforeach()

# xk_biblioteca_modelo(<name> SOURCES ... [LIBS ...] [PRIVATE_LIBS ...])
# Every model library is registered for the probes of tests/capas.
function(xk_biblioteca_modelo name)
  cmake_parse_arguments(B "" "" "SOURCES;LIBS;PRIVATE_LIBS" ${ARGN})
  foreach(lib IN LISTS B_LIBS B_PRIVATE_LIBS)
    if(lib MATCHES "^Qt6?::(Gui|Widgets)$" OR lib MATCHES "^xk_.*(ventanas|catalogo)$")
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
