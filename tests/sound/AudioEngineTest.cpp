// The engine without a device: streams, handles, looping, freeing, the level and the mix,
// observed through what the engine reports and what it mixes.

#include "AudioEngine.h"
#include "ManualOutput.h"
#include "Mp3Stream.h"
#include "TsAudio.h"
#include "TsAudioApi.h"
#include "platform/ArtResources.h"

#include <QByteArray>
#include <QFile>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <new>
#include <random>

// Every allocation and release of this program is counted while `countingHere` is set on
// the thread that makes it: the mix must do neither.
namespace {
thread_local bool countingHere = false;
thread_local int allocationsHere = 0;
} // namespace

void* operator new(std::size_t size) {
    if (countingHere)
        ++allocationsHere;
    if (void* memory = std::malloc(size ? size : 1))
        return memory;
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept {
    if (countingHere && memory)
        ++allocationsHere;
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    operator delete(memory);
}

namespace {

// The largest step between neighbouring samples of one channel.
float LargestStep(const std::vector<float>& samples) {
    float largest = 0.0f;
    for (std::size_t k = 2; k < samples.size(); ++k)
        largest = std::max(largest, std::fabs(samples[k] - samples[k - 2]));
    return largest;
}

// The RMS level of the interleaved frames [from, from + count).
float Rms(const std::vector<float>& samples, std::size_t from, std::size_t count) {
    double sum = 0.0;
    for (std::size_t k = 2 * from; k < 2 * (from + count); ++k)
        sum += double(samples[k]) * samples[k];
    return float(std::sqrt(sum / double(2 * count)));
}

const unsigned char* Bytes(const QByteArray& data) {
    return reinterpret_cast<const unsigned char*>(data.constData());
}

// Every sample of the MP3, decoded on its own.
std::vector<float> DecodeAll(const QByteArray& mp3) {
    auto stream = Mp3Stream::Open(Bytes(mp3), std::size_t(mp3.size()));
    std::vector<float> samples;
    if (!stream)
        return samples;
    std::vector<float> block(4096 * 2);
    while (std::size_t got = stream->Read(block.data(), 4096))
        samples.insert(samples.end(), block.begin(), block.begin() + std::ptrdiff_t(got * 2));
    return samples;
}

class Engine : public testing::Test {
protected:
    void SetUp() override {
        auto created = std::make_unique<ManualOutput>();
        output = created.get();
        ASSERT_TRUE(engine.Init(std::move(created)));
        drop = ArtResources::LoadMp3("MP3_102");
        fit = ArtResources::LoadMp3("MP3_104");
        track = ArtResources::LoadMp3("MP3_108");
        ASSERT_FALSE(drop.isEmpty());
        ASSERT_FALSE(track.isEmpty());
    }

    std::uint32_t Create(const QByteArray& mp3, std::uint32_t flags = 0) {
        return engine.CreateStream(Bytes(mp3), std::size_t(mp3.size()), flags);
    }

    AudioEngine engine;
    ManualOutput* output = nullptr;
    QByteArray drop, fit, track;
};

TEST_F(Engine, HandlesAreNonzeroAndUniqueAndStaleOnesAreHarmless) {
    const std::uint32_t a = Create(drop);
    const std::uint32_t b = Create(drop);
    EXPECT_NE(a, 0u);
    EXPECT_NE(b, 0u);
    EXPECT_NE(a, b);
    EXPECT_FALSE(engine.IsPlaying(a)); // created, not yet started
    EXPECT_TRUE(engine.FreeStream(a));
    // Freed and never issued handles: not playing, nothing to free or play.
    for (std::uint32_t stale : {a, 0u, b + 1000u, 0xFFFFFFFFu}) {
        EXPECT_FALSE(engine.IsPlaying(stale));
        EXPECT_FALSE(engine.FreeStream(stale));
        EXPECT_FALSE(engine.Play(stale, false));
    }
    EXPECT_EQ(engine.StreamCount(), 1u);
    // A new stream never gets a handle that was given out before.
    const std::uint32_t c = Create(drop);
    EXPECT_NE(c, a);
    EXPECT_NE(c, b);
}

TEST_F(Engine, NoStreamsWithoutAnOpenOutputAndTheNextSoundAfterALostDeviceReconnects) {
    AudioEngine closed;
    EXPECT_EQ(closed.CreateStream(Bytes(drop), std::size_t(drop.size()), 0), 0u);

    EXPECT_EQ(output->ConnectRequests(), 0); // nothing to play, nothing connected
    const std::uint32_t playing = Create(track, AudioEngine::Loop);
    ASSERT_TRUE(engine.Play(playing, false));
    EXPECT_GT(output->ConnectRequests(), 0);
    output->LoseDevice();
    EXPECT_FALSE(engine.IsPlaying(playing));
    EXPECT_EQ(engine.StreamCount(), 0u);
    // The sound server came back: the next sound asks for a connection again and plays.
    const int requests = output->ConnectRequests();
    const std::uint32_t again = Create(drop);
    ASSERT_NE(again, 0u);
    EXPECT_GT(output->ConnectRequests(), requests);
    ASSERT_TRUE(engine.Play(again, false));
    const std::vector<float> heard = output->Pull(2000);
    EXPECT_TRUE(std::any_of(heard.begin(), heard.end(), [](float x) { return x != 0.0f; }));

    // Released and opened again, the engine works as new.
    engine.Release();
    EXPECT_FALSE(engine.IsOpen());
    EXPECT_EQ(Create(drop), 0u);
    auto fresh = std::make_unique<ManualOutput>();
    output = fresh.get();
    ASSERT_TRUE(engine.Init(std::move(fresh)));
    EXPECT_FALSE(engine.Init(std::make_unique<ManualOutput>())); // already open
    EXPECT_NE(Create(drop), 0u);
}

TEST_F(Engine, ACueEndsAndStopsOrFreesItselfAsItsFlagsSay) {
    const std::size_t frames = DecodeAll(drop).size() / 2;
    const std::uint32_t kept = Create(drop);
    const std::uint32_t autoFreed = Create(drop, AudioEngine::AutoFree | 0x80);
    engine.Play(kept, false);
    engine.Play(autoFreed, false);
    output->Pull(frames - 1);
    EXPECT_TRUE(engine.IsPlaying(kept));
    EXPECT_TRUE(engine.IsPlaying(autoFreed));
    output->Pull(2);
    EXPECT_FALSE(engine.IsPlaying(kept));
    EXPECT_FALSE(engine.IsPlaying(autoFreed));
    EXPECT_EQ(engine.StreamCount(), 1u); // only the one without the flag is left
    EXPECT_FALSE(engine.FreeStream(autoFreed));
    // The ended stream plays again from its start.
    ASSERT_TRUE(engine.Play(kept, false));
    EXPECT_TRUE(engine.IsPlaying(kept));
}

TEST_F(Engine, ALoopingTrackStartsOverAtItsFirstSampleWithoutAGap) {
    const std::vector<float> once = DecodeAll(track);
    // 70 s exactly: the encoder's delay and padding are gone.
    ASSERT_EQ(once.size(), std::size_t(70 * 44100 * 2));
    const std::uint32_t loop = Create(track, AudioEngine::Loop | 0x80);
    engine.Play(loop, false);
    const std::vector<float> mixed = output->Pull(once.size() / 2 + 3000);
    EXPECT_TRUE(engine.IsPlaying(loop));
    // At full level and below the limiter's knee the mix is the track itself, so the
    // second round begins with exactly the first samples again.
    for (std::size_t k = 0; k < 6000; ++k)
        ASSERT_FLOAT_EQ(mixed[once.size() + k], once[k]) << k;
    EXPECT_FLOAT_EQ(mixed[once.size() - 1], once.back());
}

TEST_F(Engine, StopAllStopsEverythingAndFreesTheSelfFreeingStreams) {
    const std::uint32_t music = Create(track, AudioEngine::Loop);
    const std::uint32_t cue = Create(drop, AudioEngine::AutoFree);
    engine.Play(music, false);
    engine.Play(cue, false);
    engine.StopAll();
    EXPECT_FALSE(engine.IsPlaying(music));
    EXPECT_FALSE(engine.IsPlaying(cue));
    EXPECT_EQ(engine.StreamCount(), 1u);
    const std::vector<float> silence = output->Pull(1000);
    EXPECT_TRUE(std::all_of(silence.begin(), silence.end(), [](float x) { return x == 0.0f; }));
    EXPECT_TRUE(engine.Play(music, false));
}

TEST_F(Engine, RestartGoesBackToTheBeginning) {
    const std::vector<float> once = DecodeAll(fit);
    const std::uint32_t stream = Create(fit);
    engine.Play(stream, false);
    output->Pull(5000);
    engine.Play(stream, true);
    const std::vector<float> again = output->Pull(2000);
    for (std::size_t k = 0; k < again.size(); ++k)
        ASSERT_FLOAT_EQ(again[k], once[k]) << k;
}

TEST_F(Engine, TwoStreamsAreSummedAndScaledByTheLevel) {
    const std::vector<float> a = DecodeAll(drop);
    const std::vector<float> b = DecodeAll(fit);
    ASSERT_TRUE(engine.SetVolume(50));
    EXPECT_FLOAT_EQ(AudioEngine::Gain(50), 0.25f);
    engine.Play(Create(drop), false);
    engine.Play(Create(fit), false);
    const std::vector<float> mixed = output->Pull(b.size() / 2);
    for (std::size_t k = 0; k < mixed.size(); ++k) {
        const float expected = 0.25f * ((k < a.size() ? a[k] : 0.0f) + b[k]);
        ASSERT_NEAR(mixed[k], expected, 1e-6f) << k;
    }
}

TEST_F(Engine, LevelIsKeptWithinItsRangeAndSilenceAtZero) {
    EXPECT_EQ(engine.Volume(), 100);
    EXPECT_FALSE(engine.SetVolume(101));
    EXPECT_FALSE(engine.SetVolume(-1));
    EXPECT_EQ(engine.Volume(), 100);
    ASSERT_TRUE(engine.SetVolume(0));
    engine.Play(Create(drop), false);
    const std::vector<float> out = output->Pull(4000);
    EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](float x) { return x == 0.0f; }));
    EXPECT_FLOAT_EQ(AudioEngine::Gain(100), 1.0f);
}

