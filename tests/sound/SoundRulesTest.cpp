// The game's sound rules, played in a real main window against the engine linked into the
// test: which slot's stream plays, which track, and what the output level is.

#include "AudioEngine.h"
#include "ManualOutput.h"
#include "ModalDriver.h"
#include "TestAudio.h"
#include "TsAudio.h"
#include "dialogs/TInfoForm.h"
#include "game/TFormPuzzle.h"
#include "game/VarUnit.h"
#include "platform/Random.h"
#include "sound/Bass_Dynamic.h"
#include "sound/SoundCues.h"
#include "storage/Settings.h"
#include "storage/Statistics.h"
#include "widgets/WDTOBU.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <set>

namespace {

class SoundRules : public testing::Test {
protected:
    void SetUp() override {
        ResetSettings();
        ResetStatistics();
        Random::FixSeed(17);
        output = &TestAudio::Open();
        form = std::make_unique<TFormPuzzle>();
        ASSERT_TRUE(form->FormCreate());
    }
    void TearDown() override {
        form.reset();
        TestAudio::Close();
    }

    void StartGame() {
        PlayMode = ModeStandard;
        GameSize = 1;
        form->StartPuzzle();
    }

    ManualOutput* output = nullptr;
    std::unique_ptr<TFormPuzzle> form;
};

TEST_F(SoundRules, ACueTriggeredAgainStartsOverWhileDifferentCuesOverlap) {
    PlaySoundTake();
    const std::uint32_t first = SoundChannels[3];
    PlaySoundTake();
    EXPECT_NE(SoundChannels[3], first);
    EXPECT_FALSE(TsAudio::Engine().IsPlaying(first)); // freed, not sounding twice
    EXPECT_TRUE(TestAudio::Playing(3));
    PlaySoundDrop();
    PlaySoundFit();
    EXPECT_EQ(TestAudio::PlayingSlots(), std::vector<int>({2, 3, 4}));
    EXPECT_EQ(TsAudio::Engine().StreamCount(), 3u);
    // A cue that has ended leaves a stale handle in its slot, which is harmless.
    output->Pull(44100);
    EXPECT_TRUE(TestAudio::PlayingSlots().empty());
    PlaySoundTake();
    EXPECT_TRUE(TestAudio::Playing(3));
}

TEST_F(SoundRules, MusicLoopsOnSlotEightAndTheSwitchesActOnTheNextSound) {
    Sound = false;
    StartGame();
    EXPECT_EQ(TestAudio::PlayingSlots(), std::vector<int>({8})); // no start cue, but music
    for (int second = 0; second < 76; ++second)                  // longer than the longest track
        output->Pull(44100);
    EXPECT_TRUE(TestAudio::Playing(8)); // still playing after a whole round
    PlaySoundFit();
    EXPECT_FALSE(TestAudio::Playing(4));

    Sound = true;
    Music = false;
    StopMusic();
    MusicTrack = 2;
    NewMusicTrack = true;
    PlayMusic();
    EXPECT_FALSE(TestAudio::Playing(8));
    EXPECT_EQ(MusicTrack, 2);
    EXPECT_TRUE(NewMusicTrack);
    PlaySoundFit();
    EXPECT_TRUE(TestAudio::Playing(4));
}

TEST_F(SoundRules, NewGamesDrawTracksAndAClockTickRestartsTheSameTrack) {
    std::set<int> drawn;
    for (int game = 0; game < 20; ++game) {
        StartGame();
        ASSERT_TRUE(TestAudio::Playing(8));
        EXPECT_TRUE(NewMusicTrack);
        drawn.insert(MusicTrack);
    }
    EXPECT_EQ(drawn, std::set<int>({1, 2, 3}));

    // Music switched on during a game comes in at the next tick with the current track.
    const int track = MusicTrack;
    for (int tick = 0; tick < 10; ++tick) {
        StopMusic();
        form->TimerCounterTimer();
        ASSERT_TRUE(TestAudio::Playing(8));
        ASSERT_EQ(MusicTrack, track);
    }
}

TEST_F(SoundRules, AGameWithMusicOffKeepsItsTrackForTheNextGame) {
    StartGame();
    const int track = MusicTrack;
    Music = false;
    StopMusic(); // as the game start dialog does
    StartGame();
    form->TimerCounterTimer(); // the tick clears NewMusicTrack, PlayMusic does nothing
    EXPECT_FALSE(TestAudio::Playing(8));
    EXPECT_FALSE(NewMusicTrack);
    Music = true;
    StartGame();
    EXPECT_TRUE(TestAudio::Playing(8));
    EXPECT_EQ(MusicTrack, track);
    EXPECT_TRUE(NewMusicTrack); // the game after it draws again
}

TEST_F(SoundRules, PauseStopsTheMusicAtTheNextTickAndReleasingRestartsIt) {
    StartGame();
    const int track = MusicTrack;
    const std::uint32_t before = SoundChannels[8];
    form->mPauseClick();
    EXPECT_TRUE(TestAudio::Playing(8)); // not before the tick
    form->TimerCounterTimer();
    EXPECT_FALSE(TestAudio::Playing(8));
    form->TimerCounterTimer();
    EXPECT_FALSE(TestAudio::Playing(8));
    form->mPauseClick();
    form->TimerCounterTimer();
    EXPECT_TRUE(TestAudio::Playing(8));
    EXPECT_EQ(MusicTrack, track);
    EXPECT_NE(SoundChannels[8], before); // from its beginning, as a new stream
}

TEST_F(SoundRules, ADialogStopsTheMusicWhileShownAndResumesTheSameTrack) {
    TInfoForm info;
    InfoForm = &info;
    StartGame();
    const int track = MusicTrack;
    bool playingWhileShown = true;
    ModalDriver::AnswerNext([&playingWhileShown](QWidget* dialog) {
        playingWhileShown = TestAudio::Playing(8) || !DialogOpen;
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    form->mInfoClick();
    EXPECT_FALSE(playingWhileShown);
    EXPECT_TRUE(TestAudio::Playing(8));
    EXPECT_EQ(MusicTrack, track);

    // Without music before the dialog there is none after it either.
    StopMusic();
    ModalDriver::PressKeyOnNext(Qt::Key_Escape);
    form->mInfoClick();
    EXPECT_FALSE(TestAudio::Playing(8));
    InfoForm = nullptr;
}

TEST_F(SoundRules, SettingsChangeTheLevelOnlyWhenItDiffers) {
    static int setCalls = 0;
    static decltype(Bass.BASS_SetVolume) realSet = nullptr;
    realSet = Bass.BASS_SetVolume;
    Bass.BASS_SetVolume = [](std::uint32_t volume) {
        ++setCalls;
        return realSet(volume);
    };
    EXPECT_EQ(TsAudio::Engine().Volume(), 50); // the setting, applied at start-up
    setCalls = 0;
    ApplyVolumeSetting();
    EXPECT_EQ(setCalls, 0);
    Volume = 80;
    ApplyVolumeSetting();
    EXPECT_EQ(setCalls, 1);
    EXPECT_EQ(TsAudio::Engine().Volume(), 80);
}

TEST_F(SoundRules, ExitPutsTheLevelBackAndReleasesEverything) {
    form.reset();
    TestAudio::Open();
    TsAudio::Engine().SetVolume(73); // what the engine had before the program started
    form = std::make_unique<TFormPuzzle>();
    ASSERT_TRUE(form->FormCreate());
    EXPECT_EQ(SavedVolume, 73u);
    EXPECT_EQ(TsAudio::Engine().Volume(), Volume);
    StartGame();
    PlaySoundTake();
    form.reset();
    EXPECT_EQ(TsAudio::Engine().Volume(), 73);
    EXPECT_EQ(TsAudio::Engine().StreamCount(), 0u);
    EXPECT_FALSE(TsAudio::Engine().IsOpen());
}

TEST(SoundBinding, AnEngineOfAnotherVersionEndsTheProgramSilently) {
    ResetSettings();
    TestAudio::Open();
    TsAudio::Engine().Release();
    Bass.BASS_GetVersion = [] { return 0x00020004u; };
    {
        TFormPuzzle form;
        EXPECT_FALSE(form.FormCreate());
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
    EXPECT_FALSE(TsAudio::Engine().IsOpen()); // not even opened
    TestAudio::Close();
}

TEST(SoundBinding, WithoutAnEngineTheGameRunsSilent) {
    ResetSettings();
    Bass = TBassFunctions{};
    TFormPuzzle form;
    ASSERT_TRUE(form.FormCreate());
    PlayMode = ModeStandard;
    GameSize = 1;
    form.StartPuzzle();
    EXPECT_TRUE(PiecesCreated);
    PlaySoundTake();
    form.TimerCounterTimer();
    form.mConfigClick();
    EXPECT_FALSE(MusicPlaying());
    EXPECT_EQ(SoundChannels[1], 0u);
}

TEST(SoundBinding, TheCarriedImageFillsTheTableAndUnbindingEmptiesIt) {
    // The engine lies beside the test program, as it lies beside the game.
    BindBass();
    ASSERT_NE(Bass.BASS_GetVersion, nullptr);
    EXPECT_EQ(Bass.BASS_GetVersion(), 0x00010002u);
    EXPECT_NE(Bass.BASS_Init, nullptr);
    EXPECT_NE(Bass.BASS_StreamCreateFile, nullptr);
    EXPECT_NE(Bass.BASS_Free, nullptr);
    UnbindBass();
    EXPECT_EQ(Bass.BASS_GetVersion, nullptr);
    EXPECT_EQ(Bass.BASS_Free, nullptr);
}

} // namespace
