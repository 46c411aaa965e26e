# Copies the repository's skin folders to the Skin folder beside the exe, when there are any.
if(IS_DIRECTORY "${SOURCE}")
    file(COPY "${SOURCE}/" DESTINATION "${TARGET}")
endif()
