#include "StorageTestFolder.h"

#include "platform/AppError.h"
#include "storage/IniFile.h"
#include "storage/Settings.h"

#include <QDir>

namespace {

// The file a first orderly exit writes with the given values in place of the defaults.
QByteArray FreshFile(const QByteArray& name = "Spieler", const QByteArray& volume = "50") {
    QByteArray text = "[PLAYER]\nName=" + name + "\n\n[CONFIG]\nGrid=1\nStatist=1\nSound=1\n" +
                      "Music=1\nVolume=" + volume + "\n\n[PUZZLE]\nMode=Standard\n\n[STATS]\n";
    for (int size = 1; size <= 6; ++size)
        text += QByteArray::number(size) + "=0\n";
    text += "Count=0\n\n[MEMOSTATS]\n";
    for (int size = 1; size <= 6; ++size)
        text += QByteArray::number(size) + "=0\n";
    text += "Count=0\n\n[DIALOG]\nView=1\nPath=\n";
    return text;
}

class SettingsFile : public StorageTestFolder {
protected:
    QString IniName() const { return PathOf(QStringLiteral("tessaly.ini")); }

    void LoadFrom(const QByteArray& bytes) {
        WriteBytes(IniName(), bytes);
        LoadSettings(IniName());
    }
};

} // namespace

TEST_F(SettingsFile, MissingFileGivesDefaultsAndFirstSaveWritesEveryKey) {
    PlayerName = QStringLiteral("Alt");
    Sound = Music = Grid = Statist = PreviewEnabled = false;
    Volume = 7;
    PlayMode = ModeMemory;
    PuzzleSolved[3] = 5;
    MemorySolvedTotal = 9;
    LastFolder = QStringLiteral("/somewhere/");

    LoadSettings(IniName());

    EXPECT_EQ(PlayerName, QStringLiteral("Spieler"));
    EXPECT_TRUE(Sound && Music && Grid && Statist && PreviewEnabled);
    EXPECT_EQ(Volume, 50);
    EXPECT_EQ(PlayMode, ModeStandard);
    EXPECT_EQ(PuzzleSolved, (std::array<int, 7>{}));
    EXPECT_EQ(MemorySolved, (std::array<int, 7>{}));
    EXPECT_EQ(PuzzleSolvedTotal, 0);
    EXPECT_EQ(MemorySolvedTotal, 0);
    EXPECT_TRUE(LastFolder.isEmpty());

    SaveSettings(IniName());
    EXPECT_EQ(ReadBytes(IniName()), FreshFile());
}

TEST_F(SettingsFile, EveryValueSurvivesARoundTrip) {
    PlayerName = QStringLiteral("Jürgen Groß");
    Sound = false;
    Music = false;
    Volume = 73;
    Grid = false;
    Statist = false;
    PlayMode = ModeKaskade;
    for (int size = 1; size <= 6; ++size) {
        PuzzleSolved[size] = size * 10;
        MemorySolved[size] = size + 100;
    }
    PuzzleSolvedTotal = 210;
    MemorySolvedTotal = 621;
    PreviewEnabled = false;
    LastFolder = QStringLiteral("/home/spieler/Bilder/");

    SaveSettings(IniName());
    ResetSettings();
    LoadSettings(IniName());

    EXPECT_EQ(PlayerName, QStringLiteral("Jürgen Groß"));
    EXPECT_FALSE(Sound || Music || Grid || Statist || PreviewEnabled);
    EXPECT_EQ(Volume, 73);
    EXPECT_EQ(PlayMode, ModeKaskade);
    EXPECT_EQ(PuzzleSolved, (std::array<int, 7>{0, 10, 20, 30, 40, 50, 60}));
    EXPECT_EQ(MemorySolved, (std::array<int, 7>{0, 101, 102, 103, 104, 105, 106}));
    EXPECT_EQ(PuzzleSolvedTotal, 210);
    EXPECT_EQ(MemorySolvedTotal, 621);
    EXPECT_EQ(LastFolder, QStringLiteral("/home/spieler/Bilder/"));
}

TEST_F(SettingsFile, ModeNamesMatchExactly) {
    const std::pair<QByteArray, std::uint8_t> cases[] = {
        {"Standard", ModeStandard}, {"Kaskade", ModeKaskade}, {"Memory", ModeMemory},
        {"memory", ModeStandard},   {"MEMORY", ModeStandard}, {"", ModeStandard},
        {"2", ModeStandard}};
    for (const auto& [text, mode] : cases) {
        PlayMode = 99;
        LoadFrom("[PUZZLE]\nMode=" + text + "\n");
        EXPECT_EQ(PlayMode, mode) << text.constData();
    }
}

TEST_F(SettingsFile, UnknownModeIsNotWrittenAndTheFileKeepsItsMode) {
    WriteBytes(IniName(), "[PUZZLE]\nMode=Kaskade\n");
    PlayMode = 7;
    SaveSettings(IniName());
    EXPECT_TRUE(ReadBytes(IniName()).startsWith("[PUZZLE]\nMode=Kaskade\n"));

    PlayMode = ModeMemory;
    SaveSettings(IniName());
    EXPECT_TRUE(ReadBytes(IniName()).startsWith("[PUZZLE]\nMode=Memory\n"));
}

