# Where the native Linux programs install (GNUInstallDirs, so any --prefix or DESTDIR works):
# the programs, their man pages made by help2man from the built programs' --help and
# --version (so the pages cannot drift from them), bash completion, the live viewer's
# desktop entry, icon and AppStream data, and the package's copyright and changelog.
include(GNUInstallDirs)
set(linux_files ${PROJECT_SOURCE_DIR}/packaging/linux)
# The day this version was released: the AppStream release and the Debian changelog's entry.
set(ORVANTA_RELEASE_DATE 2026-12-09)
set(ORVANTA_DEB_VERSION ${PROJECT_VERSION}-1)

install(TARGETS orvanta2-render orvanta2-live RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

find_program(ORVANTA_HELP2MAN help2man)
if(ORVANTA_HELP2MAN)
    set(orvanta2-render_name "draw a sound file as Orvanta 2 draws its sound input")
    set(orvanta2-live_name "show what the computer plays live, as Orvanta 2 draws it")
    foreach(program orvanta2-render orvanta2-live)
        set(page ${CMAKE_CURRENT_BINARY_DIR}/man/${program}.1)
        # Compressed without a time stamp, as Debian ships man pages, so packages reproduce.
        add_custom_command(OUTPUT ${page}.gz
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/man
            COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
                    ${ORVANTA_HELP2MAN} --no-info --locale=C.UTF-8 --section=1 "--name=${${program}_name}"
                    --output=${page}
                    $<TARGET_FILE:${program}>
            COMMAND gzip -9nf ${page}
            DEPENDS ${program}
            COMMENT "Writing the man page of ${program}"
            VERBATIM)
        list(APPEND man_pages ${page}.gz)
    endforeach()
    add_custom_target(orvanta_man_pages ALL DEPENDS ${man_pages})
    install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
    message(STATUS "help2man not found: no man pages (tools/install-deps.sh installs it)")
endif()

# bash-completion loads a command's completion by the command's name.
foreach(program orvanta2-render orvanta2-live)
    install(FILES ${linux_files}/orvanta2.bash-completion
            DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME ${program})
endforeach()
install(FILES ${linux_files}/orvanta2-live.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${linux_files}/orvanta2-live.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

configure_file(${linux_files}/org.example.orvanta.live.metainfo.xml.in
               ${CMAKE_CURRENT_BINARY_DIR}/org.example.orvanta.live.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/org.example.orvanta.live.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Debian's changelog entry carries the release day in RFC 2822 form.
execute_process(COMMAND date -u -R -d ${ORVANTA_RELEASE_DATE}
                OUTPUT_VARIABLE ORVANTA_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
set(changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian)
configure_file(${linux_files}/changelog.Debian.in ${changelog} @ONLY)
add_custom_command(OUTPUT ${changelog}.gz
    COMMAND gzip -9nkf ${changelog}
    DEPENDS ${changelog}
    COMMENT "Compressing the Debian changelog"
    VERBATIM)
add_custom_target(orvanta_changelog ALL DEPENDS ${changelog}.gz)
set(package_docs ${CMAKE_INSTALL_DATADIR}/doc/orvanta2)
install(FILES ${linux_files}/copyright ${changelog}.gz DESTINATION ${package_docs})
install(FILES ${linux_files}/orvanta2.lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME orvanta2)

include(${PROJECT_SOURCE_DIR}/cmake/LinuxPackaging.cmake)
