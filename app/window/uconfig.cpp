#include "app/window/uconfig.h"

#include "app/window/language.h"
#include "core/folders.h"
#include "core/profile.h"
#include "media/usound.h"

#include <algorithm>

namespace w4 {

namespace {

// Colours are stored as the signed decimal the profile layer writes; the bits are what matter.
Colour ReadColour(const ProfileFile& ini, const char* section, const char* key, Colour fallback)
{
    return static_cast<Colour>(ini.ReadInteger(section, key, static_cast<std::int32_t>(fallback)));
}

void WriteColour(ProfileFile& ini, const char* section, const char* key, Colour value)
{
    ini.WriteInteger(section, key, static_cast<std::int32_t>(value));
}

} // namespace

std::string SettingsFilePath(const GameState& g)
{
    return (SettingsFolder(g) / "boxyard4.ini").string();
}

WindowPlacement LoadSettings(GameState& g, const WindowPlacement& defaults)
{
    const ProfileFile ini(SettingsFilePath(g));

    WindowPlacement placement;
    placement.Left = ini.ReadInteger("MAINFORM", "Left", defaults.Left);
    placement.Top = ini.ReadInteger("MAINFORM", "Top", defaults.Top);
    placement.Width = ini.ReadInteger("MAINFORM", "Width", defaults.Width);
    placement.Height = ini.ReadInteger("MAINFORM", "Height", defaults.Height);
    placement.Maximized = ini.ReadBool("MAINFORM", "Maximized", false);

    // English and French keep the numbers earlier versions wrote. A number we do not know (a later
    // version's language) reads as English; no choice made yet follows the desktop's language.
    g.LanguageNumber = ini.ValueExists("LANGUAGE", "Number") ? KnownLanguage(ini.ReadInteger("LANGUAGE", "Number", LanguageEnglish))
                                                             : DesktopLanguage();
    g.GameMode = std::clamp(ini.ReadInteger("MAINFORM", "Mode", ModePlay), 1, 3);
    g.FilmSpeed = std::clamp(ini.ReadInteger("MAINFORM", "Speed", 1), 1, 10);

    g.ForegroundStretched = ini.ReadBool("FOREGROUND", "Stretched", false);
    g.ForegroundProportional = ini.ReadBool("FOREGROUND", "Proportional", true);
    g.TransparencyColor = ReadColour(ini, "FOREGROUND", "TranspColor", 0);
    g.GridColor = ReadColour(ini, "FOREGROUND", "GridColor", 4210752);

    g.BackgroundMode = ini.ReadInteger("BACKGROUND", "Mode", 0);
    g.BackgroundColor = ReadColour(ini, "BACKGROUND", "Color0", 0);
    g.GradientColor1 = ReadColour(ini, "BACKGROUND", "Color1", 255);
    g.GradientColor2 = ReadColour(ini, "BACKGROUND", "Color2", 65535);
    g.TextureFile = ini.ReadString("BACKGROUND", "Texture", "");
    g.PictureFile = ini.ReadString("BACKGROUND", "Picture", "");

    g.LevelIndex = ini.ReadInteger("LEVEL", "Index", 0);

    g.MusicFileName = ini.ReadString("MUSIC", "FileName", DefaultMusicFileName(DataFolder(g)));
    g.MusicVolume = ini.ReadInteger("MUSIC", "Volume", 100);
    g.MusicAutoPlay = ini.ReadBool("MUSIC", "AutoPlay", false);
    g.SoundVolume = ini.ReadInteger("SOUNDS", "Volume", 100);
    g.SoundsEnabled = ini.ReadBool("SOUNDS", "Enabled", false);

    g.DeadlockWarnings = ini.ReadBool("ASSISTANCE", "DeadlockWarnings", true);
    g.LiveSolvabilityCheck = ini.ReadBool("ASSISTANCE", "LiveSolvabilityCheck", true);

    placement.LevelList.Width = ini.ReadInteger("LEVELLIST", "Width", 0);
    placement.LevelList.Height = ini.ReadInteger("LEVELLIST", "Height", 0);
    placement.LevelList.SortColumn = ini.ReadInteger("LEVELLIST", "SortColumn", 0);
    placement.LevelList.SortOrder = std::clamp(ini.ReadInteger("LEVELLIST", "SortOrder", 0), 0, 1);

    g.SkinFile = ini.ReadString("SKIN", "File", "");
    g.SkinEightRows = std::clamp(ini.ReadInteger("SKIN", "EightRows", 0), 0, 2);
    return placement;
}

void SaveSettings(const GameState& g, const WindowPlacement& window)
{
    ProfileFile ini(SettingsFilePath(g));

    if (window.Maximized) {
        ini.WriteBool("MAINFORM", "Maximized", true);
    } else {
        ini.WriteBool("MAINFORM", "Maximized", false);
        ini.WriteInteger("MAINFORM", "Left", window.Left);
        ini.WriteInteger("MAINFORM", "Top", window.Top);
        ini.WriteInteger("MAINFORM", "Width", window.Width);
        ini.WriteInteger("MAINFORM", "Height", window.Height);
    }
    ini.WriteInteger("MAINFORM", "Mode", g.GameMode);
    ini.WriteInteger("MAINFORM", "Speed", g.FilmSpeed);

    ini.WriteInteger("LANGUAGE", "Number", g.LanguageNumber);

    ini.WriteBool("FOREGROUND", "Stretched", g.ForegroundStretched);
    ini.WriteBool("FOREGROUND", "Proportional", g.ForegroundProportional);
    WriteColour(ini, "FOREGROUND", "TranspColor", g.TransparencyColor);
    WriteColour(ini, "FOREGROUND", "GridColor", g.GridColor);

    ini.WriteInteger("BACKGROUND", "Mode", g.BackgroundMode);
    WriteColour(ini, "BACKGROUND", "Color0", g.BackgroundColor);
    WriteColour(ini, "BACKGROUND", "Color1", g.GradientColor1);
    WriteColour(ini, "BACKGROUND", "Color2", g.GradientColor2);
    ini.WriteString("BACKGROUND", "Texture", g.TextureFile);
    ini.WriteString("BACKGROUND", "Picture", g.PictureFile);

    ini.WriteInteger("LEVEL", "Index", g.LevelIndex);

    ini.WriteString("MUSIC", "FileName", g.MusicFileName);
    ini.WriteInteger("MUSIC", "Volume", g.MusicVolume);
    ini.WriteBool("MUSIC", "AutoPlay", g.MusicAutoPlay);
    ini.WriteInteger("SOUNDS", "Volume", g.SoundVolume);
    ini.WriteBool("SOUNDS", "Enabled", g.SoundsEnabled);

    ini.WriteBool("ASSISTANCE", "DeadlockWarnings", g.DeadlockWarnings);
    ini.WriteBool("ASSISTANCE", "LiveSolvabilityCheck", g.LiveSolvabilityCheck);

    // Only once the Levels window has been open, so a file never touched by it stays as it was.
    if (const LevelListPlace& list = window.LevelList; list.Width > 0 && list.Height > 0) {
        ini.WriteInteger("LEVELLIST", "Width", list.Width);
        ini.WriteInteger("LEVELLIST", "Height", list.Height);
        ini.WriteInteger("LEVELLIST", "SortColumn", list.SortColumn);
        ini.WriteInteger("LEVELLIST", "SortOrder", list.SortOrder);
    }

    // The skin in force (graphics sets are not kept); the section appears with the first skin and
    // is emptied, not removed, when a set takes its place.
    if (!g.SkinFile.empty() || ini.SectionExists("SKIN")) {
        ini.WriteString("SKIN", "File", g.SkinFile);
        ini.WriteInteger("SKIN", "EightRows", g.SkinEightRows);
    }

    ini.Save();
}

} // namespace w4
