#pragma once
// Paths as file systems hold them, mixed with the texts that trouble text measuring: kerning
// pairs, ligatures, digits, umlauts, other scripts, combining marks, emoji, controls and odd
// spaces; shallow and deep, short and long, relative, and folders without a name.
#include <QRandomGenerator>
#include <QStringList>

// Everyday words first; the rarer pieces start at "Łódź".
// clang-format off
inline constexpr const char *variedPathPieceTexts[] = {
    // words, kerning pairs and ligatures
    "home", "anna", "Dokumente", "Projects", "src", "build", "release-notes", "README", "config", "office",
    "buffer", "Affinity", "diff-files", "AVATAR", "To Do", "Tower", "WAVE", "Fiji", "ffmpeg", "ffi", "ffl",
    "fff", "Schiff", "Kaffee", "Effizienz", "Typography", "LTAV", "yyyy", "Vorlage",
    // digits, Latin-1 and punctuation
    "2019", "0815", "1.2.3", "v10.04", "x86_64", "Müller", "Größe", "Übersicht", "façade", "naïve", "Ærø",
    "smörgåsbord", "ÿ", "©2020", "µ", "½", "¿Qué?", "(copy)", "[1]", "{x}", "a&b", "50%", "#tag", "$HOME",
    "~backup", "two  spaces", " lead", "trail ", "...", "..", ".hidden", "-dash", "_under", "+plus", "=eq",
    "@at", "'q'", "\"dq\"", "\\back", "|pipe", "<lt>", "`tick`", "^caret", "a,b;c:d", "!", "?",
    // more Latin and typography
    "Łódź", "Čeština", "Őrség", "\xef\xac\x81le", "–", "’s", "€", "…", "™",
    // other scripts, combining marks, emoji
    "Привет", "Ελληνικά", "日本語", "עברית", "مرحبا", "हिन्दी", "ไทย", "e\xcc\x81te", "A\xcc\x8a", "n\xcc\x83o",
    "😀", "📁Ordner", "👍🏽", "🇩🇪", "✓",
    // controls, odd spaces, joiners, direction marks, byte order mark, replacement character
    "\x01", "\t", "\x1b[31m", "\x7f", "\xc2\x85", "\xc2\x9c", "\xc2\xad", "\xc2\xa0", "\xe2\x80\x8b",
    "\xe2\x80\x8d", "\xe2\x80\x8e", "\xe2\x80\xae", "\xef\xbb\xbf", "\xef\xbf\xbd"};
// clang-format on

inline QStringList variedPathPieces()
{
    static const QStringList pieces = [] {
        QStringList list;
        for (const char *piece : variedPathPieceTexts)
            list.append(QString::fromUtf8(piece));
        list.append(QString(QChar(0xd800))); // a lone surrogate, as broken names give
        return list;
    }();
    return pieces;
}

// One name or folder: mostly everyday words, now and then a rarer piece.
inline QString variedPathPart(QRandomGenerator &random)
{
    static const QStringList separators{QString(), QStringLiteral(" "), QStringLiteral("-"),
                                        QStringLiteral("_"), QStringLiteral(".")};
    const QStringList &pieces = variedPathPieces();
    const qsizetype everyday = pieces.indexOf(QStringLiteral("Łódź"));
    QString part;
    for (int count = random.bounded(1, 4); count > 0; --count) {
        if (!part.isEmpty())
            part += separators[random.bounded(int(separators.size()))];
        part += pieces[random.bounded(random.bounded(8) == 0 ? int(pieces.size()) : int(everyday))];
    }
    return part;
}

inline QStringList variedPaths(int count, quint32 seed)
{
    QRandomGenerator random(seed);
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        QString path = random.bounded(10) == 0 ? QString() : QStringLiteral("/");
        for (int depth = random.bounded(13); depth > 0; --depth)
            path += variedPathPart(random) + u'/';
        if (random.bounded(20) != 0)
            path += variedPathPart(random) + (random.bounded(2) == 0 ? QStringLiteral(".txt") : QString());
        paths.append(path);
    }
    return paths;
}
