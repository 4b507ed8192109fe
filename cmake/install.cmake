# install.cmake -- `cmake --install` as a Linux game: `pelmo` (the game) and `quenmar` (the
# launcher) in bin/, the data folder in share/pelmo/ (where both find it from bin/), the
# desktop entry, the icons and the AppStream metainfo where desktops look for them, and the
# Debian package that `cpack -G DEB` makes of the same files.
include(GNUInstallDirs)
# Installing and packaging take the build as it is: cpack builds nothing first, so that it can
# run beside the tests that use the build (scripts/build builds everything before).
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(pelmo_id org.example.Pelmo)
set(pelmo_desktop ${CMAKE_SOURCE_DIR}/content/desktop)

install(PROGRAMS $<TARGET_FILE:game> DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME pelmo)
install(PROGRAMS $<TARGET_FILE:Quenmar> DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME quenmar)

# The data folder as the build makes it, less the build's own copy of the game (the installed
# launcher starts bin/pelmo) and what a run in it may have left behind.
install(DIRECTORY ${CMAKE_BINARY_DIR}/data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/pelmo
        PATTERN game.ex EXCLUDE PATTERN stderr.txt EXCLUDE PATTERN *.json EXCLUDE)

install(FILES ${pelmo_desktop}/${pelmo_id}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${pelmo_desktop}/${pelmo_id}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(area desktop fonts launcher music pictures sprites)
  install(FILES ${CMAKE_SOURCE_DIR}/content/${area}/LICENSE
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/pelmo RENAME LICENSE.${area})
endforeach()

# The icon is drawn at 32 x 32; the larger sizes are it scaled up by whole numbers with
# nearest-neighbour sampling, so its pixels stay sharp. Without ImageMagick only 32 x 32.
set(icon ${CMAKE_SOURCE_DIR}/content/launcher/launcher_icon.png)
install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps
        RENAME ${pelmo_id}.png)
find_program(MAGICK_CONVERT NAMES convert magick)
if(MAGICK_CONVERT)
  set(icon_outputs)
  foreach(size 64 128 256)
    set(output ${CMAKE_BINARY_DIR}/icons/${size}x${size}/${pelmo_id}.png)
    add_custom_command(
      OUTPUT ${output}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
      COMMAND ${MAGICK_CONVERT} ${icon} -filter point -resize ${size}x${size} -strip
              -define png:exclude-chunks=date,time ${output}
      DEPENDS ${icon}
      COMMENT "Scaling the icon to ${size} x ${size}")
    list(APPEND icon_outputs ${output})
    install(FILES ${output} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  add_custom_target(icons ALL DEPENDS ${icon_outputs})
endif()

# The Debian package, for /usr. Its library dependencies are read off the programs.
set(CPACK_PACKAGE_NAME pelmo)
set(CPACK_PACKAGE_VENDOR "The Pelmo project")
set(CPACK_PACKAGE_CONTACT "The Pelmo project <pelmo@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "side-view adventure game with Korean text, and its launcher")
set(CPACK_PACKAGE_DESCRIPTION "Snowflower Lantern (눈꽃 등불), a short adventure in a snowy village \
on the Pelmo engine, with its launcher Quenmar. Run `quenmar`, or `pelmo --help`.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The launcher shows its Korean text in this font, which it selects by name.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-nanum)
set(CPACK_GENERATOR DEB)
include(CPack)
