// Sound: volume scales, the menu commands, and real playback through SDL's disk audio driver,
// which writes the mixed output to a file (S16LE stereo, exact zeros for silence).

#include "media/usound.h"

#include <gtest/gtest.h>

#include <SDL.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace w4;

namespace {

const fs::path SourceDir = W4_SOURCE_DIR;

// --- Scales and names ----------------------------------------------------------------------

TEST(SoundVolumes, PercentagesScaleTruncatedAndClamped) {
    struct Row { int Percent, Music, Sample; };
    const Row rows[] = {
        {100, 256, 255}, {50, 128, 127}, {0, 0, 0}, {1, 2, 2}, {33, 84, 84},
        {150, 256, 255}, {-20, 0, 0},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(MusicMasterVolume(r.Percent), r.Music) << r.Percent;
        EXPECT_EQ(SampleDefaultVolume(r.Percent), r.Sample) << r.Percent;
    }
}

TEST(SoundFiles, PathsUseTheNativeSeparator) {
    EXPECT_EQ(DefaultMusicFileName("/opt/w4/"), "/opt/w4/musics/boxyard4.s3m");
    EXPECT_EQ(SampleFilePath("/opt/w4/", Sample::Kick), fs::path("/opt/w4/sounds/Warehaus4/kick.wav"));
    EXPECT_EQ(SampleFilePath("/opt/w4/", Sample::Win), fs::path("/opt/w4/sounds/Warehaus4/win.wav"));
}

TEST(SoundFiles, MusicFilterInQtForm) {
    EXPECT_EQ(ToQtFileFilter(MusicFileFilter), "Music Files (*.mid *.mod *.s3m *.it *.xm);;All Files (*)");
    EXPECT_EQ(ToQtFileFilter("Levels|*.xsb"), "Levels (*.xsb)");
    EXPECT_EQ(ToQtFileFilter(""), "");
}

// --- Menu commands, against a recording system ------------------------------------------------

class RecordingSound final : public SoundSystem {
public:
    std::vector<std::string> Calls;
    bool InitSound(const fs::path& folder) override { Calls.push_back("Init " + folder.string()); return true; }
    void ApplyVolumes(int m, int s) override { Calls.push_back("Volumes " + std::to_string(m) + " " + std::to_string(s)); }
    void PlaySample(Sample s) override { Calls.push_back("Sample " + std::to_string(static_cast<int>(s))); }
    bool LoadSong(const std::string& p) override { Calls.push_back("Load " + p); return true; }
    void PlaySong() override { Calls.push_back("Play"); }
    void StopMusic() override { Calls.push_back("Stop"); }
    void CloseSound() override { Calls.push_back("Close"); }
    bool HasSample(Sample) const override { return true; }
    bool HasMusicModule() const override { return true; }
    bool IsMusicPlaying() const override { return false; }
    bool IsSamplePlaying() const override { return false; }
};

TEST(SoundCommands, StartUpLoadsTheSongBeforeVolumesAndPlaysOnlyWhenAutoPlay) {
    GameState g;
    g.ProgramFolder = "/w4/";
    g.MusicFileName = "/w4/tune.xm";
    g.MusicVolume = 70;
    g.SoundVolume = 30;
    for (bool autoPlay : {false, true}) {
        g.MusicAutoPlay = autoPlay;
        RecordingSound sound;
        StartSound(g, sound);
        std::vector<std::string> expected{"Init /w4/", "Load /w4/tune.xm", "Volumes 70 30"};
        if (autoPlay) expected.push_back("Play");
        EXPECT_EQ(sound.Calls, expected);
    }
}

TEST(SoundCommands, MusicMenuSetsAutoPlayAndFileName) {
    GameState g;
    g.MusicFileName = "old.s3m";
    RecordingSound sound;

    MusicPlay(g, sound);
    EXPECT_TRUE(g.MusicAutoPlay);
    MusicStop(g, sound);
    EXPECT_FALSE(g.MusicAutoPlay);
    // Load turns music on even when it was stopped, and replaces rather than mixes.
    MusicLoad(g, sound, "new.xm");
    EXPECT_TRUE(g.MusicAutoPlay);
    EXPECT_EQ(g.MusicFileName, "new.xm");
    EXPECT_EQ(sound.Calls, (std::vector<std::string>{"Play", "Stop", "Stop", "Load new.xm", "Play"}));
}

TEST(SoundCommands, SamplesPlayOnlyWhileEnabled) {
    GameState g;
    RecordingSound sound;
    PlaySample(g, sound, Sample::Push);  // default: sounds off
    SetSoundsEnabled(g, true);
    PlaySample(g, sound, Sample::Win);
    SetSoundsEnabled(g, false);
    PlaySample(g, sound, Sample::Kick);
    EXPECT_EQ(sound.Calls, (std::vector<std::string>{"Sample " + std::to_string(static_cast<int>(Sample::Win))}));
}

// --- Real playback through the disk driver --------------------------------------------------

struct Output {
    std::uint64_t Frames = 0;
    std::uint64_t Energy = 0;  // sum of |sample|
    bool Silent() const { return Energy == 0; }
};

class SoundPlayback : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() / ("w4sound_" + std::to_string(::getpid()) + "_" + info->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "sounds" / "Warehaus4");
        fs::create_directories(dir_ / "musics");
        for (const char* f : {"kick.wav", "move.wav", "push.wav", "win.wav"})
            fs::copy_file(SourceDir / "sounds" / "Warehaus4" / f, dir_ / "sounds" / "Warehaus4" / f);
        fs::copy_file(SourceDir / "musics" / "boxyard4.s3m", dir_ / "musics" / "boxyard4.s3m");
        g_.ProgramFolder = dir_.string() + "/";
        g_.MusicFileName = DefaultMusicFileName(g_.ProgramFolder);
        ::setenv("SDL_AUDIODRIVER", "disk", 1);
    }
    void TearDown() override {
        if (sound_) sound_->CloseSound();
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }

    // A fresh output file per session: StartSound opens the device, CloseSound ends the file.
    void Start(const std::string& name = "out.raw") {
        out_ = dir_ / name;
        ::setenv("SDL_DISKAUDIOFILE", out_.string().c_str(), 1);
        sound_ = StartSound(g_);
        ASSERT_TRUE(sound_->HasSample(Sample::Move)) << "the disk audio driver did not open";
    }

    // Lets queued samples finish (bounded), plus a little more output.
    void Drain() {
        for (int i = 0; i < 200 && sound_->IsSamplePlaying(); ++i) SDL_Delay(10);
        SDL_Delay(60);
    }

    Output Finish() {
        sound_->CloseSound();
        std::ifstream in(out_, std::ios::binary);
        Output o;
        std::int16_t s = 0;
        std::uint64_t n = 0;
        while (in.read(reinterpret_cast<char*>(&s), sizeof s)) {
            o.Energy += static_cast<std::uint64_t>(s < 0 ? -static_cast<int>(s) : s);
            ++n;
        }
        o.Frames = n / 2;
        return o;
    }

    fs::path dir_, out_;
    GameState g_;
    std::unique_ptr<SoundSystem> sound_;
};

