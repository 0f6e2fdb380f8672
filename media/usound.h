#pragma once
// Sound effects and background music. The game talks to a SoundSystem; SDL2_mixer plays for
// real, and a silent system stands in when no audio device can be opened, so the game never
// has to ask whether sound works.

#include "core/frontend.h"
#include "core/uglobal.h"

#include <filesystem>
#include <memory>
#include <string>

namespace w4 {

// The Music > Load dialog filter, in the "Caption|patterns|Caption|patterns" form.
inline constexpr const char* MusicFileFilter = "Music Files|*.mid;*.mod;*.s3m;*.it;*.xm|All Files|*.*";

// "Music Files|*.mid;*.mod|All Files|*.*" -> "Music Files (*.mid *.mod);;All Files (*)".
std::string ToQtFileFilter(const std::string& filter);

// ProgramFolder/musics/boxyard4.s3m: the default of MUSIC/FileName.
std::string DefaultMusicFileName(const std::filesystem::path& programFolder);
// ProgramFolder/sounds/Warehaus4/<kick|move|push|win>.wav
std::filesystem::path SampleFilePath(const std::filesystem::path& programFolder, Sample sample);

// Settings percentages to the library's scales: music 0..256, samples 0..255 (truncated;
// values outside 0..100 are clamped to the scale's ends).
int MusicMasterVolume(int musicVolumePercent);
int SampleDefaultVolume(int soundVolumePercent);

class SoundSystem {
public:
    virtual ~SoundSystem() = default;

    // Opens the output and loads the four samples from ProgramFolder; a missing or unreadable
    // sample is left empty. False when no audio output could be opened.
    virtual bool InitSound(const std::filesystem::path& programFolder) = 0;
    // Music master volume and the samples' volume, from MusicVolume and SoundVolume.
    virtual void ApplyVolumes(int musicVolumePercent, int soundVolumePercent) = 0;
    // Plays the sample on any free channel, over whatever already plays; nothing when the
    // sample is empty. (SoundsEnabled is the caller's gate: see PlaySample below.)
    virtual void PlaySample(Sample sample) = 0;
    // A missing file leaves the module as it was (false); a file the library rejects leaves
    // no module (false); otherwise the new module replaces the old one (true) and plays at the
    // library's own volume until ApplyVolumes is called again.
    virtual bool LoadSong(const std::string& path) = 0;
    // Starts the module, looping; nothing without one.
    virtual void PlaySong() = 0;
    virtual void StopMusic() = 0;
    // Frees samples and module and closes the output. Safe to call twice.
    virtual void CloseSound() = 0;

    virtual bool HasSample(Sample sample) const = 0;
    virtual bool HasMusicModule() const = 0;
    // Music audibly playing (a muted module counts as not playing).
    virtual bool IsMusicPlaying() const = 0;
    virtual bool IsSamplePlaying() const = 0;
};

// Plays nothing; every query says nothing is loaded.
class SilentSoundSystem final : public SoundSystem {
public:
    bool InitSound(const std::filesystem::path&) override { return true; }
    void ApplyVolumes(int, int) override {}
    void PlaySample(Sample) override {}
    bool LoadSong(const std::string&) override { return false; }
    void PlaySong() override {}
    void StopMusic() override {}
    void CloseSound() override {}
    bool HasSample(Sample) const override { return false; }
    bool HasMusicModule() const override { return false; }
    bool IsMusicPlaying() const override { return false; }
    bool IsSamplePlaying() const override { return false; }
};

// SDL2_mixer: 44.1 kHz stereo, 64 mixing channels; MOD/S3M/IT/XM and MIDI (FluidSynth).
std::unique_ptr<SoundSystem> MakeSdlSoundSystem();

// --- What the window does, one call per event ------------------------------------------------

// Start-up, after the settings are read: the SDL system (or the silent one when no output
// opens), the samples, LoadSong(MusicFileName), ApplyVolumes, then PlaySong when MusicAutoPlay.
std::unique_ptr<SoundSystem> StartSound(const GameState& g);
// Same sequence on a system the caller made (tests, or another backend).
void StartSound(const GameState& g, SoundSystem& sound);

// The Frontend's PlaySample: plays only while SoundsEnabled.
void PlaySample(const GameState& g, SoundSystem& sound, Sample sample);

// Music > Play: MusicAutoPlay := true, PlaySong.
void MusicPlay(GameState& g, SoundSystem& sound);
// Music > Stop: MusicAutoPlay := false, StopMusic.
void MusicStop(GameState& g, SoundSystem& sound);
// Music > Load once a file is chosen: MusicFileName := file, StopMusic, LoadSong, PlaySong,
// MusicAutoPlay := true. (A cancelled dialog calls nothing.)
void MusicLoad(GameState& g, SoundSystem& sound, const std::string& chosenFile);
// Sounds > Enabled / Disabled.
void SetSoundsEnabled(GameState& g, bool enabled);

} // namespace w4
