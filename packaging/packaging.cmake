# What `cmake --install` puts in place and what the Debian package holds:
# the worker, its systemd units, a commented sample configuration and the
# manual page. The package's maintainer scripts create the system user,
# keep configuration and data on removal and delete them on purge.
#
# A further service unit is one more bde_service_unit() line: it is then
# configured, installed, handled by the maintainer scripts and checked by
# scripts/package-test.sh like the first.
include(GNUInstallDirs)

# The unit names the binary where this prefix installs it; the package is
# built with CMAKE_INSTALL_PREFIX=/usr (scripts/package-test.sh does so).
set(BDE_UNIT_BINDIR ${CMAKE_INSTALL_FULL_BINDIR})
set(BDE_UNIT_DESTINATION lib/systemd/system)
set(BDE_CONFIG_DIR /etc/bdemorvelt)

function(bde_service_unit unit)
  configure_file(${CMAKE_SOURCE_DIR}/systemd/${unit}.in ${CMAKE_BINARY_DIR}/systemd/${unit} @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/systemd/${unit} DESTINATION ${BDE_UNIT_DESTINATION})
  set_property(GLOBAL APPEND PROPERTY BDE_UNITS ${unit})
endfunction()

bde_service_unit(bdemorvelt.service)
bde_service_unit(bdemorvelt-board.service)

install(TARGETS bdemorvelt RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/korvantis.ini DESTINATION ${BDE_CONFIG_DIR}
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ)

# The manual page, compressed as Debian ships them.
find_program(GZIP gzip REQUIRED)
configure_file(${CMAKE_SOURCE_DIR}/doc/bdemorvelt.1 ${CMAKE_BINARY_DIR}/doc/bdemorvelt.1 @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/doc/bdemorvelt.1.gz
                   COMMAND ${GZIP} -9nkf ${CMAKE_BINARY_DIR}/doc/bdemorvelt.1
                   DEPENDS ${CMAKE_BINARY_DIR}/doc/bdemorvelt.1)
add_custom_target(manpage ALL DEPENDS ${CMAKE_BINARY_DIR}/doc/bdemorvelt.1.gz)
install(FILES ${CMAKE_BINARY_DIR}/doc/bdemorvelt.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# ---- the Debian package (cpack -G DEB in the build tree)
get_property(BDE_UNIT_LIST GLOBAL PROPERTY BDE_UNITS)
list(JOIN BDE_UNIT_LIST " " BDE_UNITS)
foreach(script postinst prerm postrm)
  configure_file(${CMAKE_SOURCE_DIR}/packaging/deb/${script}.in ${CMAKE_BINARY_DIR}/deb/${script} @ONLY
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ
                                  WORLD_EXECUTE)
endforeach()
file(WRITE ${CMAKE_BINARY_DIR}/deb/conffiles "${BDE_CONFIG_DIR}/korvantis.ini\n")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME bdemorvelt)
set(CPACK_PACKAGE_VENDOR "BdeMorvelt developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "booking worker of a shop-floor data collection system")
set(CPACK_PACKAGE_DESCRIPTION
    "Drains the queue of shop-floor telegrams, books them and computes the time analyses of persons, order operations and work places. Runs as the systemd service bdemorvelt on an embedded SQLite database or on PostgreSQL.")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "BdeMorvelt developers <root@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "passwd")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${CMAKE_BINARY_DIR}/deb/postinst ${CMAKE_BINARY_DIR}/deb/prerm ${CMAKE_BINARY_DIR}/deb/postrm
    ${CMAKE_BINARY_DIR}/deb/conffiles)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
include(CPack)