TEST_F(SoundPlayback, APushSoundsLouderThanAStepAlone) {
    g_.SoundsEnabled = true;
    Start("step.raw");
    PlaySample(g_, *sound_, Sample::Move);
    Drain();
    const Output step = Finish();

    Start("push.raw");
    // The move engine plays both for a push; they overlap rather than queue.
    PlaySample(g_, *sound_, Sample::Move);
    PlaySample(g_, *sound_, Sample::Push);
    Drain();
    const Output push = Finish();

    EXPECT_GT(step.Frames, 0u);
    EXPECT_FALSE(step.Silent());
    EXPECT_GT(push.Energy, step.Energy);
}

TEST_F(SoundPlayback, DisabledSoundsStaySilent) {
    g_.SoundsEnabled = false;
    Start();
    PlaySample(g_, *sound_, Sample::Move);
    PlaySample(g_, *sound_, Sample::Push);
    Drain();
    const Output o = Finish();
    EXPECT_GT(o.Frames, 0u);  // the device ran; it only wrote silence
    EXPECT_TRUE(o.Silent());
}

TEST_F(SoundPlayback, SoundVolumeZeroStaysSilent) {
    g_.SoundsEnabled = true;
    g_.SoundVolume = 0;
    Start();
    PlaySample(g_, *sound_, Sample::Push);
    PlaySample(g_, *sound_, Sample::Kick);
    Drain();
    const Output o = Finish();
    EXPECT_GT(o.Frames, 0u);
    EXPECT_TRUE(o.Silent());
}

TEST_F(SoundPlayback, MissingSampleIsSkippedAndTheOthersStillPlay) {
    fs::remove(dir_ / "sounds" / "Warehaus4" / "push.wav");
    g_.SoundsEnabled = true;
    Start("push.raw");
    EXPECT_FALSE(sound_->HasSample(Sample::Push));
    EXPECT_TRUE(sound_->HasSample(Sample::Kick));
    EXPECT_TRUE(sound_->HasSample(Sample::Win));
    PlaySample(g_, *sound_, Sample::Push);
    Drain();
    EXPECT_TRUE(Finish().Silent());

    Start("move.raw");
    PlaySample(g_, *sound_, Sample::Move);
    Drain();
    EXPECT_FALSE(Finish().Silent());
}

TEST_F(SoundPlayback, AutoPlayStartsTheDefaultModuleAtStartUp) {
    g_.MusicAutoPlay = true;
    Start();
    EXPECT_TRUE(sound_->HasMusicModule());
    EXPECT_TRUE(sound_->IsMusicPlaying());
    SDL_Delay(300);
    EXPECT_FALSE(Finish().Silent());
}

