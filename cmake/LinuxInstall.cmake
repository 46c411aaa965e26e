# Where the native Linux programs install (GNUInstallDirs, so any --prefix or DESTDIR works):
# the programs, their man pages made by help2man from the built programs' --help and
# --version (so the pages cannot drift from them), bash completion, and the live viewer's
# desktop entry and icon.
include(GNUInstallDirs)
set(linux_files ${PROJECT_SOURCE_DIR}/packaging/linux)

install(TARGETS orvanta2-render orvanta2-live RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

find_program(ORVANTA_HELP2MAN help2man)
if(ORVANTA_HELP2MAN)
    set(orvanta2-render_name "draw a sound file as Orvanta 2 draws its sound input")
    set(orvanta2-live_name "show what the computer plays live, as Orvanta 2 draws it")
    foreach(program orvanta2-render orvanta2-live)
        set(page ${CMAKE_CURRENT_BINARY_DIR}/man/${program}.1)
        add_custom_command(OUTPUT ${page}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/man
            COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
                    ${ORVANTA_HELP2MAN} --no-info --section=1 "--name=${${program}_name}"
                    --output=${page}
                    $<TARGET_FILE:${program}>
            DEPENDS ${program}
            COMMENT "Writing the man page of ${program}"
            VERBATIM)
        list(APPEND man_pages ${page})
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
