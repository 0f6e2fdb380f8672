#include "media/usound.h"

#include "media/sdlapi.h"

#include <algorithm>
#include <array>
#include <system_error>
#include <vector>

namespace w4 {

namespace {

const sdl::Api& Sdl() { return *sdl::Load(); }

constexpr std::array<Sample, 4> LoadOrder{Sample::Kick, Sample::Move, Sample::Push, Sample::Win};
constexpr std::array<Sample, 4> FreeOrder{Sample::Move, Sample::Push, Sample::Kick, Sample::Win};

const char* SampleFileName(Sample sample) {
    switch (sample) {
    case Sample::Kick: return "kick.wav";
    case Sample::Move: return "move.wav";
    case Sample::Push: return "push.wav";
    case Sample::Win: return "win.wav";
    }
    return "";
}

std::size_t Slot(Sample sample) { return static_cast<std::size_t>(sample); }

bool IsRegularFile(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

class SdlSoundSystem final : public SoundSystem {
public:
    ~SdlSoundSystem() override { CloseSound(); }

    bool InitSound(const std::filesystem::path& programFolder) override {
        if (open_) return true;
        // Qt owns the process's signals; SDL must not turn Ctrl+C into an event nobody reads.
        Sdl().SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (Sdl().SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
        Sdl().Mix_Init(MIX_INIT_MOD | MIX_INIT_MID);
        if (Sdl().Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
            Sdl().Mix_Quit();
            Sdl().SDL_QuitSubSystem(SDL_INIT_AUDIO);
            return false;
        }
        open_ = true;
        Sdl().Mix_AllocateChannels(64);
        for (Sample s : LoadOrder) {
            const auto path = SampleFilePath(programFolder, s);
            if (IsRegularFile(path))
                samples_[Slot(s)] = Sdl().Mix_LoadWAV_RW(Sdl().SDL_RWFromFile(path.string().c_str(), "rb"), 1);
        }
        return true;
    }

    void ApplyVolumes(int musicVolumePercent, int soundVolumePercent) override {
        if (!open_) return;
        const int music = MusicMasterVolume(musicVolumePercent);
        const int sample = SampleDefaultVolume(soundVolumePercent);
        // libmodplug still sounds at mixer volume 0, so a muted module is never started.
        musicMuted_ = music == 0;
        if (musicMuted_) Sdl().Mix_HaltMusic();
        Sdl().Mix_VolumeMusic(music * MIX_MAX_VOLUME / 256);
        for (Sample s : LoadOrder)
            if (Mix_Chunk* chunk = samples_[Slot(s)]) Sdl().Mix_VolumeChunk(chunk, sample * MIX_MAX_VOLUME / 255);
    }

    void PlaySample(Sample sample) override {
        if (!open_) return;
        if (Mix_Chunk* chunk = samples_[Slot(sample)]) Sdl().Mix_PlayChannelTimed(-1, chunk, 0, -1);
    }

    bool LoadSong(const std::string& path) override {
        if (!open_ || !IsRegularFile(path)) return false;
        Mix_Music* loaded = Sdl().Mix_LoadMUS(path.c_str());
        if (music_) Sdl().Mix_FreeMusic(music_);  // halts it first when it is the one playing
        music_ = loaded;
        // The settings' volume belongs to the module it was applied to: a new module plays at
        // the library's own volume (start-up applies the volumes after its load), so a volume of
        // 0 does not keep every later module silent.
        musicMuted_ = false;
        Sdl().Mix_VolumeMusic(MIX_MAX_VOLUME);
        return music_ != nullptr;
    }

    void PlaySong() override {
        if (!open_ || !music_ || musicMuted_) return;
        // Play while playing keeps the tune going rather than restarting it.
        if (Sdl().Mix_PlayingMusic() && !Sdl().Mix_PausedMusic()) return;
        Sdl().Mix_PlayMusic(music_, -1);
    }

    void StopMusic() override {
        if (open_) Sdl().Mix_HaltMusic();
    }

    void CloseSound() override {
        if (!open_) return;
        for (Sample s : FreeOrder) {
            if (Mix_Chunk* chunk = samples_[Slot(s)]) Sdl().Mix_FreeChunk(chunk);
            samples_[Slot(s)] = nullptr;
        }
        Sdl().Mix_HaltMusic();
        if (music_) Sdl().Mix_FreeMusic(music_);
        music_ = nullptr;
        Sdl().Mix_CloseAudio();
        Sdl().Mix_Quit();
        Sdl().SDL_QuitSubSystem(SDL_INIT_AUDIO);
        open_ = false;
    }

    bool HasSample(Sample sample) const override { return samples_[Slot(sample)] != nullptr; }
    bool HasMusicModule() const override { return music_ != nullptr; }
    bool IsMusicPlaying() const override {
        return open_ && music_ && Sdl().Mix_PlayingMusic() && !Sdl().Mix_PausedMusic();
    }
    bool IsSamplePlaying() const override { return open_ && Sdl().Mix_Playing(-1) > 0; }

private:
    bool open_ = false;
    bool musicMuted_ = false;
    std::array<Mix_Chunk*, 4> samples_{};
    Mix_Music* music_ = nullptr;
};

} // namespace

std::string ToQtFileFilter(const std::string& filter) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const auto bar = filter.find('|', start);
        parts.push_back(filter.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    std::string out;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        std::string patterns;
        std::size_t from = 0;
        for (;;) {
            const auto semi = parts[i + 1].find(';', from);
            std::string pattern = parts[i + 1].substr(from, semi == std::string::npos ? std::string::npos : semi - from);
            // "*.*" only matches names with a dot on Linux; the Windows meaning is every file.
            if (pattern == "*.*") pattern = "*";
            if (!pattern.empty()) patterns += (patterns.empty() ? "" : " ") + pattern;
            if (semi == std::string::npos) break;
            from = semi + 1;
        }
        if (!out.empty()) out += ";;";
        out += parts[i] + " (" + patterns + ")";
    }
    return out;
}

std::string DefaultMusicFileName(const std::filesystem::path& programFolder) {
    return (programFolder / "musics" / "boxyard4.s3m").string();
}

std::filesystem::path SampleFilePath(const std::filesystem::path& programFolder, Sample sample) {
    return programFolder / "sounds" / "Warehaus4" / SampleFileName(sample);
}

int MusicMasterVolume(int musicVolumePercent) {
    const int v = static_cast<int>(static_cast<double>(musicVolumePercent) * 256.0 / 100.0);
    return std::clamp(v, 0, 256);
}

int SampleDefaultVolume(int soundVolumePercent) {
    const int v = static_cast<int>(static_cast<double>(soundVolumePercent) * 255.0 / 100.0);
    return std::clamp(v, 0, 255);
}

std::unique_ptr<SoundSystem> MakeSdlSoundSystem() {
    if (sdl::Load() == nullptr) return std::make_unique<SilentSoundSystem>();
    return std::make_unique<SdlSoundSystem>();
}

std::unique_ptr<SoundSystem> StartSound(const GameState& g) {
    std::unique_ptr<SoundSystem> sound = MakeSdlSoundSystem();
    if (!sound->InitSound(DataFolder(g))) sound = std::make_unique<SilentSoundSystem>();
    sound->LoadSong(g.MusicFileName);
    sound->ApplyVolumes(g.MusicVolume, g.SoundVolume);
    if (g.MusicAutoPlay) sound->PlaySong();
    return sound;
}

void StartSound(const GameState& g, SoundSystem& sound) {
    sound.InitSound(DataFolder(g));
    sound.LoadSong(g.MusicFileName);
    sound.ApplyVolumes(g.MusicVolume, g.SoundVolume);
    if (g.MusicAutoPlay) sound.PlaySong();
}

void PlaySample(const GameState& g, SoundSystem& sound, Sample sample) {
    if (g.SoundsEnabled) sound.PlaySample(sample);
}

void MusicPlay(GameState& g, SoundSystem& sound) {
    g.MusicAutoPlay = true;
    sound.PlaySong();
}

void MusicStop(GameState& g, SoundSystem& sound) {
    g.MusicAutoPlay = false;
    sound.StopMusic();
}

void MusicLoad(GameState& g, SoundSystem& sound, const std::string& chosenFile) {
    g.MusicFileName = chosenFile;
    sound.StopMusic();
    sound.LoadSong(g.MusicFileName);
    sound.PlaySong();
    g.MusicAutoPlay = true;
}

void SetSoundsEnabled(GameState& g, bool enabled) { g.SoundsEnabled = enabled; }

} // namespace w4
