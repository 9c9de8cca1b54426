#pragma once
#include <QString>
#include <stdexcept>

// Key access to a Windows-style initialization file, one operation per call,
// nothing kept between calls: what a write puts on disk is there for the next step.
namespace ini {

class WriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Longest value a read returns; a longer one is cut.
inline constexpr int kMaxValue = 2047;

bool exists(const QString& path);

// The value of section/key with surrounding blanks removed; empty when the file,
// the section or the key is absent. Never fails.
QString read(const QString& path, const QString& section, const QString& key);

// Replaces the key's value where it stands, or adds the key at the end of its section,
// or the section at the end of the file; creates the file (not its folder).
// Every other line stays as it was. Throws WriteError naming the file.
void write(const QString& path, const QString& section, const QString& key, const QString& value);

// Windows-1252 text conversion, the file's code page.
QString fromCp1252(const QByteArray& bytes);
QByteArray toCp1252(const QString& text);

} // namespace ini
