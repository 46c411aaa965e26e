# Warnings as errors on every compiler the program is built with, and the sanitizers of the
# native test build.
add_library(orvanta_warnings INTERFACE)
if(MSVC)
    target_compile_options(orvanta_warnings INTERFACE /W4 /WX /utf-8 /permissive- /EHsc)
    target_compile_definitions(orvanta_warnings INTERFACE _CRT_SECURE_NO_WARNINGS NOMINMAX)
else()
    target_compile_options(orvanta_warnings INTERFACE
        -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Werror)
    # GCC 12 reports std::string's own copies at -O3 as overlapping (its bug 105329).
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        target_compile_options(orvanta_warnings INTERFACE $<$<NOT:$<CONFIG:Debug>>:-Wno-restrict>)
    endif()
endif()
if(ORVANTA_SANITIZE AND NOT MSVC)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()
# The hardening Debian builds its packages with (dpkg-buildflags), for the optimised native
# programs: fortified string functions, stack protection, a read-only relocation table.
if(NOT WIN32 AND NOT MSVC AND NOT EMSCRIPTEN)
    add_compile_options($<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>
                        $<$<NOT:$<CONFIG:Debug>>:-fstack-protector-strong>)
    add_link_options($<$<NOT:$<CONFIG:Debug>>:LINKER:-z,relro,-z,now>)
endif()
