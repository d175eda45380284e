# The stored data: the settings file and the statistics files.
tessaly_fuzz_target(SettingsFuzz SOURCES ${CMAKE_CURRENT_LIST_DIR}/SettingsFuzz.cpp
                    LIBRARIES tessaly_storage)
tessaly_fuzz_target(StatisticsFuzz SOURCES ${CMAKE_CURRENT_LIST_DIR}/StatisticsFuzz.cpp
                    LIBRARIES tessaly_storage)
