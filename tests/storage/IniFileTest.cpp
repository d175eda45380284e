#include "StorageTestFolder.h"

#include "storage/IniFile.h"

using IniFileTest = StorageTestFolder;

TEST_F(IniFileTest, FirstOfRepeatedSectionsAndKeysIsTheOneReadAndWritten) {
    const QString name = PathOf(QStringLiteral("a.ini"));
    WriteBytes(name, "[A]\nk=1\nk=2\n[B]\nx=0\n[a]\nk=3\nj=4\n");
    IniFile ini(name);
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("A"), QStringLiteral("K"), 0), 1);
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("A"), QStringLiteral("j"), 0), 0);

    ini.WriteInteger(QStringLiteral("a"), QStringLiteral("k"), 5);
    ini.WriteInteger(QStringLiteral("a"), QStringLiteral("new"), 6);
    EXPECT_EQ(ini.ToBytes(), "[A]\nk=5\nk=2\nnew=6\n[B]\nx=0\n[a]\nk=3\nj=4\n");
}

TEST_F(IniFileTest, CommentsAndLinesBeforeTheFirstSectionAreNoKeys) {
    const QString name = PathOf(QStringLiteral("b.ini"));
    WriteBytes(name, "\xEF\xBB\xBFk=outside\n[S]\n;k=comment\n#k=comment\nnoequals\n");
    IniFile ini(name);
    EXPECT_EQ(ini.ReadString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("d")),
              QStringLiteral("d"));
    ini.WriteString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v"));
    EXPECT_EQ(ini.ToBytes(), "\xEF\xBB\xBFk=outside\n[S]\nk=v\n;k=comment\n#k=comment\nnoequals\n");
}

TEST_F(IniFileTest, FileWithoutFinalLineBreakGetsOne) {
    const QString name = PathOf(QStringLiteral("c.ini"));
    WriteBytes(name, "[S]\nk=1");
    IniFile ini(name);
    ini.WriteString(QStringLiteral("T"), QStringLiteral("m"), QStringLiteral("2"));
    ini.UpdateFile();
    EXPECT_EQ(ReadBytes(name), "[S]\nk=1\n\n[T]\nm=2\n");
}

TEST_F(IniFileTest, UnchangedLinesAreWrittenBackExactlyAsTheyWere) {
    const QString name = PathOf(QStringLiteral("d.ini"));
    // A byte order mark inside a line, a lone CR at the end, and mixed line breaks.
    const QByteArray kept = "\r\xEF\xBB\xBF\r\xEF\xBB\xBF\n"
                            "[S]\r\n"
                            "k=a\xEF\xBB\xBF"
                            "b\n"
                            "x=1\r\r\n"
                            "\r";
    WriteBytes(name, kept);
    IniFile ini(name);
    EXPECT_EQ(ini.ReadString(QStringLiteral("S"), QStringLiteral("k"), {}),
              QStringLiteral("a\uFEFFb"));
    EXPECT_EQ(ini.ToBytes(), kept);

    // New lines take the first line's break; written twice, the file stays the same.
    ini.WriteString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("\uFEFF"));
    ini.WriteString(QStringLiteral("T"), QStringLiteral("m"), QStringLiteral("2"));
    ini.UpdateFile();
    const QByteArray once = ReadBytes(name);
    EXPECT_EQ(once, "\r\xEF\xBB\xBF\r\xEF\xBB\xBF\n"
                    "[S]\r\n"
                    "k=\xEF\xBB\xBF\n"
                    "x=1\r\r\n"
                    "\r\n"
                    "[T]\n"
                    "m=2\n");
    IniFile again(name);
    EXPECT_EQ(again.ReadString(QStringLiteral("S"), QStringLiteral("k"), {}),
              QStringLiteral("\uFEFF"));
    again.UpdateFile();
    EXPECT_EQ(ReadBytes(name), once);
}

TEST_F(IniFileTest, ALoneCrAtTheEndKeepsTheFileInItsLineBreaks) {
    const QString name = PathOf(QStringLiteral("e.ini"));
    WriteBytes(name, "\n\r\r");
    IniFile first(name);
    first.WriteString(QStringLiteral("P"), QStringLiteral("n"), QStringLiteral("1"));
    first.UpdateFile();
    const QByteArray once = ReadBytes(name);
    EXPECT_EQ(once, "\n\r\r\n[P]\nn=1\n");
    IniFile second(name);
    second.WriteString(QStringLiteral("P"), QStringLiteral("n"), QStringLiteral("1"));
    second.WriteString(QStringLiteral("Q"), QStringLiteral("n"), QStringLiteral("2"));
    second.UpdateFile();
    EXPECT_EQ(ReadBytes(name), once + "\n[Q]\nn=2\n");
}

TEST_F(IniFileTest, AByteOrderMarkAtTheStartIsWrittenBackAndAnotherOneStaysText) {
    const QString name = PathOf(QStringLiteral("f.ini"));
    WriteBytes(name, "\xEF\xBB\xBF\xEF\xBB\xBF[S]\nk=1\n");
    IniFile ini(name);
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("S"), QStringLiteral("k"), 0), 0); // no section
    EXPECT_EQ(ini.ToBytes(), "\xEF\xBB\xBF\xEF\xBB\xBF[S]\nk=1\n");
}