TEST_F(Engine, LoudSumsAreBentToFullScaleAtMostAndQuietOnesPassUnchanged) {
    const std::vector<float> a = DecodeAll(drop);
    for (int k = 0; k < 6; ++k)
        engine.Play(Create(drop), false);
    const std::vector<float> mixed = output->Pull(a.size() / 2);
    float loudest = 0.0f;
    for (std::size_t k = 0; k < mixed.size(); ++k) {
        const float sum = 6.0f * a[k];
        ASSERT_LE(std::fabs(mixed[k]), 1.0f) << k;
        if (std::fabs(sum) < 0.8f)
            ASSERT_NEAR(mixed[k], sum, 1e-5f) << k;
        else
            ASSERT_LE(std::fabs(mixed[k]), std::fabs(sum) + 1e-5f) << k;
        // The bend keeps the order of the levels: never a fold-back.
        if (std::fabs(sum) > 1.5f)
            loudest = std::max(loudest, std::fabs(mixed[k]));
    }
    EXPECT_GT(loudest, 0.95f);
}

TEST_F(Engine, FreedMusicFadesOutOverAbout150MillisecondsIntoDigitalSilence) {
    // The caller's bytes are gone once the stream is freed: the fade must not need them.
    auto bytes =
        std::make_unique<std::vector<unsigned char>>(Bytes(track), Bytes(track) + track.size());
    const std::uint32_t music =
        engine.CreateStream(bytes->data(), bytes->size(), AudioEngine::Loop);
    engine.Play(music, false);
    output->Pull(44100);
    const float level = Rms(output->Pull(2205), 0, 2205);
    ASSERT_GT(level, 0.0f);
    ASSERT_TRUE(engine.FreeStream(music));
    std::fill(bytes->begin(), bytes->end(), 0xFF);
    bytes.reset();
    EXPECT_FALSE(engine.IsPlaying(music)); // for the game, it is gone at once
    EXPECT_EQ(engine.StreamCount(), 0u);
    const std::vector<float> fade = output->Pull(44100 / 2);
    // Still heard at first, fading, and exactly nothing from 150 ms on.
    EXPECT_GT(Rms(fade, 0, 2205), level * 0.5f);
    EXPECT_LT(Rms(fade, 4410, 2205), Rms(fade, 0, 2205) * 0.2f);
    const std::size_t end = Mixer::MusicFadeFrames;
    EXPECT_TRUE(std::all_of(fade.begin() + std::ptrdiff_t(2 * end), fade.end(),
                            [](float x) { return x == 0.0f; }));
}

