// The embedded sounds as the engine decodes them: lengths, levels and the loop seams.

#include "Mp3Stream.h"
#include "platform/ArtResources.h"

#include <QByteArray>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <vector>

namespace {

struct Decoded {
    std::vector<float> samples; // interleaved stereo
    double Seconds() const { return double(samples.size()) / 2.0 / 44100.0; }
    double PeakDbfs() const {
        float peak = 1e-9f;
        for (float x : samples)
            peak = std::max(peak, std::fabs(x));
        return 20.0 * std::log10(peak);
    }
    double RmsDbfs(std::size_t from = 0, std::size_t count = 0) const {
        if (count == 0)
            count = samples.size() - from;
        double sum = 0.0;
        for (std::size_t k = from; k < from + count; ++k)
            sum += double(samples[k]) * samples[k];
        return 10.0 * std::log10(std::max(sum / double(count), 1e-18));
    }
    // The half second around the loop's seam: the end's last quarter second and the
    // start's first.
    double SeamRmsDbfs() const {
        const std::size_t quarter = 2 * 11025;
        Decoded seam;
        seam.samples.assign(samples.end() - std::ptrdiff_t(quarter), samples.end());
        seam.samples.insert(seam.samples.end(), samples.begin(),
                            samples.begin() + std::ptrdiff_t(quarter));
        return seam.RmsDbfs();
    }
    // The loudest 50 ms of the sound.
    double LoudestDbfs() const {
        const std::size_t window = 2 * 2205;
        double loudest = -200.0;
        for (std::size_t from = 0; from + window <= samples.size(); from += 2 * 441)
            loudest = std::max(loudest, RmsDbfs(from, window));
        return loudest;
    }
};

Decoded Decode(int number) {
    const QByteArray mp3 = ArtResources::LoadMp3(QStringLiteral("MP3_%1").arg(number));
    Decoded decoded;
    auto stream = Mp3Stream::Open(reinterpret_cast<const unsigned char*>(mp3.constData()),
                                  std::size_t(mp3.size()));
    if (!stream)
        return decoded;
    std::vector<float> block(8192);
    while (std::size_t got = stream->Read(block.data(), 4096))
        decoded.samples.insert(decoded.samples.end(), block.begin(),
                               block.begin() + std::ptrdiff_t(2 * got));
    return decoded;
}

TEST(Content, CuesAreShortAndOnlyStartAndSolvedLast) {
    for (int number = 101; number <= 107; ++number) {
        const Decoded cue = Decode(number);
        ASSERT_FALSE(cue.samples.empty()) << number;
        std::printf("MP3_%d  %.3f s  peak %.2f dBFS  RMS %.2f dBFS\n", number, cue.Seconds(),
                    cue.PeakDbfs(), cue.RmsDbfs());
        if (number == 101 || number == 105)
            EXPECT_GT(cue.Seconds(), 0.6) << number;
        else
            EXPECT_LE(cue.Seconds(), 0.6) << number;
        EXPECT_LT(cue.PeakDbfs(), -1.0) << number;
    }
    const double solved = Decode(105).Seconds();
    EXPECT_GE(solved, 1.0);
    EXPECT_LE(solved, 2.0);
}

TEST(Content, TracksAreLongEquallyLoudWithoutPeaksAndCuesStandOut) {
    std::vector<double> loudness;
    for (int number = 108; number <= 110; ++number) {
        const Decoded track = Decode(number);
        std::printf("MP3_%d  %.3f s  peak %.2f dBFS  RMS %.2f dBFS  seam RMS %.2f dBFS\n", number,
                    track.Seconds(), track.PeakDbfs(), track.RmsDbfs(), track.SeamRmsDbfs());
        EXPECT_GE(track.Seconds(), 60.0) << number;
        EXPECT_LE(track.Seconds(), 90.0) << number;
        EXPECT_LT(track.PeakDbfs(), -1.0) << number;
        loudness.push_back(track.RmsDbfs());
    }
    const auto [quietest, loudest] = std::minmax_element(loudness.begin(), loudness.end());
    EXPECT_LE(*loudest - *quietest, 2.0);
    // Every cue's loudest moment stands at least 12 dB above the music.
    for (int number = 101; number <= 107; ++number)
        EXPECT_GE(Decode(number).LoudestDbfs(), *loudest + 12.0) << number;
}

TEST(Content, EachTrackJoinsItsEndToItsStartWithoutAJumpOrADip) {
    for (int number = 108; number <= 110; ++number) {
        const Decoded track = Decode(number);
        // The music does not breathe out before it starts again.
        EXPECT_NEAR(track.SeamRmsDbfs(), track.RmsDbfs(), 3.0) << number;
        const std::vector<float>& s = track.samples;
        const std::size_t frames = s.size() / 2;
        for (int channel = 0; channel < 2; ++channel) {
            std::vector<float> steps;
            for (std::size_t k = 1; k < frames; ++k)
                steps.push_back(std::fabs(s[2 * k + channel] - s[2 * (k - 1) + channel]));
            std::nth_element(steps.begin(), steps.begin() + std::ptrdiff_t(steps.size() * 99 / 100),
                             steps.end());
            const float usual = steps[steps.size() * 99 / 100];
            const float seam = std::fabs(s[channel] - s[2 * (frames - 1) + channel]);
            EXPECT_LE(seam, usual) << "MP3_" << number << " channel " << channel;
        }
    }
}

} // namespace
