# Fails when a file of a QtCore logic library includes a widget header: logic must run headless in the
# tests and in orvik-cli, so only the widgets/ folders may reach Qt Widgets, Qt Gui or Qt Print Support.
# Run at configure time from src/CMakeLists.txt and as a test:  cmake -DORVIK_SRC_DIR=<src> -P <this file>
if(NOT ORVIK_SRC_DIR)
  message(FATAL_ERROR "ORVIK_SRC_DIR is not set")
endif()
file(GLOB_RECURSE orvik_sources RELATIVE "${ORVIK_SRC_DIR}" "${ORVIK_SRC_DIR}/*.h" "${ORVIK_SRC_DIR}/*.cpp")
set(orvik_widget_include
    "^#[ \t]*include[ \t]*[\"<]([A-Za-z_]+/widgets/|QtWidgets|QtGui|QtPrintSupport|Q(Widget|Dialog|MainWindow|Application|GuiApplication|MessageBox|Painter|Printer|Font|Color|Pixmap|Image)[\">])")
set(orvik_offenders "")
foreach(source IN LISTS orvik_sources)
  if(source MATCHES "(^|/)widgets/")
    continue()
  endif()
  file(STRINGS "${ORVIK_SRC_DIR}/${source}" hits REGEX "${orvik_widget_include}")
  foreach(hit IN LISTS hits)
    list(APPEND orvik_offenders "  ${source}: ${hit}")
  endforeach()
endforeach()
if(orvik_offenders)
  list(JOIN orvik_offenders "\n" orvik_report)
  message(FATAL_ERROR "QtCore logic includes widget headers:\n${orvik_report}")
endif()
