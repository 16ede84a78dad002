# Warnings for every target of the project; QUARVEL_WERROR turns them into errors (CI does).
option(QUARVEL_WERROR "Treat compiler warnings as errors" OFF)

function(quarvel_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                             -Wsign-conversion -Wnon-virtual-dtor)
    if(QUARVEL_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
