# The audio engine's stream creation from MP3 bytes.
tessaly_fuzz_target(Mp3StreamFuzz SOURCES Mp3StreamFuzz.cpp LIBRARIES tsaudio_static)
