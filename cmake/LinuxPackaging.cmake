# The Debian package of the native Linux programs: `cpack -G DEB` in a Release build folder
# (CMakePresets.json: release). One package for both programs: they share the engine, weigh
# little, and a user who wants one usually wants the other.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvanta2)
set(CPACK_PACKAGE_VENDOR "Мастерская Орванта")
set(CPACK_PACKAGE_CONTACT "Мастерская Орванта <maintainers@orvanta.example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sound visualiser: live viewer and renderer of sound files")
set(CPACK_PACKAGE_DESCRIPTION
    "Orvanta 2 draws sound as a moving picture in one of 25 styles and 15 colour
schemes: oscilloscopes, spectra, rings and more.

orvanta2-live shows what the computer plays, or any sound input of PulseAudio
or PipeWire, in a window. orvanta2-render draws a sound file to a PNG, a PNG
sequence, a GIF or a video (with ffmpeg).")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://orvanta.example.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# ffmpeg only for videos and GIFs; a sound server only for the live viewer.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "ffmpeg, pipewire-pulse | pulseaudio")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
