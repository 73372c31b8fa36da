# Warnings are errors for our own targets; third-party code (GoogleTest) keeps its own flags.
function(velmor_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror
        -Wshadow -Wconversion -Wno-sign-conversion)
endfunction()

if(WIN32)
    add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
        _WIN32_WINNT=0x0601 WINVER=0x0601)
    add_link_options(-static -static-libgcc -static-libstdc++)
elseif(VELMOR_SANITIZE AND NOT VELMOR_FUZZ)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()
