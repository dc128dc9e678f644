#pragma once

#include <QFont>
#include <QString>

// Layouts name the Song face "宋体" or "SimSun", which no Linux font is called. These names are
// mapped to AR PL UMing CN, with WenQuanYi Zen Hei where that face is missing. Installed once per
// process; safe to call again.
void InstallSongFaceMapping();

// The face a layout's font name stands for: the Song names become the mapped face, any other
// name is kept; an empty name means the Song face.
QString PrintFamily(const QString& fontName);

// A font for the page image: `pixelSize` pixels high, style bits 1 bold, 2 italic, 4 underline,
// never antialiased (the page image has only ink and paper).
QFont PrintFont(const QString& fontName, int pixelSize, bool bold, bool italic, bool underline);

// The family the font database actually resolved for the font.
QString ResolvedFamily(const QFont& font);
