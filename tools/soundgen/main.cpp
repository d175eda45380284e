// soundgen makes the game's cues and music tracks and encodes them with LAME into
// resources/mp3/MP3_101.mp3 .. MP3_110.mp3:
//   soundgen OUTPUT_FOLDER
// Each sound is printed with its length, peak and RMS level.

#include "Cues.h"
#include "Music.h"
#include "WavFile.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <functional>
#include <string>
#include <unistd.h>

namespace {

struct Item {
    const char* name;
    const char* what;
    std::function<Signal()> make;
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: soundgen OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    const Item items[] = {
        {"MP3_101", "start", Cues::Start},     {"MP3_102", "drop", Cues::Drop},
        {"MP3_103", "take", Cues::Take},       {"MP3_104", "fit", Cues::Fit},
        {"MP3_105", "solved", Cues::Solved},   {"MP3_106", "turn", Cues::Turn},
        {"MP3_107", "no pair", Cues::NoPair},  {"MP3_108", "track 1", Music::Track1},
        {"MP3_109", "track 2", Music::Track2}, {"MP3_110", "track 3", Music::Track3},
    };
    char wavTemplate[] = "/tmp/soundgen-XXXXXX";
    if (!mkdtemp(wavTemplate)) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string scratch = wavTemplate;
    int failures = 0;
    for (const Item& item : items) {
        Signal signal;
        try {
            signal = item.make();
        } catch (const std::exception& error) {
            std::fprintf(stderr, "%s: %s\n", item.name, error.what());
            ++failures;
            continue;
        }
        const std::string wav = scratch + "/" + item.name + ".wav";
        const std::string mp3 = folder + "/" + item.name + ".mp3";
        std::printf("%s  %-8s %6.3f s  peak %6.2f dBFS  RMS %6.2f dBFS\n", item.name, item.what,
                    signal.Seconds(), signal.PeakDbfs(), signal.RmsDbfs());
        if (!WavFile::Write(wav, signal)) {
            std::fprintf(stderr, "cannot write %s\n", wav.c_str());
            ++failures;
            continue;
        }
        // Constant 160 kbit/s at 44.1 kHz; LAME's info frame carries the encoder delay and
        // padding, so that the decoder gives back exactly the samples written here.
        const std::string command =
            "lame --quiet --noreplaygain -q 2 -b 160 --cbr '" + wav + "' '" + mp3 + "'";
        if (std::system(command.c_str()) != 0) {
            std::fprintf(stderr, "lame failed for %s\n", item.name);
            ++failures;
        }
        std::remove(wav.c_str());
    }
    rmdir(scratch.c_str());
    return failures == 0 ? 0 : 1;
}