TEST_F(Engine, AfterTheOutputRanDryTheSoundFadesBackInWithoutAStep) {
    engine.Play(Create(track, AudioEngine::Loop), false);
    const std::vector<float> before = output->Pull(44100);
    output->RunDry();
    const std::vector<float> after = output->Pull(4410);
    EXPECT_EQ(after[0], 0.0f);
    EXPECT_EQ(after[1], 0.0f);
    std::vector<float> joined(before.end() - 2, before.end());
    joined.push_back(0.0f);
    joined.push_back(0.0f);
    joined.insert(joined.end(), after.begin(), after.end());
    EXPECT_LE(LargestStep(joined), LargestStep(DecodeAll(track)));
    EXPECT_GT(Rms(after, 2205, 2205), 0.0f);
}

TEST_F(Engine, MixingNeverAllocatesOrFrees) {
    // Music, cues that end and free themselves, a restart, a freed cue fading out, a freed
    // track fading out, and the device lost: none of it allocates on the mixing thread.
    std::vector<float> buffer(2 * 1103);
    auto mix = [&](int periods) {
        for (int k = 0; k < periods; ++k) {
            countingHere = true;
            engine.Render(buffer.data(), 1103);
            engine.DecodeAhead();
            countingHere = false;
        }
    };
    const std::uint32_t music = Create(track, AudioEngine::Loop);
    engine.Play(music, false);
    mix(10);
    for (int k = 0; k < 4; ++k)
        engine.Play(Create(k % 2 ? drop : fit, AudioEngine::AutoFree), false);
    const std::uint32_t cue = Create(drop);
    engine.Play(cue, false);
    mix(5);
    engine.Play(cue, true);
    mix(5);
    engine.FreeStream(cue);
    engine.FreeStream(music);
    mix(30);
    engine.Play(Create(track, AudioEngine::Loop), false);
    mix(3);
    countingHere = true;
    engine.OutputFailed();
    countingHere = false;
    mix(3);
    EXPECT_EQ(allocationsHere, 0);
    EXPECT_EQ(engine.StreamCount(), 0u);
}