TEST_F(SettingsFile, IntegersAreDecimalOrHexadecimalElseTheDefault) {
    const std::pair<QByteArray, int> cases[] = {{"0x20", 32},
                                                {"0X1f", 31},
                                                {"abc", 50},
                                                {"0x", 50},
                                                {"0xZZ", 50},
                                                {"12abc", 50},
                                                {"-7", -7},
                                                {"+8", 8},
                                                {"2147483647", 2147483647},
                                                {"2147483648", 50},
                                                {"-2147483648", -2147483647 - 1},
                                                {"0xFFFFFFFF", -1},
                                                {"0x100000000", 50},
                                                {"", 50},
                                                {" 77 ", 77},
                                                {"1 2", 50},
                                                {"$20", 50}};
    for (const auto& [text, volume] : cases) {
        WriteBytes(IniName(), "[CONFIG]\nVolume=" + text + "\n");
        EXPECT_EQ(IniFile(IniName()).ReadInteger("CONFIG", "Volume", 50), volume)
            << text.constData();
    }
}

TEST_F(SettingsFile, ForgedNumbersAreHeldToTheirRangeAndSavedSo) {
    const std::pair<QByteArray, int> volumes[] = {
        {"-1", 0}, {"-100", 0}, {"0xFFFFFFFF", 0}, {"101", 100}, {"2147483647", 100}, {"0x20", 32}};
    for (const auto& [text, volume] : volumes) {
        LoadFrom("[CONFIG]\nVolume=" + text + "\n");
        EXPECT_EQ(Volume, volume) << text.constData();
    }
    LoadFrom("[CONFIG]\nVolume=-1\n[STATS]\n1=-2147483648\n2=7\nCount=-3\n"
             "[MEMOSTATS]\n6=0x80000000\nCount=-1\n");
    EXPECT_EQ(Volume, 0);
    EXPECT_EQ(PuzzleSolved, (std::array<int, 7>{0, 0, 7, 0, 0, 0, 0}));
    EXPECT_EQ(PuzzleSolvedTotal, 0);
    EXPECT_EQ(MemorySolved, (std::array<int, 7>{}));
    EXPECT_EQ(MemorySolvedTotal, 0);
    SaveSettings(IniName());
    const IniFile saved(IniName());
    EXPECT_EQ(saved.ReadString("CONFIG", "Volume", ""), "0");
    EXPECT_EQ(saved.ReadString("STATS", "1", ""), "0");
    EXPECT_EQ(saved.ReadString("MEMOSTATS", "Count", ""), "0");
}

TEST_F(SettingsFile, BooleansAreNumbersAndAreWrittenAsOneOrZero) {
    LoadFrom("[CONFIG]\nGrid=2\nSound=false\nMusic=0\nStatist=0x0\n[DIALOG]\nView=-1\n");
    EXPECT_TRUE(Grid);
    EXPECT_TRUE(Sound); // a word is not a number: the default
    EXPECT_FALSE(Music);
    EXPECT_FALSE(Statist);
    EXPECT_TRUE(PreviewEnabled);

    SaveSettings(IniName());
    EXPECT_EQ(ReadBytes(IniName()), "[CONFIG]\nGrid=1\nSound=1\nMusic=0\nStatist=0\nVolume=50\n"
                                    "[DIALOG]\nView=1\nPath=\n\n[PLAYER]\nName=Spieler\n\n"
                                    "[PUZZLE]\nMode=Standard\n\n[STATS]\n1=0\n2=0\n3=0\n4=0\n5=0\n"
                                    "6=0\nCount=0\n\n[MEMOSTATS]\n1=0\n2=0\n3=0\n4=0\n5=0\n6=0\n"
                                    "Count=0\n");
}

TEST_F(SettingsFile, NamesIgnoreCaseAndSpacesAroundNamesAndValuesAreTrimmed) {
    LoadFrom("  [ player ]  \n  nAmE  =   Anna Maria   \n[Config]\nvolume\t=\t12\n");
    EXPECT_EQ(PlayerName, QStringLiteral("Anna Maria"));
    EXPECT_EQ(Volume, 12);
}

TEST_F(SettingsFile, AnEmptyNameIsKeptEmpty) {
    LoadFrom("[PLAYER]\nName=\n");
    EXPECT_TRUE(PlayerName.isEmpty());
}

TEST_F(SettingsFile, LongValuesAreCutTo2047Characters) {
    LoadFrom("[DIALOG]\nPath=" + QByteArray(3000, 'p') + "\n");
    EXPECT_EQ(LastFolder, QString(2047, u'p'));
}

