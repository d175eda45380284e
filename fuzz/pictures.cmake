# Picture files: JPEG decoding, BMP loading, metafile drawing, the picture size check and
# the picture reader.
tessaly_fuzz_target(JpegDecodeFuzz SOURCES ${CMAKE_CURRENT_LIST_DIR}/JpegDecodeFuzz.cpp
                    LIBRARIES tessaly_platform)
tessaly_fuzz_target(BmpFuzz SOURCES ${CMAKE_CURRENT_LIST_DIR}/BmpFuzz.cpp
                    LIBRARIES tessaly_platform)
tessaly_fuzz_target(WmfFuzz SOURCES ${CMAKE_CURRENT_LIST_DIR}/WmfFuzz.cpp
                    LIBRARIES tessaly_platform)
tessaly_fuzz_target(PictureSizeFuzz
                    SOURCES ${CMAKE_CURRENT_LIST_DIR}/PictureSizeFuzz.cpp
                            ${CMAKE_SOURCE_DIR}/game/BoardGeometry.cpp
                    LIBRARIES tessaly_platform)
tessaly_fuzz_target(FileNamesFuzz SOURCES ${CMAKE_CURRENT_LIST_DIR}/FileNamesFuzz.cpp
                    LIBRARIES tessaly_platform)
tessaly_fuzz_target(ExifFuzz SOURCES ${CMAKE_CURRENT_LIST_DIR}/ExifFuzz.cpp
                    LIBRARIES tessaly_platform)
# The kinds read through Qt's image readers, one target each, through the picture reader's
# process as the game reads them (the reader of this build, instrumented like the rest).
foreach(reader Png:bild.png WebP:bild.webp Tiff:bild.tiff Gif:bild.gif)
    string(REPLACE ":" ";" parts ${reader})
    list(GET parts 0 kind)
    list(GET parts 1 file)
    tessaly_fuzz_target(${kind}ReaderFuzz SOURCES ${CMAKE_CURRENT_LIST_DIR}/ReaderFuzz.cpp
                        LIBRARIES tessaly_platform)
    target_compile_definitions(${kind}ReaderFuzz PRIVATE TESSALY_READER_KIND=${kind}
                               TESSALY_READER_FILE="${file}"
                               TESSALY_PICTURE_READER="$<TARGET_FILE:tessaly-picture-reader>")
    add_dependencies(${kind}ReaderFuzz tessaly-picture-reader)
endforeach()
# The game's reading of the picture reader's answer, with whatever a failing reader sends.
tessaly_fuzz_target(PictureReplyFuzz SOURCES ${CMAKE_CURRENT_LIST_DIR}/PictureReplyFuzz.cpp
                    LIBRARIES tessaly_platform)
