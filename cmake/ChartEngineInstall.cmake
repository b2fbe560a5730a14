# Installs the charting engine for other programs: the library, its public headers under
# include/ChartEngine/, a CMake package with the exported target ChartEngine::ChartEngine, a
# pkg-config file, and the guide with the example's sources. All of it belongs to the install
# component "libchartengine-dev".
include(CMakePackageConfigHelpers)
include(GNUInstallDirs)

# The headers a program of its own needs: the chart views, their data and components, the
# formatters and fills, and everything these include. Every type a public member names is
# complete here too: the images of entries, markers and fills, the accessibility label provider
# and elements, the bases of the parts a view lets a program replace (its data, axis and legend
# renderers, its highlighter, a scatter set's shape renderer) and the gesture recognisers a view
# answers, and the view-port jobs a program hands to a view's job queue with the chart interface
# their protected steps name. The chart types' own data renderers and the rest of the platform
# layer stay inside the engine.
function(chart_engine_public_headers out root)
  file(GLOB entries RELATIVE ${root}
       ${root}/ChartEngine/types/*ChartView.h ${root}/ChartEngine/data/*.h
       ${root}/ChartEngine/foundation/*Formatter.h ${root}/ChartEngine/foundation/*Fill.h
       ${root}/ChartEngine/foundation/NSUI*GestureRecognizer.h)
  foreach(name views/LineChartView views/ChartViewDelegate components/XAxis components/YAxis
               components/Legend components/LegendEntry components/ChartLimitLine
               components/Description components/Marker components/MarkerImage
               components/MarkerView components/Highlight foundation/ChartColorTemplates
               foundation/ChartColors foundation/ChartEasingOption foundation/LineDash
               foundation/ViewPortHandler foundation/Transformer foundation/Animator
               foundation/ChartImage foundation/NSUIAccessibilityElement
               views/ChartAccessibilityLabelProvider views/DataRenderer components/Highlighter
               components/LegendRenderer components/XAxisRenderer components/YAxisRenderer
               components/XAxisRendererRadarChart components/YAxisRendererRadarChart
               types/ShapeRenderer foundation/ViewPortChart views/ViewPortJob views/MoveViewJob
               views/ZoomViewJob views/AnimatedViewPortJob views/AnimatedMoveViewJob
               views/AnimatedZoomViewJob)
    list(APPEND entries ChartEngine/${name}.h)
  endforeach()
  set(found "")
  while(entries)
    list(POP_FRONT entries header)
    if(header IN_LIST found)
      continue()
    endif()
    list(APPEND found ${header})
    file(STRINGS ${root}/${header} lines REGEX "^#include \"ChartEngine/")
    foreach(line ${lines})
      string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" included "${line}")
      list(APPEND entries ${included})
    endforeach()
  endwhile()
  list(SORT found)
  set(${out} ${found} PARENT_SCOPE)
endfunction()

set(engine_component libchartengine-dev)
set(engine_cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/ChartEngine)

chart_engine_public_headers(engine_headers ${PROJECT_SOURCE_DIR})
foreach(header ${engine_headers})
  get_filename_component(folder ${header} DIRECTORY)
  install(FILES ${PROJECT_SOURCE_DIR}/${header} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${folder}
          COMPONENT ${engine_component})
endforeach()

# The include folder comes from the target's own install interface alone: naming it here too
# would list it twice in the exported target.
install(TARGETS ChartEngine EXPORT ChartEngineTargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT ${engine_component})
# An install that strips (a package's, or cmake --install --strip) strips the archive of its
# debug information too, which CMake leaves in static libraries: whatever the build type, the
# package then holds code and symbols alone, without the build machine's source paths. As
# Debian's own packages do, it drops the compiler's comments and the members' time stamps.
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
  execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-debug --remove-section=.comment
                          --enable-deterministic-archives
    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}/$<TARGET_FILE_NAME:ChartEngine>\"
    COMMAND_ERROR_IS_FATAL ANY)
endif()" COMPONENT ${engine_component})
install(EXPORT ChartEngineTargets NAMESPACE ChartEngine:: DESTINATION ${engine_cmake_dir}
        COMPONENT ${engine_component})

configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/ChartEngineConfig.cmake.in
                              ${CMAKE_CURRENT_BINARY_DIR}/ChartEngineConfig.cmake
                              INSTALL_DESTINATION ${engine_cmake_dir})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/ChartEngineConfigVersion.cmake
                                 VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/ChartEngineConfig.cmake
              ${CMAKE_CURRENT_BINARY_DIR}/ChartEngineConfigVersion.cmake
        DESTINATION ${engine_cmake_dir} COMPONENT ${engine_component})

# The file names the prefix it is installed under, as a distribution's own files do: pkg-config
# then leaves out the system's include folder (/usr/include) from the flags it gives. It is
# written into the build folder at install time, so a package's file names /usr and
# cmake --install --prefix the prefix given, then installed as every other file is: the
# install's list of files (install_manifest.txt), by which it is removed again, names it too.
set(pc_prefix @pc_prefix@)
configure_file(${CMAKE_CURRENT_LIST_DIR}/chartengine.pc.in ${CMAKE_CURRENT_BINARY_DIR}/chartengine.pc.in @ONLY)
install(CODE "set(pc_prefix \"\${CMAKE_INSTALL_PREFIX}\")
configure_file(\"${CMAKE_CURRENT_BINARY_DIR}/chartengine.pc.in\"
               \"${CMAKE_CURRENT_BINARY_DIR}/chartengine.pc\" @ONLY)
file(INSTALL \"${CMAKE_CURRENT_BINARY_DIR}/chartengine.pc\"
     DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}/pkgconfig\")"
        COMPONENT ${engine_component})

# The guide with its pictures, and the example's sources, in the package's documentation folder.
set(engine_doc_dir ${CMAKE_INSTALL_DATAROOTDIR}/doc/${engine_component})
install(FILES ${PROJECT_SOURCE_DIR}/docs/chart-engine.md DESTINATION ${engine_doc_dir}
        COMPONENT ${engine_component})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/images DESTINATION ${engine_doc_dir}
        COMPONENT ${engine_component})
install(FILES ${PROJECT_SOURCE_DIR}/examples/line-chart/CMakeLists.txt
              ${PROJECT_SOURCE_DIR}/examples/line-chart/main.cpp
        DESTINATION ${engine_doc_dir}/examples/line-chart COMPONENT ${engine_component})
