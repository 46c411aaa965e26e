# Per-generator CPack settings (CPACK_PROJECT_CONFIG_FILE): only the zip has a top folder.
if(CPACK_GENERATOR STREQUAL "NSIS")
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
endif()