TEST(Mp3Input, BadBytesGiveNoStream) {
    const QByteArray track = ArtResources::LoadMp3("MP3_109");
    const unsigned char* data = Bytes(track);
    EXPECT_EQ(Mp3Stream::Open(data, 0), nullptr);
    EXPECT_EQ(Mp3Stream::Open(nullptr, 100), nullptr);
    // Cut short: its info frame declares more bytes than there are.
    for (std::size_t size : {std::size_t(4), std::size_t(200), std::size_t(track.size() / 2),
                             std::size_t(track.size() - 1)})
        EXPECT_EQ(Mp3Stream::Open(data, size), nullptr) << size;
    // No MP3 at all: zeros, text, a JPEG, noise.
    const std::vector<unsigned char> zeros(8192, 0);
    EXPECT_EQ(Mp3Stream::Open(zeros.data(), zeros.size()), nullptr);
    const QByteArray text = QByteArray("Das ist keine Musik.\n").repeated(200);
    EXPECT_EQ(Mp3Stream::Open(Bytes(text), std::size_t(text.size())), nullptr);
    QFile jpeg(":/jpg/100.jpg");
    ASSERT_TRUE(jpeg.open(QIODevice::ReadOnly));
    const QByteArray picture = jpeg.readAll();
    EXPECT_EQ(Mp3Stream::Open(Bytes(picture), std::size_t(picture.size())), nullptr);
    std::mt19937 random(5);
    std::vector<unsigned char> noise(16384);
    for (unsigned char& byte : noise)
        byte = static_cast<unsigned char>(random());
    EXPECT_EQ(Mp3Stream::Open(noise.data(), noise.size()), nullptr);
    // The whole file is fine.
    EXPECT_NE(Mp3Stream::Open(data, std::size_t(track.size())), nullptr);
}

// The exported functions on the process-wide engine, as the game calls them.
TEST(TsAudioApi, CallsAsTheGameMakesThem) {
    EXPECT_EQ(BASS_GetVersion(), 0x00010002u);
    EXPECT_EQ(BASS_Init(2, 44100, 0, 0, nullptr), 0); // no such device
    EXPECT_EQ(BASS_Init(1, 48000, 0, 0, nullptr), 0); // the mix runs at 44.1 kHz only
    ASSERT_TRUE(TsAudio::Engine().Init(std::make_unique<ManualOutput>()));
    EXPECT_EQ(BASS_Init(1, 44100, 0, 0, nullptr), 0); // already open

    const QByteArray cue = ArtResources::LoadMp3("MP3_103");
    // Files by name are not read, and an empty or damaged cue gives handle 0.
    EXPECT_EQ(BASS_StreamCreateFile(0, cue.constData(), 0, std::uint32_t(cue.size()), 0), 0u);
    EXPECT_EQ(BASS_StreamCreateFile(-1, cue.constData(), 0, 0, 0x40080), 0u);
    EXPECT_EQ(BASS_StreamCreateFile(-1, cue.constData(), 0, 100, 0x40080), 0u);
    const std::uint32_t handle =
        BASS_StreamCreateFile(-1, cue.constData(), 0, std::uint32_t(cue.size()), 0x40080);
    ASSERT_NE(handle, 0u);
    EXPECT_EQ(BASS_ChannelIsActive(handle), 0u);
    EXPECT_EQ(BASS_ChannelPlay(handle, 0), 1);
    EXPECT_EQ(BASS_ChannelIsActive(handle), 1u);
    EXPECT_EQ(BASS_StreamFree(handle), 1);
    EXPECT_EQ(BASS_ChannelIsActive(handle), 0u);
    EXPECT_EQ(BASS_StreamFree(handle), 0);

    EXPECT_EQ(BASS_SetVolume(101), 0);
    EXPECT_EQ(BASS_SetVolume(35), 1);
    EXPECT_EQ(BASS_GetVolume(), 35u);
    BASS_SetVolume(100);
    EXPECT_EQ(BASS_Stop(), 1);
    EXPECT_EQ(BASS_Free(), 1);
    EXPECT_EQ(BASS_Free(), 0);
}

} // namespace
