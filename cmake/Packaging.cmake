# Installs the application with its desktop integration (install component "brisvale") and makes
# two Debian packages with CPack: brisvale, and libchartengine-dev with the charting engine.
include(GNUInstallDirs)

set(BRISVALE_APP_ID org.brisvale.Brisvale)
set(app_component brisvale)
set(desktop_dir ${PROJECT_SOURCE_DIR}/Brisvale/resources/desktop)
set(debian_dir ${PROJECT_SOURCE_DIR}/cmake/debian)
set(debian_out ${CMAKE_CURRENT_BINARY_DIR}/debian)

# Debian compresses manual pages and changelogs with gzip -9n: no file name and no time stamp, so
# the same text gives the same bytes on every build and architecture.
function(brisvale_gzip source target)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
  get_filename_component(folder ${target} DIRECTORY)
  file(MAKE_DIRECTORY ${folder})
  execute_process(COMMAND gzip -9n -c ${source} OUTPUT_FILE ${target} COMMAND_ERROR_IS_FATAL ANY)
endfunction()

install(TARGETS brisvale RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT ${app_component})
install(FILES ${desktop_dir}/${BRISVALE_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT ${app_component})
install(FILES ${desktop_dir}/${BRISVALE_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT ${app_component})
foreach(size 48 128 256)
  install(FILES ${desktop_dir}/${BRISVALE_APP_ID}-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${BRISVALE_APP_ID}.png COMPONENT ${app_component})
endforeach()

# The metainfo carries the release's version, and the manual page the version it describes.
configure_file(${desktop_dir}/${BRISVALE_APP_ID}.metainfo.xml
               ${CMAKE_CURRENT_BINARY_DIR}/${BRISVALE_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${BRISVALE_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT ${app_component})
set(VERSION ${PROJECT_VERSION})
configure_file(${desktop_dir}/brisvale.1 ${CMAKE_CURRENT_BINARY_DIR}/brisvale.1 @ONLY)
brisvale_gzip(${CMAKE_CURRENT_BINARY_DIR}/brisvale.1 ${debian_out}/brisvale.1.gz)
install(FILES ${debian_out}/brisvale.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT ${app_component})
install(FILES ${PROJECT_SOURCE_DIR}/TavrendelPFMSDK/sample/sample-meter.json
              ${PROJECT_SOURCE_DIR}/TavrendelPFMSDK/sample/README.md
        DESTINATION ${CMAKE_INSTALL_DATADIR}/brisvale COMPONENT ${app_component})

# Both packages carry the machine-readable copyright file, whose notice and licence text come from
# LICENSE (each paragraph indented, blank lines as " ."), and the changelog.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]+)" license_copyright "${license}")
set(license_copyright ${CMAKE_MATCH_1})
string(REGEX REPLACE "^.*Copyright \\(c\\) [^\n]*\n+" "" license_text "${license}")
string(STRIP "${license_text}" license_text)
string(REPLACE "\n\n" "\n.\n" license_text "${license_text}")
string(REPLACE "\n" "\n " license_text " ${license_text}")
configure_file(${debian_dir}/copyright.in ${debian_out}/copyright @ONLY)
brisvale_gzip(${debian_dir}/changelog ${debian_out}/changelog.gz)
foreach(component ${app_component} libchartengine-dev)
  install(FILES ${debian_out}/copyright ${debian_out}/changelog.gz
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${component} COMPONENT ${component})
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brisvale)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Brisvale")
set(CPACK_PACKAGE_CONTACT "Brisvale developers <developers@brisvale.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_COMPONENTS_ALL ${app_component} libchartengine-dev)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The packages are of the architecture the build's compiler makes code for, whose multiarch name
# (x86_64-linux-gnu) also names the engine's library folder. dpkg-architecture translates that
# name where it is installed, a table of Debian's architectures elsewhere; dpkg itself would name
# the build machine's architecture, wrong in a cross build. A target that neither knows still
# configures, and packaging it stops with the reason, unless the architecture is given.
function(brisvale_debian_architecture out triplet)
  find_program(dpkg_architecture dpkg-architecture NO_CACHE)
  if(dpkg_architecture)
    execute_process(COMMAND ${dpkg_architecture} -t ${triplet} -qDEB_HOST_ARCH
                    OUTPUT_VARIABLE architecture OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  endif()
  set(known x86_64-linux-gnu=amd64 i386-linux-gnu=i386 aarch64-linux-gnu=arm64
            arm-linux-gnueabihf=armhf arm-linux-gnueabi=armel mips64el-linux-gnuabi64=mips64el
            powerpc64le-linux-gnu=ppc64el s390x-linux-gnu=s390x)
  list(FILTER known INCLUDE REGEX "^${triplet}=")
  if(NOT architecture AND known)
    string(REGEX REPLACE "^.*=" "" architecture ${known})
  endif()
  set(${out} "${architecture}" PARENT_SCOPE)
endfunction()

if(NOT CPACK_DEBIAN_PACKAGE_ARCHITECTURE AND CMAKE_LIBRARY_ARCHITECTURE)
  brisvale_debian_architecture(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${CMAKE_LIBRARY_ARCHITECTURE})
endif()
if(NOT CPACK_DEBIAN_PACKAGE_ARCHITECTURE)
  set(reason "Packages cannot be made: no Debian architecture is known for the compiler's \
target (multiarch name \"${CMAKE_LIBRARY_ARCHITECTURE}\"). Name it with \
-DCPACK_DEBIAN_PACKAGE_ARCHITECTURE=<architecture> (amd64 on a PC).")
  message(STATUS "${reason}")
  file(WRITE ${debian_out}/no-architecture.cmake "message(FATAL_ERROR [==[${reason}]==])\n")
  set(CPACK_PROJECT_CONFIG_FILE ${debian_out}/no-architecture.cmake)
endif()
set(CPACK_DEBIAN_PACKAGE_SOURCE brisvale)

set(CPACK_DEBIAN_BRISVALE_PACKAGE_NAME brisvale)
set(CPACK_DEBIAN_BRISVALE_PACKAGE_SHLIBDEPS ON)
# The SQLite driver is loaded at run time, so no linked library names it.
set(CPACK_DEBIAN_BRISVALE_PACKAGE_DEPENDS "libqt6sql6-sqlite, fonts-dejavu-core")
set(CPACK_COMPONENT_BRISVALE_DESCRIPTION
    "Peak flow diary for a handheld peak-flow meter\nDownloads a peak-flow meter's readings (PEF and FEV1) into a local store,\nshows statistics, a readings table and charts with traffic-light zones, and\nwrites PDF and CSV reports and backups.")

set(CPACK_DEBIAN_LIBCHARTENGINE-DEV_PACKAGE_NAME libchartengine-dev)
# The package installs alongside its builds for other architectures (for cross builds): everything
# it holds outside the multiarch folder is the same on every architecture. CPack has no setting for
# the Multi-Arch field, so it rides on the line of the section.
set(CPACK_DEBIAN_LIBCHARTENGINE-DEV_PACKAGE_SECTION "libdevel\nMulti-Arch: same")
set(CPACK_DEBIAN_LIBCHARTENGINE-DEV_PACKAGE_DEPENDS "qt6-base-dev")
set(CPACK_COMPONENT_LIBCHARTENGINE-DEV_DESCRIPTION
    "Charting engine on Qt Widgets (development files)\nLine, bar, horizontal bar, pie, radar, scatter, bubble, candlestick and\ncombined charts, as a static library with its headers, a CMake package and a\npkg-config file.")

include(CPack)
