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
    EXPECT_EQ(ini.ToBytes(), "k=outside\n[S]\nk=v\n;k=comment\n#k=comment\nnoequals\n");
}

TEST_F(IniFileTest, FileWithoutFinalLineBreakGetsOne) {
    const QString name = PathOf(QStringLiteral("c.ini"));
    WriteBytes(name, "[S]\nk=1");
    IniFile ini(name);
    ini.WriteString(QStringLiteral("T"), QStringLiteral("m"), QStringLiteral("2"));
    ini.UpdateFile();
    EXPECT_EQ(ReadBytes(name), "[S]\nk=1\n\n[T]\nm=2\n");
}
