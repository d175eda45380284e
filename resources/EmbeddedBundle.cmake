# tessaly_embed_bundle(TARGET SYMBOL PREFIX BASE_DIR FILE...)
# Embeds FILEs (relative to BASE_DIR, reached as ":PREFIX/FILE" with BASE_DIR's own name
# left out) as one binary resource bundle in TARGET under the C symbol SYMBOL. Unlike
# qt_add_resources the bundle is not registered at start: the program registers it with
# QResource::registerResource(SYMBOL) when it first needs one of its files, so a program
# that never does leaves all its pages untouched, its index included.
function(tessaly_embed_bundle target symbol prefix base_dir)
    set(qrc ${CMAKE_CURRENT_BINARY_DIR}/${symbol}.qrc)
    set(rcc ${CMAKE_CURRENT_BINARY_DIR}/${symbol}.rcc)
    set(source ${CMAKE_CURRENT_BINARY_DIR}/${symbol}.cpp)
    set(content "<RCC><qresource prefix=\"${prefix}\">\n")
    set(inputs)
    foreach(file ${ARGN})
        string(APPEND content "<file alias=\"${file}\">${base_dir}/${file}</file>\n")
        list(APPEND inputs ${base_dir}/${file})
    endforeach()
    string(APPEND content "</qresource></RCC>\n")
    file(CONFIGURE OUTPUT ${qrc} CONTENT "${content}")
    # The pictures are compressed already.
    add_custom_command(OUTPUT ${rcc}
        COMMAND $<TARGET_FILE:Qt6::rcc> --binary --no-compress -o ${rcc} ${qrc}
        DEPENDS ${qrc} ${inputs} VERBATIM)
    file(CONFIGURE OUTPUT ${source} CONTENT
"// Made by the build: the resource bundle ${symbol} as it is, aligned for QResource.
__asm__(\".section .rodata\\n\"
        \".balign 16\\n\"
        \".globl ${symbol}\\n\"
        \".hidden ${symbol}\\n\"
        \"${symbol}:\\n\"
        \".incbin \\\"${rcc}\\\"\\n\"
        \".previous\\n\");
")
    set_source_files_properties(${source} PROPERTIES OBJECT_DEPENDS ${rcc})
    target_sources(${target} PRIVATE ${source})
endfunction()
