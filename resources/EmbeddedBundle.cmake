# tessaly_embed_file(TARGET SYMBOL FILE)
# Embeds FILE, as it is, in TARGET's read-only data under the C symbol SYMBOL, aligned to
# 64 bytes. The file is a dependency of the object that carries it.
function(tessaly_embed_file target symbol file)
    set(source ${CMAKE_CURRENT_BINARY_DIR}/${symbol}.cpp)
    file(CONFIGURE OUTPUT ${source} CONTENT
"// Made by the build: ${symbol} as it is, aligned for the one who reads it in place.
__asm__(\".section .rodata\\n\"
        \".balign 64\\n\"
        \".globl ${symbol}\\n\"
        \".hidden ${symbol}\\n\"
        \"${symbol}:\\n\"
        \".incbin \\\"${file}\\\"\\n\"
        \".previous\\n\");
")
    set_source_files_properties(${source} PROPERTIES OBJECT_DEPENDS ${file})
    target_sources(${target} PRIVATE ${source})
endfunction()

# tessaly_embed_bundle(TARGET SYMBOL PREFIX BASE_DIR FILE...)
# Embeds FILEs (relative to BASE_DIR, reached as ":PREFIX/FILE" with BASE_DIR's own name
# left out) as one binary resource bundle in TARGET under the C symbol SYMBOL. Unlike
# qt_add_resources the bundle is not registered at start: the program registers it with
# QResource::registerResource(SYMBOL) when it first needs one of its files, so a program
# that never does leaves all its pages untouched, its index included.
function(tessaly_embed_bundle target symbol prefix base_dir)
    set(qrc ${CMAKE_CURRENT_BINARY_DIR}/${symbol}.qrc)
    set(rcc ${CMAKE_CURRENT_BINARY_DIR}/${symbol}.rcc)
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
    tessaly_embed_file(${target} ${symbol} ${rcc})
endfunction()

# tessaly_embed_pictures(TARGET SYMBOL BASE_DIR RAW_REGEX PREFIX FILE...)
# Packs the pictures FILE... (relative to BASE_DIR, looked up as ":PREFIX/FILE") with the
# build's packer into one pack embedded in TARGET under SYMBOL (read by PackedPictures).
# Those whose FILE matches RAW_REGEX are stored as they are, to be drawn in place; the
# others compressed.
function(tessaly_embed_pictures target symbol base_dir raw_regex prefix)
    set(manifest ${CMAKE_CURRENT_BINARY_DIR}/${symbol}.manifest)
    set(pack ${CMAKE_CURRENT_BINARY_DIR}/${symbol}.pack)
    set(content "")
    set(inputs)
    foreach(file ${ARGN})
        set(storage zstd)
        if(file MATCHES "${raw_regex}")
            set(storage raw)
        endif()
        string(APPEND content "${storage} :${prefix}${file} ${base_dir}/${file}\n")
        list(APPEND inputs ${base_dir}/${file})
    endforeach()
    file(CONFIGURE OUTPUT ${manifest} CONTENT "${content}")
    # A packer built with the sanitizers must not fail the build over the leaks of its
    # libraries at exit.
    add_custom_command(OUTPUT ${pack}
        COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen
                $<TARGET_FILE:tessaly_packer> ${pack} ${manifest}
        DEPENDS tessaly_packer ${manifest} ${inputs} VERBATIM)
    tessaly_embed_file(${target} ${symbol} ${pack})
endfunction()