TEST_F(SoundPlayback, MusicVolumeZeroKeepsTheModuleQuiet) {
    g_.MusicAutoPlay = true;
    g_.MusicVolume = 0;
    Start();
    MusicPlay(g_, *sound_);
    EXPECT_FALSE(sound_->IsMusicPlaying());
    SDL_Delay(200);
    EXPECT_TRUE(Finish().Silent());
}

// The settings' volume belongs to the module loaded at start-up; one loaded later with
// Music > Load plays at the library's own volume, so a volume of 0 does not silence it for good.
TEST_F(SoundPlayback, ModuleLoadedAfterVolumeZeroIsHeard) {
    g_.MusicAutoPlay = true;
    g_.MusicVolume = 0;
    Start();
    ASSERT_FALSE(sound_->IsMusicPlaying());
    MusicLoad(g_, *sound_, (dir_ / "musics" / "boxyard4.s3m").string());
    EXPECT_TRUE(sound_->IsMusicPlaying());
    SDL_Delay(300);
    EXPECT_FALSE(Finish().Silent());
}

TEST_F(SoundPlayback, StopQuitRestartGivesNoMusic) {
    g_.MusicAutoPlay = true;
    Start("first.raw");
    ASSERT_TRUE(sound_->IsMusicPlaying());
    MusicStop(g_, *sound_);
    EXPECT_FALSE(sound_->IsMusicPlaying());
    Finish();  // quit; MusicAutoPlay is what the settings file keeps

    Start("second.raw");
    EXPECT_TRUE(sound_->HasMusicModule());
    EXPECT_FALSE(sound_->IsMusicPlaying());
    SDL_Delay(200);
    EXPECT_TRUE(Finish().Silent());
}

// One note on General MIDI piano: the smallest file FluidSynth will play.
void WriteMidi(const fs::path& path) {
    const unsigned char bytes[] = {
        'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96,
        'M', 'T', 'r', 'k', 0, 0, 0, 12,
        0x00, 0x90, 60, 100,   // note on, middle C
        0x83, 0x00, 0x80, 60, 0,  // 384 ticks later, note off
        0x00, 0xFF, 0x2F, 0x00,   // end of track
    };
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

TEST_F(SoundPlayback, LoadReplacesThePlayingModuleAndTurnsMusicOn) {
    g_.MusicAutoPlay = true;
    Start();
    ASSERT_TRUE(sound_->IsMusicPlaying());
    MusicStop(g_, *sound_);

    const fs::path midi = dir_ / "tune.mid";
    WriteMidi(midi);
    MusicLoad(g_, *sound_, midi.string());
    EXPECT_EQ(g_.MusicFileName, midi.string());
    EXPECT_TRUE(g_.MusicAutoPlay);
    EXPECT_TRUE(sound_->HasMusicModule());
    EXPECT_TRUE(sound_->IsMusicPlaying());

    // And back to a tracker module while the MIDI one plays.
    MusicLoad(g_, *sound_, (dir_ / "musics" / "boxyard4.s3m").string());
    EXPECT_TRUE(sound_->IsMusicPlaying());
    SDL_Delay(200);
    EXPECT_FALSE(Finish().Silent());
}

TEST_F(SoundPlayback, RejectedFileLeavesNoModuleAndPlayDoesNothing) {
    const fs::path junk = dir_ / "junk.xm";
    std::ofstream(junk) << "not a module, just some words in a file\n";
    Start();
    ASSERT_TRUE(sound_->HasMusicModule());
    MusicLoad(g_, *sound_, junk.string());
    EXPECT_FALSE(sound_->HasMusicModule());
    EXPECT_TRUE(g_.MusicAutoPlay);
    MusicPlay(g_, *sound_);
    EXPECT_FALSE(sound_->IsMusicPlaying());
    SDL_Delay(200);
    EXPECT_TRUE(Finish().Silent());
}

TEST_F(SoundPlayback, MissingMusicFileKeepsTheModuleInUse) {
    Start();
    ASSERT_TRUE(sound_->HasMusicModule());
    EXPECT_FALSE(sound_->LoadSong((dir_ / "gone.s3m").string()));
    EXPECT_TRUE(sound_->HasMusicModule());
    MusicPlay(g_, *sound_);
    EXPECT_TRUE(sound_->IsMusicPlaying());
}

TEST_F(SoundPlayback, NoAudioDeviceFallsBackToSilence) {
    ::setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    g_.MusicAutoPlay = true;
    g_.SoundsEnabled = true;
    sound_ = StartSound(g_);
    EXPECT_NE(dynamic_cast<SilentSoundSystem*>(sound_.get()), nullptr);
    PlaySample(g_, *sound_, Sample::Win);
    MusicLoad(g_, *sound_, g_.MusicFileName);
    EXPECT_FALSE(sound_->IsMusicPlaying());
    EXPECT_TRUE(g_.MusicAutoPlay);
}

} // namespace
