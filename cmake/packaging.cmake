# Installing and packaging: the program with its desktop entry, software-centre
# metadata, lesson file type, icons at every size of the hicolor theme and manual
# page (cmake --install), and the Debian package of all that (make package, CPack).
# The version is the project's, set once by project() in CMakeLists.txt; every file
# below that names it is configured from it.
include(GNUInstallDirs)

# The reverse-DNS id: of the metainfo, the desktop entry and the icon.
set(TARNWICK_ID org.example.tarnwick)
# The day the project's version was released; it changes together with the version.
set(TARNWICK_RELEASE_DATE 2026-12-09)
set(TARNWICK_MAINTAINER "Tarnwick (Basic) developers <tarnwick@example.org>")
set(TARNWICK_HOMEPAGE https://tarnwick.example.org/)

# Symbols are bound at start, so that the whole global offset table can be read-only.
target_link_options(tarnwick PRIVATE LINKER:-z,relro LINKER:-z,now)

set(data_dir ${CMAKE_CURRENT_BINARY_DIR}/data)
file(MAKE_DIRECTORY ${data_dir})

# The icon at the fixed sizes of the hicolor theme, rendered from the one SVG by our
# own tool, so menus and task bars that want a PNG see the same artwork.
add_executable(tarnwick_rendericon tools/rendericon.cpp)
target_link_libraries(tarnwick_rendericon PRIVATE Qt6::Svg Qt6::Gui)
set(TARNWICK_ICON_SIZES 16 22 24 32 48 64 128 256)
set(icon_pngs "")
foreach(side IN LISTS TARNWICK_ICON_SIZES)
  list(APPEND icon_pngs ${data_dir}/icons/${side}x${side}/apps/${TARNWICK_ID}.png)
endforeach()
add_custom_command(OUTPUT ${icon_pngs}
  COMMAND tarnwick_rendericon ${CMAKE_CURRENT_SOURCE_DIR}/resources/icon.svg
          ${data_dir}/icons ${TARNWICK_ID} ${TARNWICK_ICON_SIZES}
  DEPENDS tarnwick_rendericon resources/icon.svg
  COMMENT "Rendering the icon at the hicolor sizes")

# Lesson files: their MIME type, and the icon file managers show them with, named
# after the type as icon themes name them and rendered at the same sizes. The tool
# writes into apps/; the install rules below put these into mimetypes/.
set(TARNWICK_LESSON_MIME_TYPE application/x-tarnwick-lesson)
string(REPLACE "/" "-" TARNWICK_LESSON_ICON ${TARNWICK_LESSON_MIME_TYPE})
set(lesson_icon_pngs "")
foreach(side IN LISTS TARNWICK_ICON_SIZES)
  list(APPEND lesson_icon_pngs
       ${data_dir}/lesson-icons/${side}x${side}/apps/${TARNWICK_LESSON_ICON}.png)
endforeach()
add_custom_command(OUTPUT ${lesson_icon_pngs}
  COMMAND tarnwick_rendericon ${CMAKE_CURRENT_SOURCE_DIR}/resources/lesson-icon.svg
          ${data_dir}/lesson-icons ${TARNWICK_LESSON_ICON} ${TARNWICK_ICON_SIZES}
  DEPENDS tarnwick_rendericon resources/lesson-icon.svg
  COMMENT "Rendering the lesson file icon at the hicolor sizes")

# The software-centre metadata and the manual page carry the version and its date.
configure_file(resources/${TARNWICK_ID}.metainfo.xml.in ${data_dir}/${TARNWICK_ID}.metainfo.xml
               @ONLY)
configure_file(resources/tarnwick.1.in ${data_dir}/tarnwick.1 @ONLY)

# The package's changelog dates its entry as Debian wants (RFC 2822).
execute_process(COMMAND date -R -u -d ${TARNWICK_RELEASE_DATE}
                OUTPUT_VARIABLE TARNWICK_RELEASE_DATE_RFC2822
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
configure_file(cmake/debian/changelog.in ${data_dir}/changelog @ONLY)

# Manual pages and changelogs are installed compressed, without a time stamp in the
# gzip header, so the same sources give the same package.
foreach(text tarnwick.1 changelog)
  add_custom_command(OUTPUT ${data_dir}/${text}.gz
    COMMAND gzip -9 -n -f -k ${data_dir}/${text}
    DEPENDS ${data_dir}/${text}
    COMMENT "Compressing ${text}")
endforeach()

add_custom_target(tarnwick_data ALL
  DEPENDS ${icon_pngs} ${lesson_icon_pngs} ${data_dir}/tarnwick.1.gz
          ${data_dir}/changelog.gz)

# The install rules: cmake --install (make install PREFIX=...) and the package.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(icons_dir ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(TARGETS tarnwick RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A stripped install (the package, cmake --install --strip) also drops the compiler's
# notes, as Debian's own packages do.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/tarnwick\"
                    COMMAND_ERROR_IS_FATAL ANY)
  endif()")
install(FILES resources/${TARNWICK_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${data_dir}/${TARNWICK_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES resources/icon.svg DESTINATION ${icons_dir}/scalable/apps RENAME ${TARNWICK_ID}.svg)
foreach(side IN LISTS TARNWICK_ICON_SIZES)
  install(FILES ${data_dir}/icons/${side}x${side}/apps/${TARNWICK_ID}.png
          DESTINATION ${icons_dir}/${side}x${side}/apps)
endforeach()
# The lesson file type; shared-mime-info's, the icon theme's and the desktop
# database's triggers rebuild their caches when the package is installed.
install(FILES resources/${TARNWICK_ID}.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES resources/lesson-icon.svg DESTINATION ${icons_dir}/scalable/mimetypes
        RENAME ${TARNWICK_LESSON_ICON}.svg)
foreach(side IN LISTS TARNWICK_ICON_SIZES)
  install(FILES ${data_dir}/lesson-icons/${side}x${side}/apps/${TARNWICK_LESSON_ICON}.png
          DESTINATION ${icons_dir}/${side}x${side}/mimetypes)
endforeach()
install(FILES ${data_dir}/tarnwick.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES cmake/debian/copyright ${data_dir}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tarnwick)

# The Debian package: tarnwick_<version>_<architecture>.deb in the build folder.
execute_process(COMMAND dpkg --print-architecture
                OUTPUT_VARIABLE TARNWICK_DEB_ARCHITECTURE
                OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE no_dpkg ERROR_QUIET)
if(no_dpkg)
  set(TARNWICK_DEB_ARCHITECTURE amd64)
endif()
set(TARNWICK_DEB_FILE tarnwick_${PROJECT_VERSION}_${TARNWICK_DEB_ARCHITECTURE}.deb)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarnwick)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tarnwick (Basic) developers")
set(CPACK_PACKAGE_CONTACT ${TARNWICK_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching program on harvest theory in population ecology")
set(CPACK_PACKAGE_DESCRIPTION
"Tarnwick (Basic) lets students explore population growth under a
constant harvest. The student sets the initial population size, the
intrinsic rate, the carrying capacity, the harvest per time interval
and the run length, picks the exponential or the logistic model and
runs it.

The program draws the population with and without the harvest, its
change, the theoretical growth curves with both equilibria, and the
cost, revenue and net profit of a sustainable harvest. A harvest game
lets the student run a mass-rearing business day by day. An
introduction, instructions, references and a quiz come with it.

A teacher can keep the model and the values a class starts with in a
lesson file, or give them on the command line, and save a handout PDF
with every chart of a run.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME ${TARNWICK_DEB_FILE})
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${TARNWICK_DEB_ARCHITECTURE})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TARNWICK_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TARNWICK_HOMEPAGE})
# The Qt libraries come from the binary itself (dpkg-shlibdeps); the fonts its
# windows are drawn in, and Qt's own translations of its dialogs, cannot be seen
# there.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

# make test-package: the package above, unpacked into a temporary folder and checked.
add_custom_target(test-package
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/tests/package/test-package
          ${CMAKE_CURRENT_BINARY_DIR}/${TARNWICK_DEB_FILE} ${PROJECT_VERSION}
  USES_TERMINAL VERBATIM)
