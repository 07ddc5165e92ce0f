# The Debian package: the programs and data of the portable folder, laid out
# as a system's games keep them. Its install rules belong to the component
# "deb", which a plain `cmake --install` and the .tar.gz leave out; `cpack -G
# DEB` (tools/package.sh) installs only that component, under /usr.
set(DEB_GAMES games)
set(DEB_DATA share/games/quorvane)
set(DEB_MODULES lib/games/quorvane)
set(DEB_DOC share/doc/quorvane)
set(DEB_OUT ${CMAKE_BINARY_DIR}/packaging)

# The installed program finds its data and sound module from its own folder.
file(RELATIVE_PATH data_from_games /usr/${DEB_GAMES} /usr/${DEB_DATA})
file(RELATIVE_PATH modules_from_games /usr/${DEB_GAMES} /usr/${DEB_MODULES})
target_compile_definitions(quorvane_core PRIVATE
    QUORVANE_INSTALLED_DATA_DIR="${data_from_games}"
    QUORVANE_INSTALLED_MODULE_DIR="${modules_from_games}")

# Manual pages and the changelog carry the version; Debian wants them
# compressed, without a time stamp in the header.
set(gzipped)
foreach(name quorvane.6 quorvane-sets.6 changelog)
    configure_file(packaging/${name} ${DEB_OUT}/${name} @ONLY)
    add_custom_command(
        OUTPUT ${DEB_OUT}/${name}.gz
        COMMAND gzip -9nkf ${name}
        DEPENDS ${DEB_OUT}/${name}
        WORKING_DIRECTORY ${DEB_OUT}
        VERBATIM)
    list(APPEND gzipped ${DEB_OUT}/${name}.gz)
endforeach()
add_custom_target(deb_docs ALL DEPENDS ${gzipped})
configure_file(packaging/org.quorvane.Quorvane.metainfo.xml
               ${DEB_OUT}/org.quorvane.Quorvane.metainfo.xml @ONLY)

set(deb COMPONENT deb EXCLUDE_FROM_ALL)
install(TARGETS quorvane quorvane-sets RUNTIME DESTINATION ${DEB_GAMES} ${deb})
install(TARGETS quorvane_sound LIBRARY DESTINATION ${DEB_MODULES} ${deb})
install(DIRECTORY ${QUORVANE_DIR}/Music/ DESTINATION ${DEB_DATA}/Music ${deb}
        FILES_MATCHING PATTERN "*.wav")
install(FILES ${BUNDLED_SET} DESTINATION ${DEB_DATA}/Questions ${deb})
install(FILES packaging/org.quorvane.Quorvane.desktop DESTINATION share/applications ${deb})
install(DIRECTORY ${CMAKE_BINARY_DIR}/hicolor DESTINATION share/icons ${deb})
install(FILES ${DEB_OUT}/org.quorvane.Quorvane.metainfo.xml DESTINATION share/metainfo ${deb})
install(FILES ${DEB_OUT}/quorvane.6.gz ${DEB_OUT}/quorvane-sets.6.gz
        DESTINATION share/man/man6 ${deb})
install(FILES packaging/copyright ${DEB_OUT}/changelog.gz DESTINATION ${DEB_DOC} ${deb})

# quorvane_VERSION_ARCH.deb. Its libraries' packages come from
# dpkg-shlibdeps; Qt also needs its platform plugins to open a window.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
# Qt's own translations turn its standard buttons (OK, Cancel, Yes, No) into
# the player's language; without them those stay English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Quorvane team <feedback@quorvane.example>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.quorvane.example/)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Climb a fifteen-step money ladder, confirm each answer, walk away with the
winnings or use three lifelines once each. Question sets are files that
players write with the built-in editor or import from CSV, protect with a
password and swap with friends; a general-knowledge set comes with the game.")
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
configure_file(packaging/cpack-options.cmake.in ${DEB_OUT}/cpack-options.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${DEB_OUT}/cpack-options.cmake)
