# Picture files: JPEG decoding, BMP loading, metafile drawing and the picture size check.
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