TEST_F(SettingsFile, SaveKeepsCommentsBlankLinesUnknownKeysAndLineBreaks) {
    WriteBytes(IniName(), "; Tessaly\r\n"
                          "\r\n"
                          "[player]\r\n"
                          "name = Alte Zeit\r\n"
                          "Hut=gr\xC3\xBCn\r\n"
                          "\r\n"
                          "[CONFIG]\r\n"
                          "Volume=20\r\n"
                          "; sound is on\r\n"
                          "\r\n"
                          "[Fremd]\r\n"
                          "Schluessel=Wert\r\n");
    LoadSettings(IniName());
    EXPECT_EQ(PlayerName, QStringLiteral("Alte Zeit"));
    PlayerName = QStringLiteral("Neu");

    SaveSettings(IniName());

    QByteArray expected = "; Tessaly\r\n"
                          "\r\n"
                          "[player]\r\n"
                          "name=Neu\r\n"
                          "Hut=gr\xC3\xBCn\r\n"
                          "\r\n"
                          "[CONFIG]\r\n"
                          "Volume=20\r\n"
                          "Grid=1\r\n"
                          "Statist=1\r\n"
                          "Sound=1\r\n"
                          "Music=1\r\n"
                          "; sound is on\r\n"
                          "\r\n"
                          "[Fremd]\r\n"
                          "Schluessel=Wert\r\n"
                          "\r\n"
                          "[PUZZLE]\r\n"
                          "Mode=Standard\r\n"
                          "\r\n"
                          "[STATS]\r\n";
    for (int size = 1; size <= 6; ++size)
        expected += QByteArray::number(size) + "=0\r\n";
    expected += "Count=0\r\n\r\n[MEMOSTATS]\r\n";
    for (int size = 1; size <= 6; ++size)
        expected += QByteArray::number(size) + "=0\r\n";
    expected += "Count=0\r\n\r\n[DIALOG]\r\nView=1\r\nPath=\r\n";
    EXPECT_EQ(ReadBytes(IniName()), expected);
}

TEST_F(SettingsFile, WindowsCodePageFileLoadsItsUmlautsAndIsSavedAsUtf8) {
    // Written by the Windows version: "Jürgen Weiß" in Windows-1252, next to a UTF-8 line.
    WriteBytes(IniName(), "[PLAYER]\r\nName=J\xFCrgen Wei\xDF\r\n"
                          "[DIALOG]\r\nPath=C:\\Bilder\\K\xC3\xA4se\\\r\n");
    LoadSettings(IniName());
    EXPECT_EQ(PlayerName, QStringLiteral("Jürgen Weiß"));
    EXPECT_EQ(LastFolder, QStringLiteral("C:\\Bilder\\Käse\\"));

    SaveSettings(IniName());
    EXPECT_TRUE(ReadBytes(IniName()).startsWith("[PLAYER]\r\nName=J\xC3\xBCrgen Wei\xC3\x9F\r\n"));
}

TEST_F(SettingsFile, LineBreaksInANameCannotAddKeys) {
    PlayerName = QStringLiteral("Eva\n[CONFIG]\nVolume=0");
    SaveSettings(IniName());
    ResetSettings();
    LoadSettings(IniName());
    EXPECT_EQ(PlayerName, QStringLiteral("Eva [CONFIG] Volume=0"));
    EXPECT_EQ(Volume, 50);
}

TEST_F(SettingsFile, ReadOnlyFileRaisesTheWriteErrorAndStaysIntact) {
    const QByteArray before = "[PLAYER]\nName=Bleibt\n";
    WriteBytes(IniName(), before);
    MakeReadOnly(IniName());
    PlayerName = QStringLiteral("Neu");

    try {
        SaveSettings(IniName());
        FAIL() << "no error raised";
    } catch (const AppError& error) {
        EXPECT_EQ(error.Message(),
                  QStringLiteral("In %1 kann nicht geschrieben werden").arg(IniName()));
    }
    EXPECT_EQ(ReadBytes(IniName()), before);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("tessaly.ini")});
    EXPECT_EQ(PlayerName, QStringLiteral("Neu"));
}

TEST_F(SettingsFile, MissingFolderRaisesTheWriteError) {
    const QString name = PathOf(QStringLiteral("fehlt/tessaly.ini"));
    try {
        SaveSettings(name);
        FAIL() << "no error raised";
    } catch (const AppError& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("In %1 kann nicht geschrieben werden").arg(name));
    }
}

TEST_F(SettingsFile, UnreadableFileRaisesAnErrorNamingIt) {
    QDir(folder.path()).mkdir(QStringLiteral("tessaly.ini")); // a folder in the file's place
    try {
        LoadSettings(IniName());
        FAIL() << "no error raised";
    } catch (const AppError& error) {
        EXPECT_TRUE(error.Message().contains(IniName()));
    }
}

TEST_F(SettingsFile, ALoneCrInsideAValueReadsAsTheSpaceItIsSavedAs) {
    WriteBytes(IniName(), "[PLAYER]\nName=Eva\rMeier\n[CONFIG]\rVolume=5\n");
    LoadSettings(IniName());
    EXPECT_EQ(PlayerName, QStringLiteral("Eva Meier"));
    SaveSettings(IniName());
    ResetSettings();
    LoadSettings(IniName());
    EXPECT_EQ(PlayerName, QStringLiteral("Eva Meier"));
    EXPECT_EQ(Volume, 50); // the CR did not start a line of its own
}
