# One include root per folder of src/, made in the build tree, so that code sees a folder's
# headers ("display/canvas.h") only when its library links that folder's library: an include
# that crosses the layers' order fails to build. Where the file system cannot make the link
# (Windows without the right to), the root falls back to src/ and tools/lint.sh alone keeps
# the order.
function(orvanta_folder_root target scope folder)
    set(root ${CMAKE_BINARY_DIR}/layers/${folder})
    get_filename_component(parent ${root}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    if(NOT EXISTS ${root}/${folder})
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${root}/${folder}
             RESULT failed SYMBOLIC)
    endif()
    if(EXISTS ${root}/${folder})
        target_include_directories(${target} ${scope} ${root})
    else()
        target_include_directories(${target} ${scope} ${PROJECT_SOURCE_DIR}/src)
    endif()
endfunction()
