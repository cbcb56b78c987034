# Shared compile settings of the project's own targets.
function(kestrix_target_defaults target)
    target_compile_options(${target} PRIVATE -Wall -Wextra)
    target_compile_definitions(${target} PRIVATE QT_USE_QSTRINGBUILDER
                                                 QT_NO_CAST_FROM_BYTEARRAY)
endfunction()

# Set for the whole tree rather than per target, so that no target built here can escape the
# instrumentation by forgetting kestrix_target_defaults. Undefined behaviour stops the program
# like a memory error does, so that a test cannot pass over it with a warning on stderr.
if(KESTRIX_SANITIZE)
    set(KX_SANITIZE_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    add_compile_options(${KX_SANITIZE_FLAGS})
    add_link_options(${KX_SANITIZE_FLAGS})
endif()
