#include "common/IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QList>

#include <optional>

namespace ini {
namespace {

// The 0x80..0x9F block of Windows-1252; 0 where the code page leaves a hole.
constexpr char16_t kHigh[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

QString trimBlanks(const QString& s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && isBlank(s[b])) ++b;
    while (e > b && isBlank(s[e - 1])) --e;
    return s.mid(b, e - b);
}

struct Line {
    QByteArray text;   // without its line ending
    QByteArray ending; // "\r\n", "\n" or empty for a last line without one
};

QList<Line> splitLines(const QByteArray& data)
{
    QList<Line> lines;
    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype nl = data.indexOf('\n', start);
        if (nl < 0) {
            lines.append({data.mid(start), {}});
            break;
        }
        qsizetype end = nl;
        QByteArray ending("\n");
        if (end > start && data[end - 1] == '\r') {
            --end;
            ending = "\r\n";
        }
        lines.append({data.mid(start, end - start), ending});
        start = nl + 1;
    }
    return lines;
}

// Section name of a "[name]" line; nothing when the line is no section line.
std::optional<QString> sectionOf(const QString& line)
{
    const QString t = trimBlanks(line);
    if (t.size() >= 2 && t.front() == u'[') {
        const qsizetype close = t.indexOf(u']');
        if (close > 0) return trimBlanks(t.mid(1, close - 1));
    }
    return std::nullopt;
}

// Key name of a "key=value" line; nothing when it has no equals sign.
std::optional<QString> keyOf(const QString& line, QString* value = nullptr)
{
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0) return std::nullopt;
    if (value) *value = trimBlanks(line.mid(eq + 1));
    return trimBlanks(line.left(eq));
}

bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

} // namespace

QString fromCp1252(const QByteArray& bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b <= 0x9F && kHigh[b - 0x80] != 0)
            out.append(QChar(kHigh[b - 0x80]));
        else
            out.append(QChar(b));
    }
    return out;
}

QByteArray toCp1252(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out.append(static_cast<char>(u));
            continue;
        }
        char mapped = '?';
        for (int i = 0; i < 32; ++i)
            if (kHigh[i] != 0 && kHigh[i] == u) mapped = static_cast<char>(0x80 + i);
        out.append(mapped);
    }
    return out;
}

bool exists(const QString& path) { return QFileInfo(path).isFile(); }

QString read(const QString& path, const QString& section, const QString& key)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QList<Line> lines = splitLines(f.readAll());
    bool inSection = false;
    for (const Line& l : lines) {
        const QString text = fromCp1252(l.text);
        if (const auto sec = sectionOf(text)) {
            inSection = sameName(*sec, section);
            continue;
        }
        if (!inSection) continue;
        QString value;
        const auto k = keyOf(text, &value);
        if (k && sameName(*k, key)) return value.left(kMaxValue);
    }
    return {};
}

void write(const QString& path, const QString& section, const QString& key, const QString& value)
{
    auto fail = [&](const QString& why) {
        throw WriteError(QStringLiteral("Não foi possível gravar o arquivo %1: %2").arg(path, why).toStdString());
    };

    QByteArray data;
    QFileInfo info(path);
    if (info.exists()) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) fail(f.errorString());
        data = f.readAll();
        if (!info.isWritable()) fail(QStringLiteral("o arquivo é somente leitura"));
    }

    QList<Line> lines = splitLines(data);
    // New lines follow the file's own line endings; a new file gets the Windows ones.
    QByteArray eol("\r\n");
    for (const Line& l : lines)
        if (!l.ending.isEmpty()) { eol = l.ending; break; }

    const QByteArray keyLine = toCp1252(key + u'=' + value);
    qsizetype sectionLine = -1, lastInSection = -1, keyAt = -1;
    bool inSection = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString text = fromCp1252(lines[i].text);
        if (const auto sec = sectionOf(text)) {
            if (inSection) break; // the first matching section is the one written
            inSection = sameName(*sec, section);
            if (inSection) sectionLine = lastInSection = i;
            continue;
        }
        if (!inSection) continue;
        if (!trimBlanks(text).isEmpty()) lastInSection = i;
        const auto k = keyOf(text);
        if (k && sameName(*k, key)) {
            keyAt = i;
            break;
        }
    }

    auto ensureEnding = [&](qsizetype i) {
        if (i >= 0 && lines[i].ending.isEmpty()) lines[i].ending = eol;
    };
    if (keyAt >= 0) {
        lines[keyAt].text = keyLine;
    } else if (sectionLine >= 0) {
        ensureEnding(lastInSection);
        lines.insert(lastInSection + 1, {keyLine, eol});
    } else {
        ensureEnding(lines.size() - 1);
        lines.append({toCp1252(u'[' + section + u']'), eol});
        lines.append({keyLine, eol});
    }

    QByteArray out;
    for (const Line& l : lines) out += l.text + l.ending;

    // Written beside and renamed over, so a failed write never leaves half a file.
    QSaveFile sf(path);
    sf.setDirectWriteFallback(true);
    if (!sf.open(QIODevice::WriteOnly)) fail(sf.errorString());
    if (sf.write(out) != out.size()) fail(sf.errorString());
    if (!sf.commit()) fail(sf.errorString());
}

} // namespace ini
