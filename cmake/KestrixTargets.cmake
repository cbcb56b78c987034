# Shared compile settings of the project's own targets.
function(kestrix_target_defaults target)
    target_compile_options(${target} PRIVATE -Wall -Wextra)
    target_compile_definitions(${target} PRIVATE QT_USE_QSTRINGBUILDER
                                                 QT_NO_CAST_FROM_BYTEARRAY)
endfunction()
