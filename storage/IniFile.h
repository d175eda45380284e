#pragma once
// A settings file in the Windows profile format, read and written key by key; comments,
// blank lines and unknown keys and sections stay as they were when the file is written back.

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

class IniFile {
public:
    // A value is read through a buffer of this many characters plus its terminator.
    static constexpr qsizetype MaxValueLength = 2047;

    // Reads the file; a missing file is an empty one. A file that exists but cannot be read
    // raises an AppError naming it.
    explicit IniFile(const QString& fileName);

    // Missing section or key: the default. Section and key names ignore case.
    QString ReadString(const QString& section, const QString& key,
                       const QString& defaultValue) const;
    // Decimal, or hexadecimal with the prefix "0x"; anything else gives the default.
    int ReadInteger(const QString& section, const QString& key, int defaultValue) const;
    // Read as an integer; every value other than 0 is true.
    bool ReadBool(const QString& section, const QString& key, bool defaultValue) const;

    // Changes the key in place, or adds it at the end of its section, or adds the section at
    // the end of the file. Only the file in memory changes until UpdateFile().
    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    void WriteBool(const QString& section, const QString& key, bool value);

    // Replaces the file on disk with the lines in memory (atomically; see StoredFile).
    void UpdateFile() const;

    // The file as it would be written: UTF-8 (with the byte order mark if the file had
    // one), every line with the line break it had; new lines take the break of the file's
    // first line.
    QByteArray ToBytes() const;

    static std::optional<int> ParseInteger(const QString& text);

private:
    enum class LineKind { Other, Section, Key };
    struct Line {
        LineKind kind = LineKind::Other;
        QString text;  // the line as read, for lines that are written back unchanged
        QString name;  // section or key name, trimmed
        QString value; // key value, trimmed
        // The break that ends the line: "\n" or "\r\n", or none for a last line without
        // one.
        QString lineBreak;
    };

    void Parse(const QByteArray& bytes);
    std::optional<std::size_t> FindSection(const QString& section) const;
    // The key's line, and otherwise (in insertAt) where it would go in the section.
    std::optional<std::size_t> FindKey(std::size_t sectionLine, const QString& key,
                                       std::size_t* insertAt = nullptr) const;
    std::optional<QString> Value(const QString& section, const QString& key) const;

    QString fileName;
    std::vector<Line> lines;
    bool byteOrderMark = false;
    // The break new lines get.
    QString lineBreak = QStringLiteral("\n");
};
